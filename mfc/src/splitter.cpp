// Splitter windows: panes in rows and columns, bars and split boxes, tracking with the mouse,
// dynamic splits, scroll bars shared by the panes of a row or column.
#include <afxpriv.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_CAPTURECHANGED()
    ON_WM_KEYDOWN()
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

namespace {
const int kMaxPanes = 16;  // rows or columns of a static splitter
const int kMaxDynamic = 2;

bool InRange(int ht, int first, int last) { return ht >= first && ht <= last; }
}  // namespace

CSplitterWnd::CSplitterWnd()
    : m_cxSplitter(7), m_cySplitter(7), m_cxBorderShare(0), m_cyBorderShare(0), m_cxSplitterGap(7),
      m_cySplitterGap(7), m_cxBorder(2), m_cyBorder(2), m_pDynamicViewClass(NULL), m_nMaxRows(0), m_nMaxCols(0),
      m_nRows(0), m_nCols(0), m_bHasHScroll(FALSE), m_bHasVScroll(FALSE), m_pColInfo(NULL), m_pRowInfo(NULL),
      m_bTracking(FALSE), m_bTracking2(FALSE), m_htTrack(noHit), m_hWndOldFocus(NULL) {}

CSplitterWnd::~CSplitterWnd() {
    delete[] m_pRowInfo;
    delete[] m_pColInfo;
}

// ---------------------------------------------------------------------------------------------
// Creation

BOOL CSplitterWnd::CreateCommon(CWnd* pParentWnd, SIZE sizeMin, DWORD dwStyle, UINT nID) {
    m_sizeMin = sizeMin;
    delete[] m_pRowInfo;
    delete[] m_pColInfo;
    m_pRowInfo = new CRowColInfo[m_nMaxRows];
    m_pColInfo = new CRowColInfo[m_nMaxCols];
    for (int i = 0; i < m_nMaxRows; ++i) m_pRowInfo[i] = CRowColInfo{(int)sizeMin.cy, 0, 0};
    for (int i = 0; i < m_nMaxCols; ++i) m_pColInfo[i] = CRowColInfo{(int)sizeMin.cx, 0, 0};
    m_bHasHScroll = (dwStyle & WS_HSCROLL) != 0;
    m_bHasVScroll = (dwStyle & WS_VSCROLL) != 0;
    // The shared scroll bars are children, not the splitter's own; the tracker is drawn over the
    // panes, so they are not clipped.
    const DWORD dwWndStyle = (dwStyle & ~(WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN)) | WS_CHILD;
    if (!CWnd::CreateEx(0, NULL, NULL, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID)) return FALSE;
    for (int row = 0; row < m_nRows && m_bHasVScroll; ++row) CreateScrollBarCtrl(SBS_VERT, AFX_IDW_VSCROLL_FIRST + row);
    for (int col = 0; col < m_nCols && m_bHasHScroll; ++col) CreateScrollBarCtrl(SBS_HORZ, AFX_IDW_HSCROLL_FIRST + col);
    return TRUE;
}

BOOL CSplitterWnd::Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin, CCreateContext* pContext,
                          DWORD dwStyle, UINT nID) {
    if (m_hWnd != NULL || nMaxRows < 1 || nMaxCols < 1 || nMaxRows > kMaxDynamic || nMaxCols > kMaxDynamic ||
        pContext == NULL || pContext->m_pNewViewClass == NULL)
        return FALSE;
    m_nMaxRows = nMaxRows;
    m_nMaxCols = nMaxCols;
    m_nRows = m_nCols = 1;
    m_pDynamicViewClass = pContext->m_pNewViewClass;
    if (!CreateCommon(pParentWnd, sizeMin, dwStyle | SPLS_DYNAMIC_SPLIT, nID)) return FALSE;
    if (!CreateView(0, 0, m_pDynamicViewClass, sizeMin, pContext)) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID) {
    if (m_hWnd != NULL || nRows < 1 || nCols < 1 || nRows > kMaxPanes || nCols > kMaxPanes) return FALSE;
    m_nMaxRows = m_nRows = nRows;
    m_nMaxCols = m_nCols = nCols;
    return CreateCommon(pParentWnd, CSize(0, 0), dwStyle & ~SPLS_DYNAMIC_SPLIT, nID);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext) {
    if (row < 0 || col < 0 || row >= m_nRows || col >= m_nCols || pViewClass == NULL) return FALSE;
    if (::GetDlgItem(m_hWnd, IdFromRowCol(row, col)) != NULL) return FALSE;  // the pane has its view
    m_pColInfo[col].nIdealSize = sizeInit.cx;
    m_pRowInfo[row].nIdealSize = sizeInit.cy;
    CObject* pObject = pViewClass->CreateObject();
    CWnd* pWnd = pObject != NULL && pObject->IsKindOf(RUNTIME_CLASS(CWnd)) ? (CWnd*)pObject : NULL;
    if (pWnd == NULL) {
        delete pObject;
        return FALSE;
    }
    // A view whose creation fails deletes itself.
    return pWnd->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW & ~WS_BORDER, CRect(0, 0, 0, 0), this,
                        IdFromRowCol(row, col), pContext);
}

