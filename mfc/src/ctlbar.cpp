// Control bars: the layout of bars along a frame's edges, the bar itself, dock bars, the frame
// of floating bars and the docking drag.
#include <afxpriv.h>

#include <algorithm>
#include <cstdlib>

// ---------------------------------------------------------------------------------------------
// Layout

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect) {
    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(NULL, ::GetParent(hWnd), (LPPOINT)(LPRECT)rectOld, 2);
    if (rectOld == *lpRect) return;
    const CRect rc(lpRect);
    if (lpLayout != NULL && lpLayout->hDWP != NULL)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, NULL, rc.left, rc.top, rc.Width(), rc.Height(),
                                          SWP_NOACTIVATE | SWP_NOZORDER);
    else
        ::SetWindowPos(hWnd, NULL, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch) {
    AFX_SIZEPARENTPARAMS layout;
    layout.bStretch = bStretch;
    layout.sizeTotal.cx = layout.sizeTotal.cy = 0;
    if (lpRectClient != NULL) layout.rect = *lpRectClient;
    else ::GetClientRect(m_hWnd, &layout.rect);
    layout.hDWP = nFlags == reposQuery ? NULL : ::BeginDeferWindowPos(8);

    // The bars in z-order (creation order), each cutting its edge off the free rectangle.
    HWND hWndLeftOver = NULL;
    for (HWND h = ::GetTopWindow(m_hWnd); h != NULL; h = ::GetNextWindow(h, GW_HWNDNEXT)) {
        const UINT nID = (UINT)::GetDlgCtrlID(h);
        if (nID == nIDLeftOver) hWndLeftOver = h;
        else if (nID >= nIDFirst && nID <= nIDLast && CWnd::FromHandlePermanent(h) != NULL)
            ::SendMessageA(h, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }

    if (nFlags == reposQuery) {
        if (lpRectParam != NULL) {
            if (bStretch) *lpRectParam = layout.rect;
            else ::SetRect(lpRectParam, 0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy);
        }
        return;
    }
    if (nFlags == reposExtra && lpRectParam != NULL) {
        layout.rect.left += lpRectParam->left;
        layout.rect.top += lpRectParam->top;
        layout.rect.right -= lpRectParam->right;
        layout.rect.bottom -= lpRectParam->bottom;
    }
    if (hWndLeftOver != NULL) {
        CRect rc(layout.rect);
        if (rc.right < rc.left) rc.right = rc.left;
        if (rc.bottom < rc.top) rc.bottom = rc.top;
        AfxRepositionWindow(&layout, hWndLeftOver, rc);
    }
    if (layout.hDWP != NULL) ::EndDeferWindowPos(layout.hDWP);
}

// ---------------------------------------------------------------------------------------------
// CControlBar

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_WINDOWPOSCHANGING()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CControlBar::CControlBar()
    : m_bAutoDelete(FALSE), m_cxLeftBorder(6), m_cxRightBorder(6), m_cyTopBorder(2), m_cyBottomBorder(2),
      m_dwStyle(0), m_dwDockStyle(0), m_pDockSite(NULL), m_pDockBar(NULL), m_pDockContext(NULL) {}

CControlBar::~CControlBar() {
    delete m_pDockContext;
    m_pDockContext = NULL;
}

void CControlBar::PostNcDestroy() {
    if (m_bAutoDelete) delete this;
}

void CControlBar::SetBarStyle(DWORD dwStyle) {
    const DWORD dwOld = m_dwStyle;
    m_dwStyle = dwStyle;
    if (dwOld != dwStyle) OnBarStyleChange(dwOld, dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD, DWORD) {}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom) {
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

CFrameWnd* CControlBar::GetDockingFrame() const {
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != NULL ? pFrame : m_pDockSite;
}

BOOL CControlBar::IsFloating() const { return m_pDockBar != NULL && m_pDockBar->m_bFloating; }
BOOL CControlBar::IsVisible() const { return m_hWnd != NULL && (GetStyle() & WS_VISIBLE) != 0; }
BOOL CControlBar::IsDockBar() const { return FALSE; }

void CControlBar::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
    if (m_pDockContext == NULL) m_pDockContext = new CDockContext(this);
    // Commands keep going to the frame while the bar floats in a frame of its own.
    if (m_hWndOwner == NULL && m_hWnd != NULL) m_hWndOwner = ::GetParent(m_hWnd);
}

BOOL CControlBar::PreCreateWindow(CREATESTRUCTA& cs) {
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult)) return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner != NULL && pOwner->m_hWnd != NULL && pOwner->m_hWnd != m_hWnd)
            return pOwner->SendMessage(message, wParam, lParam);
        return DefWindowProc(message, wParam, lParam);
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

