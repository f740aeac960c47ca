// Markup parser: styles of nested and mis-nested elements, entities, malformed markup,
// white space and code page 1250 text.
#include "Markup.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace glyphor;

namespace {

// Tokens as text: "word{flags}" for words (flags b i u s a, cRRGGBB, sN, f=face),
// "_" for a space, "<br>" and "<p>" for breaks.
std::string Dump(const char* markup, bool newlineBreaks = false) {
    ParseOptions o;
    o.newlineBreaks = newlineBreaks;
    Document d = ParseMarkup(markup, std::char_traits<char>::length(markup), o);
    std::string out;
    for (const Token& t : d.tokens) {
        if (!out.empty()) out += ' ';
        if (t.kind == TokenKind::Space) { out += '_'; continue; }
        if (t.kind == TokenKind::LineBreak) { out += "<br>"; continue; }
        if (t.kind == TokenKind::ParagraphBreak) { out += "<p>"; continue; }
        out += t.text;
        const Style& s = d.styles.at(t.style);
        std::string f;
        if (s.bold) f += 'b';
        if (s.italic) f += 'i';
        if (s.underline) f += 'u';
        if (s.strike) f += 's';
        if (s.link) f += 'a';
        char buf[32];
        if (s.hasColor) {
            std::snprintf(buf, sizeof buf, "c%02X%02X%02X", s.color & 0xFF, (s.color >> 8) & 0xFF, (s.color >> 16) & 0xFF);
            f += buf;
        }
        if (s.size != kBaseSize) f += "s" + std::to_string(s.size);
        if (!s.face.empty()) f += "f=" + s.face;
        if (!f.empty()) out += "{" + f + "}";
    }
    return out;
}

}  // namespace

TEST(Markup, NestedElementsCombineAndCloseByName) {
    EXPECT_EQ(Dump("<b>a<i>b</i>c</b>d"), "a{b} b{bi} c{b} d");
    EXPECT_EQ(Dump("<b>1<i>2</b>3</i>4"), "1{b} 2{bi} 3{i} 4");  // mis-nested
    EXPECT_EQ(Dump("</u>x<U>y</u><S>z"), "x y{u} z{s}");        // stray close; case; left open
    EXPECT_EQ(Dump("<strong>x</strong> <em>y</em> <del>z</del>"), "x{b} _ y{i} _ z{s}");
    EXPECT_EQ(Dump("<a href=\"x>y\">l</a>m"), "l{a} m");          // '>' inside a quoted value
    EXPECT_EQ(Dump("<b/>x"), "x");
}

TEST(Markup, FontAttributes) {
    EXPECT_EQ(Dump("<font color=\"#FF8000\" size=\"+2\">r<font size=1 color=blue>s</font>t</font>u"),
              "r{cFF8000s5} s{c0000FFs1} t{cFF8000s5} u");
    EXPECT_EQ(Dump("<font color='#f00' size=-1 face='Arial'>x</font>"), "x{cFF0000s2f=Arial}");
    EXPECT_EQ(Dump("<font size=+9>x<font size=-9>y</font></font>"), "x{s7} y{s1}");  // clamped
    EXPECT_EQ(Dump("<font color=\"#12345g\" size=big>x</font>"), "x");                // invalid values
}

TEST(Markup, Entities) {
    EXPECT_EQ(Dump("&amp;&lt;&gt;&quot;&apos;&#65;&#x42;&#322;&nbsp;&euro;&bdquo;"),
              "&<>\"'ABł\xA0€„");
    EXPECT_EQ(Dump("&#x1F600;&#8364;"), "?€");                // no such character; € by number
    EXPECT_EQ(Dump("&lt;b&gt;x"), "<b>x");                    // decoded text is not markup
    EXPECT_EQ(Dump("a&#32;&#32;b"), "a _ b");                 // a decoded space is white space
}

TEST(Markup, UnterminatedOrUnknownEntitiesAreText) {
    EXPECT_EQ(Dump("&foo; &amp &#; &#12x; a&b &"), "&foo; _ &amp _ &#; _ &#12x; _ a&b _ &");
    EXPECT_EQ(Dump("&AMP; &verylongname;"), "&AMP; _ &verylongname;");
}

TEST(Markup, MalformedTagsAreTextUnknownTagsAreSkipped) {
    EXPECT_EQ(Dump("a<b"), "a<b");                 // no '>'
    EXPECT_EQ(Dump("x < y"), "x _ < _ y");
    EXPECT_EQ(Dump("1<2>3 </>"), "1<2>3 _ </>");     // no letter after '<'
    EXPECT_EQ(Dump("<b<i>c</i>"), "<b c{i}");      // a '<' before the '>'
    EXPECT_EQ(Dump("<a href=\"x>y"), "<a _ href=\"x>y");  // the quote never ends
    EXPECT_EQ(Dump("<blink>z</blink><b-x>w<img src=a.bmp/>"), "zw");
}

TEST(Markup, WhiteSpaceAndBreaks) {
    EXPECT_EQ(Dump("  a \t\r\n b  <br> c<p><P align=center>d</p>  "), "a _ b <br> c <p> d <p>");
    EXPECT_EQ(Dump("a\nb\r\nc", true), "a <br> b <br> c");
    EXPECT_EQ(Dump("<br/><br />x</br>"), "<br> <br> x");
    EXPECT_EQ(Dump("<b>a </b>b"), "a{b} _ b");
    EXPECT_EQ(Dump("a\x01\x7F" "b"), "ab");
}

TEST(Markup, Cp1250TextPassesThrough) {
    const char* text = "Zażółć gęślą jaźń ŁÓDŹ";
    EXPECT_EQ(Dump(text), "Zażółć _ gęślą _ jaźń _ ŁÓDŹ");
    EXPECT_EQ(std::string("ż").size(), 1u);  // the sources are compiled to code page 1250
    EXPECT_EQ(Dump("<b>Ś</b>\xA0x"), "Ś{b} \xA0x");  // byte 0xA0 never breaks
}