BOOL CSplitterWnd::CreateScrollBarCtrl(DWORD dwStyle, UINT nID) {
    return ::CreateWindowExA(0, "SCROLLBAR", NULL, dwStyle | WS_VISIBLE | WS_CHILD, 0, 0, 1, 1, m_hWnd,
                             (HMENU)(UINT_PTR)nID, AfxGetInstanceHandle(), NULL) != NULL;
}

DWORD CSplitterWnd::GetScrollStyle() const {
    return (m_bHasHScroll ? WS_HSCROLL : 0) | (m_bHasVScroll ? WS_VSCROLL : 0);
}

void CSplitterWnd::SetScrollStyle(DWORD dwStyle) {
    m_bHasHScroll = (dwStyle & WS_HSCROLL) != 0;
    m_bHasVScroll = (dwStyle & WS_VSCROLL) != 0;
    if (m_hWnd == NULL) return;
    for (int row = 0; row < m_nRows; ++row) {
        HWND h = ::GetDlgItem(m_hWnd, AFX_IDW_VSCROLL_FIRST + row);
        if (m_bHasVScroll && h == NULL) CreateScrollBarCtrl(SBS_VERT, AFX_IDW_VSCROLL_FIRST + row);
        else if (!m_bHasVScroll && h != NULL) ::DestroyWindow(h);
    }
    for (int col = 0; col < m_nCols; ++col) {
        HWND h = ::GetDlgItem(m_hWnd, AFX_IDW_HSCROLL_FIRST + col);
        if (m_bHasHScroll && h == NULL) CreateScrollBarCtrl(SBS_HORZ, AFX_IDW_HSCROLL_FIRST + col);
        else if (!m_bHasHScroll && h != NULL) ::DestroyWindow(h);
    }
    RecalcLayout();
}

// ---------------------------------------------------------------------------------------------
// Panes and their sizes

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const {
    cyCur = m_pRowInfo[row].nCurSize;
    cyMin = m_pRowInfo[row].nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin) {
    m_pRowInfo[row].nIdealSize = cyIdeal;
    m_pRowInfo[row].nMinSize = cyMin;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const {
    cxCur = m_pColInfo[col].nCurSize;
    cxMin = m_pColInfo[col].nMinSize;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin) {
    m_pColInfo[col].nIdealSize = cxIdeal;
    m_pColInfo[col].nMinSize = cxMin;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const { return GetDlgItem(IdFromRowCol(row, col)); }

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol) {
    if (pWnd == NULL || pWnd->m_hWnd == NULL || ::GetParent(pWnd->m_hWnd) != m_hWnd) return FALSE;
    const int nID = ::GetDlgCtrlID(pWnd->m_hWnd) - AFX_IDW_PANE_FIRST;
    if (nID < 0 || nID / 16 >= m_nRows || nID % 16 >= m_nCols) return FALSE;
    if (pRow != NULL) *pRow = nID / 16;
    if (pCol != NULL) *pCol = nID % 16;
    return TRUE;
}

CWnd* CSplitterWnd::GetActivePane(int* pRow, int* pCol) {
    CWnd* pView = NULL;
    if (CFrameWnd* pFrame = GetParentFrame()) pView = pFrame->GetActiveView();
    if (pView == NULL) pView = CWnd::GetFocus();
    return IsChildPane(pView, pRow, pCol) ? pView : NULL;
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* pWnd) {
    CWnd* pPane = pWnd != NULL ? pWnd : GetPane(row, col);
    if (pPane == NULL) return;
    CWnd* pPermanent = CWnd::FromHandlePermanent(pPane->m_hWnd);
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL && pPermanent != NULL && pPermanent->IsKindOf(RUNTIME_CLASS(CView)))
        pFrame->SetActiveView((CView*)pPermanent);
    else
        pPane->SetFocus();
}

void CSplitterWnd::DeleteView(int row, int col) {
    CWnd* pPane = GetPane(row, col);
    if (pPane != NULL) pPane->DestroyWindow();  // a view deletes itself and leaves the frame's active view
}

CCreateContext CSplitterWnd::NewPaneContext(CWnd* pNeighbour) {
    CCreateContext context;
    context.m_pNewViewClass = m_pDynamicViewClass;
    context.m_pCurrentFrame = GetParentFrame();
    CWnd* pPermanent = pNeighbour != NULL ? CWnd::FromHandlePermanent(pNeighbour->m_hWnd) : NULL;
    if (pPermanent != NULL && pPermanent->IsKindOf(RUNTIME_CLASS(CView))) {
        context.m_pLastView = (CView*)pPermanent;
        context.m_pCurrentDoc = ((CView*)pPermanent)->GetDocument();
    }
    return context;
}

