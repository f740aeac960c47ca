#include "CKFrameWnd.h"

#include <kelm/paint/CKStdPainter.h>

IMPLEMENT_DYNCREATE(CKFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CKFrameWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_ACTIVATE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCACTIVATE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CKFrameWnd::CKFrameWnd() {}
CKFrameWnd::~CKFrameWnd() {}

int CKFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    m_wndToolTip.Create(this, 0);
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_wndTitleBar.Create(this, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP | CBRS_TOP, nTitleBarId))
        return -1;
    RecalcLayout();
    return 0;
}

void CKFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    m_wndTitleBar.m_bActive = nState != WA_INACTIVE;
    if (m_wndTitleBar.m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

BOOL CKFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (m_wndToolTip.m_hWnd != NULL) {
        m_wndToolTip.SendMessage(TTM_ACTIVATE, TRUE, 0);
        m_wndToolTip.SendMessage(TTM_RELAYEVENT, 0, (LPARAM)pMsg);
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

void CKFrameWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    CKStdPainter::OnNcCalcSize(this, bCalcValidRects, lpncsp);
}

void CKFrameWnd::OnNcPaint() { CKStdPainter::OnNcPaint(this); }

BOOL CKFrameWnd::OnNcActivate(BOOL bActive) {
    if (IsIconic()) return CFrameWnd::OnNcActivate(bActive);
    CKStdPainter::OnNcPaint(this);
    return TRUE;
}

LRESULT CKFrameWnd::OnSetText(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    if (!IsIconic()) CKStdPainter::OnNcPaint(this);
    if (m_wndTitleBar.m_hWnd != NULL) m_wndTitleBar.Invalidate();
    return lResult;
}

void CKFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI) {
    CFrameWnd::OnGetMinMaxInfo(lpMMI);
    if (IsIconic() || IsZoomed()) return;  // the border widths are read from the normal window
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    CRect rcWork;
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0)) return;
    const CRect border(rcClient.left - rcWindow.left, rcClient.top - rcWindow.top, rcWindow.right - rcClient.right,
                       rcWindow.bottom - rcClient.bottom);
    lpMMI->ptMaxPosition.x = rcWork.left - border.left;
    lpMMI->ptMaxPosition.y = rcWork.top - border.top;
    lpMMI->ptMaxSize.x = rcWork.Width() + border.left + border.right;
    lpMMI->ptMaxSize.y = rcWork.Height() + border.top + border.bottom;
}
