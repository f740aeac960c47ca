// Mouse tracking with real cursor moves: leave and hover notifications driven by the mouse hook
// (input pumped) and by the worker alone (input left in the queue), concurrent use, and
// unloading the library from a host that loads it at run time.
#include <kelm/paint/KelmTrackMouse.h>

#include <KelmTest.h>
#include <gtest/gtest.h>
#include <process.h>
#include <windowsx.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const POINT kAway = {1250, 1000};  // on no test window
const RECT kRectA = {100, 100, 400, 300};
const RECT kRectB = {500, 100, 700, 300};

struct Note {
    UINT msg;
    LPARAM lParam;
    DWORD received;  // GetTickCount when dispatched
    DWORD posted;    // the message's time stamp
};

// A top-level popup at a fixed screen rectangle (or a child at a client rectangle) that
// records the tracking notifications it receives.
class TrackedWnd {
public:
    explicit TrackedWnd(const RECT& rc, HWND hParent = NULL) {
        Register();
        const DWORD style = hParent ? WS_CHILD | WS_VISIBLE : WS_POPUP | WS_VISIBLE;
        m_hWnd = CreateWindowExA(0, kClass, "", style, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                 hParent, NULL, GetModuleHandleA(NULL), this);
        kt::PumpPending();
    }
    ~TrackedWnd() {
        if (IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    }
    TrackedWnd(const TrackedWnd&) = delete;
    TrackedWnd& operator=(const TrackedWnd&) = delete;
    operator HWND() const { return m_hWnd; }

    int Count(UINT msg) const {
        int n = 0;
        for (const Note& note : notes)
            if (note.msg == msg) ++n;
        return n;
    }
    int Leaves() const { return Count(WM_MOUSELEAVE); }
    int Hovers() const { return Count(WM_MOUSEHOVER); }
    const Note* First(UINT msg) const {
        for (const Note& note : notes)
            if (note.msg == msg) return &note;
        return nullptr;
    }
    const Note* Last(UINT msg) const {
        for (auto it = notes.rbegin(); it != notes.rend(); ++it)
            if (it->msg == msg) return &*it;
        return nullptr;
    }

    std::vector<Note> notes;

private:
    static constexpr const char* kClass = "KelmTrackTestWnd";
    static void Register() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.hCursor = LoadCursor(NULL, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
        wc.lpszClassName = kClass;
        RegisterClassA(&wc);
    }
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_NCCREATE)
            SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)((CREATESTRUCTA*)lParam)->lpCreateParams);
        auto* self = (TrackedWnd*)GetWindowLongPtrA(hWnd, GWLP_USERDATA);
        if (self && (msg == WM_MOUSELEAVE || msg == WM_MOUSEHOVER))
            self->notes.push_back({msg, lParam, GetTickCount(), (DWORD)GetMessageTime()});
        return DefWindowProcA(hWnd, msg, wParam, lParam);
    }
    HWND m_hWnd;
};

BOOL Track(HWND hWnd, DWORD flags, DWORD hoverMs = 0) {
    TRACKMOUSEEVENT tme = {sizeof(tme), flags, hWnd, hoverMs};
    return KELMTrackMouseEvent(&tme);
}

POINT CursorInClient(HWND hWnd) {
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(hWnd, &pt);
    return pt;
}

LPARAM ClientLParam(POINT pt) { return MAKELPARAM(pt.x, pt.y); }

// Moves the cursor and lets the mouse messages (and so the hook) run.
void MoveAndPump(int x, int y, DWORD ms = 20) {
    kt::MoveCursor(x, y);
    kt::PumpFor(ms);
}

// Dispatches only the tracking notifications: mouse input stays queued, so no mouse hook runs
// on this thread and the worker alone decides. Counts the mouse hook calls meanwhile, so a test
// can check that premise.
class WorkerOnly {
public:
    WorkerOnly() {
        kt::PumpPending();
        s_calls = 0;
        m_hHook = SetWindowsHookExA(WH_MOUSE, Count, NULL, GetCurrentThreadId());
    }
    ~WorkerOnly() {
        UnhookWindowsHookEx(m_hHook);
        kt::PumpPending();
    }
    bool WaitFor(const std::function<bool()>& cond, DWORD timeoutMs = 2000) {
        const DWORD start = GetTickCount();
        for (;;) {
            MSG msg;
            while (PeekMessageA(&msg, NULL, WM_MOUSEHOVER, WM_MOUSELEAVE, PM_REMOVE)) DispatchMessageA(&msg);
            if (cond()) return true;
            if (GetTickCount() - start >= timeoutMs) return cond();
            Sleep(2);
        }
    }
    void WaitFor(DWORD ms) { WaitFor([] { return false; }, ms); }
    int HookCalls() const { return s_calls; }

private:
    static LRESULT CALLBACK Count(int code, WPARAM wParam, LPARAM lParam) {
        ++s_calls;
        return CallNextHookEx(NULL, code, wParam, lParam);
    }
    static int s_calls;
    HHOOK m_hHook;
};
int WorkerOnly::s_calls = 0;

