#include <kelm/paint/KelmTrackMouse.h>

#include <afxmt.h>

#include <vector>

namespace {

const DWORD kPollMs = 50;         // worker period
const int kHoverSlop = 3;         // the cursor rests while it stays this close to where it stopped
const DWORD kStartWaitMs = 5000;  // first request: how long to wait (unlocked) for the worker to run
const DWORD kStopWaitMs = 2000;   // unload: how long to wait for the worker to park
const DWORD kDrainWaitMs = 1000;  // unload: how long to wait for hook calls in progress

struct TrackRecord {
    HWND hWnd;
    DWORD dwFlags;
    DWORD dwHoverTime;
    DWORD dwStartTick;  // when the cursor came to rest at ptStart
    POINT ptStart;
    bool bResting;      // dwStartTick and ptStart are set
};

// A mouse hook on one thread of this process; the thread's handle tells when it has ended (its
// id may then be given to a new thread).
struct ThreadHook {
    DWORD dwThreadId;
    HANDLE hThread;  // SYNCHRONIZE access; NULL when it could not be opened
    HHOOK hHook;
};

LRESULT CALLBACK TrackMouseHook(int nCode, WPARAM wParam, LPARAM lParam);
UINT AFX_CDECL TrackWorker(LPVOID);

// The process's tracking state. The records, the flags, the hooks and the worker are guarded by
// m_mutex, which is only ever held for a pass or a request, never while a thread starts. The
// stop and start-done events live as long as the state.
//
// The mouse hooks are per thread, never desktop-wide: each thread that makes a request gets one
// on its first request, so only this process's input runs this module. A hook of a thread that
// has ended is dropped at the next request; all go at shutdown.
class CTrackService {
public:
    CTrackService()
        : m_hStop(::CreateEventA(NULL, TRUE, FALSE, NULL)), m_hStartDone(::CreateEventA(NULL, TRUE, TRUE, NULL)) {}
    CTrackService(const CTrackService&) = delete;
    CTrackService& operator=(const CTrackService&) = delete;

    void Request(const TRACKMOUSEEVENT& tme);
    void Pass();
    void RunWorker();
    bool Shutdown();
    LRESULT CallNextHook(int nCode, WPARAM wParam, LPARAM lParam) {
        return ::CallNextHookEx(NULL, nCode, wParam, lParam);
    }

    volatile LONG m_nHookCalls = 0;  // hook procedures running now

private:
    void Start();
    void HookThisThread();
    static void Unhook(const ThreadHook& h);
    static bool Decide(TrackRecord& rec, POINT pt, DWORD dwNow);

    CMutex m_mutex;
    std::vector<TrackRecord> m_records;
    bool m_bStarted = false;
    bool m_bClosed = false;
    std::vector<ThreadHook> m_hooks;
    CWinThread* m_pWorker = NULL;
    HANDLE m_hRunning = NULL;     // set by the worker once it runs its loop
    HANDLE m_hParked = NULL;      // set by the worker as it parks (its own handle, see Shutdown)
    HANDLE m_hParkedSeen = NULL;  // the same event, for the unload to wait on
    HANDLE m_hStop;               // set by the unload: ends the worker's loop and a start's wait
    HANDLE m_hStartDone;          // reset while a start is under way
};

CTrackService& g_service = *new CTrackService;

// Stops the service when the library unloads. At process exit the state is left alone: the
// system ends the other threads without waiting, and one may still be finishing a pass.
struct CTrackServiceOwner {
    ~CTrackServiceOwner() {
        if (g_service.Shutdown()) delete &g_service;
    }
} g_serviceOwner;

bool ProcessIsExiting() {
    typedef BOOLEAN(WINAPI * PFN)(void);
    PFN pfn = (PFN)(void*)::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "RtlDllShutdownInProgress");
    return pfn != NULL && pfn();
}

