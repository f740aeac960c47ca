// Markup parser: tags, entities and white space of the HTML-like subset.
#include "Markup.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace glyphor {
namespace {

// Unicode code points of the bytes 0x80..0xFF of code page 1250 (0: unassigned).
const uint16_t kCp1250High[128] = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

struct NamedEntity {
    const char* name;
    uint32_t codePoint;
};

const NamedEntity kEntities[] = {
    {"amp", '&'},       {"lt", '<'},         {"gt", '>'},        {"quot", '"'},     {"apos", '\''},
    {"nbsp", 0x00A0},   {"copy", 0x00A9},    {"reg", 0x00AE},    {"deg", 0x00B0},   {"plusmn", 0x00B1},
    {"sect", 0x00A7},   {"middot", 0x00B7},  {"laquo", 0x00AB},  {"raquo", 0x00BB}, {"ndash", 0x2013},
    {"mdash", 0x2014},  {"hellip", 0x2026},  {"bull", 0x2022},   {"euro", 0x20AC},  {"trade", 0x2122},
    {"bdquo", 0x201E},  {"ldquo", 0x201C},   {"rdquo", 0x201D},  {"lsquo", 0x2018}, {"rsquo", 0x2019},
};

struct NamedColor {
    const char* name;
    uint32_t rgb;  // 0xRRGGBB
};

const NamedColor kColors[] = {
    {"black", 0x000000},  {"silver", 0xC0C0C0}, {"gray", 0x808080},  {"grey", 0x808080},
    {"white", 0xFFFFFF},  {"maroon", 0x800000}, {"red", 0xFF0000},   {"purple", 0x800080},
    {"fuchsia", 0xFF00FF}, {"green", 0x008000}, {"lime", 0x00FF00},  {"olive", 0x808000},
    {"yellow", 0xFFFF00}, {"navy", 0x000080},   {"blue", 0x0000FF},  {"teal", 0x008080},
    {"aqua", 0x00FFFF},
};

const size_t kMaxEntityLength = 8;  // characters between '&' and ';'

bool IsSpace(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool IsAlpha(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsAlnum(unsigned char c) { return IsAlpha(c) || IsDigit(c); }
int HexValue(unsigned char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}
uint32_t RgbToColorRef(uint32_t rgb) { return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16); }

struct Tag {
    bool closing = false;
    bool selfClosing = false;
    std::string name;  // lower case; empty when the name is malformed (the tag is skipped)
    std::vector<std::pair<std::string, std::string>> attributes;  // names in lower case

    const std::string* Attribute(const char* attrName) const {
        for (const auto& a : attributes)
            if (a.first == attrName) return &a.second;
        return nullptr;
    }
};

void ParseAttributes(const char* s, size_t n, Tag& tag) {
    size_t i = 0;
    while (i < n) {
        while (i < n && IsSpace(s[i])) ++i;
        if (i >= n) break;
        if (s[i] == '/') {
            ++i;
            size_t j = i;
            while (j < n && IsSpace(s[j])) ++j;
            if (j >= n) tag.selfClosing = true;
            continue;
        }
        size_t nameStart = i;
        while (i < n && !IsSpace(s[i]) && s[i] != '=' && s[i] != '/') ++i;
        std::string name = Lower(std::string(s + nameStart, i - nameStart));
        while (i < n && IsSpace(s[i])) ++i;
        std::string value;
        if (i < n && s[i] == '=') {
            ++i;
            while (i < n && IsSpace(s[i])) ++i;
            if (i < n && (s[i] == '"' || s[i] == '\'')) {
                char quote = s[i++];
                size_t valueStart = i;
                while (i < n && s[i] != quote) ++i;
                value.assign(s + valueStart, i - valueStart);
                if (i < n) ++i;
            } else {
                size_t valueStart = i;
                while (i < n && !IsSpace(s[i])) ++i;
                value.assign(s + valueStart, i - valueStart);
            }
        }
        if (!name.empty()) tag.attributes.emplace_back(name, value);
    }
}

// A tag starts at s[i] == '<'. Returns the index after its '>', or 0 when the '<' does not
// open a tag: no letter after "<" or "</", or no closing '>' before the next '<' or the end.
size_t ScanTag(const char* s, size_t n, size_t i, Tag& tag) {
    size_t j = i + 1;
    if (j < n && s[j] == '/') {
        tag.closing = true;
        ++j;
    }
    if (j >= n || !IsAlpha(s[j])) return 0;
    size_t nameStart = j;
    while (j < n && IsAlnum(s[j])) ++j;
    size_t nameEnd = j;
    char quote = 0;
    for (; j < n; ++j) {
        char c = s[j];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '<') {
            return 0;
        } else if (c == '>') {
            break;
        }
    }
    if (j >= n) return 0;
    char after = s[nameEnd];
    if (IsSpace(after) || after == '/' || after == '>') {
        tag.name = Lower(std::string(s + nameStart, nameEnd - nameStart));
        ParseAttributes(s + nameEnd, j - nameEnd, tag);
    }
    return j + 1;
}

// An entity starts at s[i] == '&'. Returns the index after its ';' and the code point, or 0
// when it is not a complete, known entity.
size_t ScanEntity(const char* s, size_t n, size_t i, uint32_t& codePoint) {
    size_t j = i + 1;
    size_t limit = std::min(n, i + 1 + kMaxEntityLength + 1);
    if (j < n && s[j] == '#') {
        ++j;
        bool hex = j < n && (s[j] == 'x' || s[j] == 'X');
        if (hex) ++j;
        uint32_t value = 0;
        size_t digits = 0;
        for (; j < limit; ++j, ++digits) {
            int d = hex ? HexValue(s[j]) : (IsDigit(s[j]) ? s[j] - '0' : -1);
            if (d < 0) break;
            value = value * (hex ? 16 : 10) + d;
        }
        if (digits == 0 || j >= n || s[j] != ';' || value == 0 || value > 0x10FFFF) return 0;
        codePoint = value;
        return j + 1;
    }
    size_t nameStart = j;
    while (j < limit && IsAlnum(s[j])) ++j;
    if (j == nameStart || j >= n || s[j] != ';') return 0;
    std::string name(s + nameStart, j - nameStart);
    for (const NamedEntity& e : kEntities) {
        if (name == e.name) {
            codePoint = e.codePoint;
            return j + 1;
        }
    }
    return 0;
}

enum class Effect { Bold, Italic, Underline, Strike, Link, Font };

// One open inline element and the style in force inside it.
struct OpenElement {
    std::string tag;
    Effect effect;
    bool hasColor = false;
    uint32_t color = 0;
    int size = 0;      // absolute size, or a change when relative
    bool relative = false;
    bool hasSize = false;
    std::string face;
    int style = 0;
};

bool EffectOf(const std::string& tag, Effect& effect) {
    static const struct { const char* tag; Effect effect; } kInline[] = {
        {"b", Effect::Bold},      {"strong", Effect::Bold},    {"i", Effect::Italic},
        {"em", Effect::Italic},   {"u", Effect::Underline},    {"s", Effect::Strike},
        {"strike", Effect::Strike}, {"del", Effect::Strike},   {"a", Effect::Link},
        {"font", Effect::Font},
    };
    for (const auto& k : kInline) {
        if (tag == k.tag) {
            effect = k.effect;
            return true;
        }
    }
    return false;
}

class Parser {
public:
    Parser(const ParseOptions& options) : m_options(options) { Intern(Style()); }

