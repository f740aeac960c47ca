/// @file
/// Paints backgrounds and monochrome masks in the look of a window's bitmap provider.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/paint/CKMPBitmapProvider.h>

/// A short-lived painter for one paint. Pattern bitmaps are tiled from the client origin of a
/// reference window (the provider's window, else the top-level parent), so that one texture runs
/// continuously across all windows of a provider.
///
/// Masks: black pixels are ink, white paper, read from their point (0,0); the painter never
/// changes a mask permanently.
class KELM_API CKMaskPainter {
public:
    /// A painter for pWnd in the look that serves it (CKMPBitmapProvider::Lookup).
    explicit CKMaskPainter(CWnd* pWnd);

    /// Fills rect (coordinates of pDC) with a role of a set; the texture origin is rect's top-left
    /// (or ptOrg) taken as a point of the painter's window (client or window coordinates).
    void PaintWithoutMask(CDC* pDC, CRect rect, EColorType role, bool bInk, bool bClient);
    /// PaintWithoutMask with the texture origin ptOrg instead of rect's top-left.
    void PaintWithoutMaskEx(CDC* pDC, CPoint ptOrg, CRect rect, EColorType role, bool bInk, bool bClient);
    /// Paints the ink of pMaskDC (or its paper when bInvert) into rect, the mask shifted by
    /// ptOffset (a positive offset shifts it right/down and crops its far edge).
    void PaintWithMask(CDC* pDC, CDC* pMaskDC, CRect rect, EColorType role, CPoint ptOffset, bool bInk,
                       bool bInvert, bool bClient);
    /// PaintWithMask with the texture origin ptOrg instead of rect's top-left.
    void PaintWithMaskEx(CDC* pDC, CDC* pMaskDC, CPoint ptOrg, CRect rect, EColorType role, CPoint ptOffset,
                         bool bInk, bool bInvert, bool bClient);
    /// A set's colour of a role in the painter's look; ctBitmap gives role 0.
    DWORD GetColor(EColorType role, bool bInk);

    /// The look the painter paints in, found when it was made.
    CKMPBitmapProvider* GetProvider() const { return m_pProvider; }

private:
    void MapRect(CRect& rc, bool bClient);
    void PaintWithColor(CDC* pDC, CDC* pMaskDC, DWORD colour, CRect rect, CPoint ptOffset, bool bClient);
    void PaintWithBitmap(CDC* pDC, CDC* pMaskDC, CDC* pPatternDC, CPoint ptOrg, CRect rect, CPoint ptOffset,
                         bool bClient);
    void RenderBitmap(CDC* pDC, CRect rect, CPoint ptOrg, CDC* pSrcDC, DWORD rop);

    CWnd* m_pWnd;
    CKMPBitmapProvider* m_pProvider;
};
