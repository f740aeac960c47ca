/// @file
#pragma once
#include <windows.h>
#include <kelm/KelmDefs.h>

/// The long list box's paging without a window: a window of list rows sliding over a longer
/// logical list, the positions that select, scroll and page it, and the scroll bar that shows it.
///
/// While paging, the list box holds nRowsHeld rows; on page p its row r is the logical item
/// Offset(p) + r. Neighbouring pages overlap (120 items between pages 0 and 1, 60 after), and a
/// page moves only when the selection comes within 30 rows of a held end, so a selection that
/// travels one row at a time keeps its item and never moves the window back and forth.
///
/// Everything is computed in 64 bits: counts and indices go up to 2^31 - 1.
class KELM_API CKLongListPaging {
public:
    enum {
        nRowsHeld = 30120,         ///< rows the list box holds while paging
        nPageStep = 30060,         ///< logical distance between pages after page 0
        nDirectLast = 30030,       ///< the last item direct positioning puts on page 0
        nForwardRowFirst = 30031,  ///< a selection at this row of page 0 or below moves forward
        nForwardRow = 30091,       ///< the same on a later page
        nBackRow = 30,             ///< a selection at this row or above moves a later page back
    };

    /// Logical index of list row 0 on page nPage: 0, 30000, 60060, 90120, ...
    static long long Offset(int nPage);

    /// Where a logical item lies in the window.
    struct SKRowPos {
        int nPage;  ///< the page
        int nRow;   ///< the list row on that page
    };
    /// Direct positioning: the page and row of logical item n (n > 30030 lies on page 1 or later,
    /// anything else on page 0, row n).
    static SKRowPos Locate(long long n);

    /// Rows in view of a client area nClientHeight high with rows nRowHeight high; at least one
    /// (a list without rows or without height shows one).
    static int ViewCount(int nClientHeight, int nRowHeight);

    /// The top list row that shows item n, selected at list row nRow: n itself at the top, or the
    /// last items filling the view where n lies within a view of the end. Never negative.
    static int TopRowFor(long long n, int nRow, int nCount, int nView);

    /// Where a selection change leaves the window.
    struct SKSelMove {
        bool bToLast;  ///< the selection lies past the logical end: select the last item instead
        int nPage;     ///< the page after the change
        int nSel;      ///< the list row that now holds the selected item
        int nTop;      ///< the list row to put at the top, -1 to leave the top alone
    };
    /// The selection at list row nSel of page nPage, the top row at nTop: the window moves one page
    /// forward or back when the selection is near an end of the held rows, keeping the selected item;
    /// the view keeps its top item but never reaches past the logical end.
    static SKSelMove SelChange(int nPage, int nTop, int nSel, int nCount, int nView);

    /// The item a scroll request selects, from the selected item nSel (-1 none): codes SB_LINEUP to
    /// SB_BOTTOM. bPageTable2 picks the second page table (a page is the view, not the view less
    /// one). bSelOnTop: the selection is the top row. nTrackPos: the bar's track position.
    /// Requests at or past the end select the last item; in an empty list the result is -1
    /// (nothing). False for codes that leave the selection alone (SB_ENDSCROLL and unknown ones).
    static bool ScrollTarget(UINT nCode, bool bPageTable2, int nSel, bool bSelOnTop, int nView, int nCount,
                             int nTrackPos, int* pTarget);

    /// Settings of the external scroll bar (its minimum is 0).
    struct SKScrollParam {
        bool bEnable;  ///< the bar is enabled
        int nMax;      ///< the range's maximum
        UINT nPage;    ///< the page size
        int nPos;      ///< the position
    };
    /// The external scroll bar for nCount items, nView in view, nSel selected: enabled only when
    /// not everything fits; range 0 .. nCount (0 .. nView when everything fits), a page of the
    /// view, the position at the selection (0 for none).
    static SKScrollParam ScrollParam(int nCount, int nView, int nSel);

    /// A 64-bit index brought back into int (past the ends: INT_MIN / INT_MAX).
    static int Clamp(long long n);
};
