// Gallery page: a long list of a million generated rows with its scroll bar, a button that jumps
// to row 750,000, and a panel that shows where the selection is: its item, the page the list box
// holds and that page's offset. The script clicks the button and steps one row down by key.
#include <kelm/buttons/CKButton.h>
#include <kelm/lists/CKLongListBox.h>
#include <kelm/paint/CKMPBitmapProvider.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/CKStdPainter.h>
#include <kelm/range/CKScrollBar.h>

#include <cstdio>
#include <memory>

#include "DemoPage.h"

namespace {

enum { IDC_LIST = 101, IDC_BAR, IDC_JUMP };
const int kCount = 1000000;
const int kJumpTo = 749999;  // "Row 0750000"

// Rows are generated from their logical item; the rows a last page holds past the end stay
// empty.
class CDemoLongList : public CKLongListBox {
public:
    int DrawItemData(CDC* pDC, const CRect& rc, DRAWITEMSTRUCT* p) override {
        const long long item = (long long)GetPageOffset() + (int)p->itemID;
        if ((int)p->itemID < 0 || item >= GetCount()) return 0;
        char text[32];
        const int n = std::snprintf(text, sizeof text, "Row %07lld", item + 1);
        CFont* pOld = pDC->SelectObject(GetFont());
        pDC->TextOut(rc.left + 2, rc.top, text, n);
        const int w = pDC->GetTextExtent(text, n).cx + 2;
        pDC->SelectObject(pOld);
        return w;
    }
};

// Digits in groups of three: 1 000 000.
CString Grouped(long long n) {
    char digits[24];
    const int len = std::snprintf(digits, sizeof digits, "%lld", n);
    CString out;
    for (int i = 0; i < len; ++i) {
        if (i > 0 && (len - i) % 3 == 0) out += ' ';
        out += digits[i];
    }
    return out;
}

class CLongListPage : public CWnd {
public:
    CDemoLongList m_list;
    CKScrollBar m_bar;
    CKButton m_jump;
    std::unique_ptr<CKBitmapDC> m_pInk, m_pPaper;
    std::unique_ptr<CKMPBitmapProvider> m_pLook;
    int m_nShownSel = -2;

    void PostNcDestroy() override { delete this; }

    BOOL Open() {
        if (!CreateEx(0, DemoWindowClass(), "Kelm: długa lista", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                      0, 0, 620, 360, NULL, NULL))
            return FALSE;
        DemoSetTitle(this, "Kelm: długa lista (milion wierszy)");

        // Deep green ink with a fine weave, pale sage paper.
        m_pInk.reset(new CKBitmapDC(NULL, 4, 4));
        m_pPaper.reset(new CKBitmapDC(NULL, 4, 4));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                m_pInk->SetPixel(x, y, (x + 2 * y) % 4 == 0 ? RGB(28, 62, 52) : RGB(36, 76, 64));
                m_pPaper->SetPixel(x, y, (x ^ y) & 1 ? RGB(226, 236, 226) : RGB(234, 242, 232));
            }
        m_pLook.reset(new CKMPBitmapProvider(this, m_pInk.get(), RGB(20, 40, 34), RGB(80, 110, 96), RGB(250, 210, 90),
                                             m_pPaper.get(), RGB(240, 246, 238), RGB(110, 136, 122),
                                             RGB(255, 220, 110), false));

        m_bar.Create(SBS_VERT | WS_CHILD | WS_DISABLED, CRect(0, 0, 20, 100), this, IDC_BAR);
        m_list.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOTIFY |
                          LBS_NOINTEGRALHEIGHT,
                      CRect(20, 44, 290, 324), this, IDC_LIST);
        m_list.SetFont(DemoFont(15), FALSE);
        m_list.SetItemHeight(0, m_list.ItemHeight());
        m_list.SetScroll(&m_bar);
        SetBorderType(&m_list, BT_SUNKEN);
        m_list.SetCount(kCount);
        m_list.SetCurSel(0);
        m_jump.Create("Skocz do wiersza 750 000", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(320, 260, 590, 290),
                      this, IDC_JUMP);
        SetTimer(1, 100, NULL);
        ShowWindow(SW_SHOW);
        return TRUE;
    }

    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        CKPaintBuffer buffer(&dc, rc.Width(), rc.Height());
        CDC& mask = buffer.Mask();
        DemoDrawLabel(mask, CRect(20, 10, 300, 38), "Długa lista", 17, true);
        DemoDrawLabel(mask, CRect(320, 10, 600, 38), "Gdzie jest zaznaczenie", 17, true);
        const int nSel = m_list.GetCurSel();
        const CString lines[] = {
            "Wierszy: " + Grouped(m_list.GetCount()),
            "Zaznaczony: " + (nSel < 0 ? CString("żaden") : Grouped(nSel + 1)),
            "Strona listy: " + Grouped(m_list.GetPage()),
            "Przesunięcie strony: " + Grouped(m_list.GetPageOffset()),
            "Wiersze listy: 30 120 na stronę",
        };
        for (int i = 0; i < 5; ++i) DemoDrawLabel(mask, CRect(320, 50 + 32 * i, 600, 78 + 32 * i), lines[i], 15);
        buffer.Compose(this, SKLayers{ctBitmap, true, ctShadow, ctBitmap});
        buffer.Present(&dc);
        m_nShownSel = nSel;
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }
    // The selection moves by keys, mouse, scroll bar and button: the panel follows it.
    afx_msg void OnTimer(UINT_PTR) {
        if (m_list.GetCurSel() != m_nShownSel) InvalidateRect(CRect(310, 40, 610, 220), FALSE);
    }
    afx_msg void OnSelChange() { m_list.OnSelChange(); }
    afx_msg void OnJump() {
        m_list.SetCurSel(kJumpTo);
        m_list.SetFocus();
    }
    afx_msg void OnDestroy() {
        KillTimer(1);
        CWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLongListPage, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_CONTROL(LBN_SELCHANGE, IDC_LIST, OnSelChange)
    ON_BN_CLICKED(IDC_JUMP, OnJump)
END_MESSAGE_MAP()

CWnd* CreateLongListPage() {
    return DemoOpenPage<CLongListPage>();
}

// Clicks the jump button, then steps the selection one row down and back up with the keyboard.
void DriveLongListPage(CWnd* pWnd) {
    CLongListPage* pPage = static_cast<CLongListPage*>(pWnd);
    DemoClick(&pPage->m_jump, 40, 15);
    DemoPump(100);
    for (WORD vk : {VK_DOWN, VK_UP}) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = vk;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, in, sizeof(INPUT));
        DemoPump(100);
    }
    DemoPump(200);
}

DemoPageRegistrar g_longList({"05_long_list", &CreateLongListPage, &DriveLongListPage});

}  // namespace
