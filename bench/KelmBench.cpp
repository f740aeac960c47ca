// Repaint benchmark: for each control, the median time of a full repaint (invalidate, update)
// of the skinned control and of the platform's control of the same kind and size, measured in
// the same process, and their ratio. Prints a table and writes it to a file.
#include <afxwin.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Bench.h"

static std::vector<BenchCase>& Registry() {
    static std::vector<BenchCase> cases;
    return cases;
}
void RegisterBenchCase(const BenchCase& c) { Registry().push_back(c); }
const std::vector<BenchCase>& BenchCases() { return Registry(); }

namespace {

double Now() {
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(freq.QuadPart);
}

void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Median of n full repaints of hWnd, in microseconds.
double MedianRepaint(HWND hWnd, int n) {
    std::vector<double> t;
    t.reserve(n);
    for (int i = 0; i < n; ++i) {
        const double a = Now();
        ::InvalidateRect(hWnd, NULL, TRUE);
        ::UpdateWindow(hWnd);
        t.push_back((Now() - a) * 1e6);
    }
    std::nth_element(t.begin(), t.begin() + n / 2, t.end());
    return t[n / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int repaints = 400;
    const char* out = "kelm_bench.txt";
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--repaints") && i + 1 < argc) repaints = std::max(10, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
    }
    const BenchArgs args(argc, argv);  // --only / --skip and the figure sections' options (Bench.h)
    const bool bRepaint = args.Selected("repaint");
    CWnd host;
    host.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)::GetStockObject(WHITE_BRUSH)),
                  "bench", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 700, 500, NULL, NULL);
    Pump();

    std::string table;
    char line[256];
    // Figures differ between the 32-bit and the 64-bit build: say which one measured them.
    std::snprintf(line, sizeof line, "kelm_bench: %s build (%d-bit DLLs)\n", sizeof(void*) == 8 ? "x86_64" : "i686",
                  int(sizeof(void*) * 8));
    table += line;
    std::fputs(line, stdout);
    std::snprintf(line, sizeof line, "%-22s %9s %12s %12s %7s\n", "control", "size", "skinned us", "platform us",
                  "ratio");
    if (bRepaint) {
        table += line;
        std::fputs(line, stdout);
    }
    for (const BenchCase& c : BenchCases()) {
        if (!bRepaint) break;
        CRect rc(CPoint(10, 10), c.size);
        HWND hSkinned = c.createSkinned(&host, rc);
        Pump();
        MedianRepaint(hSkinned, 20);  // warm-up
        const double skinned = MedianRepaint(hSkinned, repaints);
        c.destroy();
        Pump();
        double platform = 0;
        if (c.createPlatform != NULL) {
            HWND hPlatform = c.createPlatform(&host, rc);
            Pump();
            MedianRepaint(hPlatform, 20);
            platform = MedianRepaint(hPlatform, repaints);
            ::DestroyWindow(hPlatform);
            Pump();
        }
        char size[32];
        std::snprintf(size, sizeof size, "%ldx%ld", (long)c.size.cx, (long)c.size.cy);
        if (platform > 0)
            std::snprintf(line, sizeof line, "%-22s %9s %12.1f %12.1f %7.2f\n", c.name, size, skinned, platform,
                          skinned / platform);
        else
            std::snprintf(line, sizeof line, "%-22s %9s %12.1f %12s %7s\n", c.name, size, skinned, "-", "-");
        table += line;
        std::fputs(line, stdout);
        std::fflush(stdout);
        AfxDeleteTempMaps();
    }
    table += RunFigureSections(args);

    if (FILE* f = std::fopen(out, "w")) {
        std::fputs(table.c_str(), f);
        std::fclose(f);
    }
    host.DestroyWindow();
    return 0;
}
