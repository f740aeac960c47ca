#include "CKPaintBuffer.h"

#include "CKStdPainter.h"

#include <algorithm>

namespace {
// One set of screen buffers, reused by the paints of the thread that made it.
struct KeptBuffers {
    CKBitmapDC* pColour = nullptr;
    CKMonoBitmapDC* pMask = nullptr;
    CSize size;
    DWORD dwThread = 0;
    bool bInUse = false;
    void Free() {
        delete pMask;
        delete pColour;
        pMask = nullptr;
        pColour = nullptr;
        size = CSize(0, 0);
    }
    ~KeptBuffers() { Free(); }
};
KeptBuffers g_kept;
}  // namespace

void CKPaintBuffer::FreeKeptBuffers() {
    if (!g_kept.bInUse) g_kept.Free();
}

CKPaintBuffer::CKPaintBuffer(CDC* pTarget, int nWidth, int nHeight)
    : m_nWidth(nWidth), m_nHeight(nHeight), m_pColour(nullptr), m_pMask(nullptr), m_bKept(false),
      m_nSavedColour(0), m_nSavedMask(0) {
    const DWORD dwThread = ::GetCurrentThreadId();
    const bool bScreen = pTarget != NULL && ::GetObjectType(pTarget->m_hDC) == OBJ_DC;
    if (bScreen && !g_kept.bInUse && (g_kept.dwThread == 0 || g_kept.dwThread == dwThread)) {
        if (g_kept.pColour == nullptr || nWidth > g_kept.size.cx || nHeight > g_kept.size.cy) {
            const CSize size(std::max<int>(nWidth, g_kept.size.cx), std::max<int>(nHeight, g_kept.size.cy));
            g_kept.Free();
            g_kept.pColour = new CKBitmapDC(pTarget, size.cx, size.cy);
            try {
                g_kept.pMask = new CKMonoBitmapDC(g_kept.pColour, size.cx, size.cy);
            } catch (...) {
                g_kept.Free();
                throw;
            }
            g_kept.size = size;
            g_kept.dwThread = dwThread;
        }
        g_kept.bInUse = true;
        m_bKept = true;
        m_pColour = g_kept.pColour;
        m_pMask = g_kept.pMask;
        m_nSavedColour = m_pColour->SaveDC();
        m_nSavedMask = m_pMask->SaveDC();
    } else {
        m_pColour = new CKBitmapDC(pTarget, nWidth, nHeight);
        try {
            m_pMask = new CKMonoBitmapDC(m_pColour, nWidth, nHeight);
        } catch (...) {
            delete m_pColour;
            throw;
        }
    }
    m_pMask->PatBlt(0, 0, nWidth, nHeight, WHITENESS);
}

CKPaintBuffer::~CKPaintBuffer() {
    if (m_bKept) {
        m_pMask->RestoreDC(m_nSavedMask);
        m_pColour->RestoreDC(m_nSavedColour);
        g_kept.bInUse = false;
    } else {
        delete m_pMask;
        delete m_pColour;
    }
}

SKLayers StateLayers(bool bEnabled, bool bHot, bool bHighlighted) {
    if (!bEnabled) return SKLayers{ctBitmap, false, ctShadow, ctDisabled};
    return SKLayers{ctBitmap, true, bHot ? ctHighlight : ctShadow, bHighlighted ? ctHighlight : ctBitmap};
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
    PaintLayers(painter, m_pColour, m_pMask, Rect(), layers);
}

void CKPaintBuffer::Present(CDC* pTarget, int x, int y) {
    pTarget->BitBlt(x, y, m_nWidth, m_nHeight, m_pColour, 0, 0, SRCCOPY);
}
