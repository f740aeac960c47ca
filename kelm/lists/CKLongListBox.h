/// @file
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/lists/CKListBox.h>

/// A skinned list box for more items than the platform list box holds: a count-only list whose
/// rows are a sliding window over the logical list, moved in pages while the selection travels.
///
/// Created with LBS_OWNERDRAWFIXED | LBS_NODATA (and LBS_NOTIFY for LBN_SELCHANGE); the items
/// are counted with SetCount (LB_SETCOUNT), never stored. A count of 30120 or more turns paging on
/// for the control's life: the list box then holds 30120 rows and every public index (count,
/// selection, top index) is a logical one. The application draws the rows by overriding
/// DrawItemData: a row shows the logical item GetPageOffset() + its itemID.
///
/// The owner calls OnSelChange when the list reports LBN_SELCHANGE. An external scroll bar
/// (SetScroll) shows the selection's place in the logical list and scrolls it; its WM_VSCROLL
/// reaches this window when the bar notifies it (a CKScrollBar does once the frame is computed).
///
/// Messages it answers, besides those of CKListBox:
/// - LB_SETCOUNT: the logical count (see SetCount): from 30120 on, paging is on and the list box
///   gets 30120 rows; once the control is set up, the same count again changes nothing and a new
///   one selects the first item. LB_ERR for a count past INT_MAX (a negative int).
/// - WM_VSCROLL, from the external scroll bar: selects the item the request aims at (a page is the
///   view less one row) and sets the bar to it; without an external bar, the platform's answer.
/// - WM_SIZE (to a non-empty size), WM_SHOWWINDOW: the platform's answer, then the scroll bar
///   follows.
/// - WM_KEYDOWN and WM_KEYUP of Home, End and Down, through PreTranslateMessage.
///
/// Notifications to its parent: none of its own; the platform list box's (LBN_SELCHANGE with
/// LBS_NOTIFY). Selections made by this class (SetCurSel, Home, End, the scroll bar) send none.
class KELM_API CKLongListBox : public CKListBox {
    DECLARE_DYNAMIC(CKLongListBox)
public:
    CKLongListBox();
    virtual ~CKLongListBox();

    /// The logical item count.
    int GetCount() const;
    /// Sends LB_SETCOUNT to the control itself; its result (1 for the count it has, LB_ERR for a
    /// negative one).
    int SetCount(int nCount);
    /// The selected logical item; LB_ERR when nothing is selected.
    int GetCurSel() const;
    /// Selects logical item nSelect (-1: nothing), moving the window to the page that holds it,
    /// with the item at the top of the view or the last items filling it. Unless bQuiet, the
    /// scroll bar follows. The list box's result; LB_ERR for an item the list does not have.
    int SetCurSel(int nSelect, bool bQuiet = false);
    /// The logical item at the top of the view.
    int GetTopIndex() const;
    /// Shows logical item nIndex at the top (the last items when it lies within a view of the
    /// end), moving the window to its page; a selected item the new page holds stays selected,
    /// any other selection is cleared. The list box's result; LB_ERR for an item the list does
    /// not have.
    int SetTopIndex(int nIndex);
    /// The whole rows the client area shows; at least one.
    int GetViewCount() const;
    /// Prepares for up to nCount items before they are counted: from 30120 on, paging is on and
    /// the disabled flags cover the rows held. Only grows; the list box is not touched. 0.
    int SetMaxCount(int nCount);
    /// Logical index of list row 0: a row's item is this plus its itemID.
    int GetPageOffset() const;
    /// The page the window is on.
    int GetPage() const { return m_nPage; }

    /// @name Items of a short list
    /// The operations of CListBoxEx, then the count and the scroll bar follow the list box. An
    /// error changes nothing; while paging they are refused (LB_ERR).
    ///@{

    /// Adds an item.
    int AddString(LPCSTR lpszItem);
    /// Inserts an item at nIndex (-1: at the end).
    int InsertString(int nIndex, LPCSTR lpszItem);
    /// Deletes item nIndex.
    int DeleteString(UINT nIndex);
    /// Empties the list box; the logical count and the scroll bar keep their values.
    void ResetContent();
    ///@}

    /// For the owner's LBN_SELCHANGE: while paging, moves the window one page forward or back when
    /// the selection nears an end of the held rows (the same item stays selected) and keeps the
    /// view within the logical list; brings the scroll bar in step.
    void OnSelChange();

    /// A scroll request handled with the second page table (a page is the whole view). Nothing
    /// without an external scroll bar.
    virtual void OnVScroll_(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    /// Brings the external scroll bar in step: enabled when not everything fits, the position at
    /// the selection.
    virtual void SetScrollParam();

    /// Home and End select the first and the last item when the key comes up; Down does nothing
    /// on the last item.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    /// Selects the item scroll request nSBCode aims at (bPageTable2: a page is the whole view) and
    /// sets the external scroll bar to it, which must exist.
    void ScrollRequest(UINT nSBCode, bool bPageTable2);
    /// Moves the window to page nPage; whether it moved.
    bool SetPage(int nPage);
    /// After a page move (bMoved) every row shows another item: invalidates the list, unless its
    /// top row changed and the next paint repaints it whole anyway.
    void RepaintAfterMove(bool bMoved);
    /// Paging on: the disabled flags cover the rows held.
    void StartPaging();

    BOOL m_bLong;     ///< paging is on; never cleared
    int m_nCount;     ///< the logical item count
    int m_nMaxCount;  ///< the largest count prepared for; non-zero once set up
    int m_nPage;      ///< the page the window is on
    static bool s_bInSetCount;  ///< the control's own nested LB_SETCOUNT is on its way

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg LRESULT OnSetCount(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
