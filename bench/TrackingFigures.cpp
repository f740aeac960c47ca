// Mouse tracking figures: how soon WM_MOUSELEAVE follows a real cursor move out of a tracked
// window, with mouse messages flowing (the mouse hook decides) and with the worker alone (mouse
// input left queued), and the CPU time the idle service takes.
#include <kelm/kelm.h>

#include <tlhelp32.h>

#include <KelmTest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Bench.h"
#include "Figures.h"

namespace {

// Right of the repaint host (0, 0, 700, 500); the cursor parks on no window at kAway.
const RECT kRectA = {760, 100, 1000, 300};
const RECT kRectB = {1020, 100, 1240, 300};
const POINT kInA = {880, 200}, kInB = {1130, 200}, kAway = {1250, 1000};

const double kHookTargetMs = 10, kWorkerTargetMs = 60, kCpuTargetPercent = 1;

// A top-level popup that notes when its WM_MOUSELEAVE messages are dispatched.
class TrackedWnd {
public:
    explicit TrackedWnd(const RECT& rc) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)::GetStockObject(WHITE_BRUSH);
        wc.lpszClassName = "KelmBenchTracked";
        ::RegisterClassA(&wc);
        m_hWnd = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, rc.left, rc.top,
                                   rc.right - rc.left, rc.bottom - rc.top, NULL, NULL, wc.hInstance, this);
        fig::PumpFor(30);
    }
    ~TrackedWnd() { ::DestroyWindow(m_hWnd); }
    TrackedWnd(const TrackedWnd&) = delete;
    TrackedWnd& operator=(const TrackedWnd&) = delete;
    operator HWND() const { return m_hWnd; }

    std::vector<double> leaves;  // fig::NowMs at dispatch

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_NCCREATE)
            ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)((CREATESTRUCTA*)lParam)->lpCreateParams);
        TrackedWnd* self = (TrackedWnd*)::GetWindowLongPtrA(hWnd, GWLP_USERDATA);
        if (self != nullptr && msg == WM_MOUSELEAVE) self->leaves.push_back(fig::NowMs());
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    }
    HWND m_hWnd;
};

void Track(HWND hWnd) {
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, hWnd, 0};
    KELMTrackMouseEvent(&tme);
}

// Counts the mouse hook calls on this thread while it lives.
class HookCounter {
public:
    HookCounter() {
        s_calls = 0;
        m_hHook = ::SetWindowsHookExA(WH_MOUSE, Count, NULL, ::GetCurrentThreadId());
    }
    ~HookCounter() { ::UnhookWindowsHookEx(m_hHook); }
    HookCounter(const HookCounter&) = delete;
    HookCounter& operator=(const HookCounter&) = delete;
    int Calls() const { return s_calls; }

private:
    static LRESULT CALLBACK Count(int code, WPARAM wParam, LPARAM lParam) {
        ++s_calls;
        return ::CallNextHookEx(NULL, code, wParam, lParam);
    }
    static int s_calls;
    HHOOK m_hHook;
};
int HookCounter::s_calls = 0;

// Leaves A for B (a window of this thread) with everything pumped: the move's mouse message
// runs the hook at once. Returns the delay in ms, or a negative number on a time-out.
double LeaveWithMessages(TrackedWnd& a) {
    kt::MoveCursor(kInA.x, kInA.y);
    fig::PumpFor(30);
    a.leaves.clear();
    Track(a);
    fig::PumpFor(20);
    if (!a.leaves.empty()) return -1;  // still outside A
    const double t0 = fig::NowMs();
    kt::MoveCursor(kInB.x, kInB.y);
    while (a.leaves.empty() && fig::NowMs() - t0 < 1000) {
        fig::PumpPending();
        if (a.leaves.empty()) ::MsgWaitForMultipleObjects(0, NULL, FALSE, 1, QS_ALLINPUT);
    }
    return a.leaves.empty() ? -1 : a.leaves.front() - t0;
}

