// Line breaking and placement of parsed markup.
#include "Layout.h"

#include <algorithm>
#include <climits>

namespace glyphor {
namespace {

class Builder {
public:
    Builder(Measurer& measurer, const LayoutOptions& options) : m_measurer(measurer), m_options(options) {
        int room = options.maxWidth - options.marginLeft - options.marginRight;
        m_room = options.maxWidth > 0 ? std::max(1, room) : INT_MAX;
    }

    // One unbreakable word made of the Word tokens [first, last).
    void AddWord(const std::vector<Token>& tokens, size_t first, size_t last) {
        std::vector<PlacedRun> pieces;
        int width = 0;
        for (size_t k = first; k < last; ++k) {
            int w = m_measurer.TextWidth(tokens[k].style, tokens[k].text);
            pieces.push_back(PlacedRun{tokens[k].style, tokens[k].text, width, w});
            width += w;
        }
        int spaceWidth = 0;
        if (m_spaceStyle >= 0 && !m_runs.empty()) spaceWidth = m_measurer.TextWidth(m_spaceStyle, " ");
        if (!m_runs.empty() && (long long)m_x + spaceWidth + width > m_room) {
            EndLine(-1);
            spaceWidth = 0;
        }
        if (spaceWidth > 0) {
            m_runs.push_back(PlacedRun{m_spaceStyle, " ", m_x, spaceWidth});
            m_x += spaceWidth;
        }
        for (PlacedRun& p : pieces) {
            p.x += m_x;
            m_runs.push_back(p);
        }
        m_x += width;
        m_spaceStyle = -1;
    }

    void AddSpace(int style) {
        if (!m_runs.empty() && m_spaceStyle < 0) m_spaceStyle = style;
    }

    // Ends the current line; an empty one only when forced by a line break (in emptyStyle).
    void EndLine(int emptyStyle) {
        m_spaceStyle = -1;
        if (m_runs.empty() && emptyStyle < 0) return;
        Line line;
        line.ascent = line.descent = 0;
        if (m_runs.empty()) {
            FontMetrics m = m_measurer.Metrics(emptyStyle);
            line.ascent = m.ascent;
            line.descent = m.descent;
        }
        for (const PlacedRun& r : m_runs) {
            FontMetrics m = m_measurer.Metrics(r.style);
            line.ascent = std::max(line.ascent, m.ascent);
            line.descent = std::max(line.descent, m.descent);
        }
        if (!m_layout.lines.empty()) m_y += m_options.lineGap + (m_paragraphPending ? m_options.paragraphGap : 0);
        m_paragraphPending = false;
        line.top = m_y;
        line.width = m_x;
        line.runs.swap(m_runs);
        m_y += line.ascent + line.descent;
        m_layout.lines.push_back(std::move(line));
        m_x = 0;
    }

    void ParagraphBreak() {
        EndLine(-1);
        if (!m_layout.lines.empty()) m_paragraphPending = true;
    }

    Layout Finish() {
        EndLine(-1);
        Layout& l = m_layout;
        if (l.lines.empty()) return l;
        for (Line& line : l.lines) {
            line.top += m_options.marginTop;
            for (PlacedRun& r : line.runs) r.x += m_options.marginLeft;
            l.contentWidth = std::max(l.contentWidth, line.width);
        }
        l.contentLeft = m_options.marginLeft;
        l.width = l.contentWidth + m_options.marginLeft + m_options.marginRight;
        l.height = m_y + m_options.marginTop + m_options.marginBottom;
        return l;
    }

private:
    Measurer& m_measurer;
    const LayoutOptions& m_options;
    int m_room;
    Layout m_layout;
    std::vector<PlacedRun> m_runs;  // the line being filled
    int m_x = 0;
    int m_y = 0;
    int m_spaceStyle = -1;  // style of a pending space between words, -1 when none
    bool m_paragraphPending = false;
};

}  // namespace

Layout LayOut(const Document& doc, Measurer& measurer, const LayoutOptions& options) {
    Builder b(measurer, options);
    const std::vector<Token>& t = doc.tokens;
    for (size_t k = 0; k < t.size();) {
        switch (t[k].kind) {
        case TokenKind::Word: {
            size_t end = k;
            while (end < t.size() && t[end].kind == TokenKind::Word) ++end;
            b.AddWord(t, k, end);
            k = end;
            continue;
        }
        case TokenKind::Space: b.AddSpace(t[k].style); break;
        case TokenKind::LineBreak: b.EndLine(t[k].style); break;
        case TokenKind::ParagraphBreak: b.ParagraphBreak(); break;
        }
        ++k;
    }
    return b.Finish();
}

}  // namespace glyphor
