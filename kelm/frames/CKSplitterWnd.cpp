#include "CKSplitterWnd.h"

#include <kelm/paint/CKMaskPainter.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/CKStdPainter.h>

BEGIN_MESSAGE_MAP(CKSplitterWnd, CSplitterWnd)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

CKSplitterWnd::CKSplitterWnd() : m_bAllowTracking(true) {
    m_cxSplitter = m_cySplitter = 5;
    m_cxSplitterGap = m_cySplitterGap = 5;
    m_cxBorderShare = m_cyBorderShare = 0;
    m_cxBorder = m_cyBorder = 0;
}

CKSplitterWnd::~CKSplitterWnd() {}

void CKSplitterWnd::OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect) {
    if (pDC == NULL) {
        RedrawWindow(rect, NULL, RDW_INVALIDATE | RDW_NOCHILDREN);
        return;
    }
    if (nType == splitBorder || rect.IsRectEmpty()) return;
    // The ink's pattern, then one line of the paper's shadow along the middle: across the
    // narrow side (a square counts as a vertical bar). Composed off screen, one blit.
    CRect rcLine(rect);
    if (rect.Width() <= rect.Height()) rcLine.DeflateRect(2, 0);
    else rcLine.DeflateRect(0, 2);
    try {
        CKPaintBuffer buffer(pDC, rect.Width(), rect.Height());
        CKMaskPainter painter(this);
        painter.PaintWithoutMaskEx(&buffer.Colour(), rect.TopLeft(), buffer.Rect(), ctBitmap, true, true);
        if (!rcLine.IsRectEmpty())
            painter.PaintWithoutMaskEx(&buffer.Colour(), rcLine.TopLeft(), rcLine - rect.TopLeft(), ctShadow, false,
                                       true);
        buffer.Present(pDC, rect.left, rect.top);
    } catch (const char*) {
        // Out of GDI resources: the bar keeps its old picture until the next paint.
    }
}

void CKSplitterWnd::OnInvertTracker(const CRect& rect) { CSplitterWnd::OnInvertTracker(rect); }

int CKSplitterWnd::HitTest(CPoint pt) const { return m_bAllowTracking ? CSplitterWnd::HitTest(pt) : noHit; }

void CKSplitterWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    CKStdPainter::OnNcCalcSize(this, bCalcValidRects, lpncsp);
}

void CKSplitterWnd::OnNcPaint() { CKStdPainter::OnNcPaint(this); }
