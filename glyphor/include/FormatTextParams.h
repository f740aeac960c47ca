// FormatTextParams: the layout parameters of CGHTMLTextPainter, a record of 71 32-bit words.
//
// A word holding 0 takes the default named in its comment, so a zero-filled record is usable.
// "Pixels" are pixels at the record's reference resolution (words 62 and 63); the painter
// scales them to the device's LOGPIXELSX/LOGPIXELSY and then to the DC's logical units.
//
//  word   field               meaning
//  0      nFontSize           base font size in tenths of a point (0 or negative: 80, i.e. 8 pt;
//                             others are kept within 10..7200, 1 to 720 pt)
//  1      nFontWeight         weight of plain text (0: FW_NORMAL)
//  2      nBoldWeight         weight of <b> text (0: FW_BOLD)
//  3..10  szFaceName          face name, NUL-terminated, 31 characters at most (empty: "Tahoma")
//  11     nLineSpacing        pixels added between two lines (may be negative)
//  12     nParagraphSpacing   pixels added between paragraphs (0: half a line of the base
//                             font; negative: none)
//  13..31 reserved, 0
//  32     crText              colour of text
//  33     crLink              colour of <a> text
//  34     crShadow            colour of the text shadow
//  35     nShadowOffset       shadow offset right and down in pixels (0: no shadow)
//  36..42 reserved, 0
//  43     bUnderlineLinks     nonzero: <a> text is underlined
//  44     bNewlineBreaks      nonzero: a newline character in the text breaks the line like <br>;
//                             zero: it is white space
//  45..46 reserved, 0
//  47..49 crSpare             colours kept for the caller; the painter does not read them
//  50..53 nMarginLeft, nMarginTop, nMarginRight, nMarginBottom: pixels around the text
//  54..61 reserved, 0
//  62     nRefDpiX            resolution of horizontal pixel values (0: 96)
//  63     nRefDpiY            resolution of vertical pixel values (0: 96)
//  64..70 reserved, 0
//
// Colours are COLORREFs (0x00BBGGRR). A caller that wants all text in one colour sets words
// 32 to 34 to it (see also the monochrome rule in GHTMLTextPainter.h).
#pragma once
#include "GlyphorApi.h"

#include <windows.h>
#include <cstddef>

struct FormatTextParams {
    int nFontSize;           // 0
    int nFontWeight;         // 1
    int nBoldWeight;         // 2
    char szFaceName[32];     // 3..10
    int nLineSpacing;        // 11
    int nParagraphSpacing;   // 12
    int nReserved13[19];     // 13..31
    COLORREF crText;         // 32
    COLORREF crLink;         // 33
    COLORREF crShadow;       // 34
    int nShadowOffset;       // 35
    int nReserved36[7];      // 36..42
    int bUnderlineLinks;     // 43
    int bNewlineBreaks;      // 44
    int nReserved45[2];      // 45..46
    COLORREF crSpare[3];     // 47..49
    int nMarginLeft;         // 50
    int nMarginTop;          // 51
    int nMarginRight;        // 52
    int nMarginBottom;       // 53
    int nReserved54[8];      // 54..61
    int nRefDpiX;            // 62
    int nRefDpiY;            // 63
    int nReserved64[7];      // 64..70
};

static_assert(sizeof(FormatTextParams) == 71 * 4, "FormatTextParams is 71 words");
static_assert(offsetof(FormatTextParams, crText) == 32 * 4, "text colour is word 32");
static_assert(offsetof(FormatTextParams, crShadow) == 34 * 4, "shadow colour is word 34");
static_assert(offsetof(FormatTextParams, bUnderlineLinks) == 43 * 4, "flags start at word 43");
static_assert(offsetof(FormatTextParams, nMarginLeft) == 50 * 4, "margins start at word 50");
static_assert(offsetof(FormatTextParams, nRefDpiX) == 62 * 4, "resolution starts at word 62");

// The tooltip defaults: all words 0 (8 pt Tahoma, black text, black links, no shadow) except
// bUnderlineLinks = bNewlineBreaks = 1 (words 43, 44), crSpare = 0x00FFFF, 0x00FF00,
// 0xFFFF00 (words 47..49), margins 1 pixel (words 50..53) and nRefDpiX = nRefDpiY = 96
// (words 62, 63). The record is built when the library loads and never changes.
GLYPHOR_API const FormatTextParams& GetDefaultFormatTextParams();
