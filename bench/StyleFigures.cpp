// Formatted text of many distinct styles: the time of a whole paint (parse, layout, paint) per
// style as the number of styles grows. Constant per style means linear; a quadratic step shows
// as a per-style time that doubles with the count. Colours make styles without new fonts;
// faces make a font per style, painted twice (the second paint finds its fonts kept).
#include <GHTMLTextPainter.h>

#include <string>
#include <vector>

#include "Bench.h"
#include "Figures.h"

namespace {

std::string Markup(int n, bool faces, int round) {
    std::string s;
    char tag[64];
    for (int k = 0; k < n; ++k) {
        if (faces)
            std::snprintf(tag, sizeof tag, "<font face=\"S%d_%d\">x</font> ", round, k);
        else
            std::snprintf(tag, sizeof tag, "<font color=#%06x>x</font> ", (k * 2654435761u + round) & 0xFFFFFF);
        s += tag;
    }
    return s;
}

// Milliseconds of one paint of a new painter, and of a second paint of the same painter.
std::pair<double, double> PaintTwice(CDC& dc, const std::string& markup) {
    CGHTMLTextPainter t;
    t.SetGHTMLText(markup.c_str());
    t.SetMaxWidth(600);
    const double t0 = fig::NowMs();
    t.Paint(&dc, 0, 0, CRect(0, 0, 600, 400), 0);
    const double t1 = fig::NowMs();
    t.SetMaxWidth(600);  // formats again, with the fonts the first paint left in the cache
    t.Paint(&dc, 0, 0, CRect(0, 0, 600, 400), 0);
    return {t1 - t0, fig::NowMs() - t1};
}

std::string RunSection(const BenchArgs&) {
    HDC screen = ::GetDC(NULL);
    CDC dc;
    dc.Attach(::CreateCompatibleDC(screen));
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 600, 400);
    ::ReleaseDC(NULL, screen);
    HGDIOBJ old = ::SelectObject(dc.m_hDC, bitmap);

    std::string out = "Formatted text of many styles (CGHTMLTextPainter): one paint, median of 5\n";
    out += fig::Format("%-8s %7s %12s %12s %14s %14s\n", "styles", "count", "first ms", "again ms", "first us/style",
                       "again us/style");
    for (bool faces : {false, true}) {
        const std::vector<int> counts = faces ? std::vector<int>{250, 500, 1000} : std::vector<int>{1000, 4000, 16000};
        for (int n : counts) {
            std::vector<double> first, again;
            for (int round = 0; round < 5; ++round) {
                const auto t = PaintTwice(dc, Markup(n, faces, round));
                first.push_back(t.first);
                again.push_back(t.second);
            }
            const double f = fig::Summarise(first).median, a = fig::Summarise(again).median;
            out += fig::Format("%-8s %7d %12.1f %12.1f %14.1f %14.1f\n", faces ? "faces" : "colours", n, f, a,
                               1000 * f / n, 1000 * a / n);
        }
    }
    ::SelectObject(dc.m_hDC, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc.Detach());
    return out;
}

FigureSectionRegistrar g_styles({"styles", 15, &RunSection});

}  // namespace
