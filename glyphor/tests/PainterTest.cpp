// CGHTMLTextPainter on real memory DCs: where ink lands, in which colour, measured sizes in
// MM_TEXT and MM_HIMETRIC, code page 1250 glyphs, masks, and the DC left as it was.
#include "GHTMLTextPainter.h"

#include "Markup.h"

#include <KelmTest.h>
#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <string>
#include <thread>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kInk = RGB(0xC0, 0x10, 0x20);

// A memory DC with a white bitmap compatible with the screen, or a 1-bit one (a mask).
class Canvas {
public:
    Canvas(int w, int h, bool mono = false) : m_w(w), m_h(h) {
        HDC screen = ::GetDC(NULL);
        m_hdc = ::CreateCompatibleDC(screen);
        m_bitmap = mono ? ::CreateBitmap(w, h, 1, 1, NULL) : ::CreateCompatibleBitmap(screen, w, h);
        ::ReleaseDC(NULL, screen);
        m_old = ::SelectObject(m_hdc, m_bitmap);
        ::PatBlt(m_hdc, 0, 0, w, h, WHITENESS);
        dc.Attach(m_hdc);
    }
    ~Canvas() {
        dc.Detach();
        ::SelectObject(m_hdc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_hdc);
    }
    // Pixels in device coordinates, whatever the mapping mode.
    kt::Pixels Read() {
        int mode = ::SetMapMode(m_hdc, MM_TEXT);
        kt::Pixels px = kt::ReadDC(m_hdc, 0, 0, m_w, m_h);
        ::SetMapMode(m_hdc, mode);
        return px;
    }
    POINT ToLogical(int x, int y) const {
        POINT p = {x, y};
        ::DPtoLP(m_hdc, &p, 1);
        return p;
    }
    // Device rectangle of a block of w × h logical units whose top-left corner is at p.
    CRect BlockOnDevice(POINT p, int w, int h) const {
        int yDir = ToLogical(0, 100).y > ToLogical(0, 0).y ? 1 : -1;
        POINT c[2] = {p, {p.x + w, p.y + yDir * h}};
        ::LPtoDP(m_hdc, c, 2);
        CRect r(c[0], c[1]);
        r.NormalizeRect();
        return r;
    }
    CDC dc;

private:
    int m_w, m_h;
    HDC m_hdc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

// Bounding box of the pixels that are not white (empty when there are none).
CRect InkBox(const kt::Pixels& px) {
    CRect box;
    for (int y = 0; y < px.height(); ++y)
        for (int x = 0; x < px.width(); ++x)
            if (px.At(x, y) != kWhite) box |= CRect(x, y, x + 1, y + 1);
    return box;
}

FormatTextParams InkParams() {
    FormatTextParams p = GetDefaultFormatTextParams();
    p.crText = p.crLink = p.crShadow = kInk;
    return p;
}

struct Size {
    int w, h;
};

Size Measure(CDC& dc, const char* markup, FormatTextParams p, int maxWidth = -1) {
    CGHTMLTextPainter t;
    t.SetGHTMLText(markup);
    t.SetFormatParams(p);
    t.SetMaxWidth(maxWidth);
    EXPECT_TRUE(t.Format(&dc));
    return Size{t.GetWidth(), t.GetHeight()};
}

const char kSample[] =
    "<font size=5>Żółw</font> Ala <b>ma</b> <a href=x>kota</a> &amp; psa<br>Zażółć <i>gęślą</i> jaźń";

}  // namespace

TEST(Painter, InkIsInTheTextColourAndFillsTheMeasuredBlock) {
    CRect boxes[2];
    const int modes[2] = {MM_TEXT, MM_HIMETRIC};
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(modes[k] == MM_TEXT ? "MM_TEXT" : "MM_HIMETRIC");
        Canvas c(400, 160);
        c.dc.SetMapMode(modes[k]);
        CGHTMLTextPainter t;
        t.SetGHTMLText(kSample);
        t.SetFormatParams(InkParams());
        t.SetMaxWidth(-1);
        ASSERT_TRUE(t.Format(&c.dc));
        POINT o = c.ToLogical(30, 20);
        POINT end = c.ToLogical(100000, 100000);
        ASSERT_TRUE(t.Paint(&c.dc, o.x, o.y, CRect(o.x, o.y, end.x, end.y), 0));

        kt::Pixels px = c.Read();
        CRect block = c.BlockOnDevice(o, t.GetWidth(), t.GetHeight());
        CRect ink = InkBox(px);
        EXPECT_GT(px.Count(kInk), 50);
        EXPECT_EQ(px.Count(kInk), px.Count(kInk, block.left, block.top, block.right, block.bottom));
        EXPECT_EQ(ink & block, ink) << "ink outside the measured block";
        // The block is the text's extent: one pixel of margin plus the glyphs' side bearings.
        EXPECT_LE(ink.left - block.left, 3);
        EXPECT_LE(ink.top - block.top, 4);
        EXPECT_LE(block.right - ink.right, 3);
        EXPECT_LE(block.bottom - ink.bottom, 3);
        EXPECT_GT(block.Height(), 2 * 11);  // two lines
        boxes[k] = block;
    }
    EXPECT_NEAR(boxes[0].Width(), boxes[1].Width(), 2);
    EXPECT_NEAR(boxes[0].Height(), boxes[1].Height(), 2);
}

