#include <afxwin.h>
#include <afxdllx.h>
#include <afxpriv.h>

#include "handlemap.h"

#include <new>
#include <process.h>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Module state and the resource chain

namespace {
// The process's values: the application, its instance and resource module, the extension
// chain (changed under CAfxLock). Each thread works on a record of its own (State) whose
// current resource handle is the thread's: a resource-module scope on one thread must not
// switch another thread's lookups.
AFX_MODULE_STATE g_process = {NULL, NULL, NULL, NULL, NULL};

struct ThreadModuleState {
    AFX_MODULE_STATE state;
    bool bInit;
};
thread_local ThreadModuleState t_module = {{NULL, NULL, NULL, NULL, NULL}, false};

AFX_MODULE_STATE* Process() {
    if (g_process.m_hCurrentInstanceHandle == NULL) {
        HINSTANCE hExe = ::GetModuleHandleA(NULL);
        g_process.m_hCurrentInstanceHandle = hExe;
        g_process.m_hCurrentResourceHandle = hExe;
    }
    return &g_process;
}

AFX_MODULE_STATE* State() {
    const AFX_MODULE_STATE* pProcess = Process();
    ThreadModuleState& t = t_module;
    if (!t.bInit) {
        t.state.m_hCurrentResourceHandle = pProcess->m_hCurrentResourceHandle;
        t.bInit = true;
    }
    t.state.m_pCurrentWinApp = pProcess->m_pCurrentWinApp;
    t.state.m_hCurrentInstanceHandle = pProcess->m_hCurrentInstanceHandle;
    t.state.m_lpszCurrentAppName = pProcess->m_lpszCurrentAppName;
    t.state.m_pFirstLibrary = pProcess->m_pFirstLibrary;
    return &t.state;
}

void LinkLibrary(CDynLinkLibrary* pDLL) {
    CAfxLock lock;
    CDynLinkLibrary** pp = &Process()->m_pFirstLibrary;
    while (*pp != NULL) pp = &(*pp)->m_pNextDLL;
    *pp = pDLL;
}
}  // namespace

