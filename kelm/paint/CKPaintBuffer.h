// The one paint pipeline of the controls: colour buffer and mask of the control's size,
// background, shadow pass, ink pass, one SRCCOPY to the screen.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/paint/CKBitmapDC.h>
#include <kelm/paint/CKMaskPainter.h>

// What a composed mask looks like: the paper background, an optional shadow at the shadow
// offset (a paper-set role) and the ink (an ink-set role).
struct SKLayers {
    EColorType background;
    bool bShadow;
    EColorType shadow;
    EColorType ink;
};

class KELM_API CKPaintBuffer {
public:
    // A colour buffer compatible with pTarget and an all-paper mask, both nWidth × nHeight.
    CKPaintBuffer(CDC* pTarget, int nWidth, int nHeight);

    CKBitmapDC& Colour() { return m_colour; }
    CKMonoBitmapDC& Mask() { return m_mask; }
    CRect Rect() const { return CRect(0, 0, m_nWidth, m_nHeight); }

    // Paints the layers of the mask into the colour buffer, in pWnd's look (client coordinates).
    void Compose(CWnd* pWnd, const SKLayers& layers);
    // Copies the colour buffer to (x, y) of pTarget with one SRCCOPY.
    void Present(CDC* pTarget, int x = 0, int y = 0);

    // The layers of a finished mask, painted into rc of pDC with a painter. With pMaskRect the
    // shadow and ink cover only that part of rc (a mask smaller than rc); a null pMaskDC paints
    // the background alone.
    static void PaintLayers(CKMaskPainter& painter, CDC* pDC, CDC* pMaskDC, CRect rc, const SKLayers& layers,
                            const CRect* pMaskRect = NULL);

private:
    int m_nWidth, m_nHeight;
    CKBitmapDC m_colour;
    CKMonoBitmapDC m_mask;
};