TEST(Painter, ClipsToTheRectangleAndAlignsLines) {
    Canvas c(300, 100);
    c.dc.SetMapMode(MM_HIMETRIC);
    CGHTMLTextPainter t;
    t.SetGHTMLText("a<br>wwwwwwwwww");
    t.SetFormatParams(InkParams());
    ASSERT_TRUE(t.Format(&c.dc));
    POINT o = c.ToLogical(10, 10);
    CRect block = c.BlockOnDevice(o, t.GetWidth(), t.GetHeight());
    int half = block.left + block.Width() / 2;
    POINT clip[2] = {c.ToLogical(0, 0), c.ToLogical(half, 100)};
    ASSERT_TRUE(t.Paint(&c.dc, o.x, o.y, CRect(clip[0], clip[1]), GHTP_RIGHT));
    kt::Pixels px = c.Read();
    EXPECT_GT(px.Count(kInk), 0);
    EXPECT_EQ(px.Count(kInk, half, 0, 300, 100), 0);
    // Right-aligned, the short first line lies beyond the clip: nothing above the long line.
    EXPECT_EQ(px.Count(kInk, 0, 0, 300, block.top + block.Height() / 2 - 1), 0);

    Canvas c2(300, 100);
    c2.dc.SetMapMode(MM_HIMETRIC);
    ASSERT_TRUE(t.Paint(&c2.dc, o.x, o.y, CRect(), GHTP_CENTER | GHTP_NOCLIP));
    kt::Pixels top = c2.Read();
    CRect firstLine = InkBox(top) & CRect(0, 0, 300, block.top + block.Height() / 2 - 1);
    EXPECT_NEAR(firstLine.CenterPoint().x, block.CenterPoint().x, 2);
}

TEST(Painter, MeasuresInLogicalUnits) {
    FormatTextParams p = InkParams();
    p.nMarginLeft = p.nMarginTop = p.nMarginRight = p.nMarginBottom = 0;
    for (int mode : {MM_TEXT, MM_HIMETRIC}) {
        SCOPED_TRACE(mode == MM_TEXT ? "MM_TEXT" : "MM_HIMETRIC");
        Canvas c(10, 10);
        c.dc.SetMapMode(mode);
        Size plain = Measure(c.dc, "Kelm", p);
        EXPECT_GT(plain.w, 0);
        EXPECT_GT(Measure(c.dc, "<b>Kelm</b>", p).w, plain.w);
        EXPECT_GT(Measure(c.dc, "<font size=6>Kelm</font>", p).h, plain.h);
        Size two = Measure(c.dc, "Kelm<br>Kelm", p);
        EXPECT_EQ(two.h, 2 * plain.h);
        EXPECT_EQ(two.w, plain.w);
        Size oneLine = Measure(c.dc, "Kelm Kelm", p);
        EXPECT_EQ(oneLine.h, plain.h);
        Size wrapped = Measure(c.dc, "Kelm Kelm", p, oneLine.w - 1);
        EXPECT_EQ(wrapped.h, two.h);
        EXPECT_EQ(wrapped.w, plain.w);
        Size empty = Measure(c.dc, " <b></b> ", p);
        EXPECT_EQ(empty.w, 0);
        EXPECT_EQ(empty.h, 0);
    }
    Canvas c(10, 10);
    p.nShadowOffset = 2;
    Size shadowed = Measure(c.dc, "Kelm", p);
    p.nShadowOffset = 0;
    Size plain = Measure(c.dc, "Kelm", p);
    EXPECT_EQ(shadowed.w, plain.w + 2);
    EXPECT_EQ(shadowed.h, plain.h + 2);
}