AFX_MODULE_STATE* AFXAPI AfxGetModuleState() { return State(); }
CWinApp* AFXAPI AfxGetApp() { return Process()->m_pCurrentWinApp; }
CWnd* AFXAPI AfxGetMainWnd() { return AfxGetApp() != NULL ? AfxGetApp()->m_pMainWnd : NULL; }
HINSTANCE AFXAPI AfxGetInstanceHandle() { return Process()->m_hCurrentInstanceHandle; }
HINSTANCE AFXAPI AfxGetResourceHandle() { return State()->m_hCurrentResourceHandle; }
// The application's resource module: this thread's, and the one threads start with.
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) {
    Process()->m_hCurrentResourceHandle = hInstResource;
    State()->m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
    HINSTANCE hInst = State()->m_hCurrentResourceHandle;
    if (hInst != NULL && ::FindResourceA(hInst, lpszName, lpszType) != NULL) return hInst;
    // The chain's modules, taken under the lock and searched outside it.
    HINSTANCE chain[64];
    int nChain = 0;
    {
        CAfxLock lock;
        for (CDynLinkLibrary* pDLL = Process()->m_pFirstLibrary; pDLL != NULL && nChain < 64; pDLL = pDLL->m_pNextDLL)
            if (!pDLL->m_bSystem && pDLL->m_hResource != NULL) chain[nChain++] = pDLL->m_hResource;
    }
    for (int i = 0; i < nChain; ++i)
        if (::FindResourceA(chain[i], lpszName, lpszType) != NULL) return chain[i];
    return hInst;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (state.bInitialized) return TRUE;
    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
    std::vector<CDynLinkLibrary*> doomed;
    {
        CAfxLock lock;
        for (CDynLinkLibrary* pDLL = Process()->m_pFirstLibrary; pDLL != NULL; pDLL = pDLL->m_pNextDLL)
            if (pDLL->m_hModule == state.hModule) doomed.push_back(pDLL);
    }
    for (CDynLinkLibrary* pDLL : doomed) delete pDLL;
    state.bInitialized = FALSE;
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pNextDLL(NULL) {
    LinkLibrary(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE), m_pNextDLL(NULL) {
    LinkLibrary(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    CAfxLock lock;
    for (CDynLinkLibrary** pp = &Process()->m_pFirstLibrary; *pp != NULL; pp = &(*pp)->m_pNextDLL) {
        if (*pp == this) {
            *pp = m_pNextDLL;
            break;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The library's own start and end: each thread's temporary objects go when the thread ends
// (and the unloading thread's when the library unloads; at process exit nothing is freed).

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID pReserved) {
    if (dwReason == DLL_PROCESS_ATTACH) AfxInitThreadMaps();
    if (dwReason == DLL_THREAD_DETACH || (dwReason == DLL_PROCESS_DETACH && pReserved == NULL)) AfxFreeThreadMaps();
    return TRUE;
}

// ---------------------------------------------------------------------------------------------
// Exceptions: failures of the framework itself are thrown as constant texts.

void AFXAPI AfxThrowResourceException() { throw "AfxLite: brak zasobów systemowych"; }
void AFXAPI AfxThrowMemoryException() { throw std::bad_alloc(); }
void AFXAPI AfxThrowNotSupportedException() { throw "AfxLite: operacja nieobsługiwana"; }

// ---------------------------------------------------------------------------------------------
// Threads

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {
thread_local CWinThread* t_pThread = NULL;

unsigned __stdcall AfxThreadEntry(void* pParam) {
    CWinThread* pThread = static_cast<CWinThread*>(pParam);
    t_pThread = pThread;
    UINT nResult = 0;
    try {
        if (pThread->m_pfnThreadProc != NULL) {
            nResult = (*pThread->m_pfnThreadProc)(pThread->m_pThreadParams);
        } else if (pThread->InitInstance()) {
            nResult = (UINT)pThread->Run();
        } else {
            nResult = (UINT)pThread->ExitInstance();
        }
    } catch (...) {
        nResult = (UINT)-1;
    }
    AfxEndThread(nResult);
    return nResult;
}
}  // namespace

CWinThread::CWinThread()
    : m_pMainWnd(NULL), m_bAutoDelete(TRUE), m_hThread(NULL), m_nThreadID(0), m_pfnThreadProc(NULL),
      m_pThreadParams(NULL), m_msgCur() {}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam) : CWinThread() {
    m_pfnThreadProc = pfnThreadProc;
    m_pThreadParams = pParam;
}

CWinThread::~CWinThread() {
    if (m_hThread != NULL) ::CloseHandle(m_hThread);
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
    unsigned id = 0;
    // Start suspended so that m_hThread is set before the thread can delete the object.
    m_hThread = (HANDLE)_beginthreadex(lpSecurityAttrs, nStackSize, &AfxThreadEntry, this,
                                       dwCreateFlags | CREATE_SUSPENDED, &id);
    if (m_hThread == NULL) return FALSE;
    m_nThreadID = id;
    if (!(dwCreateFlags & CREATE_SUSPENDED)) ::ResumeThread(m_hThread);
    return TRUE;
}

BOOL CWinThread::InitInstance() { return FALSE; }
int CWinThread::ExitInstance() { return (int)m_msgCur.wParam; }

namespace {
// PreTranslateMessage of the message's window and its parents, up to hWndStop; a window without
// an object of its own starts the walk at its nearest ancestor that has one.
BOOL WalkPreTranslate(HWND hWndStop, MSG* pMsg) {
    CWnd* pWnd = CWnd::FromHandlePermanent(pMsg->hwnd);
    if (pWnd == NULL) {
        for (HWND h = pMsg->hwnd; h != NULL && pWnd == NULL; h = ::GetParent(h)) pWnd = CWnd::FromHandlePermanent(h);
    }
    return pWnd != NULL && pWnd->WalkPreTranslateTree(hWndStop, pMsg);
}
}  // namespace

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
    return WalkPreTranslate(m_pMainWnd != NULL ? m_pMainWnd->m_hWnd : NULL, pMsg);
}

BOOL CWinThread::PumpMessage() {
    if (!::GetMessageA(&m_msgCur, NULL, 0, 0)) return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

CWinThread* AFXAPI AfxGetThread() {
    if (t_pThread != NULL) return t_pThread;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_nThreadID == ::GetCurrentThreadId()) return pApp;
    return NULL;
}

BOOL AFXAPI AfxPumpMessage() {
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL) return pThread->PumpMessage();
    MSG msg;
    if (!::GetMessageA(&msg, NULL, 0, 0)) return FALSE;
    if (!WalkPreTranslate(NULL, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

BOOL CWinThread::OnIdle(LONG lCount) {
    if (lCount == 0) {
        AfxIdleUpdateCmdUI(m_pMainWnd);  // bars, layouts and titles of the frames
        AfxDeleteTempMaps();
    }
    return FALSE;
}

int CWinThread::Run() {
    for (;;) {
        LONG lIdleCount = 0;
        MSG msg;
        while (!::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE) && OnIdle(lIdleCount++)) {
        }
        do {
            if (!PumpMessage()) return ExitInstance();
        } while (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE));
    }
}

void CWinThread::Delete() {
    if (m_bAutoDelete) delete this;
}

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                                  DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
    CWinThread* pThread = new CWinThread(pfnThreadProc, pParam);
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
        pThread->Delete();
        return NULL;
    }
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED)) pThread->ResumeThread();
    return pThread;
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete) {
    CWinThread* pThread = t_pThread;
    t_pThread = NULL;
    AfxDeleteTempMaps();  // the thread's temporary objects end with it
    if (pThread != NULL && bDelete) pThread->Delete();
    (void)nExitCode;
}

// ---------------------------------------------------------------------------------------------
// The application

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(lpszAppName), m_hInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL) {
    m_bAutoDelete = FALSE;
    Process()->m_pCurrentWinApp = this;
    Process()->m_lpszCurrentAppName = lpszAppName;
    m_nThreadID = ::GetCurrentThreadId();
}

CWinApp::~CWinApp() {
    if (Process()->m_pCurrentWinApp == this) Process()->m_pCurrentWinApp = NULL;
    m_hThread = NULL;  // the process's main thread is not ours to close
}

BOOL CWinApp::InitApplication() { return TRUE; }
int CWinApp::ExitInstance() { return (int)m_msgCur.wParam; }

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
    return ::LoadCursorA(AfxFindResourceHandle(MAKEINTRESOURCEA(nIDResource), (LPCSTR)RT_GROUP_CURSOR),
                         MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return ::LoadIconA(AfxFindResourceHandle(MAKEINTRESOURCEA(nIDResource), (LPCSTR)RT_GROUP_ICON),
                       MAKEINTRESOURCEA(nIDResource));
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow) {
    AFX_MODULE_STATE* pState = Process();
    pState->m_hCurrentInstanceHandle = hInstance;
    AfxSetResourceHandle(hInstance);
    CWinApp* pApp = pState->m_pCurrentWinApp;
    if (pApp != NULL) {
        pApp->m_hInstance = hInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
    }
    return TRUE;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow)) return -1;
    try {
        if (!pApp->InitApplication() || !pApp->InitInstance()) return pApp->ExitInstance();
        return pApp->Run();
    } catch (...) {
        return -1;
    }
}
