/// @file
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/tree/CKTreeBoxBase.h>

/// A tree box without check boxes: each row shows the indent, the node box and the text.
///
/// Space is the list box's, and no check is ever toggled by the user; the item-to-row mapping is
/// public here. Created with Create like its base CKTreeBoxBase, which says which list box styles it
/// honours.
///
/// Messages it answers (those of CKTreeBoxBase, which has the details):
/// - WM_CREATE, WM_DESTROY: create and destroy the popup that shows a cut-off text.
/// - WM_PAINT, WM_ERASEBKGND: rows composed off screen, the area below them skinned.
/// - WM_DRAWITEM, WM_MEASUREITEM (reflected): draw a row, measure every row ItemHeight() high.
/// - WM_SETFONT: every row takes the new font's height.
/// - WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_CAPTURECHANGED: a press and release on a node box
///   expands or collapses; the row under the pointer is hot.
/// - WM_KEYDOWN: Enter, Left and Right expand and collapse the current row's item.
/// - WM_MOUSEHOVER, WM_MOUSELEAVE: show and hide the popup with the whole text of a cut-off row.
///
/// Notifications to its parent (the owner; wParam the new state, 1 or 0, lParam the item handle):
/// - TBXN_ITEMEXPANDING: before the user's expand or collapse; a non-zero answer cancels it.
/// - TBXN_ITEMEXPANDED: after the user's expand or collapse.
/// - WM_COMMAND: the list box's own LBN_ codes with LBS_NOTIFY.
class KELM_API CKTreeBoxWithOutCheckBoxes : public CKTreeBoxBase {
    DECLARE_DYNAMIC(CKTreeBoxWithOutCheckBoxes)
public:
    CKTreeBoxWithOutCheckBoxes();
    virtual ~CKTreeBoxWithOutCheckBoxes();

    /// The row of an item, -1 when it has none.
    using CKTreeBoxBase::Item2Index;
    /// The item of a row, 0 when there is no such row.
    using CKTreeBoxBase::Index2Item;

private:
    using CKTreeBoxBase::PrepareCheckMask;  ///< there is no check column
};
