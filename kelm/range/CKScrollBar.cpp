#include "CKScrollBar.h"

#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/KelmTrackMouse.h>
#include <kelm/range/ScrollGeometry.h>

namespace {
SKScrollRange RangeOf(const SCROLLINFO& si) { return SKScrollRange{si.nMin, si.nMax, si.nPage, si.nPos}; }
}  // namespace

CKScrollBar::CKScrollBar()
    : m_bInvertMask(false), m_bHighlight(false), m_nPressedPart(spNone), m_bPressedIn(false), m_bHot(false),
      m_si(), m_nDragEdge(0), m_nGrabX(0), m_nGrabY(0) {
    m_si.cbSize = sizeof(SCROLLINFO);
}

CKScrollBar::~CKScrollBar() {}

BEGIN_MESSAGE_MAP(CKScrollBar, CScrollBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_CAPTURECHANGED()
    ON_WM_TIMER()
    ON_MESSAGE(SBM_GETPOS, OnScrollGetPos)
    ON_MESSAGE(SBM_SETPOS, OnScrollSetPos)
    ON_MESSAGE(SBM_GETRANGE, OnScrollGetRange)
    ON_MESSAGE(SBM_SETRANGE, OnScrollSetRange)
    ON_MESSAGE(SBM_SETRANGEREDRAW, OnScrollSetRangeRedraw)
    ON_MESSAGE(SBM_GETSCROLLINFO, OnScrollGetInfo)
    ON_MESSAGE(SBM_SETSCROLLINFO, OnScrollSetInfo)
    ON_WM_ENABLE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(SBM_ENABLE_ARROWS, OnEnableArrows)
END_MESSAGE_MAP()

CRect CKScrollBar::GetPart(int nPart, CRect rcClient) {
    return CKScrollGeometry(rcClient, IsVert(), RangeOf(m_si), m_nPressedPart == spThumb, m_nDragEdge).Part(nPart);
}

HWND CKScrollBar::NotifyTarget() const { return m_hWndOwner != NULL ? m_hWndOwner : ::GetParent(m_hWnd); }

void CKScrollBar::Notify(UINT nCode) {
    ::SendMessageA(NotifyTarget(), IsVert() ? WM_VSCROLL : WM_HSCROLL, nCode, (LPARAM)m_hWnd);
}

void CKScrollBar::SendMsg() {
    UINT nCode = ScrollPartCode(m_nPressedPart);
    if (m_nPressedPart == spThumb) nCode |= (UINT)m_si.nTrackPos << 16;
    Notify(nCode);
}

// ---------------------------------------------------------------------------------------------
// Painting

void CKScrollBar::DrawArrow(CDC* pMaskDC, CRect rc, EDir dir, bool bPressed) {
    CKStdPainter::DrawArrow(pMaskDC, rc, dir, bPressed);
}

void CKScrollBar::DrawThumb(CDC* pMaskDC, CRect rcClient, bool bPressed) {
    CRect rc = GetPart(spThumb, rcClient);
    if (IsVert())
        rc.DeflateRect(2, 0);
    else
        rc.DeflateRect(0, 2);
    if (rc.IsRectEmpty()) return;
    pMaskDC->FillSolidRect(rc, RGB(255, 255, 255));
    rc.DeflateRect(2, 2);
    if (rc.IsRectEmpty()) return;
    if (bPressed) {
        CBrush ink(RGB(0, 0, 0));
        pMaskDC->FrameRect(rc, &ink);
    } else {
        pMaskDC->FillSolidRect(rc, RGB(0, 0, 0));
    }
}

void CKScrollBar::OnPaint() {
    try {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        if (rc.IsRectEmpty()) return;

        // The mask starts as ink; arrows and the thumb outline are cut out of it as paper.
        CKPaintBuffer buffer(&dc, rc.Width(), rc.Height());
        CDC& mask = buffer.Mask();
        mask.PatBlt(0, 0, rc.Width(), rc.Height(), BLACKNESS);
        const bool bVert = IsVert();
        DrawArrow(&mask, GetPart(spFirstArrow, rc), bVert ? dirUp : dirLeft,
                  m_nPressedPart == spFirstArrow && m_bPressedIn);
        DrawArrow(&mask, GetPart(spSecondArrow, rc), bVert ? dirDown : dirRight,
                  m_nPressedPart == spSecondArrow && m_bPressedIn);
        DrawThumb(&mask, rc, m_nPressedPart >= spPageUp && m_nPressedPart <= spPageDown && m_bPressedIn);
        // Both passes paint the paper of an inverted mask: invert it once for the whole compose.
        if (m_bInvertMask) mask.PatBlt(0, 0, rc.Width(), rc.Height(), DSTINVERT);

        buffer.Compose(this, StateLayers(IsWindowEnabled() != FALSE, m_bHot, m_bHighlight));
        buffer.Present(&dc);
    } catch (const char*) {
        // Out of GDI resources (the paint DC itself may be missing): the bar keeps its old
        // picture until it is invalidated again. Letting the failure out would have the framework
        // paint the platform's bar instead.
        ::ValidateRect(m_hWnd, NULL);
    }
}

BOOL CKScrollBar::OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }

void CKScrollBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    CKStdPainter::OnNcCalcSize(this, bCalcValidRects, lpncsp);
}

void CKScrollBar::OnNcPaint() { CKStdPainter::OnNcPaint(this); }

// ---------------------------------------------------------------------------------------------
// Mouse

// The notification of a press comes last: its handler may end the press (by taking the capture)
// or destroy the bar, so nothing of the bar is touched after it. The repeat starts before it, so
// that a press ended inside the handler also stops the repeat.
void CKScrollBar::StartPress(int nPart, CPoint point) {
    CRect rc;
    GetClientRect(&rc);
    if (nPart == spThumb) {
        const CRect thumb = GetPart(spThumb, rc);
        m_nGrabX = point.x - thumb.left;
        m_nGrabY = point.y - thumb.top;
        m_nDragEdge = IsVert() ? thumb.top : thumb.left;
        m_si.nTrackPos = m_si.nPos;
    }
    m_nPressedPart = nPart;
    m_bPressedIn = true;
    SetCapture();
    Invalidate(FALSE);
    UpdateWindow();
    SetTimer(nRepeatTimer, nRepeatPeriod, NULL);
    SendMsg();
}

// The press is over before anyone hears of it: a handler that takes the capture finds no press
// to end again, and a capture is given back only while the bar still holds it.
void CKScrollBar::EndPress(bool bReleaseCapture) {
    const bool bThumb = m_nPressedPart == spThumb;
    const UINT nTrackPos = (UINT)m_si.nTrackPos;
    m_nPressedPart = spNone;
    m_bPressedIn = false;
    KillTimer(nRepeatTimer);
    if (bReleaseCapture && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    Invalidate(TRUE);

    // The handlers may destroy the bar: nothing of it is used after the first notification.
    const HWND hWnd = m_hWnd, hTarget = NotifyTarget();
    const UINT nMessage = IsVert() ? WM_VSCROLL : WM_HSCROLL;
    if (bThumb) {
        ::SendMessageA(hTarget, nMessage, SB_THUMBPOSITION | (nTrackPos << 16), (LPARAM)hWnd);
        if (!::IsWindow(hWnd)) return;
    }
    ::SendMessageA(hTarget, nMessage, SB_ENDSCROLL, (LPARAM)hWnd);
}

void CKScrollBar::OnLButtonDown(UINT, CPoint point) {
    CRect rc;
    GetClientRect(&rc);
    const CKScrollGeometry geometry(rc, IsVert(), RangeOf(m_si), m_nPressedPart == spThumb, m_nDragEdge);
    const int nPart = geometry.HitTest(point);
    if (nPart != spNone) StartPress(nPart, point);
}

void CKScrollBar::OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }

