// Frames, views and documents: the frame window with its control bars and view, the mini frame,
// the view, the scrolling view, a minimal document and data exchange with dialog controls.
// Included by afxwin.h.
#pragma once
#include "afxtempl.h"

class CControlBar;
class CMiniDockFrameWnd;
class CDocTemplate;  // document templates are not offered
struct CPrintInfo;   // printing is not offered: views are given NULL

// Frame window styles (the low word of a frame's window style)
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L
// Mini frame styles
#define MFS_SYNCACTIVE 0x00000100L
#define MFS_4THICKFRAME 0x00000200L
#define MFS_THICKFRAME 0x00000400L
#define MFS_MOVEFRAME 0x00000800L
#define MFS_BLOCKSYSMENU 0x00001000L

#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

// What a frame makes its client from: the class of its view and the document the view shows.
struct CCreateContext {
    CRuntimeClass* m_pNewViewClass;
    CDocument* m_pCurrentDoc;
    CDocTemplate* m_pNewDocTemplate;
    CView* m_pLastView;
    CFrameWnd* m_pCurrentFrame;
    CCreateContext() : m_pNewViewClass(NULL), m_pCurrentDoc(NULL), m_pNewDocTemplate(NULL), m_pLastView(NULL),
                       m_pCurrentFrame(NULL) {}
};

// ---------------------------------------------------------------------------------------------
// Frame windows

// A frame: control bars along its edges, the view (id AFX_IDW_PANE_FIRST) in the rest of its
// client area, command routing to the active view first. Frames are made with new: a frame
// deletes itself when its window is destroyed.
class AFX_API CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;  // the system's default place and size

    CFrameWnd();
    virtual ~CFrameWnd();

    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCSTR lpszMenuName = NULL,
                        DWORD dwExStyle = 0, CCreateContext* pContext = NULL);
    // Creates the frame with the resources of id nIDResource that exist: the title (the string's
    // text up to its first '\n'), the icon, the menu and the accelerators.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    // Creates a view of pContext->m_pNewViewClass as the child nID.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    BOOL LoadAccelTable(LPCSTR lpszResourceName);

    // Views and documents
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame() { return this; }
    // Makes the pane view active, sends WM_INITIALUPDATE to the descendants and shows the frame
    // (bMakeVisible), then updates the title.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);

    // Layout and control bars
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Asks for RecalcLayout at the next idle time.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    // Creates the dock bars of the sides in dwDockStyle (CBRS_ALIGN_*).
    void EnableDocking(DWORD dwDockStyle);
    // Docks a bar in the dock bar nDockBarID (0: the first side both allow: top, bottom, left,
    // right), taking it out of a floating frame if it was floating.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    // Puts a bar into a new floating frame of m_pFloatingFrameClass at point (screen).
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    CControlBar* GetControlBar(UINT nID);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // A new floating frame (NULL when it cannot be made).
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);

    virtual BOOL IsFrameWnd() const { return TRUE; }
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // The active view first, then the frame, then the application.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    CRuntimeClass* m_pFloatingFrameClass;  // class of the frames of floating bars
    CPtrList m_listControlBars;            // the bars docked in this frame or floating from it
    CRect m_rectBorder;                    // widths kept free around the view
    HACCEL m_hAccelTable;
    HMENU m_hMenuDefault;
    CString m_strTitle;
    BOOL m_bAutoMenuEnable;
    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
    UINT m_nIdleFlags;

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    virtual void PostNcDestroy();

    CView* m_pViewActive;
    BOOL m_bInRecalcLayout;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
    friend class CView;
};

// A frame with a tool-window caption, owned by another window.
class AFX_API CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();
    virtual ~CMiniFrameWnd();
    BOOL Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd = NULL,
                UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd = NULL, UINT nID = 0);
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
};

// ---------------------------------------------------------------------------------------------
// Views

// A child of a frame that shows a document. Views are made with new (usually by their run-time
// class) and delete themselves when their window is destroyed.
class AFX_API CView : public CWnd {
    DECLARE_DYNAMIC(CView)
protected:
    CView();

public:
    virtual ~CView();
    CDocument* GetDocument() const { return m_pDocument; }
    virtual BOOL IsSelected(const CObject* pDocItem) const;

    // Called once, by WM_INITIALUPDATE, before the view is first shown: OnUpdate(NULL, 0, NULL).
    virtual void OnInitialUpdate();
    // The document changed: the default repaints the view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL);
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    // A pane of a splitter with shared scroll bars scrolls with them.
    virtual CScrollBar* GetScrollBarCtrl(int nBar) const;

    CDocument* m_pDocument;

protected:
    virtual void PostNcDestroy();
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// A view larger than its window, scrolled with the window's own scroll bars. Only MM_TEXT is
// offered: other mapping modes are taken as MM_TEXT.
class AFX_API CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
protected:
    CScrollView();

public:
    virtual ~CScrollView();
    static const SIZE sizeDefault;  // (0, 0): a tenth of the total (line) or of the client (page)

    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CPoint GetScrollPosition() const { return m_ptScroll; }
    CSize GetTotalSize() const { return m_totalLog; }
    void ScrollToPosition(POINT pt);
    // Resizes the parent frame so that the view's client area is the total size (only smaller
    // with bShrinkOnly).
    void ResizeParentToFit(BOOL bShrinkOnly = TRUE);

    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL);
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);  // LOBYTE horizontal, HIBYTE vertical
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

protected:
    void UpdateBars();

    int m_nMapMode;
    CSize m_totalLog;
    CSize m_pageDev, m_lineDev;
    CSize m_pageSet, m_lineSet;  // as given (0: a tenth / the client)
    CPoint m_ptScroll;
    BOOL m_bInsideUpdate;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------------------------------------
// Documents: no templates, no files; a document keeps its views, its title and a modified flag.

class AFX_API CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    virtual ~CDocument();

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    virtual POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    virtual CView* GetNextView(POSITION& rPosition) const;
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = NULL);

    virtual BOOL OnNewDocument();
    virtual void OnCloseDocument();
    virtual void DeleteContents();
    // The view list changed: without views a document with m_bAutoDelete closes itself.
    virtual void OnChangedViewList();
    virtual void UpdateFrameCounts();

    BOOL m_bAutoDelete;

protected:
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified;
    CPtrList m_viewList;
};

// ---------------------------------------------------------------------------------------------
// Data exchange between a window's controls and its members (DoDataExchange, UpdateData)

class AFX_API CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);
    // The control's window; Fail() when there is none.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange: UpdateData returns FALSE.
    void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl;
    BOOL m_bEditLastControl;
};

// Subclasses the control nIDC with rControl (once).
AFX_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
