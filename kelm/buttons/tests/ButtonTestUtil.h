// Helpers of the button tests: a spy host with a look of distinct colours, masks read from
// bitmap resources, and the picture a mask paints.
#pragma once
#include <afxwin.h>
#include <kelm/buttons/CKButton.h>
#include <kelm/paint/CKMPBitmapProvider.h>
#include <kelm/paint/CKMaskPainter.h>

#include <GdiBudget.h>
#include <KelmTest.h>
#include <SpyParent.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kbt {

// The host's look: solid ink and paper patterns (the ctBitmap roles) and six distinct colours.
const COLORREF kInkPattern = RGB(20, 40, 160), kPaperPattern = RGB(250, 240, 200);
const COLORREF kC1 = RGB(1, 1, 1), kC2 = RGB(2, 2, 2), kC3 = RGB(150, 0, 0), kC4 = RGB(255, 255, 254),
               kC5 = RGB(140, 140, 140), kC6 = RGB(0, 150, 0);

// A spy parent at a fixed place whose client area has the look above.
struct Host {
    kt::SpyParent parent;
    CKBitmapDC ink{NULL, 4, 4}, paper{NULL, 4, 4};
    std::unique_ptr<CKMPBitmapProvider> look;
    Host() {
        parent.CreateHost(400, 300, 40, 40);
        ink.FillSolidRect(0, 0, 4, 4, kInkPattern);
        paper.FillSolidRect(0, 0, 4, 4, kPaperPattern);
        look.reset(new CKMPBitmapProvider(&parent, ink, kC1, kC2, kC3, paper, kC4, kC5, kC6, false));
        kt::PumpPending();
    }
    ~Host() {
        look.reset();
        parent.DestroyWindow();
        kt::PumpPending();
    }
    int Clicks() const {
        int n = 0;
        for (const kt::SpyMessage& m : parent.Of(WM_COMMAND)) n += HIWORD(m.wParam) == BN_CLICKED;
        return n;
    }
};

// A monochrome picture, true = ink.
struct Mask {
    int w = 0, h = 0;
    std::vector<bool> ink;
    Mask() = default;
    Mask(int width, int height, bool fill) : w(width), h(height), ink(size_t(width) * height, fill) {}
    bool At(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h && ink[size_t(y) * w + x]; }
    // Copies m with its top-left at (x, y), cropped to this picture.
    void Paste(const Mask& m, int x, int y) {
        for (int j = 0; j < m.h; ++j)
            for (int i = 0; i < m.w; ++i)
                if (x + i >= 0 && x + i < w && y + j >= 0 && y + j < h) ink[size_t(y + j) * w + x + i] = m.At(i, j);
    }
};

// A bitmap resource of a module (null: the test program) as a mask.
inline Mask LoadMask(HMODULE hModule, UINT nId) {
    Mask m;
    HBITMAP hbm = ::LoadBitmapA(hModule, MAKEINTRESOURCEA(nId));
    EXPECT_NE(hbm, nullptr) << "bitmap " << nId;
    if (hbm == NULL) return m;
    BITMAP bm = {};
    ::GetObjectA(hbm, sizeof bm, &bm);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<DWORD> px(size_t(bm.bmWidth) * bm.bmHeight);
    HDC hdc = ::GetDC(NULL);
    ::GetDIBits(hdc, hbm, 0, bm.bmHeight, px.data(), &bi, DIB_RGB_COLORS);
    ::ReleaseDC(NULL, hdc);
    ::DeleteObject(hbm);
    m = Mask(bm.bmWidth, bm.bmHeight, false);
    for (size_t i = 0; i < px.size(); ++i) m.ink[i] = (px[i] & 0xFFFFFF) == 0;
    return m;
}
inline Mask KelmGlyph(UINT nId) { return LoadMask(::GetModuleHandleA("Kelm.dll"), nId); }
inline Mask TestMask(UINT nId) { return LoadMask(::GetModuleHandleA(NULL), nId); }

// What a mask paints: ink where it is ink; else, with a shadow colour, the shadow where the
// pixel up-left is ink; else the background.
inline kt::Pixels Picture(const Mask& m, COLORREF ink, COLORREF shadow, bool bShadow,
                          COLORREF back = kPaperPattern) {
    kt::Pixels p(m.w, m.h);
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x)
            p.Set(x, y, m.At(x, y) ? ink : bShadow && m.At(x - 1, y - 1) ? shadow : back);
    return p;
}
// The normal look: ink pattern, paper shadow.
inline kt::Pixels Normal(const Mask& m) { return Picture(m, kInkPattern, kC5, true); }

// Pixels of [x0,x1)×[y0,y1) that differ; the first difference goes to the failure message.
inline ::testing::AssertionResult Same(const kt::Pixels& got, const kt::Pixels& want, int x0 = 0, int y0 = 0,
                                       int x1 = -1, int y1 = -1) {
    if (got.width() != want.width() || got.height() != want.height())
        return ::testing::AssertionFailure() << "size " << got.width() << "x" << got.height() << ", want "
                                             << want.width() << "x" << want.height();
    if (x1 < 0) x1 = got.width();
    if (y1 < 0) y1 = got.height();
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (got.At(x, y) != want.At(x, y))
                return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") is " << std::hex
                                                     << got.At(x, y) << ", want " << want.At(x, y);
    return ::testing::AssertionSuccess();
}

// The button as it is on the screen, once its pending paints are done.
inline kt::Pixels Screen(CWnd& wnd) {
    wnd.UpdateWindow();
    kt::PumpPending();
    return kt::ReadClient(wnd.m_hWnd);
}

// The button drawn by DrawItem into a memory DC, with the given owner-draw state.
inline kt::Pixels Drawn(CKButton& b, UINT nState) {
    CRect rc;
    b.GetClientRect(&rc);
    CKBitmapDC target(NULL, rc.Width(), rc.Height());
    target.FillSolidRect(rc, RGB(1, 2, 3));
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = nState;
    dis.hwndItem = b.m_hWnd;
    dis.hDC = target.m_hDC;
    dis.rcItem = rc;
    b.DrawItem(&dis);
    return kt::ReadDC(target.m_hDC, 0, 0, rc.Width(), rc.Height());
}

using kt::GdiSqueeze;

// Real input: the cursor to a client point of a window; a button press or release.
inline void MoveTo(CWnd& wnd, int x, int y) {
    kt::MoveCursorToClient(wnd.m_hWnd, x, y);
    kt::PumpFor(40);
}
inline void Press(bool down) {
    if (down) kt::ButtonDown();
    else kt::ButtonUp();
    kt::PumpFor(40);
}
inline void CursorAway() {
    kt::MoveCursor(1250, 1000);
    kt::PumpFor(40);
}

}  // namespace kbt
