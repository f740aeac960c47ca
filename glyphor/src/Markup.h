// Markup parser: turns the HTML-like text into styled tokens. No GDI here.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace glyphor {

// Font size steps as in HTML's <font size>: 1 smallest, 3 the base size, 7 largest.
enum { kMinSize = 1, kBaseSize = 3, kMaxSize = 7 };

// The resolved appearance of a run of text.
struct Style {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool link = false;
    bool hasColor = false;   // color comes from <font color>
    uint32_t color = 0;      // COLORREF layout: 0x00BBGGRR
    int size = kBaseSize;    // kMinSize..kMaxSize
    std::string face;        // empty: the default face

    bool operator==(const Style& o) const {
        return bold == o.bold && italic == o.italic && underline == o.underline && strike == o.strike &&
               link == o.link && hasColor == o.hasColor && (!hasColor || color == o.color) &&
               size == o.size && face == o.face;
    }
    bool operator!=(const Style& o) const { return !(*this == o); }
};

enum class TokenKind {
    Word,            // text without break opportunities; adjacent Words form one unbreakable word
    Space,           // collapsed white space: a break opportunity
    LineBreak,       // <br> (or a newline when newlines break lines)
    ParagraphBreak,  // <p> or </p>
};

struct Token {
    TokenKind kind;
    int style;         // index into Document::styles
    std::string text;  // Word only: 8-bit text, entities already decoded
};

struct Document {
    std::vector<Style> styles;  // styles[0] is always the plain base style
    std::vector<Token> tokens;
};

struct ParseOptions {
    bool newlineBreaks = false;  // '\n' acts as <br> instead of white space
};

Document ParseMarkup(const char* text, size_t length, const ParseOptions& options = ParseOptions());

// Maps a Unicode code point to its code page 1250 byte; 0 when the page has no such character.
unsigned char UnicodeToCp1250(uint32_t codePoint);

// Parses an HTML colour ("#rrggbb", "#rgb", "rrggbb" or one of the 16 basic names) to
// 0x00BBGGRR; false when it is none of these.
bool ParseColor(const std::string& value, uint32_t& color);

}  // namespace glyphor