class TrackMouse : public ::testing::Test {
protected:
    void SetUp() override { MoveAndPump(kAway.x, kAway.y, 60); }
    void TearDown() override { MoveAndPump(kAway.x, kAway.y, 60); }
};

TEST_F(TrackMouse, OneLeaveAfterLeavingWithInputFlowing) {
    TrackedWnd a(kRectA);
    TrackedWnd b(kRectB);
    MoveAndPump(200, 200);
    EXPECT_TRUE(Track(a, TME_LEAVE));
    kt::PumpFor(200);  // inside: nothing yet
    EXPECT_EQ(a.Leaves(), 0);

    // Into another window of this thread: its mouse message runs the hook at once.
    MoveAndPump(250, 150);
    const DWORD moved = GetTickCount();
    kt::MoveCursor(600, 200);
    ASSERT_TRUE(kt::PumpUntil([&] { return a.Leaves() > 0; }, 1000));
    std::printf("[ measure  ] leave with input flowing: %lu ms\n", a.First(WM_MOUSELEAVE)->received - moved);
    kt::PumpFor(200);
    EXPECT_EQ(a.Leaves(), 1);
    EXPECT_EQ(a.Hovers(), 0);
    EXPECT_TRUE(b.notes.empty());

    // A request while the cursor is already elsewhere is answered by the next check.
    EXPECT_TRUE(Track(a, TME_LEAVE));
    EXPECT_TRUE(kt::PumpUntil([&] { return a.Leaves() == 2; }, 1000));
}

TEST_F(TrackMouse, WorkerAloneDeliversLeaveAndHover) {
    TrackedWnd a(kRectA);
    MoveAndPump(200, 200);
    WorkerOnly worker;

    Track(a, TME_LEAVE);
    worker.WaitFor(120);
    EXPECT_EQ(a.Leaves(), 0);
    kt::MoveCursor(kAway.x, kAway.y);
    const DWORD moved = GetTickCount();
    ASSERT_TRUE(worker.WaitFor([&] { return a.Leaves() > 0; }, 1000));
    std::printf("[ measure  ] leave from the worker alone: %lu ms\n", a.First(WM_MOUSELEAVE)->received - moved);

    kt::MoveCursor(220, 180);
    const DWORD requested = GetTickCount();
    Track(a, TME_HOVER, 200);
    ASSERT_TRUE(worker.WaitFor([&] { return a.Hovers() > 0; }, 2000));
    const Note& hover = *a.First(WM_MOUSEHOVER);
    EXPECT_GE(hover.received - requested, 200u);
    EXPECT_EQ(hover.lParam, ClientLParam(CursorInClient(a)));
    EXPECT_EQ(a.Leaves(), 1);
    EXPECT_EQ(worker.HookCalls(), 0) << "the hook ran: not the worker alone";
}

TEST_F(TrackMouse, HoverAfterRestWithinThreePixels) {
    TrackedWnd a(kRectA);
    // Moves of one or two pixels around the resting point do not restart the hover time.
    MoveAndPump(200, 200);
    const DWORD start = GetTickCount();
    Track(a, TME_HOVER | TME_LEAVE, 400);
    const POINT jiggle[] = {{200, 202}, {200, 201}, {200, 199}, {200, 200}};
    for (int i = 0; a.Hovers() == 0 && GetTickCount() - start < 1500; ++i) {
        kt::MoveCursor(jiggle[i % 4].x, jiggle[i % 4].y);
        kt::PumpUntil([&] { return a.Hovers() > 0; }, 50);
    }
    ASSERT_EQ(a.Hovers(), 1);
    const Note& hover = *a.First(WM_MOUSEHOVER);
    EXPECT_GE(hover.received - start, 400u);
    const POINT pt = {GET_X_LPARAM(hover.lParam), GET_Y_LPARAM(hover.lParam)};
    POINT origin = {0, 0};
    ClientToScreen(a, &origin);
    EXPECT_NEAR(pt.x + origin.x, 200, 1);  // kt::MoveCursor may land a pixel short in x
    EXPECT_GE(pt.y + origin.y, 199);
    EXPECT_LE(pt.y + origin.y, 202);
    // The hover ended the request: leaving now posts nothing.
    MoveAndPump(kAway.x, kAway.y, 200);
    EXPECT_EQ(a.Leaves(), 0);
    EXPECT_EQ(a.Hovers(), 1);
}

