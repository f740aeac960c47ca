// A skinned button whose glyphs are monochrome masks from the host's own resources.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/buttons/CKButton.h>
#include <kelm/paint/CKBitmapDC.h>

/// Up to six masks (black ink, white paper, any size), by check state and press:
///   1, 2  state 0 released, pressed (push style: the glyph before the caption)
///   3, 4  state 1 released, pressed; mask 3 makes the button check style
///   5, 6  state 2 released, pressed
/// A check-style button shows its glyph in place of the check mark; a push-style one shows it on
/// paper before its caption. The masks are looked up in the caller's resource chain
/// (AfxFindResourceHandle), starting at the current resource module.
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

    virtual void DrawCheckMark(CDC* pMaskDC, CRect& rc, int nCheck, bool bPressed);
    virtual void DrawButtonText(CDC* pMaskDC, CRect rc, const CString& text, bool bPressed);

protected:
    void FreeMasks();
    bool IsCheckStyle() const { return m_pdcMask[2] != NULL; }

    CKBitmapDC* m_pdcMask[6];  ///< owned; null where none is loaded
};