int CControlBar::OnCreate(LPCREATESTRUCT lpcs) {
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (pParent != NULL && pParent->IsFrameWnd()) {
        m_pDockSite = (CFrameWnd*)pParent;
        m_pDockSite->AddControlBar(this);
        m_pDockSite->DelayRecalcLayout();
        if (m_hWndOwner == NULL) m_hWndOwner = pParent->m_hWnd;
    }
    return 0;
}

void CControlBar::OnDestroy() {
    if (m_pDockBar != NULL) m_pDockBar->RemoveControlBar(this);
    if (m_pDockSite != NULL) m_pDockSite->RemoveControlBar(this);
    CWnd::OnDestroy();
}

void CControlBar::OnWindowPosChanging(WINDOWPOS* lpWndPos) {
    CWnd::OnWindowPosChanging(lpWndPos);
    if (lpWndPos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL) pFrame->DelayRecalcLayout();
    }
}

void CControlBar::DelayShow(BOOL bShow) {
    SetWindowPos(NULL, 0, 0, 0, 0,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CSize size(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, bHorz);
    size.cx = std::min<LONG>(32767, size.cx - rect.Width());
    size.cy = std::min<LONG>(32767, size.cy - rect.Height());
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode) {
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
    if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += 2;
    if (m_dwStyle & CBRS_BORDER_TOP) rect.top += 2;
    if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= 2;
    if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= 2;
    if (bHorz) rect.DeflateRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
    else rect.DeflateRect(m_cyTopBorder, m_cxLeftBorder, m_cyBottomBorder, m_cxRightBorder);
}

void CControlBar::PlaceInLayout(AFX_SIZEPARENTPARAMS* lpLayout, CSize size) {
    CRect rect(lpLayout->rect);
    size.cx = std::max<LONG>(0, std::min<LONG>(size.cx, rect.Width()));
    size.cy = std::max<LONG>(0, std::min<LONG>(size.cy, rect.Height()));
    if (m_dwStyle & CBRS_ORIENT_HORZ) {
        lpLayout->sizeTotal.cy += size.cy;
        lpLayout->sizeTotal.cx = std::max(lpLayout->sizeTotal.cx, size.cx);
        if (m_dwStyle & CBRS_ALIGN_TOP) {
            lpLayout->rect.top += size.cy;
        } else {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    } else {
        lpLayout->sizeTotal.cx += size.cx;
        lpLayout->sizeTotal.cy = std::max(lpLayout->sizeTotal.cy, size.cy);
        if (m_dwStyle & CBRS_ALIGN_LEFT) {
            lpLayout->rect.left += size.cx;
        } else {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (lpLayout->hDWP != NULL) AfxRepositionWindow(lpLayout, m_hWnd, rect);
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    if (!(GetStyle() & WS_VISIBLE) || (m_dwStyle & CBRS_ALIGN_ANY) == 0) return 0;
    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if (m_dwStyle & CBRS_ORIENT_HORZ) dwMode |= LM_HORZ | LM_HORZDOCK;
    else dwMode |= LM_VERTDOCK;
    PlaceInLayout(lpLayout, CalcDynamicLayout(-1, dwMode));
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    if (!(GetStyle() & WS_VISIBLE)) return 0;
    // Commands go to the owner frame, also while the bar floats.
    CWnd* pOwner = GetOwner();
    CFrameWnd* pTarget = pOwner != NULL && pOwner->IsFrameWnd() ? (CFrameWnd*)pOwner : GetParentFrame();
    if (pTarget != NULL) OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}

void CControlBar::OnPaint() {
    CPaintDC dc(this);
    DoPaint(&dc);
}

void CControlBar::DoPaint(CDC* pDC) {
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect) {
    // An etched line along each edge the bar style names.
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW), crLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (m_dwStyle & CBRS_BORDER_TOP) {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, crShadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, crLight);
        rect.top += 2;
    }
    if (m_dwStyle & CBRS_BORDER_BOTTOM) {
        pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, crShadow);
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, crLight);
        rect.bottom -= 2;
    }
    if (m_dwStyle & CBRS_BORDER_LEFT) {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), crShadow);
        pDC->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), crLight);
        rect.left += 2;
    }
    if (m_dwStyle & CBRS_BORDER_RIGHT) {
        pDC->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), crShadow);
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), crLight);
        rect.right -= 2;
    }
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_pDockContext != NULL && m_pDockBar != NULL) {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point) {
    // Floats or docks the bar; never passed on, so that no frame reads it as a caption's.
    if (m_pDockContext != NULL && m_pDockBar != NULL) {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

// ---------------------------------------------------------------------------------------------
// CDockBar

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_WM_DESTROY()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating), m_bInDestroy(FALSE) {
    SetBorders(0, 0, 0, 0);
}

CDockBar::~CDockBar() {
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pBar = GetDockedBar(i);
        if (pBar->m_pDockBar == this) pBar->m_pDockBar = NULL;
    }
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    m_dwStyle = dwStyle & CBRS_ALL;
    return CWnd::Create(NULL, NULL, (dwStyle & ~CBRS_ALL) | WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CDockBar::IsDockBar() const { return TRUE; }

int CDockBar::GetDockedVisibleCount() const {
    int n = 0;
    for (int i = 0; i < m_arrBars.GetSize(); ++i)
        if (GetDockedBar(i)->IsVisible()) ++n;
    return n;
}

void CDockBar::OnDestroy() {
    m_bInDestroy = TRUE;
    CControlBar::OnDestroy();
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT) {
    CDockBar* pOld = pBar->m_pDockBar;
    if (pOld == this) return;
    // The window moves first: an emptied floating frame may be destroyed by the removal.
    ::SetParent(pBar->m_hWnd, m_hWnd);
    if (pOld != NULL) pOld->RemoveControlBar(pBar);
    m_arrBars.Add(pBar);
    pBar->m_pDockBar = this;

    const DWORD dwOld = pBar->m_dwStyle;
    pBar->m_dwStyle = (dwOld & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY) |
                      (m_bFloating ? CBRS_FLOATING : 0);
    if (pBar->m_dwStyle != dwOld) pBar->OnBarStyleChange(dwOld, pBar->m_dwStyle);
    if (!m_bFloating && pBar->m_pDockContext != NULL) pBar->m_pDockContext->m_uMRUDockID = (UINT)GetDlgCtrlID();

    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL) pFrame->RecalcLayout();
    pBar->Invalidate();
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar) {
    int nIndex = -1;
    for (int i = 0; i < m_arrBars.GetSize() && nIndex < 0; ++i)
        if (GetDockedBar(i) == pBar) nIndex = i;
    if (nIndex < 0) return FALSE;
    m_arrBars.RemoveAt(nIndex);
    if (pBar->m_pDockBar == this) pBar->m_pDockBar = NULL;
    if (m_bInDestroy) return TRUE;

    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == NULL) return TRUE;
    if (m_bFloating && m_arrBars.GetSize() == 0) {
        // Nothing left to hold. A bar that moved elsewhere leaves its frame to be destroyed; one
        // being destroyed itself leaves it hidden (it goes with the docking frame).
        if (::GetParent(pBar->m_hWnd) != m_hWnd) pFrame->DestroyWindow();
        else pFrame->ShowWindow(SW_HIDE);
    } else {
        pFrame->RecalcLayout();
    }
    return TRUE;
}

