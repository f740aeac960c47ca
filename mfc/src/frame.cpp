// Frame windows: the frame and its layout, command routing and idle updates, the mini frame;
// the command-UI state and the window helpers frames rely on.
#include <afxpriv.h>

// ---------------------------------------------------------------------------------------------
// CWnd: relations to frames, descendants, dialog controls

BOOL CWnd::IsFrameWnd() const { return FALSE; }

CFrameWnd* CWnd::GetParentFrame() const {
    if (m_hWnd == NULL) return NULL;
    for (HWND h = ::GetParent(m_hWnd); h != NULL; h = ::GetParent(h)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(h);
        if (pWnd != NULL && pWnd->IsFrameWnd()) return (CFrameWnd*)pWnd;
    }
    return NULL;
}

CFrameWnd* CWnd::GetTopLevelFrame() const {
    if (m_hWnd == NULL) return NULL;
    CFrameWnd* pFrame = IsFrameWnd() ? (CFrameWnd*)this : GetParentFrame();
    for (CFrameWnd* pNext = pFrame != NULL ? pFrame->GetParentFrame() : NULL; pNext != NULL;
         pNext = pNext->GetParentFrame())
        pFrame = pNext;
    return pFrame;
}

static CWnd* FindDescendant(HWND hWnd, int nID, BOOL bOnlyPerm) {
    // Children first, then their children; a child's own child of the same id (a splitter's
    // first pane) comes before it.
    for (HWND h = ::GetWindow(hWnd, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(h) != nID) continue;
        if (HWND hInner = ::GetDlgItem(h, nID))
            if (CWnd* pInner = bOnlyPerm ? CWnd::FromHandlePermanent(hInner) : CWnd::FromHandle(hInner)) return pInner;
        CWnd* pWnd = bOnlyPerm ? CWnd::FromHandlePermanent(h) : CWnd::FromHandle(h);
        if (pWnd != NULL) return pWnd;
    }
    for (HWND h = ::GetWindow(hWnd, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
        if (CWnd* pWnd = FindDescendant(h, nID, bOnlyPerm)) return pWnd;
    return NULL;
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const { return FindDescendant(m_hWnd, nID, bOnlyPerm); }

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType) {
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == adjustBorder) dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

static void SendToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm) {
    for (HWND h = ::GetWindow(hWnd, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (!bOnlyPerm || CWnd::FromHandlePermanent(h) != NULL) ::SendMessageA(h, message, wParam, lParam);
        // The child may have gone while handling the message.
        if (bDeep && ::IsWindow(h)) SendToDescendants(h, message, wParam, lParam, bDeep, bOnlyPerm);
        if (!::IsWindow(h)) break;
    }
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm) {
    SendToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    CCmdUI state;
    CWnd wndTemp;
    for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT)) {
        wndTemp.m_hWnd = h;
        state.m_nID = (UINT)::GetDlgCtrlID(h);
        state.m_pOther = &wndTemp;
        // Check boxes and radio buttons that check themselves keep working without a handler.
        BOOL bDisable = bDisableIfNoHndler;
        if (bDisable && (::SendMessageA(h, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)) {
            const UINT nType = (UINT)::GetWindowLongA(h, GWL_STYLE) & 0x0F;
            if (nType == BS_AUTOCHECKBOX || nType == BS_AUTO3STATE || nType == BS_AUTORADIOBUTTON) bDisable = FALSE;
        }
        state.DoUpdate(pTarget, bDisable);
    }
    wndTemp.m_hWnd = NULL;
}

// ---------------------------------------------------------------------------------------------
// CCmdUI

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(NULL), m_pSubMenu(NULL), m_pOther(NULL), m_bEnableChanged(FALSE),
      m_bContinueRouting(FALSE), m_nIndexMax(0) {}

void CCmdUI::Enable(BOOL bOn) {
    if (m_pOther != NULL) {
        // A control that loses its enabled state passes the focus on first.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd) ::SendMessageA(::GetParent(m_pOther->m_hWnd), WM_NEXTDLGCTL, 0, FALSE);
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
    if (m_pOther != NULL && (::SendMessageA(m_pOther->m_hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
        m_pOther->SendMessage(BM_SETCHECK, (WPARAM)nCheck);
}

void CCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CCmdUI::SetText(LPCSTR lpszText) {
    if (m_pOther == NULL) return;
    CString strOld;
    m_pOther->GetWindowText(strOld);
    if (strOld != lpszText) m_pOther->SetWindowText(lpszText);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF) return TRUE;  // not a command
    m_bEnableChanged = FALSE;
    const BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, NULL);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info = {NULL, NULL};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return bResult;
}

// ---------------------------------------------------------------------------------------------
// Idle time: the thread's frames update their layout, titles and bars.

namespace {
BOOL CALLBACK DestroyFloatingFrame(HWND hWnd, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != NULL && ::GetWindow(hWnd, GW_OWNER) == (HWND)lParam && pWnd->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
        pWnd->DestroyWindow();
    return TRUE;
}

BOOL CALLBACK IdleUpdateFrame(HWND hWnd, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL || !pWnd->IsFrameWnd() || !pWnd->IsWindowVisible() || (HWND)lParam == hWnd) return TRUE;
    pWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    pWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    return TRUE;
}
}  // namespace

// The main window (frame or not) and every visible top-level frame of this thread.
void AFXAPI AfxIdleUpdateCmdUI(CWnd* pMainWnd) {
    HWND hMain = pMainWnd->GetSafeHwnd();
    if (hMain != NULL && ::IsWindowVisible(hMain)) {
        pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
        pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
    ::EnumThreadWindows(::GetCurrentThreadId(), &IdleUpdateFrame, (LPARAM)hMain);
}

// ---------------------------------------------------------------------------------------------
// CFrameWnd

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_ACTIVATE()
    ON_WM_SETFOCUS()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd()
    : m_pFloatingFrameClass(RUNTIME_CLASS(CMiniDockFrameWnd)), m_hAccelTable(NULL), m_hMenuDefault(NULL),
      m_bAutoMenuEnable(TRUE), m_nIdleFlags(0), m_pViewActive(NULL), m_bInRecalcLayout(FALSE) {}

CFrameWnd::~CFrameWnd() {
    if (m_hAccelTable != NULL) ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    // A frame as a child window of another keeps to its own area.
    if (cs.style & WS_CHILD) cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext) {
    HMENU hMenu = NULL;
    if (lpszMenuName != NULL) {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, (LPCSTR)RT_MENU);
        hMenu = ::LoadMenuA(hInst, lpszMenuName);
        if (hMenu == NULL) return FALSE;
    }
    m_strTitle = lpszWindowName;
    if (!CWnd::CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                        rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenu,
                        (LPVOID)pContext)) {
        if (hMenu != NULL) ::DestroyMenu(hMenu);
        return FALSE;
    }
    m_hMenuDefault = hMenu;
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext) {
    LPCSTR lpszResource = MAKEINTRESOURCEA(nIDResource);
    CString strTitle;
    if (strTitle.LoadString(nIDResource)) {
        const int nEnd = strTitle.Find('\n');
        if (nEnd >= 0) strTitle = strTitle.Left(nEnd);
    }
    HINSTANCE hIconInst = AfxFindResourceHandle(lpszResource, (LPCSTR)RT_GROUP_ICON);
    HICON hIcon = ::FindResourceA(hIconInst, lpszResource, (LPCSTR)RT_GROUP_ICON) != NULL
                      ? ::LoadIconA(hIconInst, lpszResource)
                      : NULL;
    LPCSTR lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1), hIcon);
    HINSTANCE hMenuInst = AfxFindResourceHandle(lpszResource, (LPCSTR)RT_MENU);
    LPCSTR lpszMenu = ::FindResourceA(hMenuInst, lpszResource, (LPCSTR)RT_MENU) != NULL ? lpszResource : NULL;
    CString strClass = lpszClass;  // the registration's name buffer is reused by the next call
    if (!Create(strClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext)) return FALSE;
    HINSTANCE hAccelInst = AfxFindResourceHandle(lpszResource, (LPCSTR)RT_ACCELERATOR);
    if (::FindResourceA(hAccelInst, lpszResource, (LPCSTR)RT_ACCELERATOR) != NULL) LoadAccelTable(lpszResource);
    // Without a context nobody else tells the views that they are about to be shown.
    if (pContext == NULL) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCSTR lpszResourceName) {
    if (m_hAccelTable != NULL) return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_ACCELERATOR);
    m_hAccelTable = ::LoadAcceleratorsA(hInst, lpszResourceName);
    return m_hAccelTable != NULL;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    if (pContext == NULL || pContext->m_pNewViewClass == NULL) return NULL;
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    CWnd* pView = pObject != NULL && pObject->IsKindOf(RUNTIME_CLASS(CWnd)) ? (CWnd*)pObject : NULL;
    if (pView == NULL) {
        delete pObject;
        return NULL;
    }
    // A view whose creation fails deletes itself (PostNcDestroy).
    if (!pView->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext)) return NULL;
    // The view draws its own edge; the frame needs none.
    if (pView->GetExStyle() & WS_EX_CLIENTEDGE) ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return pView;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    if (pContext != NULL && pContext->m_pNewViewClass != NULL) {
        CWnd* pView = CreateView(pContext, AFX_IDW_PANE_FIRST);
        if (pView == NULL) return FALSE;
    }
    return TRUE;
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    if (!OnCreateClient(lpcs, pContext)) return -1;
    RecalcLayout();
    return 0;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs) {
    return OnCreateHelper(lpcs, (CCreateContext*)lpcs->lpCreateParams);
}