TEST_F(TrackMouse, MoveOfThreePixelsRestartsHoverTime) {
    TrackedWnd a(kRectA);
    MoveAndPump(200, 150);
    Track(a, TME_HOVER, 400);
    // Steps of exactly three pixels (y is exact with kt::MoveCursor) for a second.
    int y = 150;
    const DWORD start = GetTickCount();
    DWORD lastMove = start;
    while (GetTickCount() - start < 1000) {
        y += 3;
        lastMove = GetTickCount();
        kt::MoveCursor(200, y);
        kt::PumpFor(100);
    }
    EXPECT_EQ(a.Hovers(), 0);
    ASSERT_TRUE(kt::PumpUntil([&] { return a.Hovers() > 0; }, 2000));
    const Note& hover = *a.First(WM_MOUSEHOVER);
    EXPECT_GE(hover.received - lastMove, 400u);
    EXPECT_EQ(hover.lParam, ClientLParam(CursorInClient(a)));
    EXPECT_EQ(a.Leaves(), 0);
}

TEST_F(TrackMouse, HoverOnlyRequestEndsSilentlyOnLeave) {
    TrackedWnd a(kRectA);
    MoveAndPump(200, 200);
    Track(a, TME_HOVER, 300);
    MoveAndPump(kAway.x, kAway.y, 200);
    // Back inside and resting: the request is gone, so no hover either.
    MoveAndPump(210, 210, 700);
    EXPECT_EQ(a.Leaves(), 0);
    EXPECT_EQ(a.Hovers(), 0);
}

TEST_F(TrackMouse, SecondRequestChangesNothing) {
    TrackedWnd a(kRectA);
    MoveAndPump(200, 200);
    // Leave first: a later hover request is ignored.
    Track(a, TME_LEAVE);
    Track(a, TME_HOVER | TME_LEAVE, 100);
    kt::PumpFor(400);
    EXPECT_EQ(a.Hovers(), 0);
    MoveAndPump(kAway.x, kAway.y, 150);
    EXPECT_EQ(a.Leaves(), 1);

    // Hover first: a later leave request is ignored.
    MoveAndPump(200, 200);
    Track(a, TME_HOVER, 1000);
    Track(a, TME_LEAVE);
    MoveAndPump(kAway.x, kAway.y, 150);
    EXPECT_EQ(a.Leaves(), 1);

    // The first hover time stays in force.
    MoveAndPump(200, 200);
    const DWORD start = GetTickCount();
    Track(a, TME_HOVER, 800);
    Track(a, TME_HOVER, 50);
    ASSERT_TRUE(kt::PumpUntil([&] { return a.Hovers() > 0; }, 2000));
    EXPECT_GE(a.First(WM_MOUSEHOVER)->received - start, 800u);
}

TEST_F(TrackMouse, DestroyedWindowIsDroppedWithoutNotice) {
    MoveAndPump(200, 200);
    {
        TrackedWnd doomed(kRectA);
        Track(doomed, TME_LEAVE | TME_HOVER, 150);
        kt::PumpFor(60);
        DestroyWindow(doomed);
        EXPECT_TRUE(doomed.notes.empty());
    }
    kt::PumpFor(200);
    // A new window in the same place is tracked from its own request only.
    TrackedWnd a(kRectA);
    kt::PumpFor(300);
    EXPECT_TRUE(a.notes.empty());
    Track(a, TME_LEAVE | TME_HOVER, 150);
    ASSERT_TRUE(kt::PumpUntil([&] { return a.Hovers() > 0; }, 2000));
    Track(a, TME_LEAVE);
    MoveAndPump(kAway.x, kAway.y, 150);
    EXPECT_EQ(a.Hovers(), 1);
    EXPECT_EQ(a.Leaves(), 1);
}

