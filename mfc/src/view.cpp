// Views and documents: the view, the scrolling view, the form view over a dialog template, the
// document, and data exchange with dialog controls.
#include <afxpriv.h>

#include <algorithm>

// ---------------------------------------------------------------------------------------------
// CWnd: its own scroll bars, dialog templates, data exchange

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) {
    CScrollBar* pBar = GetScrollBarCtrl(nBar);
    if (pBar != NULL) return ::SetScrollPos(((CWnd*)pBar)->m_hWnd, SB_CTL, nPos, bRedraw);
    return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    CScrollBar* pBar = GetScrollBarCtrl(nBar);
    if (pBar != NULL) ::SetScrollInfo(((CWnd*)pBar)->m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
    else ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) {
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    CScrollBar* pBar = GetScrollBarCtrl(nBar);
    if (pBar != NULL) return ::GetScrollInfo(((CWnd*)pBar)->m_hWnd, SB_CTL, lpScrollInfo);
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

BOOL CWnd::CreateDlg(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, (LPCSTR)RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, (LPCSTR)RT_DIALOG);
    HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    LPCDLGTEMPLATEA lpTemplate = hTemplate != NULL ? (LPCDLGTEMPLATEA)::LockResource(hTemplate) : NULL;
    if (lpTemplate == NULL) return FALSE;
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CDataExchange*) {
        // Fail(): the control that failed has the focus; nothing more was exchanged.
        if (dx.m_hWndLastControl != NULL && bSaveAndValidate) ::SetFocus(dx.m_hWndLastControl);
        return FALSE;
    }
    return TRUE;
}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(NULL), m_bEditLastControl(FALSE) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    if (hWndCtrl == NULL) Fail();
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail() { throw this; }

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != NULL) return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl)) pDX->Fail();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        const int nLen = ::GetWindowTextLengthA(hWndCtrl);
        ::GetWindowTextA(hWndCtrl, value.GetBufferSetLength(nLen), nLen + 1);
        value.ReleaseBuffer();
    } else {
        ::SetWindowTextA(hWndCtrl, value);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        char buf[64];
        ::GetWindowTextA(hWndCtrl, buf, sizeof buf);
        char* pEnd = NULL;
        const long n = std::strtol(buf, &pEnd, 10);
        if (pEnd == buf) pDX->Fail();  // not a number: the member keeps its value
        value = (int)n;
    } else {
        char buf[32];
        wsprintfA(buf, "%d", value);
        ::SetWindowTextA(hWndCtrl, buf);
    }
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) value = (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0);
    else ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
}

// ---------------------------------------------------------------------------------------------
// CView

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::CView() : m_pDocument(NULL) {}

CView::~CView() {
    if (m_pDocument != NULL) m_pDocument->RemoveView(this);
}

void CView::PostNcDestroy() { delete this; }

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs) {
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    // A bordered view draws the sunken edge of the system.
    if (cs.style & WS_BORDER) {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~WS_BORDER;
    }
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpcs) {
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    CCreateContext* pContext = (CCreateContext*)lpcs->lpCreateParams;
    if (pContext != NULL && pContext->m_pCurrentDoc != NULL) pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy() {
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL && pFrame->GetActiveView() == this) pFrame->SetActiveView(NULL, FALSE);
    CWnd::OnDestroy();
}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM) {
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate() { OnUpdate(NULL, 0, NULL); }

void CView::OnUpdate(CView* pSender, LPARAM, CObject*) {
    if (pSender != this) Invalidate(TRUE);
}

void CView::OnPrepareDC(CDC*, CPrintInfo*) {}

BOOL CView::IsSelected(const CObject*) const { return FALSE; }

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*) {
    // The view takes the focus when its frame is the active window.
    if (bActivate && pActivateView == this && m_hWnd != NULL) {
        CWnd* pTop = GetTopLevelParent();
        if (pTop != NULL && pTop->m_hWnd == ::GetActiveWindow() && !::IsChild(m_hWnd, ::GetFocus())) SetFocus();
    }
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
    const int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT) return nResult;
    // A click makes the view the active one of its frame.
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL) pFrame->SetActiveView(this);
    return nResult;
}