void CTrackService::Request(const TRACKMOUSEEVENT& tme) {
    bool bStart = false;
    {
        CSingleLock lock(&m_mutex, TRUE);
        if (m_bClosed) return;
        if (!m_bStarted) {
            m_bStarted = bStart = true;
            ::ResetEvent(m_hStartDone);
        }
        bool bKnown = false;
        for (const TrackRecord& rec : m_records) bKnown = bKnown || rec.hWnd == tme.hwndTrack;
        if (!bKnown) {
            TrackRecord rec = {tme.hwndTrack, tme.dwFlags, tme.dwHoverTime, 0, {0, 0}, false};
            if (rec.dwHoverTime == HOVER_DEFAULT) {
                UINT nHover = 400;
                ::SystemParametersInfoA(SPI_GETMOUSEHOVERTIME, 0, &nHover, 0);
                rec.dwHoverTime = nHover;
            }
            try {
                m_records.push_back(rec);
            } catch (...) {
                // Out of memory: the request is dropped, the caller is a window procedure.
            }
        }
    }
    if (bStart) Start();
    HookThisThread();
}

void CTrackService::Unhook(const ThreadHook& h) {
    ::UnhookWindowsHookEx(h.hHook);  // fails harmlessly for a thread that has ended
    if (h.hThread != NULL) ::CloseHandle(h.hThread);
}

// Installs the calling thread's hook unless it has one; drops the hooks of ended threads.
void CTrackService::HookThisThread() {
    const DWORD dwThread = ::GetCurrentThreadId();
    {
        CSingleLock lock(&m_mutex, TRUE);
        if (m_bClosed) return;
        bool bHooked = false;
        for (size_t i = 0; i < m_hooks.size();) {
            const ThreadHook& h = m_hooks[i];
            if (h.hThread != NULL && ::WaitForSingleObject(h.hThread, 0) == WAIT_OBJECT_0) {
                Unhook(h);
                m_hooks.erase(m_hooks.begin() + i);
            } else {
                bHooked = bHooked || h.dwThreadId == dwThread;
                ++i;
            }
        }
        if (bHooked) return;
    }
    // Only this thread adds its own hook, so it is still missing once the mutex is released.
    ThreadHook h = {dwThread, ::OpenThread(SYNCHRONIZE, FALSE, dwThread),
                    ::SetWindowsHookExA(WH_MOUSE, TrackMouseHook, NULL, dwThread)};
    if (h.hHook == NULL) {  // the worker alone serves this thread
        if (h.hThread != NULL) ::CloseHandle(h.hThread);
        return;
    }
    bool bKept = false;
    {
        CSingleLock lock(&m_mutex, TRUE);
        if (!m_bClosed) {
            try {
                m_hooks.push_back(h);
                bKept = true;
            } catch (...) {
                // Out of memory: the hook goes again below, the worker serves this thread.
            }
        }
    }
    if (!bKept) Unhook(h);
}

