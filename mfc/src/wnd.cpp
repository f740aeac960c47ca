#include <afxwin.h>

#include "handlemap.h"

// ---------------------------------------------------------------------------------------------
// Shared state

namespace {
CRITICAL_SECTION g_lock;
struct LockInit {
    LockInit() { InitializeCriticalSection(&g_lock); }
    ~LockInit() { DeleteCriticalSection(&g_lock); }
} g_lockInit;

// Per thread: the message being handled (for Default) and the window being created.
struct ThreadState {
    MSG lastSentMsg = {};
    CWnd* pWndInit = NULL;
    HWND hWndAttached = NULL;  // the window the creation hook attached last
    HHOOK hHookOldCbtFilter = NULL;
};
thread_local ThreadState t_state;
}  // namespace

CAfxLock::CAfxLock() { EnterCriticalSection(&g_lock); }
CAfxLock::~CAfxLock() { LeaveCriticalSection(&g_lock); }

static DWORD ThreadMapsSlot() {
    static const DWORD dwSlot = ::TlsAlloc();
    return dwSlot;
}

void AfxInitThreadMaps() { ThreadMapsSlot(); }

CAfxThreadMaps& AfxThreadMaps() {
    CAfxThreadMaps* p = static_cast<CAfxThreadMaps*>(::TlsGetValue(ThreadMapsSlot()));
    if (p == NULL) {
        p = new CAfxThreadMaps;
        ::TlsSetValue(ThreadMapsSlot(), p);
    }
    return *p;
}

void AfxFreeThreadMaps() {
    CAfxThreadMaps* p = static_cast<CAfxThreadMaps*>(::TlsGetValue(ThreadMapsSlot()));
    if (p == NULL) return;
    AfxDeleteTempObjects(p->wnd);
    AfxDeleteTempObjects(p->dc);
    AfxDeleteTempObjects(p->gdi);
    ::TlsSetValue(ThreadMapsSlot(), NULL);
    delete p;
}

CHandleMap<HWND, CWnd>& AfxWndMap() { static CHandleMap<HWND, CWnd> map; return map; }
CHandleMap<HDC, CDC>& AfxDCMap() { static CHandleMap<HDC, CDC> map; return map; }
CHandleMap<HGDIOBJ, CGdiObject>& AfxGdiMap() { static CHandleMap<HGDIOBJ, CGdiObject> map; return map; }

void AFXAPI AfxDeleteTempMaps() {
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
}

// ---------------------------------------------------------------------------------------------
// Message maps

union MessageMapFunctions {
    AFX_PMSG pfn;
    BOOL (AFX_MSG_CALL CWnd::*pfn_bD)(CDC*);
    BOOL (AFX_MSG_CALL CWnd::*pfn_bb)(BOOL);
    BOOL (AFX_MSG_CALL CWnd::*pfn_bWww)(CWnd*, UINT, UINT);
    BOOL (AFX_MSG_CALL CWnd::*pfn_bwsp)(UINT, short, CPoint);
    HBRUSH (AFX_MSG_CALL CWnd::*pfn_hDWw)(CDC*, CWnd*, UINT);
    HBRUSH (AFX_MSG_CALL CWnd::*pfn_hDw)(CDC*, UINT);
    int (AFX_MSG_CALL CWnd::*pfn_iWww)(CWnd*, UINT, UINT);
    int (AFX_MSG_CALL CWnd::*pfn_is)(LPCREATESTRUCT);
    int (AFX_MSG_CALL CWnd::*pfn_iis)(int, LPCOMPAREITEMSTRUCT);
    LRESULT (AFX_MSG_CALL CWnd::*pfn_lwl)(WPARAM, LPARAM);
    void (AFX_MSG_CALL CWnd::*pfn_vv)();
    void (AFX_MSG_CALL CWnd::*pfn_vw)(UINT_PTR);
    void (AFX_MSG_CALL CWnd::*pfn_vb)(BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_vW)(CWnd*);
    void (AFX_MSG_CALL CWnd::*pfn_vbw)(BOOL, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_vwii)(UINT, int, int);
    void (AFX_MSG_CALL CWnd::*pfn_vii)(int, int);
    void (AFX_MSG_CALL CWnd::*pfn_vwp)(UINT, CPoint);
    void (AFX_MSG_CALL CWnd::*pfn_vwww)(UINT, UINT, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_vwwW)(UINT, UINT, CScrollBar*);
    void (AFX_MSG_CALL CWnd::*pfn_vwwx)(UINT, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_vwWb)(UINT, CWnd*, BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_vwl)(UINT, LPARAM);
    void (AFX_MSG_CALL CWnd::*pfn_vDRAW)(int, LPDRAWITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_vMEASURE)(int, LPMEASUREITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_vDELETE)(int, LPDELETEITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_vDRAWr)(LPDRAWITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_vMEASUREr)(LPMEASUREITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_vPOS)(WINDOWPOS*);
    void (AFX_MSG_CALL CWnd::*pfn_vMMI)(MINMAXINFO*);
    void (AFX_MSG_CALL CWnd::*pfn_vCALC)(BOOL, NCCALCSIZE_PARAMS*);
    UINT (AFX_MSG_CALL CWnd::*pfn_wp)(CPoint);
    UINT (AFX_MSG_CALL CWnd::*pfn_wv)();
    void (AFX_MSG_CALL CCmdTarget::*pfn_cmd)();
    void (AFX_MSG_CALL CCmdTarget::*pfn_notify)(NMHDR*, LRESULT*);
    void (AFX_MSG_CALL CCmdTarget::*pfn_cmdui)(CCmdUI*);
};

