#include "CKPaintBuffer.h"

#include "CKStdPainter.h"

#include <algorithm>

// One kept set of buffers. A paint claims a set with an atomic exchange and gives it back at its
// end, so that paints on two threads (or a paint inside another) never share one.
struct CKPaintBuffer::Kept {
    volatile LONG nClaimed = 0;
    CKBitmapDC* pColour = nullptr;
    CKMonoBitmapDC* pMask = nullptr;
    CSize size;
    bool Claim() { return ::InterlockedCompareExchange(&nClaimed, 1, 0) == 0; }
    void Release() { ::InterlockedExchange(&nClaimed, 0); }
    void Free() {
        delete pMask;
        delete pColour;
        pMask = nullptr;
        pColour = nullptr;
        size = CSize(0, 0);
    }
    ~Kept() { Free(); }
};

namespace {
const int kKeptSets = 4;
CKPaintBuffer::Kept g_kept[kKeptSets];

// A set already made, else an empty one, else any unclaimed one; null when every set is in use.
CKPaintBuffer::Kept* ClaimKept() {
    for (int pass = 0; pass < 3; ++pass) {
        for (CKPaintBuffer::Kept& k : g_kept) {
            if (!k.Claim()) continue;
            if (pass == 2 || (pass == 0) == (k.pColour != nullptr)) return &k;
            k.Release();
        }
    }
    return nullptr;
}
}  // namespace

void CKPaintBuffer::FreeKeptBuffers() {
    for (Kept& k : g_kept) {
        if (!k.Claim()) continue;  // in use by a paint
        k.Free();
        k.Release();
    }
}

CKPaintBuffer::CKPaintBuffer(CDC* pTarget, int nWidth, int nHeight)
    : m_nWidth(nWidth), m_nHeight(nHeight), m_pColour(nullptr), m_pMask(nullptr), m_pKept(nullptr),
      m_nSavedColour(0), m_nSavedMask(0) {
    // Only a window's DC has the screen's format, which the kept sets are made in: a printer's
    // DC is an OBJ_DC too. (Asking the device for its format costs more than a paint under Wine.)
    const bool bScreen = pTarget != NULL && ::GetObjectType(pTarget->m_hDC) == OBJ_DC &&
                         ::WindowFromDC(pTarget->m_hDC) != NULL;
    Kept* pKept = bScreen ? ClaimKept() : nullptr;
    if (pKept != nullptr) {
        try {
            if (pKept->pColour == nullptr || nWidth > pKept->size.cx || nHeight > pKept->size.cy) {
                const CSize size(std::max<int>(nWidth, pKept->size.cx), std::max<int>(nHeight, pKept->size.cy));
                pKept->Free();
                pKept->pColour = new CKBitmapDC(pTarget, size.cx, size.cy);
                pKept->pMask = new CKMonoBitmapDC(pKept->pColour, size.cx, size.cy);
                pKept->size = size;
            }
        } catch (...) {
            pKept->Free();
            pKept->Release();
            throw;
        }
        m_pKept = pKept;
        m_pColour = pKept->pColour;
        m_pMask = pKept->pMask;
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
    if (m_pKept != nullptr) {
        m_pMask->RestoreDC(m_nSavedMask);
        m_pColour->RestoreDC(m_nSavedColour);
        m_pKept->Release();
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