// Runs outside the mutex: hook passes and other requests go on while the worker starts. What it
// makes is published under the mutex unless the unload has begun, in which case it is undone.
void CTrackService::Start() {
    HANDLE hRunning = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    HANDLE hParked = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    HANDLE hParkedSeen = NULL;
    if (hParked != NULL)
        ::DuplicateHandle(::GetCurrentProcess(), hParked, ::GetCurrentProcess(), &hParkedSeen, 0, FALSE,
                          DUPLICATE_SAME_ACCESS);
    CWinThread* pThread = NULL;
    if (hRunning != NULL && hParked != NULL && hParkedSeen != NULL) {  // else the hook alone drives
        try {
            pThread = AfxBeginThread(TrackWorker, NULL, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
        } catch (...) {
            pThread = NULL;
        }
        if (pThread != NULL) pThread->m_bAutoDelete = FALSE;
    }
    bool bClosed;
    {
        CSingleLock lock(&m_mutex, TRUE);
        bClosed = m_bClosed;
        if (!bClosed) {
            m_pWorker = pThread;
            m_hRunning = hRunning;
            m_hParked = hParked;
            m_hParkedSeen = hParkedSeen;
        }
    }
    if (bClosed) {
        // The library is unloading: the worker never ran and never will.
        if (pThread != NULL) {
            ::TerminateThread(pThread->m_hThread, 0);
            delete pThread;
        }
        for (HANDLE h : {hRunning, hParked, hParkedSeen})
            if (h != NULL) ::CloseHandle(h);
    } else if (pThread != NULL) {
        pThread->ResumeThread();
        // A new thread runs its DLL attach calls under the loader lock before it reaches
        // TrackWorker; an unload in that window could not stop it cleanly. Once it runs, it can
        // be. An unload that comes first ends the wait.
        HANDLE waits[2] = {hRunning, m_hStop};
        ::WaitForMultipleObjects(2, waits, FALSE, kStartWaitMs);
    }
    ::SetEvent(m_hStartDone);
}

// Shutdown runs in DLL_PROCESS_DETACH (static destruction), under the loader lock, where a
// thread cannot finish exiting: its own detach calls wait for that lock (measured under Wine: a
// wait for the worker's handle here times out with the thread STILL_ACTIVE). Nor may the worker
// return into this image, or into AfxLite's thread routine, once they are unmapped. So the
// worker never returns: the unload queues it two APCs, CloseHandle(m_hParked) and ExitThread,
// before it ends the loop. APCs run only in an alertable wait, and the worker's only one is its
// last call, SignalObjectAndWait(m_hParked, its own thread), which sets the event and runs both
// APCs in system code. Once the event is set nothing of this module runs on the worker again;
// ExitThread completes after the loader lock is released. The worker closes the event itself
// because Wine checks the handles of an interrupted wait again (a closed one made the wait fail
// and return into unmapped code). At process exit the other threads are already gone and
// nothing is waited for; returns false then: the state must outlive the call.
bool CTrackService::Shutdown() {
    if (ProcessIsExiting()) return false;  // the hooks end with their threads
    std::vector<ThreadHook> hooks;
    CWinThread* pWorker;
    {
        // The mutex is held only for a pass or a request; a pass caught by the loader lock that
        // this unload holds (a thread's first cursor query) could hold it for good.
        CSingleLock lock(&m_mutex);
        lock.Lock(kStopWaitMs);
        m_bClosed = true;
    }
    // A start under way publishes nothing now; its wait for the worker ends with m_hStop. What
    // it published before is stopped below, after it is done with it.
    ::SetEvent(m_hStop);
    const bool bStartDone = ::WaitForSingleObject(m_hStartDone, kStopWaitMs) == WAIT_OBJECT_0;
    {
        CSingleLock lock(&m_mutex);
        lock.Lock(kStopWaitMs);
        hooks.swap(m_hooks);
        pWorker = m_pWorker;
        m_pWorker = NULL;
    }
    if (!hooks.empty()) {
        for (const ThreadHook& h : hooks) Unhook(h);
        const DWORD dwStart = ::GetTickCount();
        while (m_nHookCalls != 0 && ::GetTickCount() - dwStart < kDrainWaitMs) ::Sleep(1);
    }
    bool bWorkerCloses = false;  // m_hParked, in its first APC
    if (pWorker != NULL) {
        HANDLE hThread = pWorker->m_hThread;
        bWorkerCloses = ::QueueUserAPC(reinterpret_cast<PAPCFUNC>(reinterpret_cast<void*>(&::CloseHandle)),
                                       hThread, (ULONG_PTR)m_hParked) != 0;
        ::QueueUserAPC(reinterpret_cast<PAPCFUNC>(reinterpret_cast<void*>(&::ExitThread)), hThread, 0);
        HANDLE waits[2] = {m_hParkedSeen, hThread};
        if (::WaitForMultipleObjects(2, waits, FALSE, kStopWaitMs) == WAIT_TIMEOUT) {
            // Stuck inside this module, or not yet out of its start: it would crash once the
            // image is unmapped.
            ::TerminateThread(hThread, 1);
        }
        delete pWorker;
    }
    if (bWorkerCloses) m_hParked = NULL;
    for (HANDLE* ph : {&m_hRunning, &m_hParked, &m_hParkedSeen}) {
        if (*ph != NULL) ::CloseHandle(*ph);
        *ph = NULL;
    }
    // A start that did not finish still uses the state: it is left alone then.
    if (!bStartDone) return false;
    for (HANDLE* ph : {&m_hStop, &m_hStartDone}) {
        if (*ph != NULL) ::CloseHandle(*ph);
        *ph = NULL;
    }
    return true;
}

void CTrackService::RunWorker() {
    // Wine sets up a thread's display connection on its first cursor query and takes the
    // loader lock for it; that must happen before an unload can hold the lock (measured: a
    // first pass caught there stalls the unload).
    POINT pt;
    RECT rc;
    ::GetCursorPos(&pt);
    ::GetWindowRect(::GetDesktopWindow(), &rc);
    ::SetEvent(m_hRunning);
    do {
        Pass();
    } while (::WaitForSingleObject(m_hStop, kPollMs) == WAIT_TIMEOUT);
    // Park: the APCs queued by Shutdown end the thread in this call (see there).
    ::SignalObjectAndWait(m_hParked, ::GetCurrentThread(), INFINITE, TRUE);
    ::ExitThread(0);
}

// Returns true when the record is done: notified, left, or its window is gone.
bool CTrackService::Decide(TrackRecord& rec, POINT pt, DWORD dwNow) {
    RECT rc;
    if (!::IsWindow(rec.hWnd) || !::GetWindowRect(rec.hWnd, &rc)) return true;
    if (!::PtInRect(&rc, pt)) {
        if (rec.dwFlags & TME_LEAVE) ::PostMessageA(rec.hWnd, WM_MOUSELEAVE, 0, 0);
        return true;
    }
    if (!(rec.dwFlags & TME_HOVER)) return false;
    const RECT rcRest = {rec.ptStart.x - kHoverSlop, rec.ptStart.y - kHoverSlop, rec.ptStart.x + kHoverSlop,
                         rec.ptStart.y + kHoverSlop};
    if (!rec.bResting || !::PtInRect(&rcRest, pt)) {
        rec.bResting = true;
        rec.dwStartTick = dwNow;
        rec.ptStart = pt;
        return false;
    }
    if (dwNow - rec.dwStartTick <= rec.dwHoverTime) return false;
    POINT ptClient = pt;
    ::ScreenToClient(rec.hWnd, &ptClient);
    ::PostMessageA(rec.hWnd, WM_MOUSEHOVER, 0, MAKELPARAM(ptClient.x, ptClient.y));
    return true;
}

void CTrackService::Pass() {
    CSingleLock lock(&m_mutex, TRUE);
    if (m_records.empty()) return;
    POINT pt;
    if (!::GetCursorPos(&pt)) return;
    const DWORD dwNow = ::GetTickCount();
    for (size_t i = 0; i < m_records.size();) {
        if (Decide(m_records[i], pt, dwNow))
            m_records.erase(m_records.begin() + i);
        else
            ++i;
    }
}

LRESULT CALLBACK TrackMouseHook(int nCode, WPARAM wParam, LPARAM lParam) {
    ::InterlockedIncrement(&g_service.m_nHookCalls);
    if (nCode >= 0) g_service.Pass();
    const LRESULT lResult = g_service.CallNextHook(nCode, wParam, lParam);
    ::InterlockedDecrement(&g_service.m_nHookCalls);
    return lResult;
}

UINT AFX_CDECL TrackWorker(LPVOID) {
    g_service.RunWorker();
    return 0;
}

}  // namespace

BOOL KELMTrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack) {
    if (lpEventTrack != NULL) g_service.Request(*lpEventTrack);
    return TRUE;
}

void KELMDoTrackMouseEvent() {
    g_service.Pass();
}