static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID) {
    for (; pMap != NULL; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : NULL)
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e)
            if (e->nMessage == nMsg && e->nCode == nCode && nID >= e->nID && nID <= e->nLastID) return e;
    return NULL;
}

// ---------------------------------------------------------------------------------------------
// CCmdTarget

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() {}
CCmdTarget::~CCmdTarget() {}

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}};
    static const AFX_MSGMAP map = {NULL, &entries[0]};
    return &map;
}
const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    UINT nMsg = HIWORD(nCode);
    nCode = LOWORD(nCode);
    if (nMsg == 0 || (UINT)nMsg == 0xFFFF) nMsg = WM_COMMAND;  // CN_UPDATE_COMMAND_UI is code 0xFFFF
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), nMsg, (UINT)nCode, nID);
    if (e == NULL) return FALSE;
    if (pHandlerInfo != NULL) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = e->pfn;
        return TRUE;
    }
    MessageMapFunctions mmf;
    mmf.pfn = e->pfn;
    if (e->nSig == AfxSig_cmdui) {
        CCmdUI* pCmdUI = (CCmdUI*)pExtra;
        pCmdUI->m_bContinueRouting = FALSE;
        (this->*mmf.pfn_cmdui)(pCmdUI);
        return !pCmdUI->m_bContinueRouting;
    }
    if (e->nSig == AfxSig_notify) {
        AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
        LRESULT dummy = 0;
        (this->*mmf.pfn_notify)(pNotify ? pNotify->pNMHDR : NULL, pNotify && pNotify->pResult ? pNotify->pResult : &dummy);
    } else {
        (this->*mmf.pfn_cmd)();
    }
    return TRUE;
}

// ---------------------------------------------------------------------------------------------
// The window procedure

static LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    MSG oldState = t_state.lastSentMsg;
    t_state.lastSentMsg.hwnd = hWnd;
    t_state.lastSentMsg.message = nMsg;
    t_state.lastSentMsg.wParam = wParam;
    t_state.lastSentMsg.lParam = lParam;
    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (...) {
        // No exception may cross the system's window procedure: the message gets the default
        // result instead (a window whose creation failed is not created).
        if (nMsg == WM_CREATE) {
            lResult = -1;
        } else if (nMsg == WM_NCCREATE) {
            lResult = FALSE;
        } else {
            try {
                lResult = pWnd->DefWindowProc(nMsg, wParam, lParam);
            } catch (...) {
                lResult = 0;
            }
            if (nMsg == WM_PAINT) ::ValidateRect(hWnd, NULL);
        }
    }
    t_state.lastSentMsg = oldState;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL) return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

WNDPROC AFXAPI AfxGetAfxWndProc() { return &AfxWndProc; }

// Attaches the window being created to its CWnd at its first message.
static LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HCBT_CREATEWND) return CallNextHookEx(t_state.hHookOldCbtFilter, code, wParam, lParam);
    CWnd* pWndInit = t_state.pWndInit;
    if (pWndInit != NULL) {
        HWND hWnd = (HWND)wParam;
        pWndInit->Attach(hWnd);
        pWndInit->PreSubclassWindow();
        WNDPROC* pOldWndProc = pWndInit->GetSuperWndProcAddr();
        WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
        if (oldWndProc != &AfxWndProc) *pOldWndProc = oldWndProc;
        t_state.pWndInit = NULL;
        t_state.hWndAttached = hWnd;
    }
    return CallNextHookEx(t_state.hHookOldCbtFilter, code, wParam, lParam);
}