// Several requests are all decided in the check that finds them due: a decision that removes
// a request does not make the next one wait for a later check. Worker alone, so one check
// posts all due notifications at one time stamp.
TEST_F(TrackMouse, TwoWindowsDecidedInTheSameCheck) {
    TrackedWnd outer(kRectA);
    TrackedWnd inner({20, 20, 120, 120}, outer);  // screen (100+20, 100+20)...
    TrackedWnd other(kRectB);
    MoveAndPump(160, 160);
    WorkerOnly worker;

    Track(outer, TME_HOVER, 200);
    Track(inner, TME_HOVER | TME_LEAVE, 200);
    Track(other, TME_HOVER, 200);    // not under the cursor: dropped silently
    kt::MoveCursor(160, 165);        // both start resting at the same check
    ASSERT_TRUE(worker.WaitFor([&] { return outer.Hovers() && inner.Hovers(); }, 2000));
    const DWORD gap = (DWORD)std::abs((long)(outer.First(WM_MOUSEHOVER)->posted - inner.First(WM_MOUSEHOVER)->posted));
    EXPECT_LT(gap, 25u) << "the second hover came from a later check";
    EXPECT_EQ(inner.First(WM_MOUSEHOVER)->lParam, ClientLParam(CursorInClient(inner)));
    EXPECT_EQ(outer.First(WM_MOUSEHOVER)->lParam, ClientLParam(CursorInClient(outer)));

    Track(outer, TME_LEAVE);
    Track(inner, TME_LEAVE);
    worker.WaitFor(60);
    kt::MoveCursor(kAway.x, kAway.y);
    ASSERT_TRUE(worker.WaitFor([&] { return outer.Leaves() && inner.Leaves(); }, 2000));
    const DWORD leaveGap =
        (DWORD)std::abs((long)(outer.First(WM_MOUSELEAVE)->posted - inner.First(WM_MOUSELEAVE)->posted));
    EXPECT_LT(leaveGap, 25u) << "the second leave came from a later check";
    EXPECT_TRUE(other.notes.empty());
    EXPECT_EQ(worker.HookCalls(), 0);
}

// Threads that create windows, request tracking (also for a window of the main thread) and
// destroy their windows, while the main thread moves the cursor over all of them.
struct StressShared {
    HWND hShared;
    std::atomic<bool> stop{false};
    std::atomic<int> requests{0};
};

unsigned __stdcall StressThread(void* param) {
    auto* shared = static_cast<StressShared*>(param);
    unsigned seed = GetCurrentThreadId();
    auto rnd = [&](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % unsigned(n));
    };
    while (!shared->stop) {
        HWND wnds[3] = {};
        for (HWND& h : wnds) {
            const int x = kRectA.left + rnd(250), y = kRectA.top + rnd(150);
            h = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, x, y, 20 + rnd(60), 20 + rnd(60), NULL, NULL,
                                GetModuleHandleA(NULL), NULL);
            const DWORD flags = rnd(3) == 0 ? TME_HOVER : TME_LEAVE | (rnd(2) ? TME_HOVER : 0);
            Track(h, flags, 5 + rnd(40));
            ++shared->requests;
        }
        Track(shared->hShared, TME_LEAVE);
        ++shared->requests;
        if (rnd(4) == 0) KELMDoTrackMouseEvent();
        kt::PumpFor(rnd(8));
        for (HWND h : wnds)
            if (rnd(3)) DestroyWindow(h);
        kt::PumpFor(rnd(4));
        for (HWND h : wnds)
            if (IsWindow(h)) DestroyWindow(h);
    }
    kt::PumpPending();
    return 0;
}

TEST_F(TrackMouse, StressWithWindowsComingAndGoing) {
    TrackedWnd shared(kRectA);
    MoveAndPump(200, 200);
    StressShared state;
    state.hShared = shared;
    Track(shared, TME_LEAVE);

    HANDLE threads[4];
    for (HANDLE& h : threads) h = (HANDLE)_beginthreadex(NULL, 0, StressThread, &state, 0, NULL);
    const DWORD start = GetTickCount();
    for (int i = 0; GetTickCount() - start < 1500; ++i) {
        kt::MoveCursor(kRectA.left + 10 + (i * 37) % 280, kRectA.top + 10 + (i * 23) % 180);
        kt::PumpFor(3);
        if (i % 16 == 0) KELMDoTrackMouseEvent();
    }
    state.stop = true;
    const DWORD joined = WaitForMultipleObjects(4, threads, TRUE, 10000);
    for (HANDLE h : threads) CloseHandle(h);
    ASSERT_EQ(joined, WAIT_OBJECT_0) << "a tracking thread is stuck";
    EXPECT_GT(state.requests.load(), 100);
    kt::PumpFor(100);

    // The cursor never left the shared window; its one request, asked for thousands of times,
    // gives exactly one leave.
    EXPECT_EQ(shared.Leaves(), 0);
    MoveAndPump(kAway.x, kAway.y, 20);
    ASSERT_TRUE(kt::PumpUntil([&] { return shared.Leaves() > 0; }, 1000));
    kt::PumpFor(200);
    EXPECT_EQ(shared.Leaves(), 1);

    // The service still works normally.
    TrackedWnd after(kRectB);
    MoveAndPump(600, 200);
    Track(after, TME_LEAVE | TME_HOVER, 100);
    EXPECT_TRUE(kt::PumpUntil([&] { return after.Hovers() == 1; }, 1000));
}