BOOL CSplitterWnd::SplitColumn(int cxBefore) {
    if (!(GetStyle() & SPLS_DYNAMIC_SPLIT) || m_nCols >= m_nMaxCols || m_pDynamicViewClass == NULL) return FALSE;
    CRect rcInside;
    GetInsideRect(rcInside);
    const int colOld = m_nCols - 1, colNew = m_nCols;
    const int cxNew = rcInside.right - ColumnStart(colOld) - cxBefore - m_cxSplitterGap;
    if (cxBefore < m_pColInfo[colOld].nMinSize || cxNew < m_sizeMin.cx) return FALSE;  // a pane would be too small
    m_pColInfo[colNew].nMinSize = m_sizeMin.cx;
    ++m_nCols;
    for (int row = 0; row < m_nRows; ++row) {
        CCreateContext context = NewPaneContext(GetPane(row, colOld));
        if (!CreateView(row, colNew, m_pDynamicViewClass, CSize(cxNew, m_pRowInfo[row].nCurSize), &context)) {
            for (int r = 0; r < row; ++r) DeleteView(r, colNew);
            --m_nCols;
            RecalcLayout();
            return FALSE;
        }
    }
    m_pColInfo[colOld].nIdealSize = cxBefore;
    if (m_bHasHScroll) CreateScrollBarCtrl(SBS_HORZ, AFX_IDW_HSCROLL_FIRST + colNew);
    RecalcLayout();
    for (int row = 0; row < m_nRows; ++row) GetPane(row, colNew)->SendMessage(WM_INITIALUPDATE);
    return TRUE;
}

BOOL CSplitterWnd::SplitRow(int cyBefore) {
    if (!(GetStyle() & SPLS_DYNAMIC_SPLIT) || m_nRows >= m_nMaxRows || m_pDynamicViewClass == NULL) return FALSE;
    CRect rcInside;
    GetInsideRect(rcInside);
    const int rowOld = m_nRows - 1, rowNew = m_nRows;
    const int cyNew = rcInside.bottom - RowStart(rowOld) - cyBefore - m_cySplitterGap;
    if (cyBefore < m_pRowInfo[rowOld].nMinSize || cyNew < m_sizeMin.cy) return FALSE;
    m_pRowInfo[rowNew].nMinSize = m_sizeMin.cy;
    ++m_nRows;
    for (int col = 0; col < m_nCols; ++col) {
        CCreateContext context = NewPaneContext(GetPane(rowOld, col));
        if (!CreateView(rowNew, col, m_pDynamicViewClass, CSize(m_pColInfo[col].nCurSize, cyNew), &context)) {
            for (int c = 0; c < col; ++c) DeleteView(rowNew, c);
            --m_nRows;
            RecalcLayout();
            return FALSE;
        }
    }
    m_pRowInfo[rowOld].nIdealSize = cyBefore;
    if (m_bHasVScroll) CreateScrollBarCtrl(SBS_VERT, AFX_IDW_VSCROLL_FIRST + rowNew);
    RecalcLayout();
    for (int col = 0; col < m_nCols; ++col) GetPane(rowNew, col)->SendMessage(WM_INITIALUPDATE);
    return TRUE;
}

void CSplitterWnd::DeleteColumn(int colDelete) {
    if (m_nCols <= 1 || colDelete < 0 || colDelete >= m_nCols) return;
    for (int row = 0; row < m_nRows; ++row) DeleteView(row, colDelete);
    // The columns after it move one place to the left.
    for (int col = colDelete + 1; col < m_nCols; ++col) {
        for (int row = 0; row < m_nRows; ++row)
            if (CWnd* pPane = GetPane(row, col)) pPane->SetDlgCtrlID(IdFromRowCol(row, col - 1));
        m_pColInfo[col - 1] = m_pColInfo[col];
    }
    if (HWND hBar = ::GetDlgItem(m_hWnd, AFX_IDW_HSCROLL_FIRST + m_nCols - 1)) ::DestroyWindow(hBar);
    --m_nCols;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL && pFrame->GetActiveView() == NULL) SetActivePane(0, 0);
    RecalcLayout();
}

void CSplitterWnd::DeleteRow(int rowDelete) {
    if (m_nRows <= 1 || rowDelete < 0 || rowDelete >= m_nRows) return;
    for (int col = 0; col < m_nCols; ++col) DeleteView(rowDelete, col);
    for (int row = rowDelete + 1; row < m_nRows; ++row) {
        for (int col = 0; col < m_nCols; ++col)
            if (CWnd* pPane = GetPane(row, col)) pPane->SetDlgCtrlID(IdFromRowCol(row - 1, col));
        m_pRowInfo[row - 1] = m_pRowInfo[row];
    }
    if (HWND hBar = ::GetDlgItem(m_hWnd, AFX_IDW_VSCROLL_FIRST + m_nRows - 1)) ::DestroyWindow(hBar);
    --m_nRows;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL && pFrame->GetActiveView() == NULL) SetActivePane(0, 0);
    RecalcLayout();
}

// ---------------------------------------------------------------------------------------------
// Layout

