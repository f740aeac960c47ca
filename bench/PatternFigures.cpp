// Figure section "patterns": each skinned control of the repaint table repainted in a look whose
// ink and paper patterns are 2 × 2 pixels and in one whose patterns are 64 × 64, the median of a
// full repaint in both and their ratio. A small pattern is expanded once to a tile of at least
// 64 × 64 kept with the look; painted copy by copy it would cost a blit per copy.
#include <kelm/kelm.h>

#include <KelmTest.h>  // MoveCursor

#include <algorithm>
#include <string>
#include <vector>

#include "Bench.h"
#include "Figures.h"

namespace {

// Patterns of n × n pixels (the same colours whatever n is) for the ink and the paper.
struct Patterns {
    CKBitmapDC ink, paper;
    explicit Patterns(int n) : ink(NULL, n, n), paper(NULL, n, n) {
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                ink.SetPixel(x, y, (x + y) % 2 ? RGB(150, 40, 20) : RGB(200, 90, 10));
                paper.SetPixel(x, y, (x ^ y) % 2 ? RGB(236, 230, 210) : RGB(222, 214, 190));
            }
    }
};

void RepaintInto(HWND hWnd, int n, std::vector<double>* pTimes) {
    for (int i = 0; i < n; ++i) {
        const double a = fig::NowMs();
        ::InvalidateRect(hWnd, NULL, TRUE);
        ::UpdateWindow(hWnd);
        if (pTimes != nullptr) pTimes->push_back((fig::NowMs() - a) * 1000.0);
    }
}

// The median repaints of a control made by c in the panel, in a look with 2 × 2 patterns and
// in one with 64 × 64 patterns, measured in alternating runs so that a change in the machine's
// load touches both alike. Each run makes its look anew; its first repaint (which expands the
// pattern) is not counted.
void Measure(const BenchCase& c, CWnd& panel, int repaints, double (&us)[2]) {
    static Patterns small(2), large(64);
    Patterns* patterns[2] = {&small, &large};
    HWND hControl = c.createSkinned(&panel, CRect(CPoint(10, 10), c.size));
    fig::PumpPending();
    std::vector<double> samples[2];
    const int kRun = 20;
    for (int done = 0; done < repaints; done += kRun) {
        for (int k = 0; k < 2; ++k) {
            CKMPBitmapProvider look(&panel, &patterns[k]->ink, RGB(80, 20, 10), RGB(90, 60, 40), RGB(180, 60, 0),
                                    &patterns[k]->paper, RGB(240, 235, 220), RGB(170, 150, 120), RGB(120, 100, 80),
                                    false);
            RepaintInto(hControl, 1, nullptr);
            RepaintInto(hControl, std::min(kRun, repaints - done), &samples[k]);
        }
    }
    for (int k = 0; k < 2; ++k) us[k] = fig::Summarise(samples[k]).median;
    c.destroy();
    fig::PumpPending();
    AfxDeleteTempMaps();
}

std::string RunSection(const BenchArgs& args) {
    const int repaints = (int)std::max(10L, args.Number("--repaints", 400));
    kt::MoveCursor(1250, 1000);  // no hover looks
    CWnd panel;
    panel.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)::GetStockObject(WHITE_BRUSH)),
                   "patterns", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 700, 500, NULL, NULL);
    fig::PumpFor(60);
    std::string out = fig::Format("Patterns: median full repaint in a look with 2 x 2 patterns and with 64 x 64 "
                                  "patterns (%d repaints each, in alternating runs)\n",
                                  repaints);
    out += fig::Format("%-30s %9s %10s %12s %7s\n", "control", "size", "2x2 us", "64x64 us", "ratio");
    for (const BenchCase& c : BenchCases()) {
        if (c.createSkinned == nullptr || c.size.cx == 0) continue;  // the tooltip takes no look of a panel
        fig::Note("patterns: %s", c.name);
        double us[2] = {0, 0};
        Measure(c, panel, repaints, us);
        const std::string size = fig::Format("%ldx%ld", (long)c.size.cx, (long)c.size.cy);
        out += fig::Format("%-30s %9s %10.1f %12.1f %7.2f\n", c.name, size.c_str(), us[0], us[1],
                           us[1] > 0 ? us[0] / us[1] : 0.0);
    }
    panel.DestroyWindow();
    fig::PumpPending();
    return out;
}

FigureSectionRegistrar g_patterns({"patterns", 5, &RunSection});

}  // namespace
