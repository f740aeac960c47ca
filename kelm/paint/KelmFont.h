/// @file
/// Font metrics shared by the row controls (lists, combo box, trees).
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

/// The pixel height of a font for row layout: its LOGFONT height when positive (a cell height),
/// otherwise (zero or negative: a character height or the default) the height the font really has
/// on the screen, tmHeight. A null or invalid font gives the stock DEFAULT_GUI_FONT's height.
KELM_API int KelmFontHeight(HFONT hFont);
