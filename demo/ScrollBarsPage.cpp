// Gallery page: a horizontal and a vertical Kelm scroll bar that set their own positions through
// the page, and a list window whose vertical bar the standard non-client painter docks inside
// its sunken border.
#include <kelm/kelm.h>
#include <kelm/range/CKScrollBar.h>

#include <cstdio>

#include "DemoPage.h"

namespace {

const int kRowHeight = 20;
const int kRows = 40;

// The new position for a scroll code, set on the bar; returns it.
int ApplyScroll(CScrollBar* pBar, UINT nCode, int nTrack) {
    SCROLLINFO si = {};
    pBar->GetScrollInfo(&si, SIF_RANGE | SIF_PAGE | SIF_POS);
    int nPos = si.nPos;
    const int nStep = si.nPage > 0 ? (int)si.nPage : 10;
    switch (nCode) {
    case SB_LINEUP: nPos -= 1; break;
    case SB_LINEDOWN: nPos += 1; break;
    case SB_PAGEUP: nPos -= nStep; break;
    case SB_PAGEDOWN: nPos += nStep; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: nPos = nTrack; break;
    default: return nPos;
    }
    pBar->SetScrollPos(nPos);
    return pBar->GetScrollPos();
}

// Rows of text that scroll with the Kelm bar it serves; its frame is the standard painter's.
class CDemoRows : public CWnd {
public:
    CKScrollBar m_bar;

    CScrollBar* GetScrollBarCtrl(int nBar) const override {
        return nBar == SB_VERT ? const_cast<CKScrollBar*>(&m_bar) : NULL;
    }

    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        CKPaintBuffer buffer(&dc, rc.Width(), rc.Height());
        CDC& mask = buffer.Mask();
        CFont* pOld = mask.SelectObject(DemoFont(15));
        mask.SetBkMode(TRANSPARENT);
        const int nTop = m_bar.GetScrollPos();
        for (int i = nTop; i < kRows && (i - nTop) * kRowHeight < rc.Height(); ++i) {
            CRect row(0, (i - nTop) * kRowHeight, rc.right, (i - nTop + 1) * kRowHeight);
            // Every fifth row is an ink band with its text cut out.
            const bool bBand = i % 5 == 4;
            if (bBand) mask.FillSolidRect(row, RGB(0, 0, 0));
            mask.SetTextColor(bBand ? RGB(255, 255, 255) : RGB(0, 0, 0));
            char text[48];
            std::snprintf(text, sizeof text, "Wiersz %d z %d", i + 1, kRows);
            CRect rcText(row.left + 8, row.top, row.right - 4, row.bottom);
            mask.DrawText(text, -1, rcText, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
        }
        mask.SelectObject(pOld);
        buffer.Compose(this, SKLayers{ctBitmap, true, ctShadow, ctBitmap});
        buffer.Present(&dc);
    }
    afx_msg void OnVScroll(UINT nCode, UINT nPos, CScrollBar* pBar) {
        if (pBar != &m_bar) return;
        ApplyScroll(&m_bar, nCode, (short)nPos);
        Invalidate(FALSE);
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }
    afx_msg void OnNcCalcSize(BOOL bCalc, NCCALCSIZE_PARAMS* p) { CKStdPainter::OnNcCalcSize(this, bCalc, p); }
    afx_msg void OnNcPaint() { CKStdPainter::OnNcPaint(this); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDemoRows, CWnd)
    ON_WM_PAINT()
    ON_WM_VSCROLL()
    ON_WM_ERASEBKGND()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

class CScrollBarsPage : public CWnd {
public:
    CKScrollBar m_horz, m_vert;
    CDemoRows m_rows;

    void PostNcDestroy() override { delete this; }

