/// @file
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/tree/CKTreeBoxBase.h>

/// A tree box with tri-state check boxes: every visible item is one row of an owner-drawn list box
/// showing the node box, the check box and the text.
///
/// A check runs down to every descendant and up through every ancestor (checked when all its
/// children are, partly checked when some are); a click on the check box or Space on the current row
/// toggles the item's check (TBXN_ITEMCHECKED to the owner). Created with Create like its base
/// CKTreeBoxBase, which says which list box styles it honours.
///
/// Messages it answers (those of CKTreeBoxBase, which has the details):
/// - WM_CREATE, WM_DESTROY: create and destroy the popup that shows a cut-off text.
/// - WM_PAINT, WM_ERASEBKGND: rows composed off screen, the area below them skinned.
/// - WM_DRAWITEM, WM_MEASUREITEM (reflected): draw a row, measure every row ItemHeight() high.
/// - WM_SETFONT: every row takes the new font's height.
/// - WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_CAPTURECHANGED: a press and release on a node box
///   expands or collapses; a click on a check box toggles the check; the row under the pointer is hot.
/// - WM_KEYDOWN: Enter, Left and Right expand and collapse, Space toggles the check of the current row.
/// - WM_MOUSEHOVER, WM_MOUSELEAVE: show and hide the popup with the whole text of a cut-off row.
///
/// Notifications to its parent (the owner; wParam the new state, 1 or 0, lParam the item handle):
/// - TBXN_ITEMEXPANDING: before the user's expand or collapse; a non-zero answer cancels it.
/// - TBXN_ITEMEXPANDED: after the user's expand or collapse.
/// - TBXN_ITEMCHECKED: after the user toggled an item's check.
/// - WM_COMMAND: the list box's own LBN_ codes with LBS_NOTIFY.
class KELM_API CKTreeBox : public CKTreeBoxBase {
    DECLARE_DYNAMIC(CKTreeBox)
public:
    CKTreeBox();
    virtual ~CKTreeBox();

    /// Checks or unchecks the item and all its descendants and recomputes every ancestor
    /// (checked when all its children are, partly checked when some are). No repaint, no
    /// notification.
    void CheckItem(DWORD hItem, BOOL bCheck) { m_store.CheckItem(hItem, bCheck); }

protected:
    /// Checks or unchecks the node and all its descendants; the ancestors are left as they are.
    void CheckItemAndChildren(CTreeNode* pNode, BOOL bCheck) { m_store.CheckItemAndChildren(pNode, bCheck); }
    /// Recomputes the node and each of its ancestors from their children.
    void TestItemCheckState(CTreeNode* pNode) { m_store.TestItemCheckState(pNode); }
};