CSize CDockBar::LayoutBars(int nLength, BOOL bMove) {
    const BOOL bHorz = m_bFloating || (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    int nAlong = 0, nAcross = 0, nThick = 0, nMaxAlong = 0;
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pBar = GetDockedBar(i);
        if (!pBar->IsVisible()) continue;
        const CSize size = pBar->CalcFixedLayout(FALSE, bHorz);
        const int nLen = bHorz ? size.cx : size.cy, nWidth = bHorz ? size.cy : size.cx;
        if (nAlong > 0 && nAlong + nLen > nLength) {  // the row is full: a new one
            nAcross += nThick;
            nAlong = nThick = 0;
        }
        if (bMove) {
            const CRect rc = bHorz ? CRect(nAlong, nAcross, nAlong + nLen, nAcross + nWidth)
                                   : CRect(nAcross, nAlong, nAcross + nWidth, nAlong + nLen);
            AfxRepositionWindow(NULL, pBar->m_hWnd, rc);
        }
        nAlong += nLen;
        nThick = std::max(nThick, nWidth);
        nMaxAlong = std::max(nMaxAlong, nAlong);
    }
    nAcross += nThick;
    return bHorz ? CSize(nMaxAlong, nAcross) : CSize(nAcross, nMaxAlong);
}

CSize CDockBar::CalcFixedLayout(BOOL, BOOL) { return LayoutBars(32767, FALSE); }

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}  // its bars are updated as descendants

