#include "CKSliderCtrl.h"

#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/CKStdPainter.h>
#include <kelm/paint/KelmTrackMouse.h>

#include <cmath>

// ---------------------------------------------------------------------------------------------
// Geometry

CRect CKSliderGeometry::ThumbRect(const CRect& rcClient, int nMin, int nMax, int nPos) {
    const int x0 = rcClient.left + nChannelInset, x1 = rcClient.right - nChannelInset;
    double f = 0.0;
    if (nMax != nMin) f = ((double)nPos - nMin) / ((double)nMax - nMin) * (x1 - x0);
    CRect rc;
    rc.left = x0 + (int)std::trunc(f - 4);
    rc.top = rcClient.Height() / 2 - 6;
    rc.right = rc.left + nThumbWidth;
    rc.bottom = rc.top + nThumbHeight;
    return rc;
}

int CKSliderGeometry::DragLeft(const CRect& rcClient, int x, int nGrabX) {
    const int lo = rcClient.left + nDragLeftInset, hi = rcClient.right - nDragRightInset;
    int left = x - nGrabX;
    if (left <= lo) left = lo;
    if (left >= hi) left = hi;
    return left;
}

int CKSliderGeometry::PosFromDragLeft(const CRect& rcClient, int nDragLeft, int nMin, int nMax) {
    const int lo = rcClient.left + nDragLeftInset, hi = rcClient.right - nDragRightInset;
    if (hi <= lo) return ClampPos(nMin, nMin, nMax);
    // The offset from nMin is rounded, not the sum: a negative range reaches its minimum too.
    const double share = ((double)nDragLeft - lo) / (hi - lo);
    const double offset = std::trunc(share * ((double)nMax - nMin) + 0.49);
    double pos = (double)nMin + offset;
    if (pos < nMin) pos = nMin;
    if (pos > nMax) pos = nMax;
    return (int)pos;
}

int CKSliderGeometry::ClampPos(int nPos, int nMin, int nMax) {
    if (nPos < nMin) nPos = nMin;
    if (nPos > nMax) nPos = nMax;
    return nPos;
}

// ---------------------------------------------------------------------------------------------
// CKSliderCtrl

IMPLEMENT_DYNAMIC(CKSliderCtrl, CWnd)

BEGIN_MESSAGE_MAP(CKSliderCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CKSliderCtrl::CKSliderCtrl()
    : m_nLineSize(1), m_nPageSize(10), m_nMin(0), m_nMax(100), m_nPos(0), m_bDragging(false), m_bHot(false),
      m_bFocused(false), m_bInvertMask(false), m_nGrabX(0), m_nGrabY(0), m_nDragLeft(0) {}

CKSliderCtrl::~CKSliderCtrl() {}

BOOL CKSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(NULL, "", dwStyle, rect, pParentWnd, nID);
}

int CKSliderCtrl::SetLineSize(int nSize) {
    const int nOld = m_nLineSize;
    m_nLineSize = nSize;
    return nOld;
}

int CKSliderCtrl::SetPageSize(int nSize) {
    const int nOld = m_nPageSize;
    m_nPageSize = nSize;
    return nOld;
}

void CKSliderCtrl::GetRange(int& nMin, int& nMax) const {
    nMin = m_nMin;
    nMax = m_nMax;
}

void CKSliderCtrl::SetRangeMin(int nMin, BOOL bRedraw) {
    m_nMin = nMin;
    VerifyPos();
    if (bRedraw && m_hWnd != NULL) Invalidate(TRUE);
}

void CKSliderCtrl::SetRangeMax(int nMax, BOOL bRedraw) {
    m_nMax = nMax;
    VerifyPos();
    if (bRedraw && m_hWnd != NULL) Invalidate(TRUE);
}

void CKSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw) {
    SetRangeMin(nMin, FALSE);
    SetRangeMax(nMax, bRedraw);
}

void CKSliderCtrl::SetPos(int nPos) {
    m_nPos = nPos;
    VerifyPos();
    if (m_hWnd != NULL) Invalidate(TRUE);
}

void CKSliderCtrl::VerifyPos() { m_nPos = CKSliderGeometry::ClampPos(m_nPos, m_nMin, m_nMax); }

void CKSliderCtrl::GetThumbRect(LPRECT lprc) const {
    CRect rcClient;
    GetClientRect(&rcClient);
    *lprc = CKSliderGeometry::ThumbRect(rcClient, m_nMin, m_nMax, m_nPos);
}

void CKSliderCtrl::SetSelection(int, int) {}
void CKSliderCtrl::GetSelection(int&, int&) const {}
void CKSliderCtrl::ClearSel(BOOL) {}
void CKSliderCtrl::GetChannelRect(LPRECT) const {}

// ---------------------------------------------------------------------------------------------
// Painting: the mask is ink with the channel and the thumb's outline cut out as paper.

