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

// Splitter window styles
#define SPLS_DYNAMIC_SPLIT 0x0001
#define SPLS_INVERT_TRACKER 0x0002  // kept for compatibility: the tracker is always inverted

// Panes in rows and columns with splitter bars between them. A static splitter has its panes
// made by CreateView; a dynamic one (Create) starts with one pane and splits when a split box is
// dragged, making the new panes' views from its context, and drops a split dragged to an edge.
// Pane (row, col) has the id AFX_IDW_PANE_FIRST + 16 row + col. The layout members are in
// pixels: bars of m_cxSplitter, panes m_cxSplitterGap apart, the bar m_cxBorderShare in from each
// pane, m_cxBorder free around the panes (and the same with cy for rows).
class AFX_API CSplitterWnd : public CWnd {
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd();
    virtual ~CSplitterWnd();

    BOOL Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin, CCreateContext* pContext,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT,
                UINT nID = AFX_IDW_PANE_FIRST);
    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST);
    // Makes the pane (row, col) a new object of pViewClass, ideally sizeInit large.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetMaxRowCount() const { return m_nMaxRows; }
    int GetMaxColumnCount() const { return m_nMaxCols; }
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    // The row's ideal height and the height below which it is not shown (takes effect at RecalcLayout).
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    // WS_HSCROLL, WS_VSCROLL: scroll bars shared by the panes of a column (row).
    DWORD GetScrollStyle() const;
    void SetScrollStyle(DWORD dwStyle);
    CWnd* GetPane(int row, int col) const;
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol);
    BOOL IsChildPane(CWnd* pWnd, int& row, int& col) { return IsChildPane(pWnd, &row, &col); }
    int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
    BOOL IsTracking() { return m_bTracking; }

    // Places the panes, bars and scroll bars in the client area.
    virtual void RecalcLayout();
    virtual BOOL CreateScrollBarCtrl(DWORD dwStyle, UINT nID);
    virtual void DeleteView(int row, int col);
    // Dynamic splitters: a new row (column) after cyBefore (cxBefore) pixels of the last one;
    // FALSE when the maximum is reached or a pane would be below its minimum size.
    virtual BOOL SplitRow(int cyBefore);
    virtual BOOL SplitColumn(int cxBefore);
    virtual void DeleteRow(int rowDelete);
    virtual void DeleteColumn(int colDelete);
    virtual CWnd* GetActivePane(int* pRow = NULL, int* pCol = NULL);
    virtual void SetActivePane(int row, int col, CWnd* pWnd = NULL);

    enum ESplitType { splitBox, splitBar, splitIntersection, splitBorder };
    // Draws one part; a null pDC asks for the rectangle to be invalidated instead.
    virtual void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect);
    // Inverts the tracker (a halftone over the splitter and its panes).
    virtual void OnInvertTracker(const CRect& rect);

    int m_cxSplitter, m_cySplitter;
    int m_cxBorderShare, m_cyBorderShare;
    int m_cxSplitterGap, m_cySplitterGap;
    int m_cxBorder, m_cyBorder;

protected:
    enum HitTestValue {
        noHit = 0,
        vSplitterBox = 1,  // the box that splits rows
        hSplitterBox = 2,  // the box that splits columns
        bothSplitterBox = 3,
        vSplitterBar1 = 101,  // the bar under row 0, ... (101 + row)
        vSplitterBar15 = 115,
        hSplitterBar1 = 201,  // the bar right of column 0, ... (201 + col)
        hSplitterBar15 = 215,
        splitterIntersection1 = 301,  // 301 + 15 row bar + column bar
        splitterIntersection225 = 525
    };
    struct CRowColInfo {
        int nMinSize;
        int nIdealSize;
        int nCurSize;
    };

    virtual int HitTest(CPoint pt) const;
    // The client area less the shared scroll bars and the borders: where panes and bars lie.
    virtual void GetInsideRect(CRect& rect) const;
    virtual void GetHitRect(int ht, CRect& rect);
    virtual void TrackRowSize(int y, int row);
    virtual void TrackColumnSize(int x, int col);
    virtual void DrawAllSplitBars(CDC* pDC, int cxInside, int cyInside);
    virtual void SetSplitCursor(int ht);
    virtual void StartTracking(int ht);
    virtual void StopTracking(BOOL bAccept);

    // Left (top) edge of a column (row) in client coordinates.
    int ColumnStart(int col) const;
    int RowStart(int row) const;
    // The split boxes (empty when there is none).
    CRect RowBoxRect() const;
    CRect ColumnBoxRect() const;
    CCreateContext NewPaneContext(CWnd* pNeighbour);
    // Ideal sizes first (a pane below its minimum is hidden), the last one takes the rest; a last
    // one left below its minimum is hidden and the one before it takes the room.
    static void LayoutRowCol(CRowColInfo* pInfo, int nCount, int nSize, int nGap);

    CRuntimeClass* m_pDynamicViewClass;
    CSize m_sizeMin;  // minimum size of the panes a dynamic split makes
    int m_nMaxRows, m_nMaxCols;
    int m_nRows, m_nCols;
    BOOL m_bHasHScroll, m_bHasVScroll;
    CRowColInfo* m_pColInfo;
    CRowColInfo* m_pRowInfo;

    BOOL m_bTracking, m_bTracking2;
    CPoint m_ptTrackOffset;
    CRect m_rectLimit;
    CRect m_rectTracker, m_rectTracker2;
    int m_htTrack;
    HWND m_hWndOldFocus;

    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateCommon(CWnd* pParentWnd, SIZE sizeMin, DWORD dwStyle, UINT nID);
};