void CSplitterWnd::LayoutRowCol(CRowColInfo* pInfo, int nCount, int nSize, int nGap) {
    int nLeft = std::max(0, nSize);
    bool bGapBeforeLast = false;
    for (int i = 0; i < nCount; ++i) {
        CRowColInfo& info = pInfo[i];
        if (i == nCount - 1) {
            info.nCurSize = nLeft;
            break;
        }
        info.nCurSize = info.nIdealSize < info.nMinSize ? 0 : std::min(info.nIdealSize, nLeft);
        nLeft -= info.nCurSize;
        // The gap after it; without room for one, it takes what is left.
        bGapBeforeLast = nLeft >= nGap;
        if (bGapBeforeLast) {
            nLeft -= nGap;
        } else {
            info.nCurSize += nLeft;
            nLeft = 0;
        }
    }
    CRowColInfo& last = pInfo[nCount - 1];
    if (nCount > 1 && last.nCurSize < last.nMinSize) {
        pInfo[nCount - 2].nCurSize += last.nCurSize + (bGapBeforeLast ? nGap : 0);
        last.nCurSize = 0;
    }
}

void CSplitterWnd::GetInsideRect(CRect& rect) const {
    GetClientRect(&rect);
    if (m_bHasVScroll) rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (m_bHasHScroll) rect.bottom -= ::GetSystemMetrics(SM_CYHSCROLL);
    rect.DeflateRect(m_cxBorder, m_cyBorder);
    if (rect.right < rect.left) rect.right = rect.left;
    if (rect.bottom < rect.top) rect.bottom = rect.top;
}

int CSplitterWnd::ColumnStart(int col) const {
    CRect rc;
    GetInsideRect(rc);
    int x = rc.left;
    for (int i = 0; i < col; ++i) x += m_pColInfo[i].nCurSize + m_cxSplitterGap;
    return x;
}

int CSplitterWnd::RowStart(int row) const {
    CRect rc;
    GetInsideRect(rc);
    int y = rc.top;
    for (int i = 0; i < row; ++i) y += m_pRowInfo[i].nCurSize + m_cySplitterGap;
    return y;
}

CRect CSplitterWnd::RowBoxRect() const {
    if (!(GetStyle() & SPLS_DYNAMIC_SPLIT) || !m_bHasVScroll || m_nMaxRows < 2) return CRect();
    CRect rc;
    GetClientRect(&rc);
    return CRect(rc.right - ::GetSystemMetrics(SM_CXVSCROLL), rc.top, rc.right, rc.top + m_cySplitter);
}

CRect CSplitterWnd::ColumnBoxRect() const {
    if (!(GetStyle() & SPLS_DYNAMIC_SPLIT) || !m_bHasHScroll || m_nMaxCols < 2) return CRect();
    CRect rc;
    GetClientRect(&rc);
    return CRect(rc.left, rc.bottom - ::GetSystemMetrics(SM_CYHSCROLL), rc.left + m_cxSplitter, rc.bottom);
}

void CSplitterWnd::RecalcLayout() {
    if (m_hWnd == NULL || m_nRows == 0 || m_nCols == 0) return;
    CRect rcClient, rcInside;
    GetClientRect(&rcClient);
    GetInsideRect(rcInside);
    LayoutRowCol(m_pColInfo, m_nCols, rcInside.Width(), m_cxSplitterGap);
    LayoutRowCol(m_pRowInfo, m_nRows, rcInside.Height(), m_cySplitterGap);

    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = ::BeginDeferWindowPos((m_nRows + 1) * (m_nCols + 1));
    for (int col = 0; col < m_nCols; ++col)
        for (int row = 0; row < m_nRows; ++row)
            if (HWND hPane = ::GetDlgItem(m_hWnd, IdFromRowCol(row, col))) {
                const int x = ColumnStart(col), y = RowStart(row);
                CRect rc(x, y, x + m_pColInfo[col].nCurSize, y + m_pRowInfo[row].nCurSize);
                AfxRepositionWindow(&layout, hPane, rc);
            }
    // Shared scroll bars beside the last column and under the last row, after the split boxes.
    const int cxV = ::GetSystemMetrics(SM_CXVSCROLL), cyH = ::GetSystemMetrics(SM_CYHSCROLL);
    for (int row = 0; row < m_nRows && m_bHasVScroll; ++row)
        if (HWND hBar = ::GetDlgItem(m_hWnd, AFX_IDW_VSCROLL_FIRST + row)) {
            const int top = row == 0 ? std::max<int>(rcClient.top, RowBoxRect().bottom) : RowStart(row) - m_cyBorder;
            const int bottom = row == m_nRows - 1 ? rcInside.bottom + m_cyBorder
                                                  : RowStart(row) + m_pRowInfo[row].nCurSize + m_cyBorder;
            AfxRepositionWindow(&layout, hBar, CRect(rcClient.right - cxV, top, rcClient.right, std::max(top, bottom)));
        }
    for (int col = 0; col < m_nCols && m_bHasHScroll; ++col)
        if (HWND hBar = ::GetDlgItem(m_hWnd, AFX_IDW_HSCROLL_FIRST + col)) {
            const int left = col == 0 ? std::max<int>(rcClient.left, ColumnBoxRect().right) : ColumnStart(col) - m_cxBorder;
            const int right = col == m_nCols - 1 ? rcInside.right + m_cxBorder
                                                 : ColumnStart(col) + m_pColInfo[col].nCurSize + m_cxBorder;
            AfxRepositionWindow(&layout, hBar, CRect(left, rcClient.bottom - cyH, std::max(left, right), rcClient.bottom));
        }
    ::EndDeferWindowPos(layout.hDWP);
    // The bars, boxes and borders are drawn anew.
    DrawAllSplitBars(NULL, rcInside.right, rcInside.bottom);
}

