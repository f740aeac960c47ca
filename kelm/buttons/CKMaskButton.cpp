#include "CKMaskButton.h"

IMPLEMENT_DYNAMIC(CKMaskButton, CKButton)

CKMaskButton::CKMaskButton() : m_pdcMask() {}

CKMaskButton::CKMaskButton(UINT nMask1, UINT nMask2) : m_pdcMask() {
    try {
        m_pdcMask[0] = new CKResBitmapDC(NULL, nMask1);
        m_pdcMask[1] = new CKResBitmapDC(NULL, nMask2);
    } catch (...) {
        FreeMasks();
        throw;
    }
}

CKMaskButton::~CKMaskButton() { FreeMasks(); }

void CKMaskButton::FreeMasks() {
    for (int i = 5; i >= 0; --i) {
        CKBitmapDC* pMask = m_pdcMask[i];
        m_pdcMask[i] = NULL;
        delete pMask;
    }
}

void CKMaskButton::LoadMasks(UINT nId1, UINT nId2, UINT nId3, UINT nId4, UINT nId5, UINT nId6) {
    FreeMasks();
    const UINT ids[6] = {nId1, nId2, nId3, nId4, nId5, nId6};
    for (int i = 0; i < 6; ++i)
        if (i < 2 || ids[i] != 0) m_pdcMask[i] = new CKResBitmapDC(NULL, ids[i]);
}

void CKMaskButton::DrawCheckMark(CDC* pMaskDC, CRect& rc, int nCheck, bool bPressed) {
    if (!IsCheckStyle()) {
        CKButton::DrawCheckMark(pMaskDC, rc, nCheck, bPressed);
        return;
    }
    const int row = kelm::GlyphRow(kelm::ButtonType(m_nStyle), nCheck);
    CKBitmapDC* pGlyph = m_pdcMask[2 * row + (bPressed ? 1 : 0)];
    if (pGlyph != NULL) DrawGlyphColumn(pMaskDC, rc, *pGlyph, RGB(0, 0, 0));  // no mask: no glyph
}

void CKMaskButton::DrawButtonText(CDC* pMaskDC, CRect rc, const CString& text, bool bPressed) {
    if (!IsCheckStyle()) {
        CKBitmapDC* pGlyph = m_pdcMask[bPressed ? 1 : 0];
        if (pGlyph != NULL) DrawGlyphColumn(pMaskDC, rc, *pGlyph, RGB(255, 255, 255));
    }
    if (rc.left < rc.right && !text.IsEmpty()) CKButton::DrawButtonText(pMaskDC, rc, text, bPressed);
}
