// A tree box without check boxes: each row shows the indent, the node box and the text; Space is
// the list box's. The item-to-row mapping is public here.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/tree/CKTreeBoxBase.h>

class KELM_API CKTreeBoxWithOutCheckBoxes : public CKTreeBoxBase {
    DECLARE_DYNAMIC(CKTreeBoxWithOutCheckBoxes)
public:
    CKTreeBoxWithOutCheckBoxes();
    virtual ~CKTreeBoxWithOutCheckBoxes();

    /// Row of an item (-1 when it has none) and item of a row (0 when there is no such row).
    using CKTreeBoxBase::Item2Index;
    using CKTreeBoxBase::Index2Item;

private:
    using CKTreeBoxBase::PrepareCheckMask;  ///< there is no check column
};