void CSplitterWnd::GetHitRect(int ht, CRect& rect) {
    CRect rcClient, rcInside;
    GetClientRect(&rcClient);
    GetInsideRect(rcInside);
    rect.SetRectEmpty();
    if (ht == vSplitterBox) {
        rect = RowBoxRect();
    } else if (ht == hSplitterBox) {
        rect = ColumnBoxRect();
    } else if (InRange(ht, vSplitterBar1, vSplitterBar15)) {
        const int row = ht - vSplitterBar1;
        const int y = RowStart(row) + m_pRowInfo[row].nCurSize + m_cyBorderShare;
        rect.SetRect(rcClient.left, y, rcInside.right + m_cxBorder, y + m_cySplitter);
    } else if (InRange(ht, hSplitterBar1, hSplitterBar15)) {
        const int col = ht - hSplitterBar1;
        const int x = ColumnStart(col) + m_pColInfo[col].nCurSize + m_cxBorderShare;
        rect.SetRect(x, rcClient.top, x + m_cxSplitter, rcInside.bottom + m_cyBorder);
    } else if (InRange(ht, splitterIntersection1, splitterIntersection225)) {
        const int n = ht - splitterIntersection1;
        CRect rcRow, rcCol;
        GetHitRect(vSplitterBar1 + n / 15, rcRow);
        GetHitRect(hSplitterBar1 + n % 15, rcCol);
        rect.SetRect(rcCol.left, rcRow.top, rcCol.right, rcRow.bottom);
    }
}

int CSplitterWnd::HitTest(CPoint pt) const {
    CRect rcClient, rcInside;
    GetClientRect(&rcClient);
    GetInsideRect(rcInside);
    if (m_nRows < m_nMaxRows && RowBoxRect().PtInRect(pt)) return vSplitterBox;
    if (m_nCols < m_nMaxCols && ColumnBoxRect().PtInRect(pt)) return hSplitterBox;
    // The gaps between panes, along the whole inside height (width).
    int colBar = -1, rowBar = -1;
    if (pt.y >= rcClient.top && pt.y < rcInside.bottom + m_cyBorder)
        for (int col = 0; col < m_nCols - 1 && colBar < 0; ++col) {
            const int x = ColumnStart(col) + m_pColInfo[col].nCurSize;
            if (pt.x >= x && pt.x < x + m_cxSplitterGap) colBar = col;
        }
    if (pt.x >= rcClient.left && pt.x < rcInside.right + m_cxBorder)
        for (int row = 0; row < m_nRows - 1 && rowBar < 0; ++row) {
            const int y = RowStart(row) + m_pRowInfo[row].nCurSize;
            if (pt.y >= y && pt.y < y + m_cySplitterGap) rowBar = row;
        }
    if (colBar >= 0 && rowBar >= 0) return splitterIntersection1 + rowBar * 15 + colBar;
    if (colBar >= 0) return hSplitterBar1 + colBar;
    if (rowBar >= 0) return vSplitterBar1 + rowBar;
    return noHit;
}

// ---------------------------------------------------------------------------------------------
// Drawing

void CSplitterWnd::DrawAllSplitBars(CDC* pDC, int cxInside, int cyInside) {
    CRect rect;
    for (int col = 0; col < m_nCols - 1; ++col) {
        GetHitRect(hSplitterBar1 + col, rect);
        if (rect.left >= cxInside) break;  // not on the inside any more
        OnDrawSplitter(pDC, splitBar, rect);
    }
    for (int row = 0; row < m_nRows - 1; ++row) {
        GetHitRect(vSplitterBar1 + row, rect);
        if (rect.top >= cyInside) break;
        OnDrawSplitter(pDC, splitBar, rect);
    }
    for (int row = 0; row < m_nRows - 1; ++row)
        for (int col = 0; col < m_nCols - 1; ++col) {
            GetHitRect(splitterIntersection1 + row * 15 + col, rect);
            if (rect.left < cxInside && rect.top < cyInside) OnDrawSplitter(pDC, splitIntersection, rect);
        }
    for (int col = 0; col < m_nCols; ++col)
        for (int row = 0; row < m_nRows; ++row) {
            const int x = ColumnStart(col), y = RowStart(row);
            rect.SetRect(x - m_cxBorder, y - m_cyBorder, x + m_pColInfo[col].nCurSize + m_cxBorder,
                         y + m_pRowInfo[row].nCurSize + m_cyBorder);
            OnDrawSplitter(pDC, splitBorder, rect);
        }
    if (!RowBoxRect().IsRectEmpty()) OnDrawSplitter(pDC, splitBox, RowBoxRect());
    if (!ColumnBoxRect().IsRectEmpty()) OnDrawSplitter(pDC, splitBox, ColumnBoxRect());
}

