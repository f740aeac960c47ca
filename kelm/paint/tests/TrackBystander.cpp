// A process that takes no part in tracking: a topmost window at the rectangle given on the
// command line ("x y w h") that counts the mouse moves it receives and watches its own module
// list for Kelm.dll. Run by kelm_tracking_tests while they track; ends on WM_CLOSE (or after
// 20 s). Exit code: 0 mouse moves came and Kelm.dll was never loaded, 2 it was loaded, 3 no
// mouse move came, 4 the window could not be made.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdlib>

namespace {

int g_moves = 0;
bool g_kelmSeen = false;

bool KelmInModuleList() {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId());
    if (snap == INVALID_HANDLE_VALUE) return GetModuleHandleA("Kelm.dll") != NULL;
    bool found = false;
    MODULEENTRY32 me = {};
    me.dwSize = sizeof(me);
    for (BOOL ok = Module32First(snap, &me); ok && !found; ok = Module32Next(snap, &me))
        found = lstrcmpiA(me.szModule, "Kelm.dll") == 0;
    CloseHandle(snap);
    return found;
}

LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MOUSEMOVE:
        ++g_moves;
        g_kelmSeen = g_kelmSeen || GetModuleHandleA("Kelm.dll") != NULL;
        break;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) return 4;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = "KelmTrackBystander";
    RegisterClassA(&wc);
    HWND hWnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, atoi(argv[1]),
                                atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), NULL, NULL, wc.hInstance, NULL);
    if (hWnd == NULL) return 4;
    SetTimer(hWnd, 1, 20000, NULL);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == hWnd) DestroyWindow(hWnd);
        DispatchMessageA(&msg);
    }
    if (g_kelmSeen || KelmInModuleList()) return 2;
    return g_moves > 0 ? 0 : 3;
}
