// The gallery's skinned list box: rows in the window's font, through DrawItemData, so that the row
// painter, the text popup and a combo box's face all show them alike.
#pragma once
#include <kelm/lists/CKListBox.h>

class CDemoListBox : public CKListBox {
public:
    int DrawItemData(CDC* pDC, const CRect& rc, DRAWITEMSTRUCT* p) override {
        CFont* pOld = pDC->SelectObject(GetFont());
        const int w = CKListBox::DrawItemData(pDC, rc, p);
        pDC->SelectObject(pOld);
        return w;
    }
};