    Document Run(const char* s, size_t n) {
        size_t i = 0;
        while (i < n) {
            unsigned char c = s[i];
            if (c == '<') {
                Tag tag;
                if (size_t end = ScanTag(s, n, i, tag)) {
                    OnTag(tag);
                    i = end;
                    continue;
                }
            } else if (c == '&') {
                uint32_t codePoint = 0;
                if (size_t end = ScanEntity(s, n, i, codePoint)) {
                    unsigned char byte = codePoint < 0x80 ? (unsigned char)codePoint : UnicodeToCp1250(codePoint);
                    if (codePoint >= 0x80 && byte == 0) byte = '?';
                    OnChar(byte, true);
                    i = end;
                    continue;
                }
            }
            OnChar(c, false);
            ++i;
        }
        return std::move(m_doc);
    }

private:
    int CurrentStyle() const { return m_open.empty() ? 0 : m_open.back().style; }

    // The index of a style, added when new: looked up by key, so that many distinct styles
    // stay cheap.
    int Intern(const Style& style) {
        const auto found = m_index.emplace(Key(style), int(m_doc.styles.size()));
        if (found.second) m_doc.styles.push_back(style);
        return found.first->second;
    }

    // Equal keys for equal styles (the colour counts only when it is set).
    static std::string Key(const Style& s) {
        std::string k(12, '\0');
        k[0] = char(s.bold | s.italic << 1 | s.underline << 2 | s.strike << 3 | s.link << 4 | s.hasColor << 5);
        const uint32_t color = s.hasColor ? s.color : 0;
        for (int i = 0; i < 4; ++i) k[1 + i] = char(color >> 8 * i);
        k[5] = char(s.size);
        return k + s.face;
    }

    int Apply(int baseStyle, const OpenElement& e) {
        Style s = m_doc.styles[baseStyle];
        switch (e.effect) {
        case Effect::Bold: s.bold = true; break;
        case Effect::Italic: s.italic = true; break;
        case Effect::Underline: s.underline = true; break;
        case Effect::Strike: s.strike = true; break;
        case Effect::Link: s.link = true; break;
        case Effect::Font:
            if (e.hasColor) {
                s.hasColor = true;
                s.color = e.color;
            }
            if (e.hasSize) s.size = std::max<int>(kMinSize, std::min<int>(kMaxSize, e.relative ? s.size + e.size : e.size));
            if (!e.face.empty()) s.face = e.face;
            break;
        }
        return Intern(s);
    }

