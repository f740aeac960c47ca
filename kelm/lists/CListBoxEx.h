// A list box whose items can be disabled one by one and which knows the row under the pointer.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/lists/DisabledStore.h>

/// Used with an owner-draw style. It paints nothing itself: the reflected WM_DRAWITEM gets
/// ODS_DISABLED for a disabled item and ODS_HOTLIGHT for the hot row, then goes to the virtual
/// DrawItem of a derived class.
///
/// The flags follow the items as long as items are added, inserted, deleted and cleared through
/// this class (its AddString, InsertString, DeleteString and ResetContent; the list-box messages
/// sent directly bypass them). An item the store does not track reads as enabled.
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
    /// ascending order, and returns how many it wrote; -1 without pOut.
    int GetDisItems(int nMax, int* pOut) const;
    /// Stores nValue (0 enables, anything else disables) and repaints the item's row when its
    /// flag changed. 0, or -1 for an index the list box does not have.
    int SetDis(int nIndex, int nValue);
    /// Stores nValue for the items nFirst to nLast and repaints every row of them. 0, or -1 when
    /// the range is not within the list.
    int DisItemRange(int nValue, int nFirst, int nLast);

    /// The list box's operations, with the store following them. Errors (LB_ERR, LB_ERRSPACE)
    /// come back unchanged and leave the store alone.
    int AddString(LPCSTR lpszItem);
    int InsertString(int nIndex, LPCSTR lpszItem);
    int DeleteString(UINT nIndex);
    void ResetContent();

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void InvalidateItem(int nIndex);

    CKDisabledStore m_aDisabled;
    int m_nHotItem;  ///< the row under the pointer, -1 none

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};