// ---------------------------------------------------------------------------------------------
// CWnd: handle map, subclassing, creation

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

CWnd::CWnd() : m_hWnd(NULL), m_hWndOwner(NULL), m_pfnSuper(NULL) {}
CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd), m_hWndOwner(NULL), m_pfnSuper(NULL) {}

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd() {
    const INT_PTR h = (INT_PTR)m_hWnd;
    if (h >= -2 && h <= 1) {  // no window, or one of the insert-after markers
        m_hWnd = NULL;
        return;
    }
    if (m_hWnd != NULL && this != CWnd::FromHandlePermanent(m_hWnd)) {
        m_hWnd = NULL;  // a temporary or detached object: the window is not ours
        return;
    }
    if (m_hWnd != NULL) DestroyWindow();
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) { return hWnd ? AfxWndMap().LookupPermanent(hWnd) : NULL; }

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
    return AfxWndMap().FromHandle(hWnd, [](HWND h) {
        CWnd* p = new CWnd;
        p->m_hWnd = h;
        return p;
    });
}

void PASCAL CWnd::DeleteTempMap() {
    AfxWndMap().DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (hWndNew == NULL) return FALSE;
    m_hWnd = hWndNew;
    AfxWndMap().SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd != NULL) AfxWndMap().RemoveHandle(hWnd, this);
    m_hWnd = NULL;
    return hWnd;
}

WNDPROC* CWnd::GetSuperWndProcAddr() { return &m_pfnSuper; }

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (hWnd == NULL || !::IsWindow(hWnd) || FromHandlePermanent(hWnd) != NULL) return FALSE;
    if (!Attach(hWnd)) return FALSE;
    PreSubclassWindow();
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
    if (oldWndProc != &AfxWndProc && *lplpfn == NULL) *lplpfn = oldWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), nID);
    return hWndControl != NULL && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (*lplpfn != NULL) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*lplpfn);
        *lplpfn = NULL;
    }
    return Detach();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (cs.lpszClass == NULL) cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW));
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

// A creation failed after the hook had attached the window. A window that got as far as
// WM_NCDESTROY has detached itself, and its object may be gone (PostNcDestroy): only a window
// that never got there is still mapped to the object, which is then detached here.
static void DetachFailedWindow(CWnd* pWnd, HWND hWndAttached) {
    if (hWndAttached != NULL && AfxWndMap().LookupPermanent(hWndAttached) == pWnd) pWnd->Detach();
}

// Runs make, which creates one window, with the creation hook attaching that window to pWnd on
// this thread (nested creations keep theirs); a failed creation leaves pWnd without a window.
template <class Make> static BOOL CreateHooked(CWnd* pWnd, Make make) {
    ThreadState& ts = t_state;
    HHOOK hOldHook = ts.hHookOldCbtFilter;
    CWnd* pOldInit = ts.pWndInit;
    ts.hHookOldCbtFilter = ::SetWindowsHookExA(WH_CBT, &AfxCbtFilterHook, NULL, ::GetCurrentThreadId());
    ts.pWndInit = pWnd;
    ts.hWndAttached = NULL;
    const HWND hWnd = make();
    ::UnhookWindowsHookEx(ts.hHookOldCbtFilter);
    ts.hHookOldCbtFilter = hOldHook;
    ts.pWndInit = pOldInit;
    if (hWnd == NULL) DetachFailedWindow(pWnd, ts.hWndAttached);
    return hWnd != NULL;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    CREATESTRUCTA cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }

    return CreateHooked(this, [&] {
        return ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                 cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    });
}

// Dialog templates made into windows of objects (form views): the dialog manager's own
// procedure does the work; initialising focuses the first control.
static INT_PTR CALLBACK AfxDlgProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst) {
    return CreateHooked(this, [&] {
        return ::CreateDialogIndirectParamA(hInst != NULL ? hInst : AfxGetResourceHandle(), lpDialogTemplate,
                                            pParentWnd->GetSafeHwnd(), &AfxDlgProc, 0);
    });
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, (LPVOID)pContext);
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == NULL) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

void CWnd::PostNcDestroy() {}

// ---------------------------------------------------------------------------------------------
// CWnd: dispatch