CScrollBar* CView::GetScrollBarCtrl(int nBar) const {
    CSplitterWnd* pSplitter = DYNAMIC_DOWNCAST(CSplitterWnd, CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    int row = 0, col = 0;
    if (pSplitter == NULL || !pSplitter->IsChildPane(const_cast<CView*>(this), &row, &col)) return NULL;
    const DWORD dwStyle = pSplitter->GetScrollStyle();
    UINT nID = 0;
    if (nBar == SB_HORZ && (dwStyle & WS_HSCROLL)) nID = AFX_IDW_HSCROLL_FIRST + col;
    else if (nBar == SB_VERT && (dwStyle & WS_VSCROLL)) nID = AFX_IDW_VSCROLL_FIRST + row;
    HWND hBar = nID != 0 ? ::GetDlgItem(pSplitter->m_hWnd, nID) : NULL;
    return hBar != NULL ? (CScrollBar*)CWnd::FromHandle(hBar) : NULL;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return m_pDocument != NULL && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---------------------------------------------------------------------------------------------
// CScrollView

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = {0, 0};

CScrollView::CScrollView() : m_nMapMode(0), m_bInsideUpdate(FALSE) {}
CScrollView::~CScrollView() {}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine) {
    m_nMapMode = nMapMode;
    m_totalLog = CSize(std::max<LONG>(0, sizeTotal.cx), std::max<LONG>(0, sizeTotal.cy));
    m_pageSet = sizePage;
    m_lineSet = sizeLine;
    if (m_hWnd != NULL) {
        UpdateBars();
        Invalidate(TRUE);
    }
}

void CScrollView::UpdateBars() {
    if (m_bInsideUpdate || m_hWnd == NULL || m_nMapMode == 0) return;
    m_bInsideUpdate = TRUE;
    // The client area without scroll bars, then the bars the total needs.
    // Shared scroll bars (a splitter's) take no room from the view.
    CScrollBar* pSharedH = GetScrollBarCtrl(SB_HORZ);
    CScrollBar* pSharedV = GetScrollBarCtrl(SB_VERT);
    CRect rc;
    GetClientRect(&rc);
    CSize client = rc.Size();
    const DWORD dwStyle = GetStyle();
    const int cxV = pSharedV != NULL ? 0 : ::GetSystemMetrics(SM_CXVSCROLL);
    const int cyH = pSharedH != NULL ? 0 : ::GetSystemMetrics(SM_CYHSCROLL);
    if (dwStyle & WS_VSCROLL) client.cx += ::GetSystemMetrics(SM_CXVSCROLL);
    if (dwStyle & WS_HSCROLL) client.cy += ::GetSystemMetrics(SM_CYHSCROLL);
    BOOL bNeedH = m_totalLog.cx > client.cx, bNeedV = m_totalLog.cy > client.cy;
    if (bNeedH && !bNeedV) bNeedV = m_totalLog.cy > client.cy - cyH;
    if (bNeedV && !bNeedH) bNeedH = m_totalLog.cx > client.cx - cxV;
    if (bNeedV) client.cx -= cxV;
    if (bNeedH) client.cy -= cyH;

    m_pageDev = CSize(m_pageSet.cx > 0 ? m_pageSet.cx : client.cx, m_pageSet.cy > 0 ? m_pageSet.cy : client.cy);
    m_lineDev = CSize(m_lineSet.cx > 0 ? m_lineSet.cx : std::max<LONG>(1, m_totalLog.cx / 100),
                      m_lineSet.cy > 0 ? m_lineSet.cy : std::max<LONG>(1, m_totalLog.cy / 100));

    // Keep the position inside the new range.
    const CPoint ptMax(std::max<LONG>(0, m_totalLog.cx - client.cx), std::max<LONG>(0, m_totalLog.cy - client.cy));
    const CPoint ptNew(bNeedH ? std::min(m_ptScroll.x, ptMax.x) : 0, bNeedV ? std::min(m_ptScroll.y, ptMax.y) : 0);
    if (ptNew != m_ptScroll) {
        ScrollWindow(m_ptScroll.x - ptNew.x, m_ptScroll.y - ptNew.y);
        m_ptScroll = ptNew;
    }
    SCROLLINFO si = {sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    // A shared bar stays and is only disabled when there is nothing to scroll.
    if (pSharedH != NULL) pSharedH->EnableWindow(bNeedH);
    else ShowScrollBar(SB_HORZ, bNeedH);
    if (bNeedH) {
        si.nMax = m_totalLog.cx - 1;
        si.nPage = (UINT)client.cx;
        si.nPos = m_ptScroll.x;
        SetScrollInfo(SB_HORZ, &si, TRUE);
    }
    if (pSharedV != NULL) pSharedV->EnableWindow(bNeedV);
    else ShowScrollBar(SB_VERT, bNeedV);
    if (bNeedV) {
        si.nMax = m_totalLog.cy - 1;
        si.nPage = (UINT)client.cy;
        si.nPos = m_ptScroll.y;
        SetScrollInfo(SB_VERT, &si, TRUE);
    }
    m_bInsideUpdate = FALSE;
}

void CScrollView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    CView::OnPrepareDC(pDC, pInfo);
    if (m_nMapMode != 0) pDC->SetViewportOrg(-m_ptScroll.x, -m_ptScroll.y);
}

void CScrollView::ScrollToPosition(POINT pt) {
    OnScrollBy(CSize(pt.x - m_ptScroll.x, pt.y - m_ptScroll.y), TRUE);
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll) {
    // Only along an axis with a bar, its own or a shared one.
    const DWORD dwStyle = GetStyle();
    const BOOL bHorz = (dwStyle & WS_HSCROLL) || GetScrollBarCtrl(SB_HORZ) != NULL;
    const BOOL bVert = (dwStyle & WS_VSCROLL) || GetScrollBarCtrl(SB_VERT) != NULL;
    if (!bHorz) sizeScroll.cx = 0;
    if (!bVert) sizeScroll.cy = 0;
    CRect rc;
    GetClientRect(&rc);
    const CPoint ptMax(std::max<LONG>(0, m_totalLog.cx - rc.Width()), std::max<LONG>(0, m_totalLog.cy - rc.Height()));
    const CPoint ptNew(std::max<LONG>(0, std::min<LONG>(ptMax.x, m_ptScroll.x + sizeScroll.cx)),
                       std::max<LONG>(0, std::min<LONG>(ptMax.y, m_ptScroll.y + sizeScroll.cy)));
    if (ptNew == m_ptScroll) return FALSE;
    if (bDoScroll) {
        ScrollWindow(m_ptScroll.x - ptNew.x, m_ptScroll.y - ptNew.y);
        m_ptScroll = ptNew;
        if (bHorz) SetScrollPos(SB_HORZ, ptNew.x);
        if (bVert) SetScrollPos(SB_VERT, ptNew.y);
    }
    return TRUE;
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll) {
    auto delta = [](UINT nCode, UINT nThumb, LONG pos, LONG page, LONG line, LONG total) -> LONG {
        switch (nCode) {
        case SB_TOP: return -pos;
        case SB_BOTTOM: return total - pos;
        case SB_LINEUP: return -line;
        case SB_LINEDOWN: return line;
        case SB_PAGEUP: return -page;
        case SB_PAGEDOWN: return page;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: return (LONG)nThumb - pos;
        default: return 0;
        }
    };
    CSize size(delta(LOBYTE(nScrollCode), nPos, m_ptScroll.x, m_pageDev.cx, m_lineDev.cx, m_totalLog.cx),
               delta(HIBYTE(nScrollCode), nPos, m_ptScroll.y, m_pageDev.cy, m_lineDev.cy, m_totalLog.cy));
    return OnScrollBy(size, bDoScroll);
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (pScrollBar != NULL && pScrollBar->GetSafeHwnd() != GetScrollBarCtrl(SB_HORZ)->GetSafeHwnd()) {
        CView::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    OnScroll(MAKEWORD(nSBCode, 0xFF), nPos);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (pScrollBar != NULL && pScrollBar->GetSafeHwnd() != GetScrollBarCtrl(SB_VERT)->GetSafeHwnd()) {
        CView::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    OnScroll(MAKEWORD(0xFF, nSBCode), nPos);
}

void CScrollView::ResizeParentToFit(BOOL bShrinkOnly) {
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == NULL || m_nMapMode == 0) return;
    // How much the client area differs from the total, without scroll bars.
    CRect rc;
    GetClientRect(&rc);
    CSize client = rc.Size();
    if (GetStyle() & WS_VSCROLL) client.cx += ::GetSystemMetrics(SM_CXVSCROLL);
    if (GetStyle() & WS_HSCROLL) client.cy += ::GetSystemMetrics(SM_CYHSCROLL);
    CSize delta(m_totalLog.cx - client.cx, m_totalLog.cy - client.cy);
    if (bShrinkOnly) {
        delta.cx = std::min<LONG>(0, delta.cx);
        delta.cy = std::min<LONG>(0, delta.cy);
    }
    if (delta == CSize(0, 0)) return;
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    pFrame->SetWindowPos(NULL, 0, 0, rcFrame.Width() + delta.cx, rcFrame.Height() + delta.cy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->RecalcLayout();
}

// ---------------------------------------------------------------------------------------------
// CFormView

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CFormView::CFormView(LPCSTR lpszTemplateName)
    : m_lpszTemplateName(lpszTemplateName), m_pCreateContext(NULL), m_hWndFocus(NULL) {}

CFormView::CFormView(UINT nIDTemplate)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pCreateContext(NULL), m_hWndFocus(NULL) {}

CFormView::~CFormView() {}

BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD dwRequestedStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                       CCreateContext* pContext) {
    CREATESTRUCTA cs = {};
    cs.style = dwRequestedStyle != 0 ? dwRequestedStyle : AFX_WS_DEFAULT_VIEW;
    if (!PreCreateWindow(cs)) return FALSE;

    m_pCreateContext = pContext;
    const BOOL bCreated = CreateDlg(m_lpszTemplateName, pParentWnd);
    m_pCreateContext = NULL;
    if (!bCreated) return FALSE;

    // The requested edges replace the template's; the id is the pane's.
    ModifyStyle(WS_BORDER | WS_CAPTION, cs.style & (WS_BORDER | WS_CAPTION));
    ModifyStyleEx(WS_EX_CLIENTEDGE, cs.dwExStyle & WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    SetDlgCtrlID((int)nID);
    CRect rectTemplate;
    GetWindowRect(&rectTemplate);
    SetScrollSizes(MM_TEXT, rectTemplate.Size());
    SetWindowPos(NULL, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (cs.style & WS_VISIBLE) ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCT lpcs) {
    // The dialog manager knows nothing of the context: the view gets the one Create was given.
    CREATESTRUCTA cs = *lpcs;
    cs.lpCreateParams = m_pCreateContext;
    return CScrollView::OnCreate(&cs);
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}

void CFormView::OnSetFocus(CWnd* pOldWnd) {
    // The focus goes on to the control that had it last, else to the first one that takes it.
    if (m_hWndFocus != NULL && ::IsWindow(m_hWndFocus) && ::IsChild(m_hWnd, m_hWndFocus)) {
        ::SetFocus(m_hWndFocus);
        return;
    }
    HWND hFirst = ::GetNextDlgTabItem(m_hWnd, NULL, FALSE);
    if (hFirst != NULL && hFirst != m_hWnd) ::SetFocus(hFirst);
    else CScrollView::OnSetFocus(pOldWnd);
}

void CFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    if (!bActivate) {
        HWND hFocus = ::GetFocus();
        if (hFocus != NULL && ::IsChild(m_hWnd, hFocus)) m_hWndFocus = hFocus;
    }
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg) {
    if (CScrollView::PreTranslateMessage(pMsg)) return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
    // Keys of the form's controls: dialog navigation.
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

// ---------------------------------------------------------------------------------------------
// CDocument

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::CDocument() : m_bAutoDelete(TRUE), m_bModified(FALSE) {}

CDocument::~CDocument() {
    // Views outlive a deleted document without pointing to it.
    while (!m_viewList.IsEmpty()) ((CView*)m_viewList.RemoveHead())->m_pDocument = NULL;
}

void CDocument::SetTitle(LPCSTR lpszTitle) {
    m_strTitle = lpszTitle;
    for (POSITION pos = GetFirstViewPosition(); pos != NULL;) {
        CView* pView = GetNextView(pos);
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != NULL) pFrame->OnUpdateFrameTitle(TRUE);
    }
}

CView* CDocument::GetNextView(POSITION& rPosition) const {
    return (CView*)const_cast<CPtrList&>(m_viewList).GetNext(rPosition);
}

void CDocument::AddView(CView* pView) {
    if (pView->m_pDocument == this) return;
    if (pView->m_pDocument != NULL) pView->m_pDocument->RemoveView(pView);
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
    POSITION pos = m_viewList.Find(pView);
    if (pos == NULL) return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = NULL;
    OnChangedViewList();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
    for (POSITION pos = GetFirstViewPosition(); pos != NULL;) {
        CView* pView = GetNextView(pos);
        if (pView != pSender) pView->OnUpdate(pSender, lHint, pHint);
    }
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::DeleteContents() {}
void CDocument::UpdateFrameCounts() {}

void CDocument::OnChangedViewList() {
    if (m_viewList.IsEmpty() && m_bAutoDelete) OnCloseDocument();
}

void CDocument::OnCloseDocument() {
    // The frames of the views go; the document is deleted after them, once.
    const BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty()) {
        CView* pView = (CView*)m_viewList.GetHead();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != NULL && ::IsWindow(pFrame->m_hWnd)) {
            pFrame->DestroyWindow();
        }
        // A view that survived its frame (or has none) leaves the document all the same.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView) RemoveView(pView);
    }
    DeleteContents();
    m_bAutoDelete = bAutoDelete;
    if (bAutoDelete) delete this;
}