TEST(Painter, PolishTextLooksAsDrawnFromUnicode) {
    FormatTextParams p = GetDefaultFormatTextParams();
    p.nFontSize = 120;
    p.nMarginLeft = p.nMarginTop = p.nMarginRight = p.nMarginBottom = 0;
    Canvas ours(200, 40), reference(200, 40);
    CGHTMLTextPainter t;
    t.SetGHTMLText("ZażółćGęśląJaźń");  // one word: one TextOut, as below
    t.SetFormatParams(p);
    ASSERT_TRUE(t.Paint(&ours.dc, 0, 0, CRect(0, 0, 200, 40), 0));

    HFONT font = ::CreateFontW(-::MulDiv(12, ::GetDeviceCaps(reference.dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0,
                               0, DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0, L"Tahoma");
    HGDIOBJ old = ::SelectObject(reference.dc, font);
    ::SetBkMode(reference.dc, TRANSPARENT);
    const wchar_t text[] = L"Za\u017C\u00F3\u0142\u0107G\u0119\u015Bl\u0105Ja\u017A\u0144";
    ::TextOutW(reference.dc, 0, 0, text, (int)wcslen(text));
    ::SelectObject(reference.dc, old);
    ::DeleteObject(font);

    kt::Pixels a = ours.Read(), b = reference.Read();
    EXPECT_GT(b.Count(RGB(0, 0, 0)), 100);
    EXPECT_TRUE(a == b) << "code page 1250 text drawn with other glyphs than the Unicode text";
}

// Paints markup from the top-left corner of a w × h canvas and reads it back.
kt::Pixels PaintAt00(const char* markup, const FormatTextParams& p, int w, int h, int mode, bool mono) {
    Canvas c(w, h, mono);
    c.dc.SetMapMode(mode);
    CGHTMLTextPainter t;
    t.SetGHTMLText(markup);
    t.SetFormatParams(p);
    const POINT o = c.ToLogical(0, 0), end = c.ToLogical(w, h);
    EXPECT_TRUE(t.Paint(&c.dc, o.x, o.y, CRect(o, end), 0));
    return c.Read();
}

// Runs that follow each other without a space touch: a text split into runs of one font paints
// as the same text in one run, on a mask and in colour (where large text is antialiased), in both
// mapping modes, in a face with a real italic and in one whose italic is made up.
TEST(Painter, RunsWithoutASpaceBetweenThemTouch) {
    const char* const pairs[][2] = {
        {"<i>kursywa,</i> x", "<i>kursywa<font color=\"#c01020\">,</font></i> x"},
        {"kursywa, x", "kursywa<font color=\"#c01020\">, </font>x"},
        {"<i>sformatowany: </i>z", "<i><font color=\"#c01020\">sformatowany</font>: </i>z"},
    };
    for (const char* face : {"Liberation Sans", "Tahoma"}) {
        for (int size : {110, 250}) {
            FormatTextParams p = InkParams();
            lstrcpynA(p.szFaceName, face, sizeof p.szFaceName);
            p.nFontSize = size;
            for (int mode : {MM_TEXT, MM_HIMETRIC}) {
                for (bool mono : {true, false}) {
                    for (const auto& pair : pairs) {
                        SCOPED_TRACE(std::string(face) + " " + std::to_string(size) +
                                     (mode == MM_TEXT ? " MM_TEXT " : " MM_HIMETRIC ") +
                                     (mono ? "mask " : "colour ") + pair[1]);
                        const kt::Pixels one = PaintAt00(pair[0], p, size * 3 / 2, size / 4, mode, mono);
                        EXPECT_GT(one.width() * one.height() - one.Count(kWhite), 100);
                        EXPECT_TRUE(PaintAt00(pair[1], p, size * 3 / 2, size / 4, mode, mono) == one);
                    }
                }
            }
        }
    }
}

// What a painter shows after a change: its size and picture on a fresh canvas in mapping mode.
struct Shown {
    int w, h;
    kt::Pixels px;
    bool operator==(const Shown& o) const { return w == o.w && h == o.h && px == o.px; }
};
Shown Show(CGHTMLTextPainter& t, int mode) {
    Canvas c(200, 60);
    c.dc.SetMapMode(mode);
    EXPECT_TRUE(t.Format(&c.dc));
    const POINT o = c.ToLogical(0, 0), end = c.ToLogical(200, 60);
    EXPECT_TRUE(t.Paint(&c.dc, o.x, o.y, CRect(o, end), 0));
    return Shown{t.GetWidth(), t.GetHeight(), c.Read()};
}
Shown ShowFresh(const char* markup, const FormatTextParams& p, int maxWidth, int mode) {
    CGHTMLTextPainter t;
    t.SetGHTMLText(markup);
    t.SetFormatParams(p);
    t.SetMaxWidth(maxWidth);
    return Show(t, mode);
}

// A painter keeps its layout from paint to paint, and after each change of text, width, record,
// colour or mapping shows what a new painter shows.
TEST(Painter, KeptLayoutFollowsEveryChange) {
    const char* const a = "Tekst <b>pogrubiony</b> i <i>kursywa</i>";
    const char* const b = "Inny <u>tekst</u>";
    FormatTextParams p = InkParams();
    CGHTMLTextPainter t;
    t.SetGHTMLText(a);
    t.SetFormatParams(p);
    const Shown first = Show(t, MM_TEXT);
    EXPECT_TRUE(Show(t, MM_TEXT) == first);
    EXPECT_TRUE(Show(t, MM_HIMETRIC) == ShowFresh(a, p, -1, MM_HIMETRIC));
    EXPECT_TRUE(Show(t, MM_TEXT) == first);
    t.SetGHTMLText(b);
    EXPECT_TRUE(Show(t, MM_TEXT) == ShowFresh(b, p, -1, MM_TEXT));
    t.SetGHTMLText(a);
    t.SetMaxWidth(60);
    const Shown narrow = Show(t, MM_TEXT);
    EXPECT_GT(narrow.h, first.h);
    EXPECT_TRUE(narrow == ShowFresh(a, p, 60, MM_TEXT));
    t.SetMaxWidth(-1);
    p.nFontSize = 120;
    t.SetFormatParams(p);
    EXPECT_TRUE(Show(t, MM_TEXT) == ShowFresh(a, p, -1, MM_TEXT));
    p.crText = RGB(0x10, 0x80, 0x20);
    t.SetFormatParams(p);
    const Shown green = Show(t, MM_TEXT);
    EXPECT_GT(green.px.Count(p.crText), 20);
    EXPECT_TRUE(green == ShowFresh(a, p, -1, MM_TEXT));
}

TEST(Painter, MaskGetsAllTextInTheTextColour) {
    Canvas mask(120, 30, true);
    FormatTextParams p = GetDefaultFormatTextParams();
    p.crText = p.crLink = p.crShadow = RGB(0, 0, 0);
    CGHTMLTextPainter t;
    t.SetGHTMLText("<font color=white>ŻÓŁW</font>");
    t.SetFormatParams(p);
    ASSERT_TRUE(t.Format(&mask.dc));
    ASSERT_TRUE(t.Paint(&mask.dc, 0, 0, CRect(0, 0, 120, 30), 0));
    EXPECT_GT(mask.Read().Count(RGB(0, 0, 0)), 20);

    Canvas colour(120, 30);  // on a colour DC the markup's colour wins
    ASSERT_TRUE(t.Paint(&colour.dc, 0, 0, CRect(0, 0, 120, 30), 0));
    EXPECT_EQ(colour.Read().Count(RGB(0, 0, 0)), 0);
}

TEST(Painter, LeavesTheDCAsItWasAndReleasesItsFonts) {
    Canvas c(200, 40);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Tahoma"));
    CFont* before = c.dc.SelectObject(&font);
    c.dc.SetTextColor(RGB(1, 2, 3));
    c.dc.SetBkMode(OPAQUE);
    c.dc.SetTextAlign(TA_RIGHT);
    c.dc.IntersectClipRect(0, 0, 150, 40);

    // Three fonts per painter and call: far more than the process's GDI handle table holds.
    FormatTextParams p = InkParams();
    BOOL ok = TRUE;
    for (int i = 0; i < 12000 && ok; ++i) {
        CGHTMLTextPainter t;
        t.SetGHTMLText("<b>a</b><i>b</i>c");
        t.SetFormatParams(p);
        ok = t.Format(&c.dc) && t.Paint(&c.dc, 0, 0, CRect(0, 0, 200, 40), 0);
    }
    EXPECT_TRUE(ok);
    EXPECT_EQ(::GetCurrentObject(c.dc, OBJ_FONT), font.GetSafeHandle());
    EXPECT_EQ(c.dc.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(c.dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(::GetTextAlign(c.dc), (UINT)TA_RIGHT);
    CRect clip;
    c.dc.GetClipBox(&clip);
    EXPECT_EQ(clip, CRect(0, 0, 150, 40));
    kt::Pixels px = c.Read();
    EXPECT_GT(px.Count(kInk), 0);
    c.dc.SelectObject(before);
}

// Absurd base sizes give the nearest sane font: zero and negative ones the default size, huge
// ones the largest (720 pt), in pixels and in a mapping mode of many units per pixel.
TEST(Painter, AbsurdFontSizesAreKeptInASaneRange) {
    for (int mode : {MM_TEXT, MM_HIMETRIC}) {
        SCOPED_TRACE(mode == MM_TEXT ? "MM_TEXT" : "MM_HIMETRIC");
        Canvas c(100, 100);
        c.dc.SetMapMode(mode);
        FormatTextParams p = InkParams();
        auto height = [&](int size) {
            p.nFontSize = size;
            return Measure(c.dc, "<font size=7>W</font>", p).h;
        };
        const int largest = height(7200), smallest = height(10), plain = height(80);
        EXPECT_GT(largest, 50 * smallest);
        for (int size : {7201, 100000000, INT_MAX}) EXPECT_EQ(largest, height(size)) << size;
        for (int size : {0, -1, INT_MIN}) EXPECT_EQ(plain, height(size)) << size;
        EXPECT_EQ(smallest, height(1));
    }
}

// Markup of n styles that no other text has, each with a font of its own (its face).
std::string ManyStyles(int n, int round) {
    std::string s;
    for (int k = 0; k < n; ++k)
        s += "<font face=\"F" + std::to_string(round) + "_" + std::to_string(k) + "\">x</font>";
    return s;
}

// One thread paints the same text again and again while another paints texts of many new
// fonts, so that the shared font cache keeps dropping fonts: the first thread's fonts must stay
// usable to the end of each of its paints.
TEST(Painter, ThreadsShareTheFontCacheWithoutLosingFonts) {
    std::atomic<bool> stop(false);
    std::atomic<int> churned(0);
    std::thread churn([&] {
        for (int round = 0; !stop; ++round) {
            Canvas c(300, 30);
            CGHTMLTextPainter t;
            t.SetGHTMLText(ManyStyles(70, round).c_str());
            t.SetFormatParams(InkParams());
            t.Paint(&c.dc, 0, 0, CRect(0, 0, 300, 30), 0);
            ++churned;
        }
    });
    // Many runs in six fonts: a paint selects each of them again and again.
    std::string text;
    for (int i = 0; i < 40; ++i) text += "<b>Zaż</b> <i>ółć</i> <u>gęś</u> <font size=6>lą</font> <s>ja</s> <font size=2>źń</font> ";
    Canvas c(400, 300);
    CGHTMLTextPainter t;
    t.SetGHTMLText(text.c_str());
    t.SetFormatParams(InkParams());
    t.SetMaxWidth(400);
    ASSERT_TRUE(t.Paint(&c.dc, 0, 0, CRect(0, 0, 400, 300), 0));
    const kt::Pixels first = c.Read();
    int paints = 0, differing = 0;
    const DWORD start = ::GetTickCount();
    while ((churned < 30 || paints < 100) && ::GetTickCount() - start < 30000) {
        ::PatBlt(c.dc.m_hDC, 0, 0, 400, 300, WHITENESS);
        t.SetMaxWidth(400);  // formats again
        EXPECT_TRUE(t.Paint(&c.dc, 0, 0, CRect(0, 0, 400, 300), 0));
        differing += !(c.Read() == first);
        ++paints;
    }
    stop = true;
    churn.join();
    EXPECT_GE(churned.load(), 30) << "the other thread hardly ran";
    EXPECT_EQ(0, differing) << "of " << paints << " paints";
}

// Many distinct styles are kept apart and in order (their index is found by key).
TEST(Painter, ManyDistinctStylesEachGetTheirOwnStyle) {
    const glyphor::Document d = glyphor::ParseMarkup(ManyStyles(3000, 0).c_str(), ManyStyles(3000, 0).size());
    ASSERT_EQ(3001u, d.styles.size());
    ASSERT_EQ(3000u, d.tokens.size());
    for (size_t k = 0; k < d.tokens.size(); ++k) ASSERT_EQ(int(k + 1), d.tokens[k].style);
    const glyphor::Document again = glyphor::ParseMarkup("<b>a</b>b<b>c</b>", 17);
    ASSERT_EQ(2u, again.styles.size());
    EXPECT_EQ(again.tokens[0].style, again.tokens[2].style);
}