const AFX_MSGMAP* PASCAL CWnd::GetThisMessageMap() {
    typedef CWnd ThisClass;
    static const AFX_MSGMAP_ENTRY entries[] = {
        ON_WM_NCDESTROY()
        ON_WM_DRAWITEM()
        ON_WM_MEASUREITEM()
        ON_WM_COMPAREITEM()
        ON_WM_DELETEITEM()
        ON_WM_CTLCOLOR()
        ON_WM_HSCROLL()
        ON_WM_VSCROLL()
        ON_WM_PARENTNOTIFY()
        {0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}};
    static const AFX_MSGMAP map = {&CCmdTarget::GetThisMessageMap, &entries[0]};
    return &map;
}
const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult)) lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != NULL) return ::CallWindowProcA(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    WNDPROC pfnWndProc = *GetSuperWndProcAddr();
    if (pfnWndProc != NULL) return ::CallWindowProcA(pfnWndProc, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG& m = t_state.lastSentMsg;
    return DefWindowProc(m.message, m.wParam, m.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage() {
    t_state.lastSentMsg.time = ::GetMessageTime();
    DWORD pos = ::GetMessagePos();
    t_state.lastSentMsg.pt.x = (short)LOWORD(pos);
    t_state.lastSentMsg.pt.y = (short)HIWORD(pos);
    return &t_state.lastSentMsg;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        lResult = 1;
        if (pResult) *pResult = lResult;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR == NULL || pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult)) return FALSE;
        if (pResult) *pResult = lResult;
        return TRUE;
    }

    UINT nMsg = message;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) nMsg = WM_CTLCOLOR;
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), nMsg, 0, 0);
    if (e == NULL) return FALSE;

    MessageMapFunctions mmf;
    mmf.pfn = e->pfn;
    CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
    switch (e->nSig) {
    case AfxSig_bD: lResult = (this->*mmf.pfn_bD)(CDC::FromHandle((HDC)wParam)); break;
    case AfxSig_bb: lResult = (this->*mmf.pfn_bb)((BOOL)wParam); break;
    case AfxSig_bWww:
        lResult = (this->*mmf.pfn_bWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_bwsp: {
        lResult = (this->*mmf.pfn_bwsp)(LOWORD(wParam), (short)HIWORD(wParam), pt);
        break;
    }
    case AfxSig_hDWw:
        lResult = (LRESULT)(this->*mmf.pfn_hDWw)(CDC::FromHandle((HDC)wParam), CWnd::FromHandle((HWND)lParam),
                                                 message - WM_CTLCOLORMSGBOX);
        break;
    case AfxSig_hDw: {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        lResult = (LRESULT)(this->*mmf.pfn_hDw)(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
        if (lResult == 0) return FALSE;
        break;
    }
    case AfxSig_iWww:
        lResult = (this->*mmf.pfn_iWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_is: lResult = (this->*mmf.pfn_is)((LPCREATESTRUCT)lParam); break;
    case AfxSig_iis: lResult = (this->*mmf.pfn_iis)((int)wParam, (LPCOMPAREITEMSTRUCT)lParam); break;
    case AfxSig_lwl: lResult = (this->*mmf.pfn_lwl)(wParam, lParam); break;
    case AfxSig_vv: (this->*mmf.pfn_vv)(); break;
    case AfxSig_vw: (this->*mmf.pfn_vw)((UINT_PTR)wParam); break;
    case AfxSig_vb: (this->*mmf.pfn_vb)((BOOL)wParam); break;
    case AfxSig_vW:  // WM_CAPTURECHANGED names the new capture window in lParam
        (this->*mmf.pfn_vW)(CWnd::FromHandle((HWND)(message == WM_CAPTURECHANGED ? lParam : (LPARAM)wParam)));
        break;
    case AfxSig_vbw: (this->*mmf.pfn_vbw)((BOOL)wParam, (UINT)lParam); break;
    case AfxSig_vwii: (this->*mmf.pfn_vwii)((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam)); break;
    case AfxSig_vii: (this->*mmf.pfn_vii)((short)LOWORD(lParam), (short)HIWORD(lParam)); break;
    case AfxSig_vwp: (this->*mmf.pfn_vwp)((UINT)wParam, pt); break;
    case AfxSig_vwww: (this->*mmf.pfn_vwww)((UINT)wParam, LOWORD(lParam), HIWORD(lParam)); break;
    case AfxSig_vwwW:
        (this->*mmf.pfn_vwwW)(LOWORD(wParam), (short)HIWORD(wParam), (CScrollBar*)CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vwwx: (this->*mmf.pfn_vwwx)(LOWORD(wParam), (short)HIWORD(wParam)); break;
    case AfxSig_vwWb: (this->*mmf.pfn_vwWb)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), HIWORD(wParam)); break;
    case AfxSig_vwl: (this->*mmf.pfn_vwl)((UINT)wParam, lParam); break;
    case AfxSig_vDRAW: (this->*mmf.pfn_vDRAW)((int)wParam, (LPDRAWITEMSTRUCT)lParam); lResult = TRUE; break;
    case AfxSig_vMEASURE: (this->*mmf.pfn_vMEASURE)((int)wParam, (LPMEASUREITEMSTRUCT)lParam); lResult = TRUE; break;
    case AfxSig_vDELETE: (this->*mmf.pfn_vDELETE)((int)wParam, (LPDELETEITEMSTRUCT)lParam); lResult = TRUE; break;
    case AfxSig_vDRAWr: (this->*mmf.pfn_vDRAWr)((LPDRAWITEMSTRUCT)lParam); lResult = TRUE; break;
    case AfxSig_vMEASUREr: (this->*mmf.pfn_vMEASUREr)((LPMEASUREITEMSTRUCT)lParam); lResult = TRUE; break;
    case AfxSig_vPOS: (this->*mmf.pfn_vPOS)((WINDOWPOS*)lParam); break;
    case AfxSig_vMMI: (this->*mmf.pfn_vMMI)((MINMAXINFO*)lParam); break;
    case AfxSig_vCALC: (this->*mmf.pfn_vCALC)((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam); break;
    case AfxSig_wp: lResult = (this->*mmf.pfn_wp)(pt); break;
    case AfxSig_wv: lResult = (this->*mmf.pfn_wv)(); break;
    default: return FALSE;
    }
    if (pResult) *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (hWndCtrl != NULL) {
        if (ReflectLastMsg(hWndCtrl)) return TRUE;  // the control handled it
    } else {
        nCode = CN_COMMAND;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM /*wParam*/, LPARAM lParam, LRESULT* pResult) {
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = (UINT)::GetDlgCtrlID(hWndCtrl);
    int nCode = (int)pNMHDR->code;
    if (ReflectLastMsg(hWndCtrl, pResult)) return TRUE;
    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, NULL);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWndChild);
    return pWnd != NULL && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
    const MSG& m = t_state.lastSentMsg;
    return OnChildNotify(m.message, m.wParam, m.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (uMsg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return OnWndMsg(WM_REFLECT_BASE + uMsg, wParam, lParam, pResult);
    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (CCmdTarget::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), NULL, NULL)) {
            if (pResult != NULL) *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        AFX_NOTIFY notify;
        notify.pResult = pResult;
        notify.pNMHDR = pNMHDR;
        return CCmdTarget::OnCmdMsg(0, MAKELONG((int)pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }
    default:
        if (uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC) {
            AFX_CTLCOLOR ctl;
            ctl.hDC = (HDC)wParam;
            ctl.nCtlType = uMsg - WM_CTLCOLORMSGBOX;
            ctl.hWnd = m_hWnd;
            return OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, pResult);
        }
        return FALSE;
    }
}

BOOL CWnd::PreTranslateMessage(MSG* /*pMsg*/) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg)) return TRUE;
        if (hWnd == hWndStop) break;
    }
    return FALSE;
}