// Leaves A for no window while only the tracking notifications are dispatched: no mouse message
// is retrieved, so no mouse hook runs here and the worker alone decides. wait staggers the move
// against the worker's period.
double LeaveWorkerAlone(TrackedWnd& a, double wait, int* pHookCalls) {
    kt::MoveCursor(kInA.x, kInA.y);
    fig::PumpFor(30);
    a.leaves.clear();
    Track(a);
    HookCounter hooks;
    auto pumpNotices = [] {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, WM_MOUSEHOVER, WM_MOUSELEAVE, PM_REMOVE)) ::DispatchMessageA(&msg);
    };
    const double tWait = fig::NowMs();
    while (fig::NowMs() - tWait < wait) {
        pumpNotices();
        ::Sleep(1);
    }
    double result = -1;
    if (a.leaves.empty()) {
        const double t0 = fig::NowMs();
        kt::MoveCursor(kAway.x, kAway.y);
        while (a.leaves.empty() && fig::NowMs() - t0 < 1000) {
            pumpNotices();
            if (a.leaves.empty()) ::Sleep(1);
        }
        if (!a.leaves.empty()) result = a.leaves.front() - t0;
    }
    *pHookCalls += hooks.Calls();
    fig::PumpFor(20);
    return result;
}

// CPU time (kernel and user) of the process's threads other than this one, in ms. Under Wine
// GetThreadTimes reads the host system's per-thread times, in 10 ms ticks.
double OtherThreadsCpuMs(int* pThreads) {
    double ms = 0;
    *pThreads = 0;
    HANDLE hSnap = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (hSnap == INVALID_HANDLE_VALUE) return 0;
    THREADENTRY32 te = {sizeof(te)};
    for (BOOL more = ::Thread32First(hSnap, &te); more; more = ::Thread32Next(hSnap, &te)) {
        if (te.th32OwnerProcessID != ::GetCurrentProcessId() || te.th32ThreadID == ::GetCurrentThreadId()) continue;
        ++*pThreads;
        HANDLE hThread = ::OpenThread(THREAD_QUERY_INFORMATION, FALSE, te.th32ThreadID);
        if (hThread == NULL) continue;
        FILETIME created, exited, kernel, user;
        if (::GetThreadTimes(hThread, &created, &exited, &kernel, &user)) {
            for (const FILETIME* f : {&kernel, &user})
                ms += double((ULONGLONG(f->dwHighDateTime) << 32) | f->dwLowDateTime) / 1e4;
        }
        ::CloseHandle(hThread);
    }
    ::CloseHandle(hSnap);
    return ms;
}

// CPU used by the other threads while this one sleeps for seconds, in % of one core.
double IdleCpuPercent(double seconds, int* pThreads) {
    const double a = OtherThreadsCpuMs(pThreads);
    const double t0 = fig::NowMs();
    ::Sleep(DWORD(seconds * 1000));
    const double b = OtherThreadsCpuMs(pThreads);
    return (b - a) / (fig::NowMs() - t0) * 100;
}

// Wall time of one check of the pending requests (the worker's work every 50 ms), median of n
// calls, in microseconds.
double CheckMicroseconds(int n) {
    std::vector<double> t;
    for (int i = 0; i < n; ++i) {
        const double t0 = fig::NowMs();
        KELMDoTrackMouseEvent();
        t.push_back((fig::NowMs() - t0) * 1000);
    }
    return fig::Summarise(t).median;
}

std::string DelayRow(const char* what, const std::vector<double>& ms, int timeouts, double target) {
    const fig::Summary s = fig::Summarise(ms);
    const bool met = timeouts == 0 && s.n > 0 && s.max <= target;
    return fig::Format("%-40s %6d %9.1f %9.1f %9.1f   within %2.0f ms  %s\n", what, s.n, s.median, s.mean, s.max,
                       target, met ? "met" : "MISSED");
}

