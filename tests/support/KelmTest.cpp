#include "KelmTest.h"

#include <cstdio>

namespace kt {

void PumpPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpPending();
        if (cond()) return true;
        if (GetTickCount() - start >= timeoutMs) return cond();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

namespace {
const char kHostClass[] = "KelmTestHost";

void RegisterHostClass() {
    static bool done = false;
    if (done) return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = kHostClass;
    RegisterClassA(&wc);
    done = true;
}
}  // namespace

HostWindow::HostWindow(int clientW, int clientH, int x, int y) {
    RegisterHostClass();
    RECT rc = {0, 0, clientW, clientH};
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    AdjustWindowRect(&rc, style, FALSE);
    m_hWnd = CreateWindowExA(0, kHostClass, "test host", style, x, y, rc.right - rc.left,
                             rc.bottom - rc.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(m_hWnd, SW_SHOW);
    UpdateWindow(m_hWnd);
    PumpPending();
}

HostWindow::~HostWindow() {
    if (IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    PumpPending();
}

int Pixels::Count(COLORREF c, int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (At(x, y) == c) ++n;
    return n;
}

bool Pixels::SavePPM(const char* path) const {
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", m_w, m_h);
    for (COLORREF c : m_px) {
        unsigned char rgb[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
        std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
    return true;
}

Pixels ReadDC(HDC hdc, int x, int y, int w, int h) {
    Pixels out(w, h);
    if (w <= 0 || h <= 0) return out;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC mem = CreateCompatibleDC(hdc);
    HBITMAP dib = CreateDIBSection(hdc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (mem == NULL || dib == NULL || bits == nullptr) {  // out of GDI handles: an empty picture
        if (dib != NULL) DeleteObject(dib);
        if (mem != NULL) DeleteDC(mem);
        return Pixels();
    }
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, hdc, x, y, SRCCOPY);
    GdiFlush();
    const int stride = (w * 3 + 3) & ~3;
    const unsigned char* p = static_cast<const unsigned char*>(bits);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col) {
            const unsigned char* q = p + row * stride + col * 3;
            out.Set(col, row, RGB(q[2], q[1], q[0]));
        }
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    return out;
}

Pixels ReadClient(HWND hWnd) {
    RECT rc;
    GetClientRect(hWnd, &rc);
    HDC hdc = GetDC(hWnd);
    Pixels p = ReadDC(hdc, 0, 0, rc.right, rc.bottom);
    ReleaseDC(hWnd, hdc);
    return p;
}

Pixels ReadWindow(HWND hWnd) {
    RECT rc;
    GetWindowRect(hWnd, &rc);
    HDC hdc = GetWindowDC(hWnd);
    Pixels p = ReadDC(hdc, 0, 0, rc.right - rc.left, rc.bottom - rc.top);
    ReleaseDC(hWnd, hdc);
    return p;
}

void SendMouse(HWND hWnd, UINT msg, int x, int y, WPARAM keys) {
    SendMessageA(hWnd, msg, keys, MAKELPARAM(x, y));
}

void SendClick(HWND hWnd, int x, int y) {
    SendMouse(hWnd, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    SendMouse(hWnd, WM_LBUTTONUP, x, y, 0);
}

void MoveCursor(int screenX, int screenY) {
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    // The smallest absolute coordinate that maps back onto the pixel.
    in.mi.dx = (screenX * 65536 + cx - 1) / cx;
    in.mi.dy = (screenY * 65536 + cy - 1) / cy;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof(in));
}

void MoveCursorToClient(HWND hWnd, int x, int y) {
    POINT pt = {x, y};
    ClientToScreen(hWnd, &pt);
    MoveCursor(pt.x, pt.y);
}

static void Button(bool left, bool down) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = left ? (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP)
                         : (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP);
    SendInput(1, &in, sizeof(in));
}

void ButtonDown(bool left) { Button(left, true); }
void ButtonUp(bool left) { Button(left, false); }

}  // namespace kt
