// A tree box with tri-state check boxes: every visible item is one row of an owner-drawn list
// box showing the node box, the check box and the text. A check runs down to every descendant
// and up through every ancestor; a click on the check box or Space on the current row checks
// (TBXN_ITEMCHECKED to the owner).
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/tree/CKTreeBoxBase.h>

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
    void CheckItemAndChildren(CTreeNode* pNode, BOOL bCheck) { m_store.CheckItemAndChildren(pNode, bCheck); }
    void TestItemCheckState(CTreeNode* pNode) { m_store.TestItemCheckState(pNode); }
};