void CFrameWnd::OnDestroy() {
    m_pViewActive = NULL;
    // Floating frames of this frame's bars go with it.
    ::EnumThreadWindows(::GetCurrentThreadId(), &DestroyFloatingFrame, (LPARAM)m_hWnd);
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy() { delete this; }

void CFrameWnd::RecalcLayout(BOOL /*bNotify*/) {
    if (m_bInRecalcLayout || m_hWnd == NULL) return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify) { m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0); }

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED) RecalcLayout();
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    if (m_nIdleFlags & idleLayout) RecalcLayout((m_nIdleFlags & idleNotify) != 0);
    if (m_nIdleFlags & idleTitle) OnUpdateFrameTitle(TRUE);
    m_nIdleFlags = 0;
    return 0;
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC) {
    // A view covering the client area paints it: erasing under it would only flicker.
    if (m_pViewActive != NULL && ::IsWindowVisible(m_pViewActive->m_hWnd)) return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    if (m_pViewActive != NULL) m_pViewActive->OnActivateFrame(nState, this);
    if (nState != WA_INACTIVE && !bMinimized && m_pViewActive != NULL)
        m_pViewActive->OnActivateView(TRUE, m_pViewActive, m_pViewActive);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
    // The focus belongs to the active view.
    if (m_pViewActive != NULL && ::IsWindow(m_pViewActive->m_hWnd)) m_pViewActive->SetFocus();
    else CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld) return;
    m_pViewActive = NULL;
    if (bNotify && pViewOld != NULL) pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew != NULL) pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument() {
    return m_pViewActive != NULL ? m_pViewActive->GetDocument() : NULL;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
    CView* pView = NULL;
    if (m_pViewActive == NULL) {
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CView))) {
            pView = (CView*)pWnd;
            SetActiveView(pView, FALSE);
        }
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        if (pView != NULL) pView->OnActivateFrame(WA_INACTIVE, this);
        ActivateFrame();
        if (pView != NULL) pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != NULL) pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
    if (nCmdShow == -1) {
        if (!IsWindowVisible()) nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic()) nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1) ShowWindow(nCmdShow);
    if (!(GetStyle() & WS_CHILD)) BringWindowToTop();
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    if (!(GetStyle() & FWS_ADDTOTITLE)) return;
    CString strText = m_strTitle;
    CDocument* pDoc = GetActiveDocument();
    if (bAddToTitle && pDoc != NULL && !pDoc->GetTitle().IsEmpty()) {
        if (GetStyle() & FWS_PREFIXTITLE) strText = pDoc->GetTitle() + " - " + m_strTitle;
        else strText = m_strTitle + " - " + pDoc->GetTitle();
    }
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strText) SetWindowText(strText);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    if (m_hAccelTable != NULL && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
    return FALSE;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (m_pViewActive != NULL && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---------------------------------------------------------------------------------------------
// CFrameWnd: control bars

void CFrameWnd::AddControlBar(CControlBar* pBar) {
    if (m_listControlBars.Find(pBar) == NULL) m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
    POSITION pos = m_listControlBars.Find(pBar);
    if (pos != NULL) m_listControlBars.RemoveAt(pos);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) {
    if (nID == 0) return NULL;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL;) {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->m_hWnd != NULL && (UINT)pBar->GetDlgCtrlID() == nID) return pBar;
    }
    return NULL;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
    pBar->SetWindowPos(NULL, 0, 0, 0, 0,
                       SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                           (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    CFrameWnd* pFrame = pBar->GetParentFrame();
    if (pFrame == NULL) return;
    if (bDelay) pFrame->DelayRecalcLayout();
    else pFrame->RecalcLayout();
    if (pFrame != this) {
        // A floating frame shows with its last visible bar and hides without one.
        CMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, pFrame);
        if (pMini != NULL) pMini->ShowWindow(pMini->m_wndDockBar.GetDockedVisibleCount() > 0 ? SW_SHOWNA : SW_HIDE);
    }
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle) {
    static const struct {
        DWORD dwAlign;
        UINT nID;
    } sides[4] = {{CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
                  {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
                  {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
                  {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT}};
    for (const auto& side : sides) {
        if (!(dwDockStyle & side.dwAlign) || GetControlBar(side.nID) != NULL) continue;
        CDockBar* pDock = new CDockBar;
        pDock->m_bAutoDelete = TRUE;
        if (!pDock->Create(this, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | side.dwAlign, side.nID))
            delete pDock;
    }
    RecalcLayout();
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
    if (pBar == NULL || pBar->m_hWnd == NULL) return;
    if (nDockBarID == 0) {
        static const UINT ids[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT,
                                    AFX_IDW_DOCKBAR_RIGHT};
        static const DWORD aligns[4] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};
        for (int i = 0; i < 4 && nDockBarID == 0; ++i)
            if ((pBar->m_dwDockStyle & aligns[i]) && GetControlBar(ids[i]) != NULL) nDockBarID = ids[i];
    }
    CDockBar* pDockBar = DYNAMIC_DOWNCAST(CDockBar, GetControlBar(nDockBarID));
    if (pDockBar == NULL || !pDockBar->IsDockBar()) return;
    pDockBar->DockControlBar(pBar, lpRect);
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle) {
    CObject* pObject = m_pFloatingFrameClass != NULL ? m_pFloatingFrameClass->CreateObject() : NULL;
    CMiniDockFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, pObject);
    if (pFrame == NULL) {
        delete pObject;
        return NULL;
    }
    if (!pFrame->Create(this, dwStyle)) return NULL;  // a failed window deletes its object
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
    if (pBar == NULL || pBar->m_hWnd == NULL) return;
    if (pBar->IsFloating()) {
        // Already floating: only its frame moves.
        CFrameWnd* pFrame = pBar->GetParentFrame();
        if (pFrame != NULL)
            pFrame->SetWindowPos(NULL, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    CMiniDockFrameWnd* pDockFrame = CreateFloatingFrame(dwStyle & CBRS_ALIGN_ANY);
    if (pDockFrame == NULL) return;
    pDockFrame->SetWindowPos(NULL, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pDockFrame->m_wndDockBar.DockControlBar(pBar);
    pDockFrame->RecalcLayout();
    pDockFrame->ShowWindow(SW_SHOWNA);
    pDockFrame->UpdateWindow();
    if (pBar->m_pDockContext != NULL) pBar->m_pDockContext->m_ptMRUFloatPos = point;
}

// ---------------------------------------------------------------------------------------------
// CMiniFrameWnd

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

CMiniFrameWnd::CMiniFrameWnd() {}
CMiniFrameWnd::~CMiniFrameWnd() {}

BOOL CMiniFrameWnd::Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID) {
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID) {
    m_strTitle = lpWindowName;
    // A popup has no id: nID is kept only for child mini frames.
    HMENU hMenu = (dwStyle & WS_CHILD) ? (HMENU)(UINT_PTR)nID : NULL;
    return CWnd::CreateEx(dwExStyle, lpClassName, lpWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                          rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenu);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (cs.style & MFS_THICKFRAME) cs.style |= WS_THICKFRAME;
    cs.style &= ~(MFS_THICKFRAME | MFS_4THICKFRAME | MFS_MOVEFRAME | MFS_SYNCACTIVE | MFS_BLOCKSYSMENU);
    cs.dwExStyle |= WS_EX_TOOLWINDOW;
    return CFrameWnd::PreCreateWindow(cs);
}