void CKSliderCtrl::PaintBack(CDC* pMaskDC, CRect& rcClient) {
    CPen pen(PS_SOLID, 1, RGB(255, 255, 255));
    CBrush brush(RGB(255, 255, 255));
    CPen* pOldPen = pMaskDC->SelectObject(&pen);
    CBrush* pOldBrush = pMaskDC->SelectObject(&brush);
    const int y = rcClient.top + rcClient.Height() / 2;
    const int x0 = rcClient.left + CKSliderGeometry::nChannelInset;
    const int x1 = rcClient.right - CKSliderGeometry::nChannelInset;
    pMaskDC->MoveTo(x0, y);
    pMaskDC->LineTo(x1, y);
    pMaskDC->MoveTo(x0, y + 1);
    pMaskDC->LineTo(x1, y + 1);
    pMaskDC->SelectObject(pOldBrush);
    pMaskDC->SelectObject(pOldPen);
}

void CKSliderCtrl::PaintThumb(CDC* pMaskDC) {
    CRect rc;
    GetThumbRect(&rc);
    pMaskDC->FillSolidRect(rc, RGB(255, 255, 255));
    rc.DeflateRect(2, 2);
    if (!m_bDragging) {
        pMaskDC->FillSolidRect(rc, RGB(0, 0, 0));
    } else {
        CBrush black(RGB(0, 0, 0));
        pMaskDC->FrameRect(rc, &black);
    }
}

void CKSliderCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty()) return;
    try {
        CKPaintBuffer buffer(&dc, rcClient.Width(), rcClient.Height());
        CDC& mask = buffer.Mask();
        mask.PatBlt(0, 0, rcClient.Width(), rcClient.Height(), BLACKNESS);
        PaintBack(&mask, rcClient);
        PaintThumb(&mask);
        // Inverting the mask once stands for inverting it in each of the passes.
        if (m_bInvertMask) mask.PatBlt(0, 0, rcClient.Width(), rcClient.Height(), DSTINVERT);

        buffer.Compose(this, StateLayers(IsWindowEnabled() != FALSE, m_bHot, m_bFocused));
        buffer.Present(&dc);
    } catch (const char*) {
        // Out of GDI resources: the window keeps its old picture until the next paint.
    }
}

BOOL CKSliderCtrl::OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }

// ---------------------------------------------------------------------------------------------
// Input

void CKSliderCtrl::OnMouseMove(UINT, CPoint point) {
    if (m_bDragging) {
        CRect rcClient;
        GetClientRect(&rcClient);
        m_nDragLeft = CKSliderGeometry::DragLeft(rcClient, point.x, m_nGrabX);
        m_nPos = CKSliderGeometry::PosFromDragLeft(rcClient, m_nDragLeft, m_nMin, m_nMax);
        VerifyPos();
        Invalidate(FALSE);
        UpdateWindow();
        CWnd* pTarget = GetOwner();
        if (pTarget != NULL)
            ::SendMessageA(pTarget->m_hWnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, (WORD)m_nPos), (LPARAM)m_hWnd);
    }
    if (!m_bHot) {
        m_bHot = true;
        Invalidate(FALSE);
        TRACKMOUSEEVENT tme = {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        KELMTrackMouseEvent(&tme);
    }
    Default();
}

void CKSliderCtrl::OnLButtonDown(UINT, CPoint point) {
    SetFocus();
    CRect rcThumb;
    GetThumbRect(&rcThumb);
    if (rcThumb.PtInRect(point)) {
        m_nGrabX = point.x - rcThumb.left;
        m_nGrabY = point.y - rcThumb.top;
        m_nDragLeft = rcThumb.left;
        m_bDragging = true;
        SetCapture();
        Invalidate(FALSE);
        UpdateWindow();
    }
    Default();
}

// A fast second press is a press like the first.
void CKSliderCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }

void CKSliderCtrl::OnLButtonUp(UINT, CPoint) {
    m_bDragging = false;
    ::ReleaseCapture();
    Invalidate(FALSE);
    UpdateWindow();
    Default();
}

void CKSliderCtrl::EndDrag() {
    if (!m_bDragging) return;
    m_bDragging = false;
    Invalidate(FALSE);
}

// Losing the capture in the middle of a drag (another window took it) ends the drag: moves
// without the button must not go on moving the thumb.
void CKSliderCtrl::OnCaptureChanged(CWnd* pWnd) {
    if (pWnd->GetSafeHwnd() != m_hWnd) EndDrag();
    Default();
}

LRESULT CKSliderCtrl::OnMouseLeave(WPARAM, LPARAM) {
    m_bHot = false;
    Invalidate(FALSE);
    return 1;
}

void CKSliderCtrl::OnSetFocus(CWnd*) {
    Default();
    m_bFocused = true;
    Invalidate(TRUE);
}

void CKSliderCtrl::OnKillFocus(CWnd*) {
    Default();
    m_bFocused = false;
    Invalidate(TRUE);
}
