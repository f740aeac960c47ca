// Line breaking and placement with a fixed-pitch measurer.
#include "Layout.h"

#include <gtest/gtest.h>

#include <string>

using namespace glyphor;

namespace {

// Characters are 10 units wide, bold ones 12; size n has ascent 2n + 2 and descent n
// (the base size: 8 + 3 = 11).
class FixedMeasurer : public Measurer {
public:
    explicit FixedMeasurer(const Document& doc) : m_doc(doc) {}
    FontMetrics Metrics(int style) override {
        FontMetrics m;
        m.ascent = 2 * m_doc.styles.at(style).size + 2;
        m.descent = m_doc.styles.at(style).size;
        return m;
    }
    int TextWidth(int style, const std::string& text) override {
        return int(text.size()) * (m_doc.styles.at(style).bold ? 12 : 10);
    }

private:
    const Document& m_doc;
};

struct Result {
    Layout layout;
    std::string lines;  // line texts joined with '|'
};

Result Lay(const char* markup, LayoutOptions o = LayoutOptions()) {
    Document doc = ParseMarkup(markup, std::char_traits<char>::length(markup));
    FixedMeasurer m(doc);
    Result r{LayOut(doc, m, o), ""};
    for (const Line& line : r.layout.lines) {
        if (&line != &r.layout.lines.front()) r.lines += '|';
        for (const PlacedRun& run : line.runs) r.lines += run.text;
    }
    return r;
}

LayoutOptions Width(int maxWidth, int margin = 0) {
    LayoutOptions o;
    o.maxWidth = maxWidth;
    o.marginLeft = o.marginRight = o.marginTop = o.marginBottom = margin;
    return o;
}

}  // namespace

TEST(Layout, BreaksAtSpacesToFitTheWidth) {
    Result r = Lay("aaa bbb  ccc dd", Width(80));
    EXPECT_EQ(r.lines, "aaa bbb|ccc dd");
    EXPECT_EQ(r.layout.width, 70);
    EXPECT_EQ(r.layout.height, 22);
    EXPECT_EQ(r.layout.lines[1].top, 11);
    EXPECT_EQ(r.layout.lines[1].width, 60);

    EXPECT_EQ(Lay("aaa bbb ccc dd", Width(70)).lines, "aaa bbb|ccc dd");  // an exact fit stays
    EXPECT_EQ(Lay("aaa bbb ccc dd", Width(69)).lines, "aaa|bbb|ccc dd");

    Result m = Lay("aaa bbb ccc dd", Width(80, 5));  // margins count in the width
    EXPECT_EQ(m.lines, "aaa bbb|ccc dd");
    EXPECT_EQ(m.layout.width, 80);
    EXPECT_EQ(m.layout.height, 32);
    EXPECT_EQ(m.layout.lines[0].runs[0].x, 5);
    EXPECT_EQ(m.layout.lines[0].top, 5);
}

TEST(Layout, WordsAreNeverSplit) {
    Result r = Lay("a verylongword b", Width(50));
    EXPECT_EQ(r.lines, "a|verylongword|b");
    EXPECT_EQ(r.layout.width, 120);

    Result styled = Lay("ab<b>cd</b>ef gh", Width(70));  // runs without a space form one word
    EXPECT_EQ(styled.lines, "abcdef|gh");
    EXPECT_EQ(styled.layout.lines[0].runs[2].x, 44);

    EXPECT_EQ(Lay("aaa bbb ccc dd").lines, "aaa bbb ccc dd");  // no limit
    EXPECT_EQ(Lay("a&nbsp;b c", Width(35)).lines, "a\xA0" "b|c");
}

TEST(Layout, LineAndParagraphBreaks) {
    EXPECT_EQ(Lay("a<br>b").layout.height, 22);
    EXPECT_EQ(Lay("a<br><br>b").layout.height, 33);
    EXPECT_EQ(Lay("<br>a").layout.height, 22);
    EXPECT_EQ(Lay("a<br>").layout.height, 11);
    EXPECT_EQ(Lay("").layout.width, 0);
    EXPECT_EQ(Lay("<p> </p>").layout.height, 0);

    LayoutOptions o;
    o.lineGap = 2;
    o.paragraphGap = 5;
    Result r = Lay("<p>a</p><p>b<br>c</p>", o);
    ASSERT_EQ(r.lines, "a|b|c");
    EXPECT_EQ(r.layout.lines[1].top, 11 + 2 + 5);
    EXPECT_EQ(r.layout.lines[2].top, 11 + 2 + 5 + 11 + 2);
    EXPECT_EQ(r.layout.height, 42);
}

TEST(Layout, MixedSizesShareABaseline) {
    Result r = Lay("a<font size=7>B</font><br>c");
    const Line& l = r.layout.lines[0];
    EXPECT_EQ(l.ascent, 16);
    EXPECT_EQ(l.descent, 7);
    EXPECT_EQ(r.layout.lines[1].top, 23);
    EXPECT_EQ(r.layout.height, 34);
}
