#include "CKSpinButtonCtrl.h"

#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/CKStdPainter.h>
#include <kelm/paint/KelmTrackMouse.h>

BEGIN_MESSAGE_MAP(CKSpinButtonCtrl, CSpinButtonCtrl)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CKSpinButtonCtrl::CKSpinButtonCtrl() : m_bHot(FALSE), m_nPressedHalf(0) {}

CKSpinButtonCtrl::~CKSpinButtonCtrl() {}

int CKSpinButtonCtrl::HalfFromPoint(const CRect& rcClient, CPoint pt) {
    return pt.y < (rcClient.top + rcClient.bottom) / 2 ? 1 : 2;
}

void CKSpinButtonCtrl::GetArrowRects(const CRect& rcClient, CRect& rcUp, CRect& rcDown) {
    const int l = rcClient.left, r = rcClient.right;
    const int mid = (rcClient.top + rcClient.bottom) / 2;
    rcUp.SetRect(l, mid + l - r, r, mid + 4);
    rcDown.SetRect(l, mid + 5, r, mid + 4);
}

// The platform control writes its style back while it is created, WS_VISIBLE included, so
// the window may turn visible without being invalidated: ask for the first paint here.
int CKSpinButtonCtrl::OnCreate(LPCREATESTRUCT) {
    const int nResult = (int)Default();
    if (nResult != -1) Invalidate(TRUE);
    return nResult;
}

void CKSpinButtonCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty()) return;
    try {
        CKPaintBuffer buffer(&dc, rcClient.Width(), rcClient.Height());
        CDC& mask = buffer.Mask();
        mask.PatBlt(0, 0, rcClient.Width(), rcClient.Height(), BLACKNESS);
        CRect rcUp, rcDown;
        GetArrowRects(rcClient, rcUp, rcDown);
        CKStdPainter::DrawArrow(&mask, rcUp, dirUp, m_nPressedHalf == 1);
        CKStdPainter::DrawArrow(&mask, rcDown, dirDown, m_nPressedHalf == 2);

        buffer.Compose(this, StateLayers(IsWindowEnabled() != FALSE, m_bHot, false));
        buffer.Present(&dc);
    } catch (const char*) {
        // Out of GDI resources or glyphs: the window keeps its old picture until the next paint.
    }
}

BOOL CKSpinButtonCtrl::OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }

void CKSpinButtonCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    CKStdPainter::OnNcCalcSize(this, bCalcValidRects, lpncsp);
}

void CKSpinButtonCtrl::OnNcPaint() { CKStdPainter::OnNcPaint(this); }

// Every mouse message goes on to the platform control once the look is updated.

void CKSpinButtonCtrl::OnLButtonDown(UINT, CPoint point) {
    CRect rcClient;
    GetClientRect(&rcClient);
    m_nPressedHalf = HalfFromPoint(rcClient, point);
    Invalidate(TRUE);
    Default();
}

void CKSpinButtonCtrl::OnLButtonUp(UINT, CPoint) {
    m_nPressedHalf = 0;
    Invalidate(TRUE);
    Default();
}

void CKSpinButtonCtrl::OnMouseMove(UINT, CPoint) {
    if (!m_bHot) {
        m_bHot = TRUE;
        TRACKMOUSEEVENT tme = {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        KELMTrackMouseEvent(&tme);
        Invalidate(TRUE);
    }
    Default();
}

LRESULT CKSpinButtonCtrl::OnMouseLeave(WPARAM, LPARAM) {
    m_bHot = FALSE;
    Invalidate(TRUE);
    Default();
    return 1;
}

// A press that loses the capture without a button-up (the platform control cancels its
// auto-repeat then) drops the pressed look as well.
void CKSpinButtonCtrl::OnCaptureChanged(CWnd* pWnd) {
    if (m_nPressedHalf != 0 && pWnd->GetSafeHwnd() != m_hWnd) {
        m_nPressedHalf = 0;
        Invalidate(TRUE);
    }
    Default();
}
