// Helpers shared by the painting tests.
#pragma once
#include <afxwin.h>
#include <kelm/paint/CKBitmapDC.h>
#include <kelm/paint/CKMaskPainter.h>

#include <ostream>

#include "KelmTest.h"

inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace kpt {

// A top-level framework window at a fixed place on the screen.
inline BOOL CreateTop(CWnd& wnd, int x, int y, int w, int h, DWORD style = WS_POPUP | WS_VISIBLE) {
    return wnd.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)::GetStockObject(WHITE_BRUSH)),
                        "paint test", style, x, y, w, h, NULL, NULL);
}

// A colour tile whose every pixel differs: colour of (x, y) is RGB(10 + 20x, 10 + 30y, 77).
inline COLORREF TileColour(int x, int y) { return RGB(10 + 20 * x, 10 + 30 * y, 77); }
inline void FillTile(CDC& dc, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) dc.SetPixel(x, y, TileColour(x, y));
}

// Reads a memory DC's pixels.
inline kt::Pixels Read(CDC& dc, int w, int h) { return kt::ReadDC(dc.m_hDC, 0, 0, w, h); }

}  // namespace kpt
