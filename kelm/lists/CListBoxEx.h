/// @file
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/lists/DisabledStore.h>

/// A list box whose items can be disabled one by one and which knows the row under the pointer.
///
/// Used with an owner-draw style. It paints nothing itself: the reflected WM_DRAWITEM gets
/// ODS_DISABLED for a disabled item and ODS_HOTLIGHT for the hot row, then goes to the virtual
/// DrawItem of a derived class.
///
/// The flags follow the items as long as items are added, inserted, deleted and cleared through
/// this class (its AddString, InsertString, DeleteString and ResetContent; the list-box messages
/// sent directly bypass them). An item the store does not track reads as enabled.
///
/// Messages it answers:
/// - WM_MOUSEMOVE: the row under the pointer becomes the hot row (none outside the rows); the rows
///   that gain or lose it are invalidated; then the platform's answer.
/// - WM_DRAWITEM, reflected from the parent: the state flags above, then DrawItem.
/// - WM_CREATE: the platform's answer.
///
/// Notifications to its parent: none of its own; the platform list box's (LBN_ codes with
/// LBS_NOTIFY, and WM_DRAWITEM and WM_MEASUREITEM, which an MFC parent reflects back).
class KELM_API CListBoxEx : public CListBox {
    DECLARE_DYNAMIC(CListBoxEx)
public:
    CListBoxEx();
    virtual ~CListBoxEx();

    /// 1 disabled, 0 enabled; -1 for an index the list box does not have.
    int GetDis(int nIndex) const;
    /// The number of entries in the store (the items it tracks), not of disabled items.
    int GetDisCount() const;
    /// Writes the indices of the disabled items among the first min(nMax, count) into pOut, in
    /// ascending order, and returns how many it wrote; -1 without pOut (0 when there is nothing to
    /// look at).
    int GetDisItems(int nMax, int* pOut) const;
    /// Stores nValue (0 enables, anything else disables) and repaints the item's row when its
    /// flag changed. 0, or -1 for an index the list box does not have.
    int SetDis(int nIndex, int nValue);
    /// Stores nValue for the items nFirst to nLast and repaints every row of them. 0, or -1 when
    /// the range is not within the list.
    int DisItemRange(int nValue, int nFirst, int nLast);

    /// @name Items
    /// The list box's operations, with the store following them. Errors (LB_ERR, LB_ERRSPACE)
    /// come back unchanged and leave the store alone.
    ///@{

    /// Adds an enabled item; in a sorted list its entry goes where the item went.
    int AddString(LPCSTR lpszItem);
    /// Inserts an enabled item at nIndex (-1: at the end).
    int InsertString(int nIndex, LPCSTR lpszItem);
    /// Deletes item nIndex and its entry.
    int DeleteString(UINT nIndex);
    /// Empties the list box and the store.
    void ResetContent();
    ///@}

    /// Draws nothing: a derived class draws the rows.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    /// Leaves the height as it is: a derived class measures the rows.
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    /// A reflected WM_DRAWITEM gets ODS_DISABLED for a disabled item and ODS_HOTLIGHT for the hot
    /// row, then goes to DrawItem (the result TRUE); any other message is CListBox's.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    /// Invalidates row nIndex without erasing; nothing for an index the list box does not have.
    void InvalidateItem(int nIndex);

    CKDisabledStore m_aDisabled;  ///< the disabled flags, entry i for item i
    int m_nHotItem;  ///< the row under the pointer, -1 none

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