void CKScrollBar::OnLButtonUp(UINT, CPoint) {
    if (m_nPressedPart != spNone) EndPress(true);
}

// Another window took the capture in the middle of a press: end the press as a release would,
// so that the repeat does not go on without the button.
void CKScrollBar::OnCaptureChanged(CWnd*) {
    if (m_nPressedPart != spNone && ::GetCapture() != m_hWnd) EndPress(false);
}

void CKScrollBar::OnMouseMove(UINT, CPoint point) {
    if (m_nPressedPart == spNone) {
        if (!m_bHot) {
            m_bHot = true;
            Invalidate(FALSE);
            TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
            KELMTrackMouseEvent(&tme);
        }
        return;
    }

    CRect rc;
    GetClientRect(&rc);
    if (m_nPressedPart != spThumb) {
        const CRect part = GetPart(m_nPressedPart, rc);
        const bool bIn = part.PtInRect(point) != FALSE;
        if (bIn != m_bPressedIn) {
            m_bPressedIn = bIn;
            InvalidateRect(part, FALSE);
            // A held track shows the thumb pressed too.
            if (m_nPressedPart == spPageUp || m_nPressedPart == spPageDown) {
                CRect thumb = GetPart(spThumb, rc);
                InvalidateRect(thumb, FALSE);
            }
            UpdateWindow();
        }
        return;
    }

    // Thumb drag: the leading edge follows the pointer where it grabbed the thumb.
    const CRect oldThumb = GetPart(spThumb, rc);
    const CKScrollGeometry geometry(rc, IsVert(), RangeOf(m_si), true, m_nDragEdge);
    if (IsVert())
        m_nDragEdge += point.y - oldThumb.top - m_nGrabY;
    else
        m_nDragEdge += point.x - oldThumb.left - m_nGrabX;
    m_nDragEdge = geometry.ClampDragEdge(m_nDragEdge);
    m_si.nTrackPos = geometry.TrackPosAt(m_nDragEdge);

    CRect dirty;
    dirty.UnionRect(oldThumb, GetPart(spThumb, rc));
    dirty.right += 1;
    dirty.bottom += 1;
    InvalidateRect(dirty, FALSE);
    UpdateWindow();
    SendMsg();
}

LRESULT CKScrollBar::OnMouseLeave(WPARAM, LPARAM) {
    m_bHot = false;
    Invalidate(FALSE);
    return 1;
}

void CKScrollBar::OnTimer(UINT_PTR) {
    Default();  // first: the repeat's handler may destroy the bar
    if (m_bPressedIn && m_nPressedPart != spNone && m_nPressedPart != spThumb) SendMsg();
}

// ---------------------------------------------------------------------------------------------
// Scroll-bar messages

LRESULT CKScrollBar::OnScrollGetPos(WPARAM, LPARAM) { return m_si.nPos; }

LRESULT CKScrollBar::OnScrollSetPos(WPARAM wParam, LPARAM lParam) {
    const int nOld = m_si.nPos;
    m_si.nPos = ScrollClampPos((int)wParam, m_si.nMin, m_si.nMax, m_si.nPage);
    if (lParam != 0) {
        Invalidate(FALSE);
        UpdateWindow();
    }
    return nOld;
}

LRESULT CKScrollBar::OnScrollGetRange(WPARAM wParam, LPARAM lParam) {
    if (wParam != 0) *(int*)wParam = m_si.nMin;
    if (lParam != 0) *(int*)lParam = m_si.nMax;
    return 1;
}

LRESULT CKScrollBar::OnScrollSetRange(WPARAM wParam, LPARAM lParam) {
    const int nOld = m_si.nPos;
    m_si.nMin = (int)wParam;
    m_si.nMax = (int)lParam;
    m_si.nPos = ScrollClampPos(m_si.nPos, m_si.nMin, m_si.nMax, m_si.nPage);
    Invalidate(FALSE);
    return nOld;
}

LRESULT CKScrollBar::OnScrollSetRangeRedraw(WPARAM wParam, LPARAM lParam) {
    const LRESULT nOld = OnScrollSetRange(wParam, lParam);
    Invalidate(TRUE);
    UpdateWindow();
    return nOld;
}

