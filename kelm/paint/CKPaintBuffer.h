/// @file
/// The one paint pipeline of the controls: colour buffer and mask of the control's size,
/// background, shadow pass, ink pass, one SRCCOPY to the screen.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/paint/CKBitmapDC.h>
#include <kelm/paint/CKMaskPainter.h>

/// What a composed mask looks like: the paper background, an optional shadow at the shadow
/// offset (a paper-set role) and the ink (an ink-set role).
struct SKLayers {
    EColorType background;  ///< paper-set role of the whole rectangle
    bool bShadow;           ///< the shadow is painted
    EColorType shadow;      ///< paper-set role of the shadow
    EColorType ink;         ///< ink-set role of the ink
};

/// The layers of a control in a state: disabled, ink in ctDisabled without a shadow; otherwise a
/// shadow in ctHighlight while hot (ctShadow else) and ink in ctHighlight while highlighted, e.g.
/// focused (the pattern else).
KELM_API SKLayers StateLayers(bool bEnabled, bool bHot, bool bHighlighted);

/// The off-screen buffers of one paint: a colour buffer and a one-bit mask of the control's size.
/// A control draws its mask, composes it into the colour buffer in its look and presents it with
/// one SRCCOPY, so that the screen never shows a half-painted control.
///
/// The buffers of a paint onto a window's DC are kept between paints and reused (a few sets in the
/// screen's format, each claimed by one paint at a time on whatever thread, growing to the
/// largest size asked for); other targets (memory, a printer) and paints that find every set in
/// use get buffers of their own. Either way a paint sees a buffer whose first nWidth × nHeight
/// pixels it owns, with a fresh DC state and an all-paper mask. A constructor that runs out of
/// GDI resources throws the texts of CKBitmapDC.
class KELM_API CKPaintBuffer {
public:
    /// A colour buffer compatible with pTarget and an all-paper mask, at least nWidth × nHeight.
    CKPaintBuffer(CDC* pTarget, int nWidth, int nHeight);
    ~CKPaintBuffer();
    CKPaintBuffer(const CKPaintBuffer&) = delete;
    CKPaintBuffer& operator=(const CKPaintBuffer&) = delete;

    /// The colour buffer (it may be larger than the paint: see Rect).
    CKBitmapDC& Colour() { return *m_pColour; }
    /// The mask, all paper within Rect at first (it may be larger than the paint).
    CKMonoBitmapDC& Mask() { return *m_pMask; }
    /// The paint's part of both buffers: (0, 0) to nWidth × nHeight.
    CRect Rect() const { return CRect(0, 0, m_nWidth, m_nHeight); }

    /// Paints the layers of the mask into the colour buffer, in pWnd's look (client coordinates).
    void Compose(CWnd* pWnd, const SKLayers& layers);
    /// Copies the colour buffer to (x, y) of pTarget with one SRCCOPY.
    void Present(CDC* pTarget, int x = 0, int y = 0);

    /// The layers of a finished mask, painted into rc of pDC with a painter. With pMaskRect the
    /// shadow and ink cover only that part of rc (a mask smaller than rc); a null pMaskDC paints
    /// the background alone.
    static void PaintLayers(CKMaskPainter& painter, CDC* pDC, CDC* pMaskDC, CRect rc, const SKLayers& layers,
                            const CRect* pMaskRect = NULL);

    /// Frees the kept buffers that no paint is using (they are made again when needed).
    static void FreeKeptBuffers();

    struct Kept;

private:
    int m_nWidth, m_nHeight;
    CKBitmapDC* m_pColour;
    CKMonoBitmapDC* m_pMask;
    Kept* m_pKept;         ///< the kept set the buffers belong to, else null: they are this object's
    int m_nSavedColour;    ///< SaveDC levels restored when a kept buffer is given back
    int m_nSavedMask;
};