void CSplitterWnd::OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect) {
    if (pDC == NULL) {
        RedrawWindow(rect, NULL, RDW_INVALIDATE | RDW_NOCHILDREN);
        return;
    }
    const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE), crLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW), crDark = ::GetSysColor(COLOR_3DDKSHADOW);
    CRect rc(rect);
    switch (nType) {
    case splitBorder:  // sunken, two pixels
        pDC->Draw3dRect(rc, crShadow, crLight);
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(rc, crDark, crFace);
        break;
    case splitBox:  // raised
        pDC->Draw3dRect(rc, crFace, crDark);
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(rc, crLight, crShadow);
        rc.DeflateRect(1, 1);
        pDC->FillSolidRect(rc, crFace);
        break;
    default:  // bars and their crossings: flat
        pDC->FillSolidRect(rc, crFace);
        break;
    }
}

void CSplitterWnd::OnInvertTracker(const CRect& rect) {
    if (rect.IsRectEmpty()) return;
    // A halftone pattern inverts every other pixel, over the panes too.
    static const WORD bits[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    CBitmap pattern;
    CBrush brush;
    if (!pattern.CreateBitmap(8, 8, 1, 1, bits) || !brush.CreatePatternBrush(&pattern)) return;
    CClientDC dc(this);
    CBrush* pOld = dc.SelectObject(&brush);
    dc.PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    dc.SelectObject(pOld);
}

void CSplitterWnd::OnPaint() {
    CPaintDC dc(this);
    CRect rcClient, rcInside;
    GetClientRect(&rcClient);
    GetInsideRect(rcInside);
    // The corner between the shared scroll bars.
    if (m_bHasHScroll && m_bHasVScroll)
        dc.FillSolidRect(rcClient.right - ::GetSystemMetrics(SM_CXVSCROLL),
                         rcClient.bottom - ::GetSystemMetrics(SM_CYHSCROLL), ::GetSystemMetrics(SM_CXVSCROLL),
                         ::GetSystemMetrics(SM_CYHSCROLL), ::GetSysColor(COLOR_BTNFACE));
    DrawAllSplitBars(&dc, rcInside.right, rcInside.bottom);
}

BOOL CSplitterWnd::OnEraseBkgnd(CDC*) { return TRUE; }  // bars and panes cover the whole client area

void CSplitterWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED && cx > 0 && cy > 0) RecalcLayout();
}

// ---------------------------------------------------------------------------------------------
// Tracking