    BOOL Open() {
        if (!CreateEx(0, DemoWindowClass(), "Kelm: paski przewijania",
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 640, 370, NULL, NULL))
            return FALSE;
        DemoSetTitle(this, "Kelm: paski przewijania");

        m_horz.Create(SBS_HORZ | WS_CHILD | WS_VISIBLE, CRect(20, 40, 300, 60), this, 1);
        SetInfo(m_horz, 0, 100, 10, 30);
        m_vert.Create(SBS_VERT | WS_CHILD | WS_VISIBLE, CRect(20, 130, 40, 320), this, 2);
        SetInfo(m_vert, 0, 50, 0, 12);

        // The list's bar starts disabled and hidden; enabling it records ScrollState 1 and has
        // the list's frame dock it inside the border.
        m_rows.m_bar.Create(SBS_VERT | WS_CHILD | WS_DISABLED, CRect(0, 0, 20, 100), this, 3);
        m_rows.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(330, 40, 610, 320), this, 4);
        SetBorderType(&m_rows, BT_SUNKEN);
        m_rows.m_bar.EnableWindow(TRUE);
        CRect rc;
        m_rows.GetClientRect(&rc);
        SetInfo(m_rows.m_bar, 0, kRows, rc.Height() / kRowHeight, 0);
        ShowWindow(SW_SHOW);
        return TRUE;
    }

    static void SetInfo(CScrollBar& bar, int nMin, int nMax, UINT nPage, int nPos) {
        SCROLLINFO si = {};
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = nMin;
        si.nMax = nMax;
        si.nPage = nPage;
        si.nPos = nPos;
        bar.SetScrollInfo(&si);
    }

    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        CKPaintBuffer buffer(&dc, rc.Width(), rc.Height());
        CDC& mask = buffer.Mask();
        mask.SetBkMode(TRANSPARENT);
        mask.SetTextColor(RGB(0, 0, 0));
        CFont* pOld = mask.SelectObject(DemoFont(17, true));
        Label(mask, CRect(20, 10, 320, 36), "Pasek poziomy");
        Label(mask, CRect(20, 100, 320, 126), "Pasek pionowy");
        Label(mask, CRect(330, 10, 620, 36), "Lista z paskiem w ramce");
        mask.SelectObject(DemoFont(15));
        char text[48];
        std::snprintf(text, sizeof text, "Pozycja: %d", m_horz.GetScrollPos());
        Label(mask, CRect(20, 64, 320, 86), text);
        std::snprintf(text, sizeof text, "Pozycja: %d", m_vert.GetScrollPos());
        Label(mask, CRect(52, 130, 320, 152), text);
        mask.SelectObject(pOld);
        buffer.Compose(this, SKLayers{ctBitmap, true, ctShadow, ctBitmap});
        buffer.Present(&dc);
    }
    static void Label(CDC& mask, CRect rc, const char* pszText) {
        mask.DrawText(pszText, -1, rc, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    }
    afx_msg void OnHScroll(UINT nCode, UINT nPos, CScrollBar* pBar) {
        if (pBar == &m_horz) ApplyScroll(pBar, nCode, (short)nPos);
        InvalidateRect(CRect(20, 64, 320, 86), FALSE);
    }
    afx_msg void OnVScroll(UINT nCode, UINT nPos, CScrollBar* pBar) {
        if (pBar == &m_vert) ApplyScroll(pBar, nCode, (short)nPos);
        InvalidateRect(CRect(52, 130, 320, 152), FALSE);
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScrollBarsPage, CWnd)
    ON_WM_PAINT()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CWnd* CreateScrollBarsPage() {
    return DemoOpenPage<CScrollBarsPage>();
}

void MouseButton(bool bDown) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof(in));
    DemoPump(30);
}

// Drags the list's thumb down in steps, pages the vertical bar, steps the horizontal bar and
// leaves the pointer over it (hot shadow).
void DriveScrollBarsPage(CWnd* pPage) {
    CScrollBarsPage* pThis = static_cast<CScrollBarsPage*>(pPage);
    CKScrollBar& listBar = pThis->m_rows.m_bar;
    CRect rcBar;
    listBar.GetWindowRect(&rcBar);
    pPage->ScreenToClient(&rcBar);
    const int x = rcBar.left + 9;
    DemoMoveCursor(pPage, x, rcBar.top + 20);
    MouseButton(true);
    for (int dy = 0; dy <= 90; dy += 15) DemoMoveCursor(pPage, x, rcBar.top + 20 + dy);
    MouseButton(false);

    DemoClick(pPage, 29, 300);  // page down on the vertical bar
    for (int i = 0; i < 4; ++i) DemoClick(pPage, 292, 50);  // right arrow of the horizontal bar
    DemoMoveCursor(pPage, 200, 50);
    DemoPump(200);
}

DemoPageRegistrar g_scrollBars({"03_scrollbars", &CreateScrollBarsPage, &DriveScrollBarsPage});

}  // namespace
