// Repaint benchmark: for each control, the median time of a full repaint (invalidate, update)
// of the skinned control and of the platform's control of the same kind and size, measured in
// the same process, and their ratio; then the floor, the cheapest repaint of a window of the
// skinned control's size (one SRCCOPY blit from a kept memory DC), and the control's ratio to
// it. Prints a table and writes it to a file.
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

// The floor window: its paint is one SRCCOPY blit of its whole client area from a memory DC
// made when it is created and kept until it goes.
struct FloorWindow {
    HDC memory = NULL;
    HBITMAP bitmap = NULL;
    HGDIOBJ old = NULL;
};

LRESULT CALLBACK FloorProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    FloorWindow* f = reinterpret_cast<FloorWindow*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(hWnd, &ps);
        RECT rc;
        ::GetClientRect(hWnd, &rc);
        if (f != nullptr) ::BitBlt(hdc, 0, 0, rc.right, rc.bottom, f->memory, 0, 0, SRCCOPY);
        ::EndPaint(hWnd, &ps);
        return 0;
    }
    }
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

// Median repaint of a floor window placed and sized like hLike (a child of hLike's parent, or
// a popup where hLike is one), in microseconds.
double FloorRepaint(HWND hLike, int n) {
    static const char* const kClass = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &FloorProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = "KelmBenchFloor";
        ::RegisterClassA(&wc);
        return "KelmBenchFloor";
    }();
    RECT rc;
    ::GetClientRect(hLike, &rc);
    const bool child = (::GetWindowLongA(hLike, GWL_STYLE) & WS_CHILD) != 0;
    HWND hParent = child ? ::GetParent(hLike) : NULL;
    POINT at = {0, 0};
    ::ClientToScreen(hLike, &at);
    if (child) ::ScreenToClient(hParent, &at);
    HWND hFloor = ::CreateWindowExA(0, kClass, "", (child ? WS_CHILD : WS_POPUP) | WS_VISIBLE, at.x, at.y,
                                    std::max(1L, (long)rc.right), std::max(1L, (long)rc.bottom), hParent, NULL,
                                    ::GetModuleHandleA(NULL), NULL);
    if (hFloor == NULL) return 0;
    FloorWindow f;
    HDC screen = ::GetDC(hFloor);
    f.memory = ::CreateCompatibleDC(screen);
    f.bitmap = ::CreateCompatibleBitmap(screen, std::max(1L, (long)rc.right), std::max(1L, (long)rc.bottom));
    ::ReleaseDC(hFloor, screen);
    f.old = ::SelectObject(f.memory, f.bitmap);
    ::PatBlt(f.memory, 0, 0, rc.right, rc.bottom, WHITENESS);
    ::SetWindowLongPtrA(hFloor, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&f));
    Pump();
    MedianRepaint(hFloor, 20);  // warm-up
    const double floor = MedianRepaint(hFloor, n);
    ::DestroyWindow(hFloor);
    Pump();
    ::SelectObject(f.memory, f.old);
    ::DeleteObject(f.bitmap);
    ::DeleteDC(f.memory);
    return floor;
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
    std::snprintf(line, sizeof line, "%-22s %9s %12s %12s %7s %9s %9s\n", "control", "size", "skinned us",
                  "platform us", "ratio", "floor us", "x floor");
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
        const double floor = FloorRepaint(hSkinned, repaints);
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
        char vsPlatform[64], vsFloor[64];
        if (platform > 0) std::snprintf(vsPlatform, sizeof vsPlatform, "%12.1f %7.2f", platform, skinned / platform);
        else std::snprintf(vsPlatform, sizeof vsPlatform, "%12s %7s", "-", "-");
        if (floor > 0) std::snprintf(vsFloor, sizeof vsFloor, "%9.1f %9.2f", floor, skinned / floor);
        else std::snprintf(vsFloor, sizeof vsFloor, "%9s %9s", "-", "-");
        std::snprintf(line, sizeof line, "%-22s %9s %12.1f %s %s\n", c.name, size, skinned, vsPlatform, vsFloor);
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
