// A host that loads Kelm.dll at run time, starts mouse tracking and unloads the library again.
// Run by kelm_tracking_tests; exit code 0 when every check holds, otherwise a failure code
// with a line on stdout.
//   free    one load, tracking with real mouse input, FreeLibrary, input afterwards
//   cycles  five load/track/free rounds
//   early   FreeLibrary right after the first request
//   exit    the process ends with Kelm still loaded and tracking
//   race    threads load Kelm, request tracking and free it again while others do the same
//   stall   a check of all requests while the first request's worker is slow to start
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <thread>
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

// Each thread holds its own reference while it requests, so the library unloads whenever the
// last one lets go: first requests (starting the service) and unloads (stopping it) meet in
// every order, with the hook called for the main thread's input all the while.
int Race() {
    HWND hWnd = MakeWindow();
    const std::set<DWORD> before = ThreadIds();
    const int kThreads = 4, kRounds = 12;
    volatile LONG nFailed = 0, nRunning = kThreads;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                Loaded l;
                if (!Load(l)) {
                    InterlockedIncrement(&nFailed);
                    break;
                }
                for (int i = 0; i < 5 + (t + round) % 7; ++i) {
                    Track(l, hWnd);
                    l.pass();
                }
                if (!FreeLibrary(l.hKelm)) InterlockedIncrement(&nFailed);
                Sleep((t * 7 + round * 3) % 11);
            }
            InterlockedDecrement(&nRunning);
        });
    }
    for (int i = 0; nRunning > 0; ++i) {
        MoveCursor(i % 2 ? 150 : 1200, i % 2 ? 150 : 1000);  // in and out of the tracked window
        Pump(5);
    }
    for (std::thread& th : threads) th.join();
    if (nFailed != 0) return Fail(20, "a load or free failed");
    // Wine calls a global hook that was still pending when its module unloaded by loading the
    // module again, for good ("the library will never be freed"): Kelm may then stay loaded,
    // with a service of its own. Otherwise every thread the service started has ended.
    if (GetModuleHandleA("Kelm.dll") != NULL) {
        std::printf("Kelm.dll was loaded again by a pending hook call\n");
    } else {
        for (DWORD t0 = GetTickCount(); ThreadIds() != before && GetTickCount() - t0 < 3000;) Pump(20);
        if (ThreadIds() != before) return Fail(22, "a thread started by tracking is still alive");
    }
    MoveCursor(1200, 1000);
    Pump(50);
    DestroyWindow(hWnd);
    return 0;
}

// The worker of a first request cannot start while another thread holds the loader lock; a
// check of the requests (as the hook makes on every mouse message) must not wait for it.
int Stall() {
    typedef LONG(NTAPI * LockFn)(ULONG, ULONG*, ULONG_PTR*);
    typedef LONG(NTAPI * UnlockFn)(ULONG, ULONG_PTR);
    HMODULE hNtdll = GetModuleHandleA("ntdll.dll");
    LockFn lockLoader = (LockFn)(void*)GetProcAddress(hNtdll, "LdrLockLoaderLock");
    UnlockFn unlockLoader = (UnlockFn)(void*)GetProcAddress(hNtdll, "LdrUnlockLoaderLock");
    if (lockLoader == NULL || unlockLoader == NULL) return Fail(30, "no loader lock functions");
    HWND hWnd = MakeWindow();
    Loaded l;
    if (!Load(l)) return Fail(2, "cannot load Kelm.dll");
    HANDLE hReady = CreateEventA(NULL, TRUE, FALSE, NULL), hGo = CreateEventA(NULL, TRUE, FALSE, NULL);
    HANDLE hLocked = CreateEventA(NULL, TRUE, FALSE, NULL);
    std::thread requester([&] {  // running (its start-up done) before the loader lock is taken
        SetEvent(hReady);
        WaitForSingleObject(hGo, INFINITE);
        Track(l, hWnd);  // the first request: starts the worker
    });
    WaitForSingleObject(hReady, INFINITE);
    std::thread holder([&] {
        ULONG_PTR cookie = 0;
        lockLoader(0, NULL, &cookie);
        SetEvent(hLocked);
        Sleep(600);
        unlockLoader(0, cookie);
    });
    WaitForSingleObject(hLocked, INFINITE);
    SetEvent(hGo);
    Sleep(100);  // the request is waiting for its worker now
    const DWORD t0 = GetTickCount();
    l.pass();
    const DWORD dt = GetTickCount() - t0;
    holder.join();
    requester.join();
    for (HANDLE h : {hReady, hGo, hLocked}) CloseHandle(h);
    std::printf("a check during the start took %lu ms\n", dt);
    FreeLibrary(l.hKelm);
    DestroyWindow(hWnd);
    return dt < 200 ? 0 : Fail(31, "the check waited for the worker to start");
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
    else if (!std::strcmp(what, "race"))
        rc = Race();
    else if (!std::strcmp(what, "stall"))
        rc = Stall();
    else
        rc = Fail(1, "unknown scenario");
    if (rc == 0) std::printf("OK %s\n", what);
    return rc;
}