CScrollBar* CWnd::GetScrollBarCtrl(int /*nBar*/) const { return NULL; }

// ---------------------------------------------------------------------------------------------
// CWnd: relations, geometry, painting

CWnd* CWnd::GetOwner() const {
    return m_hWndOwner != NULL ? CWnd::FromHandle(m_hWndOwner) : GetParent();
}

// The next window up: a framework window's owner (its m_hWndOwner, else its parent); for any
// other window its parent when it is a child, else its owner.
static HWND ParentOrOwner(HWND hWnd) {
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd)) return pWnd->GetOwner()->GetSafeHwnd();
    return (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(hWnd) : ::GetWindow(hWnd, GW_OWNER);
}

// Follows parents and owners, so that an owned popup (a tooltip, a drop-down list) belongs to
// its owner's frame. Framework owners can be set to anything: a loop stops the walk.
CWnd* CWnd::GetTopLevelParent() const {
    if (m_hWnd == NULL) return NULL;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    for (int nSteps = 0; nSteps < 256 && (hWndT = ParentOrOwner(hWndParent)) != NULL && hWndT != m_hWnd;
         ++nSteps)
        hWndParent = hWndT;
    return CWnd::FromHandle(hWndParent);
}

CWnd* CWnd::GetTopLevelOwner() const {
    if (m_hWnd == NULL) return NULL;
    HWND hWndOwner = m_hWnd;
    HWND hWndT;
    while ((hWndT = ::GetWindow(hWndOwner, GW_OWNER)) != NULL) hWndOwner = hWndT;
    return CWnd::FromHandle(hWndOwner);
}

