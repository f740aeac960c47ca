#include "CKTScrollBar.h"

CKTScrollBar::CKTScrollBar() : m_nTimer(0) {}

CKTScrollBar::~CKTScrollBar() {}

BEGIN_MESSAGE_MAP(CKTScrollBar, CKScrollBar)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_VSCROLL_REFLECT()
END_MESSAGE_MAP()

int CKTScrollBar::OnCreate(LPCREATESTRUCT) {
    if (Default() == -1) return -1;
    m_nTimer = SetTimer(GetDlgCtrlID(), nPollPeriod, NULL);
    return 0;
}

void CKTScrollBar::OnDestroy() {
    CWnd::OnDestroy();
    if (m_nTimer != 0) KillTimer(GetDlgCtrlID());
}

// A control id equal to the repeat timer's id makes both one timer, which the end of a press
// kills: start the poll again.
void CKTScrollBar::RestartPoll() {
    if (m_nTimer != 0 && GetDlgCtrlID() == nRepeatTimer) m_nTimer = SetTimer(GetDlgCtrlID(), nPollPeriod, NULL);
}

// The end of a press notifies the owner, whose handler may destroy the bar: the poll restarts
// only for a bar that is still there.
void CKTScrollBar::OnLButtonUp(UINT nFlags, CPoint point) {
    const bool bPressed = m_nPressedPart != 0;
    const HWND hWnd = m_hWnd;
    CKScrollBar::OnLButtonUp(nFlags, point);
    if (bPressed && CWnd::FromHandlePermanent(hWnd) == this) RestartPoll();
}

void CKTScrollBar::OnCaptureChanged(CWnd* pWnd) {
    const bool bPressed = m_nPressedPart != 0;
    const HWND hWnd = m_hWnd;
    CKScrollBar::OnCaptureChanged(pWnd);
    if (bPressed && CWnd::FromHandlePermanent(hWnd) == this && m_nPressedPart == 0) RestartPoll();
}

bool CKTScrollBar::ListMetrics(HWND hList, int& nTop, int& nVisible) {
    nTop = (int)::SendMessageA(hList, LB_GETTOPINDEX, 0, 0);
    ::SendMessageA(hList, LB_GETCURSEL, 0, 0);
    RECT rcItem = {0, 0, 0, 0};
    ::SendMessageA(hList, LB_GETITEMRECT, (WPARAM)nTop, (LPARAM)&rcItem);
    RECT rcList;  // the rows the list shows: its border is no room for them
    ::GetClientRect(hList, &rcList);
    const int nItemHeight = rcItem.bottom - rcItem.top;
    if (nItemHeight == 0) return false;
    nVisible = (rcList.bottom - rcList.top) / nItemHeight;
    return true;
}

void CKTScrollBar::OnTimer(UINT_PTR nIDEvent) {
    const HWND hList = NotifyTarget();
    if (hList == ::GetParent(m_hWnd)) {
        CKScrollBar::OnTimer(nIDEvent);
        return;
    }
    if (hList == NULL || !::IsWindow(hList) || !::IsWindowVisible(hList)) return;
    Poll(hList);
}

void CKTScrollBar::Poll(HWND hList) {
    int nTop = 0, nVisible = 0;
    if (!ListMetrics(hList, nTop, nVisible)) return;
    const int nCount = (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0);

    if (nCount <= nVisible) {
        // Enabling first makes the disable reach OnEnable even for a bar created disabled.
        if (IsWindowVisible()) EnableWindow(TRUE);
        EnableWindow(FALSE);
        return;
    }
    if (!IsWindowVisible()) {
        BringWindowToTop();
        ShowWindow(SW_SHOW);
    }
    EnableWindow(TRUE);

    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    SendMessage(SBM_GETSCROLLINFO, 0, (LPARAM)&si);
    const int nMax = (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0);
    const bool bChanged = si.nMin != 0 || si.nMax != nMax || si.nPage != (UINT)nVisible || si.nPos != nTop;
    if (!bChanged) return;
    si.nMin = 0;
    si.nMax = nMax;
    si.nPage = (UINT)nVisible;
    si.nPos = nTop;
    SendMessage(SBM_SETSCROLLINFO, TRUE, (LPARAM)&si);
}

void CKTScrollBar::VScroll(UINT nSBCode, UINT nPos) {
    const HWND hList = NotifyTarget();
    if (hList == NULL || !::IsWindow(hList)) return;
    int nTop = 0, nVisible = 0;
    if (!ListMetrics(hList, nTop, nVisible)) return;
    int nNewTop;
    switch (nSBCode) {
    case SB_LINEUP: nNewTop = nTop - 1; break;
    case SB_LINEDOWN: nNewTop = nTop + 1; break;
    case SB_PAGEUP: nNewTop = nTop - nVisible; break;
    case SB_PAGEDOWN: nNewTop = nTop + nVisible; break;
    case SB_THUMBTRACK: nNewTop = (int)nPos; break;
    default: return;
    }
    ::SendMessageA(hList, LB_SETTOPINDEX, (WPARAM)(nNewTop < 0 ? 0 : nNewTop), 0);
}
