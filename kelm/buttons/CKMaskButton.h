/// @file
/// The skinned button with the host's own glyph masks.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/buttons/CKButton.h>
#include <kelm/paint/CKBitmapDC.h>

/// A skinned button (CKButton) whose glyphs are monochrome masks from the host's own resources.
///
/// Up to six masks (black ink, white paper, any size), by check state and press:
/// - 1, 2: state 0 released, pressed (push style: the glyph before the caption);
/// - 3, 4: state 1 released, pressed; mask 3 makes the button check style;
/// - 5, 6: state 2 released, pressed.
///
/// A check-style button shows its glyph in place of the check mark; a push-style one shows it on
/// paper before its caption. The masks are looked up in the caller's resource chain
/// (AfxFindResourceHandle), starting at the current resource module.
///
/// Created and attached like a CKButton, whose styles it honours. Messages it answers and
/// notifications to its parent: those of CKButton; it handles no message of its own.
class KELM_API CKMaskButton : public CKButton {
    DECLARE_DYNAMIC(CKMaskButton)
public:
    /// No masks: LoadMasks must be called before the button first paints.
    CKMaskButton();
    /// A push-style button with masks 1 and 2.
    CKMaskButton(UINT nMask1, UINT nMask2);
    virtual ~CKMaskButton();

    /// Frees the current masks, then loads masks 1 and 2, and each of masks 3 to 6 whose id is
    /// not zero. Nothing is repainted. A failed load throws "Nie można utworzyć bitmapy - brak
    /// zasobów?"; the masks loaded before it stay, the others are null.
    void LoadMasks(UINT nId1, UINT nId2, UINT nId3 = 0, UINT nId4 = 0, UINT nId5 = 0, UINT nId6 = 0);

    /// Check style: the mask of the check state's glyph row (kelm::GlyphRow) and the press, in an
    /// ink column laid out as CKButton's glyph; nothing where that mask is null. Push style:
    /// CKButton's own check glyph.
    virtual void DrawCheckMark(CDC* pMaskDC, CRect& rc, int nCheck, bool bPressed);
    /// Push style: mask 1 (2 when pressed) first, in a paper column at the left end of rc (the
    /// right end with BS_LEFTTEXT). Then CKButton's face and caption in what is left of rc, unless
    /// that is empty or the text is.
    virtual void DrawButtonText(CDC* pMaskDC, CRect rc, const CString& text, bool bPressed);

protected:
    /// Deletes the masks, the sixth first, leaving every slot null.
    void FreeMasks();
    /// Mask 3 is loaded: the masks stand for the check states.
    bool IsCheckStyle() const { return m_pdcMask[2] != NULL; }

    CKBitmapDC* m_pdcMask[6];  ///< owned; null where none is loaded
};
