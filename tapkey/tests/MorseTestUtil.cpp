#include "MorseTestUtil.h"

#include <KelmTest.h>

#include <cstring>

namespace mt {

std::string Started(const std::vector<Call>& log) {
    std::string s;
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i].what != 'P') continue;
        const bool restart = i >= 2 && log[i - 2].what == 'S' && log[i - 1].what == 'K' && log[i - 1].arg == 0 &&
                             log[i - 2].player == log[i].player && log[i - 1].player == log[i].player;
        s += restart ? log[i].player : '?';
    }
    return s;
}

std::string Describe(const std::vector<Call>& log) {
    std::string s;
    for (const Call& c : log) {
        s += c.player;
        s += c.what;
        if (c.what == 'K') s += std::to_string(c.arg);
        s += ' ';
    }
    return s;
}

namespace {

HHOOK g_hook = nullptr;
int g_boxes = 0;

LRESULT CALLBACK RefuseDialogs(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        char name[16] = {};
        ::GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (std::strcmp(name, "#32770") == 0) {
            ++g_boxes;
            return 1;  // not created: MessageBox returns at once
        }
    }
    return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

bool DarkBlue(COLORREF c) { return GetBValue(c) >= 96 && GetRValue(c) < 64 && GetGValue(c) < 64; }
bool Yellow(COLORREF c) { return GetRValue(c) >= 200 && GetGValue(c) >= 200 && GetBValue(c) < 64; }
bool Red(COLORREF c) { return GetRValue(c) >= 200 && GetGValue(c) < 64 && GetBValue(c) < 64; }

// The board's cells, independent of the widget's own table.
const int kRowTops[8] = {0, 30, 60, 90, 120, 129, 159, 189};
const char kGrid[] =
    "AaBChcDEeF" "GHIJKLlMNn" "OoPQRSsTUV" "WXYZxz\0\0\0\0" "\0\0\0\0\0\0\0\0\0\0" "1234567890" ".,:?-/()=\0";

bool CellCorner(char c, int* x, int* y) {
    for (int i = 0; i < 70; ++i)
        if (kGrid[i] == c && c != 0) {
            *x = (i % 10) * 32;
            *y = kRowTops[i / 10];
            return true;
        }
    return false;
}

COLORREF Pixel(HWND hWnd, int x, int y) {
    HDC dc = ::GetDC(hWnd);
    const COLORREF c = ::GetPixel(dc, x, y);
    ::ReleaseDC(hWnd, dc);
    return c;
}

}  // namespace

MessageBoxGuard::MessageBoxGuard() {
    g_boxes = 0;
    g_hook = ::SetWindowsHookExA(WH_CBT, RefuseDialogs, nullptr, ::GetCurrentThreadId());
}
MessageBoxGuard::~MessageBoxGuard() {
    ::UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
}
int MessageBoxGuard::Count() const { return g_boxes; }

COLORREF LampPixel(HWND hWidget) { return Pixel(hWidget, 5 + 46, 5 + 46); }

bool LampLit(HWND hWidget) {
    const COLORREF c = LampPixel(hWidget);
    return GetRValue(c) >= 200 && GetGValue(c) > GetBValue(c) + 60;
}

bool LampDark(HWND hWidget) {
    const COLORREF c = LampPixel(hWidget);
    return GetBValue(c) > GetRValue(c) + 60;
}

COLORREF CellPixel(HWND hBoard, char c) {
    int x, y;
    return CellCorner(c, &x, &y) ? Pixel(hBoard, x + 2, y + 2) : CLR_INVALID;
}

bool CellFlashed(HWND hBoard, char c) { return Yellow(CellPixel(hBoard, c)); }

bool CellNormal(HWND hBoard, char c) {
    int x, y;
    return CellCorner(c, &x, &y) && DarkBlue(Pixel(hBoard, x + 2, y + 2)) && DarkBlue(Pixel(hBoard, x + 1, y + 1));
}

bool CellHighlighted(HWND hBoard, char c) {
    int x, y;
    return CellCorner(c, &x, &y) && Red(Pixel(hBoard, x + 1, y + 1)) && DarkBlue(Pixel(hBoard, x + 2, y + 2));
}

int YellowPixels(HWND hBoard) {
    const kt::Pixels p = kt::ReadClient(hBoard);
    int n = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) n += Yellow(p.At(x, y));
    return n;
}

Watch::Watch() : m_start(::GetTickCount()) {}

int Watch::Add(std::function<bool()> probe) {
    m_probes.push_back(std::move(probe));
    m_periods.emplace_back();
    Poll();
    return int(m_probes.size()) - 1;
}

DWORD Watch::Now() const { return ::GetTickCount() - m_start; }

void Watch::Poll() {
    for (size_t i = 0; i < m_probes.size(); ++i) {
        const bool holds = m_probes[i]();
        const DWORD t = Now();
        std::vector<Period>& p = m_periods[i];
        if (holds && (p.empty() || !p.back().open)) p.push_back({t, t, true});
        if (!holds && !p.empty() && p.back().open) p.back().off = t, p.back().open = false;
    }
}

bool Watch::PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        kt::PumpPending();
        Poll();
        if (cond()) return true;
        if (::GetTickCount() - start >= timeoutMs) return cond();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
}

void Watch::PumpFor(DWORD ms) { PumpUntil([] { return false; }, ms); }

std::vector<Period> Watch::Closed(int i) const {
    std::vector<Period> out;
    for (const Period& p : m_periods.at(i))
        if (!p.open) out.push_back(p);
    return out;
}

POINT ScreenPoint(HWND hWnd, int x, int y) {
    POINT pt = {x, y};
    ::ClientToScreen(hWnd, &pt);
    return pt;
}

}  // namespace mt