LRESULT CDockBar::OnSizeParent(WPARAM, LPARAM lParam) {
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    if (!(GetStyle() & WS_VISIBLE)) return 0;
    const CRect rect(lpLayout->rect);
    const BOOL bHorz = m_bFloating || (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const int nLength = m_bFloating ? 32767 : bHorz ? rect.Width() : rect.Height();
    CSize size = LayoutBars(nLength, FALSE);
    if (!m_bFloating) {
        // Docked: across the whole edge, as thick as its rows.
        if (bHorz) size.cx = rect.Width();
        else size.cy = rect.Height();
    }
    const DWORD dwSaved = m_dwStyle;
    if (m_bFloating) m_dwStyle = (m_dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
    PlaceInLayout(lpLayout, size);
    m_dwStyle = dwSaved;
    LayoutBars(nLength, TRUE);
    return 0;
}

// ---------------------------------------------------------------------------------------------
// CMiniDockFrameWnd

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_MOUSEACTIVATE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}
CMiniDockFrameWnd::~CMiniDockFrameWnd() {}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle) {
    const DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | MFS_MOVEFRAME | MFS_4THICKFRAME |
                          MFS_SYNCACTIVE | MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    if (!CMiniFrameWnd::CreateEx(0, NULL, "", dwStyle, CRect(0, 0, 20, 20), pParent)) return FALSE;
    if (!m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                       (dwBarStyle & CBRS_ALIGN_ANY ? dwBarStyle & CBRS_ALIGN_ANY : CBRS_ALIGN_TOP),
                             AFX_IDW_DOCKBAR_FLOAT)) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

BOOL CMiniDockFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    // Bars that may be resized from all four sides get a sizing border; a raised edge around it.
    if (cs.style & MFS_4THICKFRAME) cs.style |= WS_THICKFRAME;
    cs.dwExStyle |= WS_EX_WINDOWEDGE;
    return CMiniFrameWnd::PreCreateWindow(cs);
}

void CMiniDockFrameWnd::RecalcLayout(BOOL bNotify) {
    if (m_bInRecalcLayout || m_hWnd == NULL || m_wndDockBar.m_hWnd == NULL) return;
    const CSize size = m_wndDockBar.CalcFixedLayout(FALSE, TRUE);
    if (size.cx > 0 && size.cy > 0) {
        // The frame's own edges stay as they are, whoever paints them.
        CRect rcWindow, rcClient;
        GetWindowRect(&rcWindow);
        GetClientRect(&rcClient);
        const int cx = size.cx + rcWindow.Width() - rcClient.Width();
        const int cy = size.cy + rcWindow.Height() - rcClient.Height();
        if (cx != rcWindow.Width() || cy != rcWindow.Height()) {
            m_bInRecalcLayout = TRUE;
            SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            m_bInRecalcLayout = FALSE;
        }
    }
    CMiniFrameWnd::RecalcLayout(bNotify);
}

void CMiniDockFrameWnd::OnClose() {
    // Closing hides the bars: they still belong to their frame.
    for (int i = 0; i < m_wndDockBar.GetDockedCount(); ++i) m_wndDockBar.GetDockedBar(i)->ShowWindow(SW_HIDE);
    ShowWindow(SW_HIDE);
}