void CSplitterWnd::SetSplitCursor(int ht) {
    LPCSTR lpszCursor = IDC_ARROW;
    if (ht == vSplitterBox || InRange(ht, vSplitterBar1, vSplitterBar15)) lpszCursor = IDC_SIZENS;
    else if (ht == hSplitterBox || InRange(ht, hSplitterBar1, hSplitterBar15)) lpszCursor = IDC_SIZEWE;
    else if (InRange(ht, splitterIntersection1, splitterIntersection225)) lpszCursor = IDC_SIZEALL;
    ::SetCursor(::LoadCursorA(NULL, lpszCursor));
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (nHitTest == HTCLIENT && pWnd != NULL && pWnd->m_hWnd == m_hWnd && !m_bTracking) {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        const int ht = HitTest(pt);
        if (ht != noHit) {
            SetSplitCursor(ht);
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CSplitterWnd::StartTracking(int ht) {
    if (ht == noHit || m_bTracking) return;
    CRect rcInside;
    GetInsideRect(rcInside);
    const bool bDynamic = (GetStyle() & SPLS_DYNAMIC_SPLIT) != 0;
    m_htTrack = ht;
    m_bTracking2 = FALSE;
    // Limits of the tracker's left (top) edge: anywhere inside for splits and dynamic bars,
    // else keeping both neighbours at their minimum sizes.
    m_rectLimit.SetRect(rcInside.left, rcInside.top, rcInside.right - m_cxSplitter, rcInside.bottom - m_cySplitter);
    auto limitColumn = [&](int col) {
        if (bDynamic) return;
        const int nEnd = ColumnStart(col + 1) + m_pColInfo[col + 1].nCurSize;
        m_rectLimit.left = ColumnStart(col) + m_pColInfo[col].nMinSize + m_cxBorderShare;
        m_rectLimit.right = nEnd - m_pColInfo[col + 1].nMinSize - m_cxSplitterGap + m_cxBorderShare;
    };
    auto limitRow = [&](int row) {
        if (bDynamic) return;
        const int nEnd = RowStart(row + 1) + m_pRowInfo[row + 1].nCurSize;
        m_rectLimit.top = RowStart(row) + m_pRowInfo[row].nMinSize + m_cyBorderShare;
        m_rectLimit.bottom = nEnd - m_pRowInfo[row + 1].nMinSize - m_cySplitterGap + m_cyBorderShare;
    };
    if (ht == vSplitterBox) {
        m_rectTracker.SetRect(rcInside.left, rcInside.top, rcInside.right + m_cxBorder, rcInside.top + m_cySplitter);
    } else if (ht == hSplitterBox) {
        m_rectTracker.SetRect(rcInside.left, rcInside.top, rcInside.left + m_cxSplitter, rcInside.bottom + m_cyBorder);
    } else if (InRange(ht, vSplitterBar1, vSplitterBar15)) {
        GetHitRect(ht, m_rectTracker);
        limitRow(ht - vSplitterBar1);
    } else if (InRange(ht, hSplitterBar1, hSplitterBar15)) {
        GetHitRect(ht, m_rectTracker);
        limitColumn(ht - hSplitterBar1);
    } else if (InRange(ht, splitterIntersection1, splitterIntersection225)) {
        const int n = ht - splitterIntersection1;
        GetHitRect(hSplitterBar1 + n % 15, m_rectTracker);
        GetHitRect(vSplitterBar1 + n / 15, m_rectTracker2);
        limitColumn(n % 15);
        limitRow(n / 15);
        m_bTracking2 = TRUE;
    } else {
        return;
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    const CRect& rcRow = m_bTracking2 ? m_rectTracker2 : m_rectTracker;
    m_ptTrackOffset = CPoint(pt.x - m_rectTracker.left, pt.y - rcRow.top);
    m_hWndOldFocus = ::SetFocus(m_hWnd);  // Esc reaches the splitter
    SetCapture();
    m_bTracking = TRUE;
    OnInvertTracker(m_rectTracker);
    if (m_bTracking2) OnInvertTracker(m_rectTracker2);
    SetSplitCursor(ht);
}

void CSplitterWnd::OnMouseMove(UINT nFlags, CPoint point) {
    if (!m_bTracking) {
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    const bool bColumn = m_htTrack == hSplitterBox || InRange(m_htTrack, hSplitterBar1, hSplitterBar15) || m_bTracking2;
    const bool bRow = m_htTrack == vSplitterBox || InRange(m_htTrack, vSplitterBar1, vSplitterBar15) || m_bTracking2;
    CRect rcCol = m_rectTracker, rcRow = m_bTracking2 ? m_rectTracker2 : m_rectTracker;
    if (bColumn) {
        const int x = std::max<int>(m_rectLimit.left, std::min<int>(m_rectLimit.right, point.x - m_ptTrackOffset.x));
        rcCol.OffsetRect(x - rcCol.left, 0);
    }
    if (bRow) {
        const int y = std::max<int>(m_rectLimit.top, std::min<int>(m_rectLimit.bottom, point.y - m_ptTrackOffset.y));
        rcRow.OffsetRect(0, y - rcRow.top);
    }
    const CRect rcNew = bColumn ? rcCol : rcRow;
    const CRect rcNew2 = m_bTracking2 ? rcRow : CRect();
    if (rcNew == m_rectTracker && (!m_bTracking2 || rcNew2 == m_rectTracker2)) return;
    // Erase the old trackers, then draw the new ones.
    OnInvertTracker(m_rectTracker);
    if (m_bTracking2) OnInvertTracker(m_rectTracker2);
    m_rectTracker = rcNew;
    if (m_bTracking2) m_rectTracker2 = rcNew2;
    OnInvertTracker(m_rectTracker);
    if (m_bTracking2) OnInvertTracker(m_rectTracker2);
}

void CSplitterWnd::StopTracking(BOOL bAccept) {
    if (!m_bTracking) return;
    m_bTracking = FALSE;  // before the capture goes, which comes back here
    OnInvertTracker(m_rectTracker);
    if (m_bTracking2) OnInvertTracker(m_rectTracker2);
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (m_hWndOldFocus != NULL && ::IsWindow(m_hWndOldFocus)) ::SetFocus(m_hWndOldFocus);
    m_hWndOldFocus = NULL;
    if (!bAccept) return;

    const int ht = m_htTrack;
    if (ht == vSplitterBox) {
        SplitRow(m_rectTracker.top - RowStart(m_nRows - 1) - m_cyBorderShare);
    } else if (ht == hSplitterBox) {
        SplitColumn(m_rectTracker.left - ColumnStart(m_nCols - 1) - m_cxBorderShare);
    } else if (InRange(ht, vSplitterBar1, vSplitterBar15)) {
        TrackRowSize(m_rectTracker.top, ht - vSplitterBar1);
    } else if (InRange(ht, hSplitterBar1, hSplitterBar15)) {
        TrackColumnSize(m_rectTracker.left, ht - hSplitterBar1);
    } else if (InRange(ht, splitterIntersection1, splitterIntersection225)) {
        const int n = ht - splitterIntersection1;
        TrackColumnSize(m_rectTracker.left, n % 15);
        if (n / 15 < m_nRows - 1) TrackRowSize(m_rectTracker2.top, n / 15);
    }
    RecalcLayout();
}

void CSplitterWnd::TrackColumnSize(int x, int col) {
    if (col < 0 || col >= m_nCols - 1) return;
    const int nSize = x - m_cxBorderShare - ColumnStart(col);
    const int nNextStart = x - m_cxBorderShare + m_cxSplitterGap;
    const int nNext = ColumnStart(col + 1) + m_pColInfo[col + 1].nCurSize - nNextStart;
    if (GetStyle() & SPLS_DYNAMIC_SPLIT) {
        // Dragged over a pane's minimum: the split goes.
        if (nSize < m_pColInfo[col].nMinSize) {
            DeleteColumn(col);
            return;
        }
        if (nNext < m_pColInfo[col + 1].nMinSize) {
            DeleteColumn(col + 1);
            return;
        }
    }
    m_pColInfo[col].nIdealSize = std::max(0, nSize);
    // The next column keeps its far edge (the last one takes the rest anyway).
    if (col + 1 < m_nCols - 1) m_pColInfo[col + 1].nIdealSize = std::max(0, nNext);
}

void CSplitterWnd::TrackRowSize(int y, int row) {
    if (row < 0 || row >= m_nRows - 1) return;
    const int nSize = y - m_cyBorderShare - RowStart(row);
    const int nNextStart = y - m_cyBorderShare + m_cySplitterGap;
    const int nNext = RowStart(row + 1) + m_pRowInfo[row + 1].nCurSize - nNextStart;
    if (GetStyle() & SPLS_DYNAMIC_SPLIT) {
        if (nSize < m_pRowInfo[row].nMinSize) {
            DeleteRow(row);
            return;
        }
        if (nNext < m_pRowInfo[row + 1].nMinSize) {
            DeleteRow(row + 1);
            return;
        }
    }
    m_pRowInfo[row].nIdealSize = std::max(0, nSize);
    if (row + 1 < m_nRows - 1) m_pRowInfo[row + 1].nIdealSize = std::max(0, nNext);
}

void CSplitterWnd::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_bTracking) return;
    const int ht = HitTest(point);
    if (ht == noHit) CWnd::OnLButtonDown(nFlags, point);
    else StartTracking(ht);
}

void CSplitterWnd::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_bTracking) StopTracking(TRUE);
    else CWnd::OnLButtonUp(nFlags, point);
}

void CSplitterWnd::OnLButtonDblClk(UINT nFlags, CPoint point) {
    // A dynamic splitter drops a split whose bar is double-clicked and splits at a box's.
    const int ht = HitTest(point);
    CRect rcInside;
    GetInsideRect(rcInside);
    if (!(GetStyle() & SPLS_DYNAMIC_SPLIT) || ht == noHit) {
        CWnd::OnLButtonDblClk(nFlags, point);
    } else if (ht == vSplitterBox) {
        SplitRow((rcInside.Height() - m_cySplitterGap) / 2);
    } else if (ht == hSplitterBox) {
        SplitColumn((rcInside.Width() - m_cxSplitterGap) / 2);
    } else if (InRange(ht, vSplitterBar1, vSplitterBar15)) {
        DeleteRow(ht - vSplitterBar1 + 1);
    } else if (InRange(ht, hSplitterBar1, hSplitterBar15)) {
        DeleteColumn(ht - hSplitterBar1 + 1);
    }
}

void CSplitterWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_bTracking && nChar == VK_ESCAPE) StopTracking(FALSE);
    else CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CSplitterWnd::OnCancelMode() {
    StopTracking(FALSE);
    CWnd::OnCancelMode();
}

