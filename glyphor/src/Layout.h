// Line breaking and placement of parsed markup. Works in abstract units through a measuring
// callback; distances grow to the right and downward whatever the device's axes are.
#pragma once
#include "Markup.h"

#include <string>
#include <vector>

namespace glyphor {

struct FontMetrics {
    int ascent = 0;   // above the baseline
    int descent = 0;  // below the baseline
};

class Measurer {
public:
    virtual ~Measurer() {}
    virtual FontMetrics Metrics(int style) = 0;
    virtual int TextWidth(int style, const std::string& text) = 0;
};

struct LayoutOptions {
    int maxWidth = -1;  // whole width, margins included; <= 0: no limit
    int marginLeft = 0, marginTop = 0, marginRight = 0, marginBottom = 0;
    int lineGap = 0;       // added between two lines
    int paragraphGap = 0;  // added (on top of lineGap) between the lines of two paragraphs
};

struct PlacedRun {
    int style;
    std::string text;
    int x;      // left edge, from the layout's left edge (margin included)
    int width;
};

struct Line {
    std::vector<PlacedRun> runs;
    int top;      // from the layout's top edge (margin included)
    int ascent;
    int descent;
    int width;    // from the first run's left edge to the last run's right edge
};

struct Layout {
    std::vector<Line> lines;
    int width = 0;   // margins included; 0 when there is no line
    int height = 0;
    int contentLeft = 0;   // left margin: where lines start
    int contentWidth = 0;  // width without the margins
};

// Breaks lines at spaces so that they fit maxWidth. A word wider than the room is put on a
// line of its own and sticks out; the layout's width then exceeds maxWidth.
Layout LayOut(const Document& doc, Measurer& measurer, const LayoutOptions& options);

}  // namespace glyphor