int CMiniDockFrameWnd::OnMouseActivate(CWnd*, UINT, UINT) {
    return MA_NOACTIVATE;  // the docking frame stays the active window
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point) {
    if (nHitTest == HTCAPTION && m_wndDockBar.GetDockedCount() > 0) {
        CControlBar* pBar = m_wndDockBar.GetDockedBar(0);
        if (pBar->m_pDockContext != NULL) {
            pBar->m_pDockContext->StartDrag(point);
            return;
        }
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point) {
    if (nHitTest == HTCAPTION && m_wndDockBar.GetDockedCount() > 0) {
        CControlBar* pBar = m_wndDockBar.GetDockedBar(0);
        if (pBar->m_pDockContext != NULL) {
            pBar->m_pDockContext->ToggleDocking();
            return;
        }
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

// ---------------------------------------------------------------------------------------------
// CDockContext

CDockContext::CDockContext(CControlBar* pBar)
    : m_pBar(pBar), m_pDockSite(pBar->m_pDockSite), m_ptMRUFloatPos(-1, -1), m_uMRUDockID(0) {}

CDockContext::~CDockContext() {}

void CDockContext::ToggleDocking() {
    CFrameWnd* pSite = m_pDockSite != NULL ? m_pDockSite : m_pBar->m_pDockSite;
    if (pSite == NULL || m_pBar->m_hWnd == NULL) return;
    if (m_pBar->IsFloating()) {
        CRect rc;
        m_pBar->GetParentFrame()->GetWindowRect(&rc);
        m_ptMRUFloatPos = rc.TopLeft();
        pSite->DockControlBar(m_pBar, m_uMRUDockID);
        return;
    }
    CPoint pt = m_ptMRUFloatPos;
    if (pt.x == -1 && pt.y == -1) {
        // Never floated: next to where it is docked.
        CRect rc;
        m_pBar->GetWindowRect(&rc);
        pt = rc.TopLeft() + CSize(20, 20);
    }
    pSite->FloatControlBar(m_pBar, pt, (m_pBar->m_dwStyle & CBRS_ORIENT_VERT) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP);
}

UINT CDockContext::DockBarAt(CPoint pt) const {
    CFrameWnd* pSite = m_pDockSite != NULL ? m_pDockSite : m_pBar->m_pDockSite;
    if (pSite == NULL) return 0;
    static const struct {
        UINT nID;
        DWORD dwAlign;
    } sides[4] = {{AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
                  {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
                  {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
                  {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT}};
    const int nReach = 24;  // how far into the frame a side catches the bar
    for (const auto& side : sides) {
        if (!(m_pBar->m_dwDockStyle & side.dwAlign)) continue;
        CControlBar* pDock = pSite->GetControlBar(side.nID);
        if (pDock == NULL || !pDock->IsWindowVisible()) continue;
        CRect rc;
        pDock->GetWindowRect(&rc);
        switch (side.dwAlign) {
        case CBRS_ALIGN_TOP: rc.bottom += nReach; break;
        case CBRS_ALIGN_BOTTOM: rc.top -= nReach; break;
        case CBRS_ALIGN_LEFT: rc.right += nReach; break;
        default: rc.left -= nReach; break;
        }
        if (rc.PtInRect(pt)) return side.nID;
    }
    return 0;
}

void CDockContext::StartDrag(CPoint pt) {
    CFrameWnd* pSite = m_pDockSite != NULL ? m_pDockSite : m_pBar->m_pDockSite;
    if (pSite == NULL || m_pBar->m_hWnd == NULL) return;
    // A floating bar drags its frame along; a docked one itself.
    CWnd* pMoved = m_pBar->IsFloating() ? (CWnd*)m_pBar->GetParentFrame() : (CWnd*)m_pBar;
    CRect rcStart;
    pMoved->GetWindowRect(&rcStart);
    const CSize offset = pt - rcStart.TopLeft();
    const int cxDrag = ::GetSystemMetrics(SM_CXDRAG), cyDrag = ::GetSystemMetrics(SM_CYDRAG);

    CWindowDC dcScreen(NULL);  // the tracking rectangle is drawn over everything
    m_pBar->SetCapture();
    BOOL bDragging = FALSE, bDone = FALSE, bCancel = FALSE;
    CRect rcTrack = rcStart;
    CPoint ptLast = pt;
    while (!bDone && ::GetCapture() == m_pBar->m_hWnd) {
        MSG msg;
        if (!::GetMessageA(&msg, NULL, 0, 0)) {
            ::PostQuitMessage((int)msg.wParam);
            bCancel = TRUE;
            break;
        }
        switch (msg.message) {
        case WM_MOUSEMOVE: {
            const CPoint p(msg.pt);
            if (!bDragging && std::abs(p.x - pt.x) < cxDrag && std::abs(p.y - pt.y) < cyDrag) break;
            if (bDragging) dcScreen.DrawFocusRect(rcTrack);  // erases the last one
            bDragging = TRUE;
            rcTrack = CRect(p - offset, rcStart.Size());
            dcScreen.DrawFocusRect(rcTrack);
            ptLast = p;
            break;
        }
        case WM_LBUTTONUP:
            ptLast = msg.pt;
            bDone = TRUE;
            break;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE) bCancel = bDone = TRUE;
            break;
        case WM_RBUTTONDOWN:
            bCancel = bDone = TRUE;
            break;
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            break;
        }
    }
    if (bDragging) dcScreen.DrawFocusRect(rcTrack);
    if (::GetCapture() == m_pBar->m_hWnd) ::ReleaseCapture();
    if (!bDragging || bCancel) return;

    const UINT nDockID = DockBarAt(ptLast);
    if (nDockID != 0) pSite->DockControlBar(m_pBar, nDockID);
    else
        pSite->FloatControlBar(m_pBar, rcTrack.TopLeft(),
                               (m_pBar->m_dwStyle & CBRS_ORIENT_VERT) && !m_pBar->IsFloating() ? CBRS_ALIGN_LEFT
                                                                                               : CBRS_ALIGN_TOP);
}
