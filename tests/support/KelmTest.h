// Helpers for tests that drive real windows under Wine.
#pragma once
#include <windows.h>
#include <cstdint>
#include <functional>
#include <vector>

namespace kt {

// Dispatches queued messages until cond() holds or timeoutMs passes; returns cond().
bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs = 2000);
// Dispatches queued messages for ms milliseconds.
void PumpFor(DWORD ms);
// Dispatches what is queued now, without waiting.
void PumpPending();

// A visible top-level window with a plain white client area, destroyed with the object.
class HostWindow {
public:
    HostWindow(int clientW = 400, int clientH = 300, int x = 40, int y = 40);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND hwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
private:
    HWND m_hWnd;
};

// A 24-bit copy of pixels, read back with BitBlt.
class Pixels {
public:
    Pixels() = default;
    Pixels(int w, int h) : m_w(w), m_h(h), m_px(size_t(w) * h) {}
    int width() const { return m_w; }
    int height() const { return m_h; }
    // The pixel as a COLORREF (0x00BBGGRR).
    COLORREF At(int x, int y) const { return m_px.at(size_t(y) * m_w + x); }
    void Set(int x, int y, COLORREF c) { m_px.at(size_t(y) * m_w + x) = c; }
    // Number of pixels in [x0,x1)×[y0,y1) equal to c.
    int Count(COLORREF c, int x0, int y0, int x1, int y1) const;
    int Count(COLORREF c) const { return Count(c, 0, 0, m_w, m_h); }
    bool operator==(const Pixels& o) const { return m_w == o.m_w && m_h == o.m_h && m_px == o.m_px; }
    // Writes a PNM (P6) picture, for looking at a failure.
    bool SavePPM(const char* path) const;
private:
    int m_w = 0, m_h = 0;
    std::vector<COLORREF> m_px;
};

// Reads w×h pixels at (x,y) of a device context.
Pixels ReadDC(HDC hdc, int x, int y, int w, int h);
// Reads a window's client area as it is on the screen (child windows included).
Pixels ReadClient(HWND hWnd);
// Reads a window's whole rectangle, non-client area included.
Pixels ReadWindow(HWND hWnd);

// Mouse input as sent messages (client coordinates).
void SendMouse(HWND hWnd, UINT msg, int x, int y, WPARAM keys = 0);
void SendClick(HWND hWnd, int x, int y);

// Mouse input as real cursor moves and button events (screen coordinates, absolute SendInput).
void MoveCursor(int screenX, int screenY);
void MoveCursorToClient(HWND hWnd, int x, int y);
void ButtonDown(bool left = true);
void ButtonUp(bool left = true);

}  // namespace kt