LRESULT CKScrollBar::OnScrollGetInfo(WPARAM, LPARAM lParam) {
    SCROLLINFO* pInfo = (SCROLLINFO*)lParam;
    if (pInfo == NULL) return 0;
    if (pInfo->fMask & SIF_PAGE) pInfo->nPage = m_si.nPage;
    if (pInfo->fMask & SIF_RANGE) {
        pInfo->nMin = m_si.nMin;
        pInfo->nMax = m_si.nMax;
    }
    if (pInfo->fMask & SIF_POS) pInfo->nPos = m_si.nPos;
    if (pInfo->fMask & SIF_TRACKPOS) pInfo->nTrackPos = m_si.nTrackPos;
    return pInfo->fMask & (SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS);
}

LRESULT CKScrollBar::OnScrollSetInfo(WPARAM wParam, LPARAM lParam) {
    const SCROLLINFO* pInfo = (const SCROLLINFO*)lParam;
    if (pInfo != NULL) {
        if (pInfo->fMask & SIF_PAGE) m_si.nPage = pInfo->nPage;
        if (pInfo->fMask & SIF_RANGE) {
            m_si.nMin = pInfo->nMin;
            m_si.nMax = pInfo->nMax;
        }
        if (pInfo->fMask & SIF_POS) m_si.nPos = pInfo->nPos;
        m_si.nPage = ScrollLimitPage(m_si.nPage, m_si.nMin, m_si.nMax);
        m_si.nPos = ScrollClampPos(m_si.nPos, m_si.nMin, m_si.nMax, m_si.nPage);
    }
    if (wParam != 0) {
        Invalidate(FALSE);
        UpdateWindow();
    }
    return m_si.nPos;
}

// ---------------------------------------------------------------------------------------------
// Enable and show

void CKScrollBar::OnEnable(BOOL bEnable) {
    const bool bRecorded = (UINT_PTR)::GetPropA(m_hWnd, szScrollState) == 1;
    const bool bWanted = bEnable != FALSE;
    bool bAct;
    if (bWanted != bRecorded) {
        ::SetPropA(m_hWnd, szScrollState, (HANDLE)(UINT_PTR)(bWanted ? 1 : 0));
        bAct = true;
    } else {
        bAct = !bWanted && IsWindowVisible();
    }
    if (!bAct) return;
    ShowWindow(bWanted ? SW_SHOW : SW_HIDE);
    ::SetWindowPos(NotifyTarget(), NULL, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
}

// ---------------------------------------------------------------------------------------------
// Keyboard and focus. The platform bar would paint its own picture (and a blinking focus thumb)
// for these, so they are handled here: keys notify as the platform bar's keys do.

void CKScrollBar::OnKeyDown(UINT nChar, UINT, UINT) {
    int nCode;
    switch (nChar) {
    case VK_UP:
    case VK_LEFT: nCode = SB_LINEUP; break;
    case VK_DOWN:
    case VK_RIGHT: nCode = SB_LINEDOWN; break;
    case VK_PRIOR: nCode = SB_PAGEUP; break;
    case VK_NEXT: nCode = SB_PAGEDOWN; break;
    case VK_HOME: nCode = SB_TOP; break;
    case VK_END: nCode = SB_BOTTOM; break;
    default: return;
    }
    Notify(nCode);
}

void CKScrollBar::OnKeyUp(UINT nChar, UINT, UINT) {
    switch (nChar) {
    case VK_UP: case VK_LEFT: case VK_DOWN: case VK_RIGHT:
    case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END:
        Notify(SB_ENDSCROLL);
        break;
    default:
        break;
    }
}

void CKScrollBar::OnSetFocus(CWnd*) {}
void CKScrollBar::OnKillFocus(CWnd*) {}

LRESULT CKScrollBar::OnEnableArrows(WPARAM, LPARAM) { return TRUE; }
