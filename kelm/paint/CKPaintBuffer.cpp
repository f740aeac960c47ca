#include "CKPaintBuffer.h"

#include "CKStdPainter.h"

CKPaintBuffer::CKPaintBuffer(CDC* pTarget, int nWidth, int nHeight)
    : m_nWidth(nWidth), m_nHeight(nHeight), m_colour(pTarget, nWidth, nHeight), m_mask(&m_colour, nWidth, nHeight) {
    m_mask.PatBlt(0, 0, nWidth, nHeight, WHITENESS);
}

void CKPaintBuffer::PaintLayers(CKMaskPainter& painter, CDC* pDC, CDC* pMaskDC, CRect rc, const SKLayers& layers,
                                const CRect* pMaskRect) {
    painter.PaintWithoutMask(pDC, rc, layers.background, false, true);
    if (pMaskDC == NULL) return;
    const CRect rcMask = pMaskRect != NULL ? *pMaskRect : rc;
    if (layers.bShadow) painter.PaintWithMask(pDC, pMaskDC, rcMask, layers.shadow, ptShadowOffset, false, false, true);
    painter.PaintWithMask(pDC, pMaskDC, rcMask, layers.ink, CPoint(0, 0), true, false, true);
}

void CKPaintBuffer::Compose(CWnd* pWnd, const SKLayers& layers) {
    CKMaskPainter painter(pWnd);
    PaintLayers(painter, &m_colour, &m_mask, Rect(), layers);
}

void CKPaintBuffer::Present(CDC* pTarget, int x, int y) {
    pTarget->BitBlt(x, y, m_nWidth, m_nHeight, &m_colour, 0, 0, SRCCOPY);
}
