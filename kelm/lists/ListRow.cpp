#include "ListRow.h"

namespace kelm {

void ComposeListRow(CKMaskPainter& p, CDC* pDC, CDC* pMask, CSize sizeRow, CRect rcText, CPoint ptRow,
                    UINT nState) {
    const CRect rcRow(CPoint(0, 0), sizeRow);
    // The text box may be taller than the row: the mask is read from its top-left either way.
    rcText &= rcRow;
    const CPoint ptText = ptRow + rcText.TopLeft();
    const bool bHot = (nState & ODS_HOTLIGHT) != 0, bFocus = (nState & ODS_FOCUS) != 0;
    const CPoint ptNone(0, 0);

    if (nState & ODS_DISABLED) {
        p.PaintWithoutMaskEx(pDC, ptRow, rcRow, ctBitmap, true, true);
        if (!rcText.IsRectEmpty()) p.PaintWithMask(pDC, pMask, rcText, ctDisabled, ptNone, false, false, true);
        return;
    }
    if (nState & ODS_SELECTED) {
        if (bFocus) p.PaintWithoutMask(pDC, rcRow, ctHighlight, true, true);
        else p.PaintWithoutMaskEx(pDC, ptRow, rcRow, ctBitmap, true, true);
        const CRect rcInner(1, 1, sizeRow.cx - 1, sizeRow.cy - 1);
        if (!rcInner.IsRectEmpty()) p.PaintWithoutMask(pDC, rcInner, bHot ? ctHighlight : ctShadow, false, true);
        const CRect rcContent(2, 2, sizeRow.cx - 1, sizeRow.cy - 1);
        if (!rcContent.IsRectEmpty())
            p.PaintWithoutMaskEx(pDC, ptRow + rcContent.TopLeft(), rcContent, ctBitmap, false, true);
        if (rcText.IsRectEmpty()) return;
        if (bHot) p.PaintWithMask(pDC, pMask, rcText, ctHighlight, CPoint(1, 1), false, false, true);
        if (bFocus) p.PaintWithMask(pDC, pMask, rcText, ctHighlight, ptNone, true, false, true);
        else p.PaintWithMaskEx(pDC, pMask, ptText, rcText, ctBitmap, ptNone, true, false, true);
        return;
    }
    // The text box filled with the text's role and its paper painted back in the ink pattern
    // comes to the same as the text alone painted over the ink pattern, in fewer blits.
    p.PaintWithoutMaskEx(pDC, ptRow, rcRow, ctBitmap, true, true);
    if (rcText.IsRectEmpty()) return;
    if (bHot) p.PaintWithMask(pDC, pMask, rcText, ctHighlight, ptNone, false, false, true);
    else p.PaintWithMaskEx(pDC, pMask, ptText, rcText, ctBitmap, ptNone, false, false, true);
}

CRect TextPopupRect(const CRect& rcRow, int nTextWidth, int cxScreen) {
    CRect rc(rcRow.left, rcRow.top + 1, rcRow.left + nTextWidth + 3, rcRow.bottom + 1);
    if (rc.right > cxScreen) rc.OffsetRect(-(rc.right - cxScreen + 1), 0);
    return rc;
}

}  // namespace kelm
