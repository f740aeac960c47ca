/// @file
/// How a list row is composed and where its text popup goes, apart from the list's window.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/paint/CKMaskPainter.h>

namespace kelm {

/// Composes a list row of sizeRow into pDC (the row picture, its top-left at (0,0)) from a text
/// mask (black text on white, read from its (0,0)) placed at rcText, by the row's owner-draw
/// state (ODS_DISABLED, ODS_SELECTED, ODS_FOCUS, ODS_HOTLIGHT):
/// - disabled, whatever else is set: the ink pattern, the text in ctDisabled;
/// - selected: a one-pixel frame (ctHighlight when focused, else the ink pattern), a one-pixel
///   inner edge at top and left (ctHighlight when hot, else ctShadow), the paper pattern inside,
///   a ctHighlight shadow under the text when hot, the text in ctHighlight when focused, else in
///   the ink pattern;
/// - otherwise: the ink pattern, the text in ctHighlight when hot, else in the paper pattern.
/// ptRow is the row's top-left in the painter's window (client coordinates): patterns run on
/// across the rows.
KELM_API void ComposeListRow(CKMaskPainter& painter, CDC* pDC, CDC* pTextMask, CSize sizeRow, CRect rcText,
                             CPoint ptRow, UINT nState);

/// The text popup of a row (screen coordinates) whose text is nTextWidth wide: over the row one
/// pixel down, three pixels wider than the text; one that would pass the screen's right edge
/// (cxScreen) is moved left, whole, to end at cxScreen - 1.
KELM_API CRect TextPopupRect(const CRect& rcRow, int nTextWidth, int cxScreen);

/// Whether a text nTextWidth wide fits a row nRowWidth wide (no popup needed).
inline bool TextFitsRow(int nTextWidth, int nRowWidth) { return nTextWidth + 1 <= nRowWidth; }

}  // namespace kelm
