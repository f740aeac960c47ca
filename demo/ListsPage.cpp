// Gallery page: a skinned list box with disabled rows, rows too long for it (their whole text
// shows in a popup while the pointer rests on them) and an attached list-tracking scroll bar, and
// beside it a plain list box with disabled items drawn in the system's colours. The script selects
// a row and rests the pointer on a long one.
#include <kelm/lists/CKListBox.h>
#include <kelm/lists/CListBoxEx.h>
#include <kelm/paint/CKMPBitmapProvider.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/CKStdPainter.h>
#include <kelm/range/CKTScrollBar.h>

#include <memory>

#include "DemoListBox.h"
#include "DemoPage.h"

namespace {

enum { IDC_SKINNED = 101, IDC_BAR, IDC_PLAIN };

struct Row {
    const char* text;
    bool disabled;
};

const Row kRows[] = {
    {"Poniedziałek", false},
    {"Wtorek", false},
    {"Środa (wyłączona)", true},
    {"Czwartek", false},
    {"Piątek: wiersz z tekstem dłuższym niż szerokość listy", false},
    {"Sobota (wyłączona)", true},
    {"Niedziela", false},
    {"Styczeń", false},
    {"Luty: jeszcze jeden bardzo długi wiersz, cały w okienku", false},
    {"Marzec", false},
    {"Kwiecień (wyłączony)", true},
    {"Maj", false},
    {"Czerwiec", false},
    {"Lipiec", false},
    {"Sierpień", false},
    {"Wrzesień", false},
    {"Październik", false},
    {"Listopad (wyłączony)", true},
    {"Grudzień", false},
};
const int kRowCount = sizeof kRows / sizeof kRows[0];

// A list box with disabled items as an application might draw it: system colours, disabled rows
// greyed, the hot row tinted.
class CPlainListBox : public CListBoxEx {
public:
    void MeasureItem(LPMEASUREITEMSTRUCT p) override { p->itemHeight = 20; }
    void DrawItem(LPDRAWITEMSTRUCT p) override {
        CDC* pDC = CDC::FromHandle(p->hDC);
        const UINT s = p->itemState;
        const bool bSelected = (s & ODS_SELECTED) && !(s & ODS_DISABLED);
        const COLORREF back = bSelected ? ::GetSysColor(COLOR_HIGHLIGHT)
                              : (s & ODS_HOTLIGHT) ? RGB(225, 235, 250) : ::GetSysColor(COLOR_WINDOW);
        pDC->FillSolidRect(&p->rcItem, back);
        if ((int)p->itemID < 0) return;
        CString text;
        GetText((int)p->itemID, text);
        CFont* pOld = pDC->SelectObject(DemoFont(15));
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor((s & ODS_DISABLED) ? ::GetSysColor(COLOR_GRAYTEXT)
                          : bSelected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : ::GetSysColor(COLOR_WINDOWTEXT));
        CRect rc(p->rcItem);
        rc.left += 4;
        pDC->DrawText(text, rc, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        pDC->SelectObject(pOld);
    }
};

class CListsPage : public CWnd {
public:
    CDemoListBox m_skinned;
    CKTScrollBar m_bar;
    CPlainListBox m_plain;
    std::unique_ptr<CKBitmapDC> m_pInk, m_pPaper;
    std::unique_ptr<CKMPBitmapProvider> m_pLook;

    void PostNcDestroy() override { delete this; }

    BOOL Open() {
        if (!CreateEx(0, DemoWindowClass(), "Kelm: listy", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                      0, 0, 620, 360, NULL, NULL))
            return FALSE;
        DemoSetTitle(this, "Kelm: listy z wyłączonymi wierszami");

        // Slate ink with fine diagonal ridges, warm grey paper.
        m_pInk.reset(new CKBitmapDC(NULL, 8, 8));
        m_pPaper.reset(new CKBitmapDC(NULL, 4, 4));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) m_pInk->SetPixel(x, y, (x + y) % 4 == 0 ? RGB(44, 58, 78) : RGB(54, 70, 92));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) m_pPaper->SetPixel(x, y, (x ^ y) & 1 ? RGB(236, 232, 222) : RGB(242, 238, 228));
        m_pLook.reset(new CKMPBitmapProvider(this, m_pInk.get(), RGB(30, 40, 55), RGB(90, 100, 120), RGB(250, 190, 70),
                                             m_pPaper.get(), RGB(245, 242, 235), RGB(120, 130, 145),
                                             RGB(255, 205, 90), false));

        const DWORD listStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                                LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
        // The bar starts disabled: it shows itself (and the list's frame makes room for it) once
        // the list holds more rows than it shows.
        m_bar.Create(SBS_VERT | WS_CHILD | WS_DISABLED, CRect(0, 0, 20, 100), this, IDC_BAR);
        m_skinned.Create(listStyle, CRect(20, 44, 290, 324), this, IDC_SKINNED);
        m_skinned.SetFont(DemoFont(15), FALSE);
        m_skinned.SetItemHeight(0, m_skinned.ItemHeight());
        m_skinned.SetScroll(&m_bar);
        SetBorderType(&m_skinned, BT_SUNKEN);
        m_plain.Create(listStyle | WS_BORDER | WS_VSCROLL, CRect(320, 44, 590, 324), this, IDC_PLAIN);
        for (int i = 0; i < kRowCount; ++i) {
            m_skinned.AddString(kRows[i].text);
            m_plain.AddString(kRows[i].text);
            if (kRows[i].disabled) {
                m_skinned.SetDis(i, 1);
                m_plain.SetDis(i, 1);
            }
        }
        m_plain.SetCurSel(3);
        ShowWindow(SW_SHOW);
        return TRUE;
    }

    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        CKPaintBuffer buffer(&dc, rc.Width(), rc.Height());
        DemoDrawLabel(buffer.Mask(), CRect(20, 10, 300, 38), "Lista Kelm z paskiem", 17, true);
        DemoDrawLabel(buffer.Mask(), CRect(320, 10, 600, 38), "Zwykła lista z wyłączeniami", 17, true);
        buffer.Compose(this, SKLayers{ctBitmap, true, ctShadow, ctBitmap});
        buffer.Present(&dc);
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListsPage, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CWnd* CreateListsPage() {
    return DemoOpenPage<CListsPage>();
}

// Selects "Czwartek" in the skinned list with a click, lets the bar catch up with the list,
// hovers a row of the plain list, and rests the pointer on "Piątek", whose text is too long for
// the row: the popup shows it whole.
void DriveListsPage(CWnd* pWnd) {
    CListsPage* pPage = static_cast<CListsPage*>(pWnd);
    CRect row;
    pPage->m_skinned.GetItemRect(3, &row);
    DemoClick(&pPage->m_skinned, 30, row.top + row.Height() / 2);
    DemoPump(400);
    pPage->m_plain.GetItemRect(6, &row);
    DemoMoveCursor(&pPage->m_plain, 30, row.top + row.Height() / 2);
    pPage->m_skinned.GetItemRect(4, &row);
    DemoMoveCursor(&pPage->m_skinned, 40, row.top + row.Height() / 2);
    DemoPump(200);
}

DemoPageRegistrar g_lists({"05_lists", &CreateListsPage, &DriveListsPage});

}  // namespace
