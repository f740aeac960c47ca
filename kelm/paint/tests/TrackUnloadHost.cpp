// A host that loads Kelm.dll at run time, starts mouse tracking and unloads the library again.
// Run by kelm_tracking_tests; exit code 0 when every check holds, otherwise a failure code
// with a line on stdout.
//   free    one load, tracking with real mouse input, FreeLibrary, input afterwards
//   cycles  five load/track/free rounds
//   early   FreeLibrary right after the first request
//   exit    the process ends with Kelm still loaded and tracking
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

namespace {

// The exported names of KELMTrackMouseEvent and KELMDoTrackMouseEvent (C++ linkage).
const char kTrackName[] = "_Z19KELMTrackMouseEventP18tagTRACKMOUSEEVENT";
const char kPassName[] = "_Z21KELMDoTrackMouseEventv";
typedef BOOL (*TrackFn)(LPTRACKMOUSEEVENT);
typedef void (*PassFn)();

const DWORD kFreeLimitMs = 1000;  // FreeLibrary must return well within this

int Fail(int code, const char* what) {
    std::printf("FAIL: %s (error %lu)\n", what, GetLastError());
    std::fflush(stdout);
    return code;
}

std::set<DWORD> ThreadIds() {
    std::set<DWORD> ids;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snap == INVALID_HANDLE_VALUE) return ids;
    THREADENTRY32 te = {};
    te.dwSize = sizeof(te);
    for (BOOL ok = Thread32First(snap, &te); ok; ok = Thread32Next(snap, &te))
        if (te.th32OwnerProcessID == GetCurrentProcessId()) ids.insert(te.th32ThreadID);
    CloseHandle(snap);
    return ids;
}

void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

void MoveCursor(int x, int y) {
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (x * 65536 + cx / 2) / cx;
    in.mi.dy = (y * 65536 + cy / 2) / cy;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof(in));
}

int g_leaves = 0;

LRESULT CALLBACK HostProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MOUSELEAVE) ++g_leaves;
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

HWND MakeWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = "KelmUnloadHost";
    RegisterClassA(&wc);
    HWND hWnd = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150, NULL, NULL,
                                wc.hInstance, NULL);
    Pump(50);
    return hWnd;
}

struct Loaded {
    HMODULE hKelm = NULL;
    TrackFn track = NULL;
    PassFn pass = NULL;
};

bool Load(Loaded& l) {
    l.hKelm = LoadLibraryA("Kelm.dll");
    if (l.hKelm == NULL) return false;
    l.track = (TrackFn)(void*)GetProcAddress(l.hKelm, kTrackName);
    l.pass = (PassFn)(void*)GetProcAddress(l.hKelm, kPassName);
    return l.track != NULL && l.pass != NULL;
}

void Track(const Loaded& l, HWND hWnd) {
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, hWnd, 0};
    l.track(&tme);
}

// Frees Kelm and checks that it is gone, promptly, together with every thread it started.
int FreeAndCheck(Loaded& l, const std::set<DWORD>& before) {
    std::vector<HANDLE> started;
    for (DWORD id : ThreadIds())
        if (!before.count(id)) {
            HANDLE h = OpenThread(SYNCHRONIZE, FALSE, id);
            if (h != NULL) started.push_back(h);
        }
    if (started.empty()) return Fail(10, "tracking started no thread");
    const DWORD t0 = GetTickCount();
    if (!FreeLibrary(l.hKelm)) return Fail(11, "FreeLibrary failed");
    const DWORD dt = GetTickCount() - t0;
    std::printf("FreeLibrary took %lu ms\n", dt);
    if (dt > kFreeLimitMs) return Fail(12, "FreeLibrary was slow");
    if (GetModuleHandleA("Kelm.dll") != NULL) return Fail(13, "Kelm.dll is still loaded");
    DWORD r = WaitForMultipleObjects((DWORD)started.size(), started.data(), TRUE, 3000);
    for (HANDLE h : started) CloseHandle(h);
    if (r == WAIT_TIMEOUT) return Fail(14, "a thread started by tracking is still alive");
    std::printf("threads ended %lu ms after FreeLibrary began\n", GetTickCount() - t0);
    return 0;
}

int Free() {
    HWND hWnd = MakeWindow();
    const std::set<DWORD> before = ThreadIds();
    Loaded l;
    if (!Load(l)) return Fail(2, "cannot load Kelm.dll");
    MoveCursor(150, 150);
    Pump(50);
    Track(l, hWnd);
    Pump(150);  // hook and worker both active
    if (int rc = FreeAndCheck(l, before)) return rc;
    // Mouse input after the unload: the hook is gone, nothing calls into the freed image.
    for (int i = 0; i < 10; ++i) {
        MoveCursor(120 + 10 * i, 130);
        Pump(20);
    }
    MoveCursor(1200, 1000);
    Pump(100);
    // A hook left behind is called with its module loaded again (Wine) or crashes.
    if (GetModuleHandleA("Kelm.dll") != NULL) return Fail(16, "mouse input after the unload loaded Kelm.dll");
    DestroyWindow(hWnd);
    return 0;
}

int Cycles() {
    HWND hWnd = MakeWindow();
    const std::set<DWORD> before = ThreadIds();
    for (int round = 0; round < 5; ++round) {
        Loaded l;
        if (!Load(l)) return Fail(2, "cannot load Kelm.dll");
        MoveCursor(150 + round, 150);
        Pump(30);
        Track(l, hWnd);
        g_leaves = 0;
        MoveCursor(1200, 1000);
        for (DWORD t0 = GetTickCount(); g_leaves == 0 && GetTickCount() - t0 < 1000;) Pump(10);
        Pump(60);
        if (g_leaves != 1) {
            std::printf("round %d: %d leaves\n", round, g_leaves);
            return Fail(3, "not one leave while loaded");
        }
        MoveCursor(150, 150);
        Pump(30);
        Track(l, hWnd);
        if (int rc = FreeAndCheck(l, before)) return rc;
        if (ThreadIds() != before) return Fail(15, "thread set differs after a round");
    }
    DestroyWindow(hWnd);
    MoveCursor(1200, 1000);
    return 0;
}

int Early() {
    const std::set<DWORD> before = ThreadIds();
    Loaded l;
    if (!Load(l)) return Fail(2, "cannot load Kelm.dll");
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, GetDesktopWindow(), 0};
    l.track(&tme);
    return FreeAndCheck(l, before);
}

int Exit() {
    HWND hWnd = MakeWindow();
    Loaded l;
    if (!Load(l)) return Fail(2, "cannot load Kelm.dll");
    MoveCursor(150, 150);
    Pump(30);
    Track(l, hWnd);
    Pump(100);
    std::fflush(stdout);
    ExitProcess(0);
}

}  // namespace

int main(int argc, char** argv) {
    const char* what = argc > 1 ? argv[1] : "";
    int rc;
    if (!std::strcmp(what, "free"))
        rc = Free();
    else if (!std::strcmp(what, "cycles"))
        rc = Cycles();
    else if (!std::strcmp(what, "early"))
        rc = Early();
    else if (!std::strcmp(what, "exit"))
        rc = Exit();
    else
        rc = Fail(1, "unknown scenario");
    if (rc == 0) std::printf("OK %s\n", what);
    return rc;
}
