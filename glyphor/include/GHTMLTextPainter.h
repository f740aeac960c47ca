// Glyphor: formatted text for tooltips and labels.
//
// CGHTMLTextPainter lays out a small HTML-like markup in 8-bit code page 1250 text and paints
// it into a device context in any mapping mode (MM_TEXT, MM_HIMETRIC, ...).
//
// Markup
//   <b> <strong>            bold (weight from FormatTextParams::nBoldWeight)
//   <i> <em>                italic
//   <u>                     underline
//   <s> <strike> <del>      strike-out
//   <a ...>                 link: colour crLink, underlined when bUnderlineLinks is set
//                           (attributes such as href are accepted and ignored)
//   <font color="#rrggbb" size="n" face="name">
//                           color: "#rrggbb", "#rgb", "rrggbb" or an HTML basic colour name
//                           (black, white, red, green, blue, yellow, gray, silver, maroon,
//                           purple, fuchsia, lime, olive, navy, teal, aqua);
//                           size: 1..7 with 3 the base size (1 = 62.5 %, 2 = 81 %, 4 = 112.5 %,
//                           5 = 150 %, 6 = 200 %, 7 = 300 % of nFontSize), or "+n"/"-n" relative
//                           to the enclosing size; face: a font face name.
//                           Each attribute is optional; an invalid value is ignored.
//   <br>, <br/>             line break
//   <p>, </p>               paragraph break: ends the line and puts nParagraphSpacing before the
//                           next line (breaks in a row count once; none at the start or end)
//   Closing tags </b>, </i>, </u>, </s>, </a>, </font>, ... end the most recent open element of
//   the same name, even when it is not the innermost one (so "<b>1<i>2</b>3</i>" gives 3 in
//   italic only). A closing tag with no open element is ignored; elements left open end with
//   the text. Tag and attribute names are case-insensitive; attribute values may be quoted
//   with " or ' or unquoted.
//   Unknown tags (and tags with a malformed name, such as "<b-x>") are skipped: they show
//   nothing and change nothing.
//   A '<' that is not followed by a letter (or '/' and a letter), or whose tag has no '>' before
//   the next '<' or the end of the text, is plain text, as is everything after it.
//
// Entities
//   &amp; &lt; &gt; &quot; &apos; &nbsp; &copy; &reg; &deg; &plusmn; &sect; &middot; &laquo;
//   &raquo; &ndash; &mdash; &hellip; &bull; &euro; &trade; &bdquo; &ldquo; &rdquo; &lsquo;
//   &rsquo; (names are case-sensitive), and numeric &#NNN; / &#xHHHH; with a Unicode code point,
//   converted to code page 1250 ("?" when the page has no such character).
//   An unknown or unterminated entity ("&foo;", "&amp" without ';') is plain text.
//
// Text and white space
//   Bytes 0x80..0xFF are code page 1250 characters; fonts are created with EASTEUROPE_CHARSET.
//   Runs of spaces, tabs and line ends collapse into one space, as in HTML; a newline breaks the
//   line instead when bNewlineBreaks is set. &nbsp; (byte 0xA0) is a space that never breaks or
//   collapses. Other control characters are dropped.
//
// Layout
//   Lines break at spaces so that each fits the maximum width (margins included); a word wider
//   than that gets a line of its own and sticks out. Runs of different sizes share a baseline.
//   All sizes are in the logical units of the DC given to Format; the text block grows to the
//   right and downward on the device whichever way the DC's y axis points (in MM_HIMETRIC
//   lines go to smaller y). The x axis must grow to the right.
//
// Colours
//   Text is painted in crText, <a> text in crLink, <font color> text in its colour, the shadow
//   (nShadowOffset) in crShadow. On a monochrome DC (a mask) <font color> is ignored, so that
//   text painted into a mask is all in crText.
#pragma once
#include "GlyphorApi.h"
#include "FormatTextParams.h"

#include <afxwin.h>

// Flags of CGHTMLTextPainter::Paint.
enum {
    GHTP_LEFT = 0x0000,    // lines start at the left margin
    GHTP_CENTER = 0x0001,  // each line is centred in the text block's width
    GHTP_RIGHT = 0x0002,   // each line ends at the right margin
    GHTP_NOCLIP = 0x0100,  // do not clip to the rectangle
};

class GLYPHOR_API CGHTMLTextPainter {
public:
    CGHTMLTextPainter();
    virtual ~CGHTMLTextPainter();

    // The markup to show. Discards an earlier layout, as do the two setters below.
    void SetGHTMLText(CString strText);
    // Parameters; a new painter has GetDefaultFormatTextParams().
    void SetFormatParams(FormatTextParams params);
    // Width limit for line breaking in the DC's logical units (a positive number whatever the
    // direction of the axis), margins included; 0 or negative (the default -1): no limit.
    void SetMaxWidth(int nMaxWidth);

    // Lays the text out for pDC: fonts are measured in its current mapping mode. Returns FALSE
    // when pDC is NULL or a font cannot be created (the layout is then empty). The DC's
    // selected objects and attributes are left as they were.
    BOOL Format(CDC* pDC);
    // Size of the laid-out text block, margins included, in the logical units of the DC given
    // to Format, as positive numbers; 0 before Format and for a text with nothing to show.
    int GetWidth() const;
    int GetHeight() const;

    // Paints the laid-out text with the block's top-left corner at (x, y) (logical units),
    // clipped to rcClip (logical units, either orientation) unless nFlags has GHTP_NOCLIP;
    // nFlags also sets the line alignment (GHTP_LEFT, GHTP_CENTER, GHTP_RIGHT). The background
    // is left untouched. pDC should be the DC given to Format or one with the same mapping; when
    // the layout is missing or stale, Paint formats for pDC first. The DC's state (selected
    // objects, colours, modes, clipping) is restored before returning.
    BOOL Paint(CDC* pDC, int x, int y, CRect rcClip, int nFlags);

private:
    CGHTMLTextPainter(const CGHTMLTextPainter&) = delete;
    CGHTMLTextPainter& operator=(const CGHTMLTextPainter&) = delete;

    struct Impl;
    Impl* m_pImpl;
};