std::string CpuRow(const char* what, double percent, double checkUs) {
    const double checkPercent = checkUs * 20 / 1e6 * 100;  // 20 checks a second
    return fig::Format("%-40s %8.2f %% %10.1f us %8.2f %%   under %.0f%% of one core  %s\n", what, percent, checkUs,
                       checkPercent, kCpuTargetPercent, percent < kCpuTargetPercent ? "met" : "MISSED");
}

std::string RunSection(const BenchArgs& args) {
    const int trials = (int)std::max(1L, args.Number("--trials", 30));
    const double cpuSeconds = (double)std::max(1L, args.Number("--cpu-seconds", 20));
    fig::Note("tracking: %d trials each, CPU over %.0f s twice", trials, cpuSeconds);

    TrackedWnd a(kRectA), b(kRectB);
    kt::MoveCursor(kInA.x, kInA.y);
    fig::PumpFor(60);

    std::vector<double> hook, worker;
    int hookTimeouts = 0, workerTimeouts = 0, hookCallsAlone = 0;
    for (int i = 0; i < trials; ++i) {
        const double d = LeaveWithMessages(a);
        if (d < 0) ++hookTimeouts;
        else hook.push_back(d);
    }
    for (int i = 0; i < trials; ++i) {
        // Stagger the moves over the worker's 50 ms period.
        const double d = LeaveWorkerAlone(a, 20 + (i * 53) % 50, &hookCallsAlone);
        if (d < 0) ++workerTimeouts;
        else worker.push_back(d);
    }

    // Idle: nothing pending (the cursor on no window), then one leave request pending.
    int threads = 0;
    kt::MoveCursor(kAway.x, kAway.y);
    fig::PumpFor(200);
    const double idleNone = IdleCpuPercent(cpuSeconds, &threads);
    const double checkNone = CheckMicroseconds(1000);
    kt::MoveCursor(kInA.x, kInA.y);
    fig::PumpFor(60);
    a.leaves.clear();
    Track(a);
    const double idlePending = IdleCpuPercent(cpuSeconds, &threads);
    const double checkPending = CheckMicroseconds(1000);
    fig::PumpFor(20);
    const bool stillPending = a.leaves.empty();
    kt::MoveCursor(kAway.x, kAway.y);
    fig::PumpFor(200);

    std::string out = fig::Format("Mouse tracking (KELMTrackMouseEvent): cursor leaves a tracked window, %d trials\n",
                                  trials);
    out += fig::Format("%-40s %6s %9s %9s %9s   %s\n", "WM_MOUSELEAVE after the move", "n", "median ms", "mean ms",
                       "max ms", "target");
    out += DelayRow("mouse messages flowing (hook)", hook, hookTimeouts, kHookTargetMs);
    out += DelayRow("worker alone (mouse input left queued)", worker, workerTimeouts, kWorkerTargetMs);
    if (hookTimeouts + workerTimeouts > 0)
        out += fig::Format("  no WM_MOUSELEAVE within 1 s: %d with messages, %d with the worker alone\n", hookTimeouts,
                           workerTimeouts);
    if (hookCallsAlone != 0)
        out += fig::Format("  the mouse hook ran %d times during the worker-alone trials\n", hookCallsAlone);
    out += fig::Format("%-40s %10s %13s %10s   %s\n", "CPU of the idle service", "worker", "one check",
                       "20 checks", "target");
    out += CpuRow("nothing pending", idleNone, checkNone);
    out += CpuRow("one leave request pending", idlePending, checkPending);
    out += fig::Format("  worker: GetThreadTimes of the %s over %.0f s while the main thread sleeps\n"
                       "  (10 ms ticks under Wine); one check: median wall time of KELMDoTrackMouseEvent%s\n",
                       threads == 1 ? "only thread besides the main one"
                                    : fig::Format("%d threads besides the main one", threads).c_str(),
                       cpuSeconds, stillPending ? "" : "; the pending request ended early");
    return out;
}

FigureSectionRegistrar g_tracking({"tracking", 10, &RunSection});

}  // namespace
