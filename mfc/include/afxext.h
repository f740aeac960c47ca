// Extensions: control bars, the form view.
#pragma once
#include "afxwin.h"
#include "afxdllx.h"

class CDockBar;
class CDockContext;
struct AFX_SIZEPARENTPARAMS;

// Layout modes of CalcDynamicLayout
#define LM_STRETCH 0x01
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40

// A bar along an edge of a frame (or floating in a frame of its own). Its bar style m_dwStyle
// (CBRS_*) names the edge it is aligned to and the borders it draws; the frame's RecalcLayout
// gives it the part of the client area CalcFixedLayout asks for. Idle time brings
// OnUpdateCmdUI; a double click floats or docks a bar whose docking is enabled.
class AFX_API CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
protected:
    CControlBar();

public:
    virtual ~CControlBar();

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle);
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect) { SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    CRect GetBorders() const { return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder); }
    // The frame holding the bar: its docking frame, or the frame it floats in.
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    virtual BOOL IsVisible() const;
    virtual BOOL IsDockBar() const;
    // Lets the bar dock at the sides of dwDockStyle (CBRS_ALIGN_*; 0: never) and float.
    void EnableDocking(DWORD dwDockStyle);

    // The size the bar wants: docked horizontally (bHorz) or vertically, stretched across its
    // edge (bStretch) or not. The default is stretched, borders only.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    // The client area less the borders of the bar style and the bar's border widths.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    virtual void DoPaint(CDC* pDC);
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    virtual void DelayShow(BOOL bShow);

    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    // Commands and notifications the bar does not handle go on to its owner (the frame).
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    BOOL m_bAutoDelete;  // deleted when its window is destroyed
    int m_cxLeftBorder, m_cxRightBorder, m_cyTopBorder, m_cyBottomBorder;
    DWORD m_dwStyle;           // CBRS_* bar style
    DWORD m_dwDockStyle;       // sides it may dock at (CBRS_ALIGN_*)
    CFrameWnd* m_pDockSite;    // its frame
    CDockBar* m_pDockBar;      // the dock bar holding it, or NULL
    CDockContext* m_pDockContext;  // floating and docking state, from EnableDocking

protected:
    virtual void PostNcDestroy();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
    // Moves the bar into the layout: its size along lpLayout's free rectangle, which loses it.
    void PlaceInLayout(AFX_SIZEPARENTPARAMS* lpLayout, CSize size);
};

// A view whose window is a dialog template of the application's resources (by name or id):
// the template's controls are its children, data exchange fills them at the initial update.
class AFX_API CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)
protected:
    explicit CFormView(LPCSTR lpszTemplateName);
    explicit CFormView(UINT nIDTemplate);

public:
    virtual ~CFormView();
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);
    virtual void OnInitialUpdate();
    virtual void OnDraw(CDC* pDC);
    // Tab, arrows and mnemonics move between the form's controls.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    LPCSTR m_lpszTemplateName;

protected:
    CCreateContext* m_pCreateContext;  // during Create only
    HWND m_hWndFocus;                  // the control that had the focus last
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()
};