// Another process's window (kelm_tracking_bystander) takes real mouse input while this one
// tracks: the service's hooks are this process's alone, so Kelm.dll is not loaded into it, and
// the tracked window still gets its WM_MOUSELEAVE when the cursor moves over there.
TEST_F(TrackMouse, AnotherProcessUnderTheCursorDoesNotLoadKelm) {
    TrackedWnd a(kRectA);
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string cmd(path);
    cmd = "\"" + cmd.substr(0, cmd.find_last_of("\\/") + 1) + "kelm_tracking_bystander.exe\" 500 100 200 200";
    STARTUPINFOA si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi));
    HWND hOther = NULL;
    EXPECT_TRUE(kt::PumpUntil([&] { return (hOther = FindWindowA("KelmTrackBystander", NULL)) != NULL; }, 10000));

    for (int round = 0; round < 3 && hOther != NULL; ++round) {
        MoveAndPump(200 + round * 10, 200);
        Track(a, TME_LEAVE | TME_HOVER, 5000);
        const DWORD moved = GetTickCount();
        kt::MoveCursor(600, 200 + round * 10);
        ASSERT_TRUE(kt::PumpUntil([&] { return a.Leaves() == round + 1; }, 1000));
        std::printf("[ measure  ] leave into another process's window: %lu ms\n",
                    a.Last(WM_MOUSELEAVE)->received - moved);
        for (int step = 0; step < 5; ++step) MoveAndPump(560 + step * 20, 150 + step * 20);
    }
    if (hOther != NULL) PostMessageA(hOther, WM_CLOSE, 0, 0);
    DWORD code = 1000;
    if (WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    else TerminateProcess(pi.hProcess, 1001);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_EQ(code, 0u) << "2: Kelm.dll was loaded into the other process; 3: it got no mouse input";
    EXPECT_EQ(a.Hovers(), 0);
}

// kelm_tracking_host loads Kelm.dll at run time; each scenario checks its own outcome. It runs
// on a desktop of its own, so that its input and windows stay apart from this process's.
DWORD RunHost(const char* scenario, DWORD* elapsedMs) {
    static char desktop[] = "KelmTrackingHost";
    static HDESK hDesk = CreateDesktopA(desktop, NULL, NULL, 0, GENERIC_ALL, NULL);
    if (hDesk == NULL) return 999;
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string cmd(path);
    cmd = "\"" + cmd.substr(0, cmd.find_last_of("\\/") + 1) + "kelm_tracking_host.exe\" " + scenario;
    STARTUPINFOA si = {sizeof(si)};
    si.lpDesktop = desktop;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) return 1000;
    const DWORD start = GetTickCount();
    DWORD code = 1001;
    if (WaitForSingleObject(pi.hProcess, 20000) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    else
        TerminateProcess(pi.hProcess, 1002);
    *elapsedMs = GetTickCount() - start;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

TEST_F(TrackMouse, UnloadStopsWorkerAndHook) {
    DWORD ms = 0;
    EXPECT_EQ(RunHost("exit", &ms), 0u) << "process exit with tracking running";
    EXPECT_LT(ms, 3000u) << "process exit waited for the worker";
    // Also finds a hook left behind by the exited process: it would load Kelm into this one.
    EXPECT_EQ(RunHost("free", &ms), 0u) << "load, track, FreeLibrary, input afterwards";
    EXPECT_EQ(RunHost("cycles", &ms), 0u) << "five load/free rounds";
    EXPECT_EQ(RunHost("early", &ms), 0u) << "FreeLibrary right after the first request";
}

TEST_F(TrackMouse, ThreadsRequestWhileTheLibraryUnloads) {
    DWORD ms = 0;
    EXPECT_EQ(RunHost("race", &ms), 0u) << "loads, requests and unloads on four threads at once";
    EXPECT_EQ(RunHost("stall", &ms), 0u) << "a first request whose worker is slow to start blocks no check";
}

}  // namespace