void CSplitterWnd::OnCaptureChanged(CWnd* pWnd) {
    if (pWnd == NULL || pWnd->m_hWnd != m_hWnd) StopTracking(FALSE);
    CWnd::OnCaptureChanged(pWnd);
}

// ---------------------------------------------------------------------------------------------
// Shared scroll bars: every pane of the bar's column (row) scrolls with it.

void CSplitterWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    const int col = pScrollBar != NULL ? ::GetDlgCtrlID(((CWnd*)pScrollBar)->m_hWnd) - AFX_IDW_HSCROLL_FIRST : -1;
    if (col < 0 || col >= m_nCols) {
        CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    for (int row = 0; row < m_nRows; ++row) {
        CWnd* pPane = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, IdFromRowCol(row, col)));
        if (pPane != NULL && pPane->IsKindOf(RUNTIME_CLASS(CScrollView)))
            ((CScrollView*)pPane)->OnScroll(MAKEWORD(nSBCode, 0xFF), nPos);
    }
}

void CSplitterWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    const int row = pScrollBar != NULL ? ::GetDlgCtrlID(((CWnd*)pScrollBar)->m_hWnd) - AFX_IDW_VSCROLL_FIRST : -1;
    if (row < 0 || row >= m_nRows) {
        CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    for (int col = 0; col < m_nCols; ++col) {
        CWnd* pPane = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, IdFromRowCol(row, col)));
        if (pPane != NULL && pPane->IsKindOf(RUNTIME_CLASS(CScrollView)))
            ((CScrollView*)pPane)->OnScroll(MAKEWORD(0xFF, nSBCode), nPos);
    }
}
