// Gallery page: a tree with check boxes and a plain tree side by side, a few hundred items over
// three levels each, some expanded. The script checks an item with a real click, then rests the
// pointer on an item whose text the row cuts off, so that its popup shows the whole text.
#include <kelm/tree/CKTreeBox.h>
#include <kelm/tree/CKTreeBoxWithOutCheckBoxes.h>

#include <cstdio>
#include <deque>
#include <string>

#include "DemoPage.h"

namespace {

enum { IDC_CHECKED = 101, IDC_PLAIN };

const CRect kCheckedRect(20, 40, 320, 420);
const CRect kPlainRect(340, 40, 640, 420);
const char* const kRegions[] = {"Dolnośląskie", "Kujawsko-pomorskie", "Lubelskie", "Lubuskie", "Łódzkie",
                                "Małopolskie", "Mazowieckie", "Opolskie", "Podkarpackie", "Podlaskie",
                                "Pomorskie", "Śląskie", "Świętokrzyskie", "Warmińsko-mazurskie",
                                "Wielkopolskie", "Zachodniopomorskie"};
const char kLongText[] = "Gmina o bardzo długiej nazwie, której wiersz nie mieści w całości";

class CTreesPage : public CWnd {
public:
    CKTreeBox m_checked;
    CKTreeBoxWithOutCheckBoxes m_plain;
    std::deque<std::string> m_texts;  // the items' texts live as long as the page
    DWORD m_hLong = 0;                // the item with the long text, in the checked tree

    void PostNcDestroy() override { delete this; }

    void* Text(const std::string& s) {
        m_texts.push_back(s);
        return &m_texts.back()[0];
    }

    // 16 regions of 5 districts of 4 communes: 416 items; returns the long item's handle.
    template <class Tree>
    DWORD Fill(Tree& tree) {
        DWORD hLong = 0;
        char buf[64];
        for (int r = 0; r < 16; ++r) {
            const DWORD hRegion = tree.AddItem(0, Text(kRegions[r]));
            for (int p = 1; p <= 5; ++p) {
                std::snprintf(buf, sizeof buf, "Powiat %d.%d", r + 1, p);
                const DWORD hDistrict = tree.AddItem(hRegion, Text(buf));
                for (int g = 1; g <= 4; ++g) {
                    std::snprintf(buf, sizeof buf, "Gmina %d.%d.%d", r + 1, p, g);
                    const DWORD h = tree.AddItem(hDistrict, Text(r == 0 && p == 2 && g == 2 ? kLongText : buf));
                    if (r == 0 && p == 2 && g == 2) hLong = h;
                }
            }
        }
        // The first region open down to its second district, the third region open.
        const DWORD hFirst = tree.GetRootItem();
        tree.ExpandItem(hFirst, TRUE);
        tree.ExpandItem(tree.GetNextItem(hFirst + 1), TRUE);
        tree.ExpandItem(tree.GetNextItem(tree.GetNextItem(hFirst)), TRUE);
        return hLong;
    }

    BOOL Open() {
        if (!CreateEx(0, DemoWindowClass(), "Kelm: drzewa", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                      0, 0, 668, 470, NULL, NULL))
            return FALSE;
        DemoSetTitle(this, "Kelm: drzewa");
        m_checked.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, kCheckedRect, this,
                         IDC_CHECKED);
        m_plain.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, kPlainRect, this,
                       IDC_PLAIN);
        m_checked.SetFont(DemoFont(13));
        m_plain.SetFont(DemoFont(13));
        m_hLong = Fill(m_checked);
        Fill(m_plain);
        // Some checks: a whole district, and one commune of another (its district partly checked).
        const DWORD hFirst = m_checked.GetRootItem();
        m_checked.CheckItem(hFirst + 1, TRUE);
        m_checked.CheckItem(hFirst + 8, TRUE);
        m_plain.SetCurSel(3);
        ShowWindow(SW_SHOW);
        return TRUE;
    }

    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CFont* pOld = dc.SelectObject(DemoFont(16));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 0, 0));
        dc.TextOut(kCheckedRect.left, 16, "Drzewo z polami wyboru");
        dc.TextOut(kPlainRect.left, 16, "Drzewo bez pól wyboru");
        dc.SelectObject(pOld);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTreesPage, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CWnd* CreateTreesPage() {
    return DemoOpenPage<CTreesPage>();
}

// The row that shows an item, found by its text.
int RowOf(CKTreeBoxBase& tree, DWORD hItem) {
    TBITEMINFO info;
    tree.GetItemInfo(hItem, &info);
    for (int r = 0; r < tree.GetCount(); ++r)
        if ((void*)tree.GetItemData(r) == info.pData) return r;
    return -1;
}

// A point x pixels into a row of a tree, half way down, in the page's client coordinates.
CPoint InRow(CWnd* pPage, CListBox& tree, int nRow, int x) {
    CRect rc;
    tree.GetItemRect(nRow, rc);
    CPoint pt(rc.left + x, rc.CenterPoint().y);
    tree.MapWindowPoints(pPage, &pt, 1);
    return pt;
}

void DriveTreesPage(CWnd* pWnd) {
    CTreesPage* pPage = static_cast<CTreesPage*>(pWnd);
    CKTreeBox& tree = pPage->m_checked;
    // Check the fourth region with a click on its check box: rows are 19 pixels high, the check
    // box is the second 19-pixel column.
    const DWORD hFourth = tree.GetNextItem(tree.GetNextItem(tree.GetNextItem(tree.GetRootItem())));
    CPoint pt = InRow(pPage, tree, RowOf(tree, hFourth), 19 + 9);
    DemoClick(pPage, pt.x, pt.y);
    // Rest on the long text until its popup shows.
    pt = InRow(pPage, tree, RowOf(tree, pPage->m_hLong), 150);
    DemoMoveCursor(pPage, pt.x, pt.y);
    DemoPump(1200);
}

DemoPageRegistrar g_trees({"08_trees", &CreateTreesPage, &DriveTreesPage});

}  // namespace