    // Recomputes the styles of the open elements from index k on.
    void Restyle(size_t k) {
        for (; k < m_open.size(); ++k) m_open[k].style = Apply(k == 0 ? 0 : m_open[k - 1].style, m_open[k]);
    }

    void OnTag(const Tag& tag) {
        if (tag.name.empty()) return;
        if (tag.name == "br") {
            if (!tag.closing) Break(TokenKind::LineBreak);
            return;
        }
        if (tag.name == "p") {
            Break(TokenKind::ParagraphBreak);
            return;
        }
        OpenElement e;
        if (!EffectOf(tag.name, e.effect)) return;  // unknown tags are skipped
        if (tag.closing) {
            for (size_t k = m_open.size(); k-- > 0;) {
                if (m_open[k].tag == tag.name) {
                    m_open.erase(m_open.begin() + k);
                    Restyle(k);
                    break;
                }
            }
            return;
        }
        if (tag.selfClosing) return;
        e.tag = tag.name;
        if (e.effect == Effect::Font) ReadFontAttributes(tag, e);
        m_open.push_back(e);
        Restyle(m_open.size() - 1);
    }

    static void ReadFontAttributes(const Tag& tag, OpenElement& e) {
        if (const std::string* color = tag.Attribute("color")) e.hasColor = ParseColor(*color, e.color);
        if (const std::string* size = tag.Attribute("size")) {
            const char* p = size->c_str();
            while (IsSpace(*p)) ++p;
            int sign = 0;
            if (*p == '+' || *p == '-') sign = *p++ == '+' ? 1 : -1;
            if (IsDigit(*p)) {
                int value = 0;
                while (IsDigit(*p) && value < 100) value = value * 10 + (*p++ - '0');
                e.hasSize = true;
                e.relative = sign != 0;
                e.size = sign ? sign * value : value;
            }
        }
        if (const std::string* face = tag.Attribute("face")) e.face = face->substr(0, 31);
    }

    void OnChar(unsigned char c, bool fromEntity) {
        if (IsSpace(c)) {
            if (c == '\n' && m_options.newlineBreaks && !fromEntity)
                Break(TokenKind::LineBreak);
            else
                Space();
            return;
        }
        if (c < 0x20 || c == 0x7F) return;  // control characters draw as boxes
        int style = CurrentStyle();
        std::vector<Token>& t = m_doc.tokens;
        if (!t.empty() && t.back().kind == TokenKind::Word && t.back().style == style)
            t.back().text += char(c);
        else
            t.push_back(Token{TokenKind::Word, style, std::string(1, char(c))});
    }

    void Space() {
        std::vector<Token>& t = m_doc.tokens;
        if (t.empty() || t.back().kind != TokenKind::Word) return;  // collapsed or at a line start
        t.push_back(Token{TokenKind::Space, CurrentStyle(), std::string()});
    }

    void Break(TokenKind kind) {
        std::vector<Token>& t = m_doc.tokens;
        if (!t.empty() && t.back().kind == TokenKind::Space) t.pop_back();
        if (kind == TokenKind::ParagraphBreak && !t.empty() && t.back().kind == kind) return;
        t.push_back(Token{kind, CurrentStyle(), std::string()});
    }

    ParseOptions m_options;
    Document m_doc;
    std::map<std::string, int> m_index;  // style key -> index in m_doc.styles
    std::vector<OpenElement> m_open;
};

}  // namespace

unsigned char UnicodeToCp1250(uint32_t codePoint) {
    if (codePoint < 0x80) return (unsigned char)codePoint;
    for (int k = 0; k < 128; ++k)
        if (kCp1250High[k] == codePoint) return (unsigned char)(0x80 + k);
    return 0;
}

bool ParseColor(const std::string& value, uint32_t& color) {
    std::string v = Lower(value);
    size_t b = v.find_first_not_of(" \t"), e = v.find_last_not_of(" \t");
    if (b == std::string::npos) return false;
    v = v.substr(b, e - b + 1);
    for (const NamedColor& c : kColors) {
        if (v == c.name) {
            color = RgbToColorRef(c.rgb);
            return true;
        }
    }
    if (!v.empty() && v[0] == '#') v.erase(0, 1);
    if (v.size() != 6 && v.size() != 3) return false;
    uint32_t rgb = 0;
    for (char ch : v) {
        int d = HexValue(ch);
        if (d < 0) return false;
        rgb = v.size() == 6 ? (rgb << 4) | d : (rgb << 8) | (d * 0x11);
    }
    color = RgbToColorRef(rgb);
    return true;
}

Document ParseMarkup(const char* text, size_t length, const ParseOptions& options) {
    if (text == nullptr) length = 0;
    return Parser(options).Run(text, length);
}

}  // namespace glyphor
