#include <afxcmn.h>

#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    ::InitCommonControls();
    return CWnd::Create(UPDOWN_CLASSA, NULL, dwStyle, rect, pParentWnd, nID);
}

CToolTipCtrl::CToolTipCtrl() {}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    ::InitCommonControls();
    BOOL ok = CWnd::CreateEx(0, TOOLTIPS_CLASSA, NULL, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), NULL, NULL);
    if (ok) SetOwner(pParentWnd);
    return ok;
}

void CToolTipCtrl::FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT nIDTool) const {
    memset(&ti, 0, sizeof(ti));
    ti.cbSize = sizeof(ti);
    HWND hWnd = pWnd->GetSafeHwnd();
    if (nIDTool == 0) {
        ti.hwnd = ::GetParent(hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = (UINT_PTR)hWnd;
    } else {
        ti.hwnd = hWnd;
        ti.uFlags = 0;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT nIDTool) {
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != NULL) ti.rect = *lpRectTool;
    else if (!(ti.uFlags & TTF_IDISHWND)) ::GetClientRect(ti.hwnd, &ti.rect);
    ti.hinst = AfxGetResourceHandle();
    ti.lpszText = (LPSTR)lpszText;
    return (BOOL)SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT nIDTool) {
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != NULL) ti.rect = *lpRectTool;
    else if (!(ti.uFlags & TTF_IDISHWND)) ::GetClientRect(ti.hwnd, &ti.rect);
    ti.hinst = AfxFindResourceHandle(MAKEINTRESOURCEA((nIDText >> 4) + 1), (LPCSTR)RT_STRING);
    ti.lpszText = MAKEINTRESOURCEA(nIDText);
    return (BOOL)SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT nIDTool) {
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOLA, 0, (LPARAM)&ti);
}

// The control is told the size of the buffer (wParam) and copies at most that much; a text
// that fills the buffer may go on, so it is asked again with a larger one. The first buffer is
// larger than the 80 characters that controls ignoring wParam write (measured under Wine:
// 80 characters, unterminated, whatever the size), and it starts zeroed.
void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT nIDTool) const {
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    const int nMaxSize = 1 << 20;
    std::vector<char> buf;
    for (int nSize = 256;; nSize *= 2) {
        buf.assign(nSize + 1, '\0');
        ti.lpszText = buf.data();
        ::SendMessageA(m_hWnd, TTM_GETTEXTA, (WPARAM)nSize, (LPARAM)&ti);
        if (std::strlen(buf.data()) < (size_t)nSize - 1 || nSize >= nMaxSize) break;
    }
    str = buf.data();
}

BOOL CToolTipCtrl::GetToolInfo(LPTOOLINFOA lpToolInfo, CWnd* pWnd, UINT nIDTool) const {
    FillInToolInfo(*lpToolInfo, pWnd, nIDTool);
    return (BOOL)::SendMessageA(m_hWnd, TTM_GETTOOLINFOA, 0, (LPARAM)lpToolInfo);
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT nIDTool, LPCRECT lpRect) {
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    SendMessage(TTM_NEWTOOLRECTA, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFOA lpToolInfo) const {
    TTHITTESTINFOA hti = {};
    hti.ti.cbSize = sizeof(TOOLINFOA);
    hti.hwnd = pWnd->GetSafeHwnd();
    hti.pt = pt;
    if (!::SendMessageA(m_hWnd, TTM_HITTESTA, 0, (LPARAM)&hti)) return FALSE;
    if (lpToolInfo != NULL) *lpToolInfo = hti.ti;
    return TRUE;
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT nIDTool) {
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = (LPSTR)lpszText;
    SendMessage(TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT nIDTool) {
    CString str;
    str.LoadString(nIDText);
    UpdateTipText(str, pWnd, nIDTool);
}
