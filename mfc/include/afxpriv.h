// The framework's own messages and the docking machinery: dock bars, the frame of floating
// bars, dragging and toggling.
#pragma once
#include "afxext.h"

// Messages between frames, bars and views
#define WM_SIZEPARENT 0x0361        // lParam AFX_SIZEPARENTPARAMS*: a bar takes its edge
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI 0x0363   // wParam bDisableIfNoHndler: idle command-UI update
#define WM_INITIALUPDATE 0x0364     // sent to a frame's descendants before it is first shown
#define WM_RECALCPARENT 0x0368
#define WM_SIZECHILD 0x0369
#define WM_KICKIDLE 0x036A
#define WM_FLOATSTATUS 0x036D

// The layout RepositionBars hands from bar to bar: the free rectangle (each bar cuts its edge
// off), the size taken so far, and the deferred moves (NULL while only measuring).
struct AFX_SIZEPARENTPARAMS {
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};

// Idle time of a thread (CWinThread::OnIdle): WM_IDLEUPDATECMDUI to the main window and every
// visible top-level frame of the thread, and to their descendants that have objects.
AFX_API void AFXAPI AfxIdleUpdateCmdUI(CWnd* pMainWnd);

// Moves a window as part of a layout (deferred), unless it is there already.
AFX_API void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

// Holds the bars docked at one side of a frame (or floating in a mini frame) and lays them out
// in rows (top, bottom, floating) or columns (left, right), wrapping when one is full.
class AFX_API CDockBar : public CControlBar {
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    virtual ~CDockBar();
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    virtual BOOL IsDockBar() const;
    int GetDockedCount() const { return m_arrBars.GetSize(); }
    int GetDockedVisibleCount() const;
    CControlBar* GetDockedBar(int nIndex) const { return (CControlBar*)m_arrBars.GetAt(nIndex); }
    // Moves the bar here (out of the dock bar it was in), aligned to this side.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = NULL);
    BOOL RemoveControlBar(CControlBar* pBar);
    // The size the bars take laid out across a length of nLength pixels (their row or column).
    CSize LayoutBars(int nLength, BOOL bMove);

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

    BOOL m_bFloating;
    CPtrArray m_arrBars;

protected:
    BOOL m_bInDestroy;  // its window is going: nothing is laid out or destroyed through it
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

// The frame of floating bars: a tool window owned by the docking frame, sized to its dock bar.
// Closing it hides its bars.
class AFX_API CMiniDockFrameWnd : public CMiniFrameWnd {
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();
    virtual ~CMiniDockFrameWnd();
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    // A small caption that moves it and a sizing border (a tool window never in the task bar).
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    // Fits the frame around its dock bar.
    virtual void RecalcLayout(BOOL bNotify = TRUE);

    CDockBar m_wndDockBar;

protected:
    afx_msg void OnClose();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    DECLARE_MESSAGE_MAP()
};

// A bar's docking state: where it floated and docked last, the drag that moves it.
class AFX_API CDockContext {
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();

    // Drags the bar from pt (screen) until the button is released: over a side of the frame
    // where it may dock it docks there, elsewhere it floats at the dragged place; Esc cancels.
    // Nothing happens unless the pointer moves beyond the system's drag distance.
    virtual void StartDrag(CPoint pt);
    // Floats a docked bar at its last floating place, docks a floating one at its last side.
    virtual void ToggleDocking();

    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    CPoint m_ptMRUFloatPos;  // screen position of its last floating frame
    UINT m_uMRUDockID;       // its last dock bar

protected:
    // The dock bar of the frame under pt (screen) that may take the bar, or 0.
    UINT DockBarAt(CPoint pt) const;
};