static BOOL ModifyStyleImpl(HWND hWnd, int nStyleOffset, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    DWORD dwStyle = (DWORD)::GetWindowLongA(hWnd, nStyleOffset);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle) return FALSE;
    ::SetWindowLongA(hWnd, nStyleOffset, (LONG)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyStyleImpl(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}
BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyStyleImpl(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

void CWnd::ClientToScreen(LPRECT lpRect) const { ::MapWindowPoints(m_hWnd, NULL, (LPPOINT)lpRect, 2); }
void CWnd::ScreenToClient(LPRECT lpRect) const { ::MapWindowPoints(NULL, m_hWnd, (LPPOINT)lpRect, 2); }

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, pWndInsertAfter->GetSafeHwnd(), x, y, cx, cy, nFlags);
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc()); }
CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint) { return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint)); }
void CWnd::EndPaint(LPPAINTSTRUCT lpPaint) { ::EndPaint(m_hWnd, lpPaint); }

void CWnd::GetWindowText(CString& rString) const {
    int nLen = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetScrollPos(int nBar) const {
    CScrollBar* pBar = GetScrollBarCtrl(nBar);
    if (pBar != NULL) return ::GetScrollPos(((CWnd*)pBar)->m_hWnd, SB_CTL);
    return ::GetScrollPos(m_hWnd, nBar);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const {
    CScrollBar* pBar = GetScrollBarCtrl(nBar);
    if (pBar != NULL) ::GetScrollRange(((CWnd*)pBar)->m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
    else ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
}

// ---------------------------------------------------------------------------------------------
// CWnd: default handlers

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
void CWnd::OnDestroy() { Default(); }

void CWnd::OnNcDestroy() {
    WNDPROC pfnWndProc = (WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC);
    Default();
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if ((WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == pfnWndProc && *lplpfn != NULL)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*lplpfn);
    Detach();
    // The application ends with its main window.
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = NULL;
        ::PostQuitMessage(0);
    }
    PostNcDestroy();
}

void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnNcPaint() { Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
UINT CWnd::OnNcHitTest(CPoint) { return (UINT)Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnMouseHover(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return (BOOL)Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnSysColorChange() { Default(); }

// Messages from a child control go first to the control itself (reflection).
void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar) {
    if (pScrollBar != NULL && ReflectLastMsg(((CWnd*)pScrollBar)->m_hWnd)) return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar) {
    if (pScrollBar != NULL && ReflectLastMsg(((CWnd*)pScrollBar)->m_hWnd)) return;
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT) {
    LRESULT lResult;
    if (pWnd != NULL && ReflectLastMsg(pWnd->m_hWnd, &lResult)) return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem)) return;
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (lpMeasureItemStruct->CtlType != ODT_MENU) {
        HWND hWndChild = ::GetDlgItem(m_hWnd, nIDCtl);
        if (hWndChild != NULL && ReflectLastMsg(hWndChild)) return;
    }
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct) {
    LRESULT lResult;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult)) return (int)lResult;
    return (int)Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct) {
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem)) return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam) {
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) && ReflectLastMsg((HWND)lParam)) return;
    Default();
}

// ---------------------------------------------------------------------------------------------
// Window classes

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    thread_local char szName[96];
    HINSTANCE hInst = AfxGetInstanceHandle();
    wsprintfA(szName, "Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor, (void*)hbrBackground,
              (void*)hIcon);
    WNDCLASSA wc;
    if (::GetClassInfoA(hInst, szName, &wc)) return szName;
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.cbClsExtra = wc.cbWndExtra = 0;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszMenuName = NULL;
    wc.lpszClassName = szName;
    if (!::RegisterClassA(&wc)) {
        // Another thread is registering the same class: it is there once that thread is done.
        if (::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) AfxThrowResourceException();
        for (int nTries = 0; !::GetClassInfoA(hInst, szName, &wc); ++nTries) {
            if (nTries == 1000) AfxThrowResourceException();
            ::Sleep(1);
        }
    }
    return szName;
}
