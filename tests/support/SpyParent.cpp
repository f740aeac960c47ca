#include "SpyParent.h"

namespace kt {

SpyParent::SpyParent()
    : m_watched{WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_DRAWITEM, WM_MEASUREITEM} {}

BOOL SpyParent::CreateHost(int clientW, int clientH, int x, int y) {
    RECT rc = {0, 0, clientW, clientH};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_VISIBLE;
    ::AdjustWindowRect(&rc, style, FALSE);
    BOOL ok = CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)::GetStockObject(WHITE_BRUSH)),
                       "spy parent", style, x, y, rc.right - rc.left, rc.bottom - rc.top, NULL, NULL);
    if (ok) UpdateWindow();
    return ok;
}

bool SpyParent::IsWatched(UINT message) const {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) return true;
    for (UINT m : m_watched)
        if (m == message) return true;
    return false;
}

std::vector<SpyMessage> SpyParent::Of(UINT message) const {
    std::vector<SpyMessage> out;
    for (const SpyMessage& m : m_messages)
        if (m.message == message) out.push_back(m);
    return out;
}

LRESULT SpyParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsWatched(message)) m_messages.push_back(SpyMessage{message, wParam, lParam});
    return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace kt
