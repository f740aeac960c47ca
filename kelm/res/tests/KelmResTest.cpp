// Glyph masks of Kelm.dll: loaded as the controls load them, then checked for size,
// depth and the pixels that make each shape.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <ostream>
#include <vector>

#include "kelm/res/KelmResIds.h"

namespace {

// A loaded mask, row 0 at the top; true = ink (black).
struct Glyph {
    int w = 0, h = 0;
    std::vector<bool> ink;
    bool Ink(int x, int y) const { return ink.at(size_t(y) * w + x); }
    int InkCount(int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += Ink(x, y);
        return n;
    }
    int InkCount() const { return InkCount(0, 0, w, h); }
    bool operator==(const Glyph& o) const { return w == o.w && h == o.h && ink == o.ink; }
    Glyph Map(const std::function<bool(int, int)>& f) const {
        Glyph g = *this;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) g.ink[size_t(y) * w + x] = f(x, y);
        return g;
    }
    Glyph MirrorX() const { return Map([this](int x, int y) { return Ink(w - 1 - x, y); }); }
    Glyph MirrorY() const { return Map([this](int x, int y) { return Ink(x, h - 1 - y); }); }
};

void PrintTo(const Glyph& g, std::ostream* os) {
    for (int y = 0; y < g.h; ++y) {
        *os << "\n";
        for (int x = 0; x < g.w; ++x) *os << (g.Ink(x, y) ? '#' : '.');
    }
}

HMODULE KelmModule() {
    HMODULE h = GetModuleHandleA("Kelm.dll");
    return h ? h : LoadLibraryA("Kelm.dll");
}

// Loads the bitmap resource, checks that it is a w×h one-bit bitmap and reads its pixels.
Glyph Load(UINT id, int w, int h) {
    Glyph g;
    HBITMAP hbm = LoadBitmapA(KelmModule(), MAKEINTRESOURCEA(id));
    EXPECT_NE(hbm, nullptr) << "id " << id;
    if (!hbm) return g;
    BITMAP bm = {};
    GetObjectA(hbm, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, w) << "id " << id;
    EXPECT_EQ(bm.bmHeight, h) << "id " << id;
    EXPECT_EQ(bm.bmBitsPixel, 1) << "id " << id;
    EXPECT_EQ(bm.bmPlanes, 1) << "id " << id;

    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> px(size_t(bm.bmWidth) * bm.bmHeight);
    HDC dc = GetDC(nullptr);
    int lines = GetDIBits(dc, hbm, 0, bm.bmHeight, px.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(hbm);
    EXPECT_EQ(lines, bm.bmHeight) << "id " << id;
    g.w = bm.bmWidth;
    g.h = bm.bmHeight;
    for (DWORD p : px) g.ink.push_back((p & 0xFFFFFF) == 0);
    return g;
}

// Ink exactly outside the centred hole of the given size.
void ExpectBoxWithHole(const Glyph& g, int hole) {
    int b = (g.w - hole) / 2;
    for (int y = 0; y < g.h; ++y)
        for (int x = 0; x < g.w; ++x) {
            bool inHole = x >= b && x < b + hole && y >= b && y < b + hole;
            ASSERT_EQ(g.Ink(x, y), !inHole) << "(" << x << "," << y << ")";
        }
}

// A check mark: its lowest point lies left of centre, below both arms, and its right arm
// ends higher than its left arm starts.
void ExpectTick(const Glyph& g) {
    int left = g.w, right = -1, bottom = -1, bottomX = 0;
    for (int y = 0; y < g.h; ++y)
        for (int x = 0; x < g.w; ++x)
            if (g.Ink(x, y)) {
                if (x < left) left = x;
                if (x > right) right = x;
                if (y >= bottom) { bottom = y; bottomX = x; }
            }
    ASSERT_GE(right - left, g.w / 2);
    EXPECT_LT(bottomX, g.w / 2);
    auto topOf = [&](int x) { for (int y = 0; y < g.h; ++y) if (g.Ink(x, y)) return y; return g.h; };
    EXPECT_LT(topOf(right), topOf(left));
    EXPECT_GT(topOf(bottomX), topOf(left));
}

}  // namespace

TEST(KelmRes, ModuleIsLoaded) {
    ASSERT_NE(KelmModule(), nullptr);
}

TEST(KelmRes, CheckBoxGlyphs) {
    ExpectBoxWithHole(Load(IDB_KELM_CHECK_OFF, 16, 16), 12);
    ExpectBoxWithHole(Load(IDB_KELM_CHECK_MIXED_PRESSED, 16, 16), 10);

    Glyph on = Load(IDB_KELM_CHECK_ON, 16, 16);
    EXPECT_FALSE(on.Ink(0, 0) || on.Ink(15, 0) || on.Ink(0, 15) || on.Ink(15, 15));
    ExpectTick(on);
    Glyph mixed = Load(IDB_KELM_CHECK_MIXED, 16, 16);
    ExpectTick(mixed.Map([&](int x, int y) { return !mixed.Ink(x, y); }));
    EXPECT_TRUE(mixed.Ink(0, 0) && mixed.Ink(15, 15));

    // Pressed, checked or not: the paper outline of a 10×10 box at (3,3), the tick leaving it
    // at its upper-right corner; the filled tick has more paper than the outlined one.
    Glyph outlined = Load(IDB_KELM_CHECK_ON_PRESSED, 16, 16);
    Glyph filled = Load(IDB_KELM_CHECK_OFF_PRESSED, 16, 16);
    for (const Glyph* g : {&outlined, &filled}) {
        EXPECT_EQ(g->InkCount(0, 0, 3, 16), 48);          // ink left of the box
        EXPECT_EQ(g->InkCount(3, 13, 16, 16), 39);        // and below it
        EXPECT_EQ(g->InkCount(3, 12, 13, 13), 0);         // box bottom edge
        EXPECT_EQ(g->InkCount(3, 3, 4, 13), 0);           // box left edge
        EXPECT_FALSE(g->Ink(12, 3));
        EXPECT_FALSE(g->Ink(15, 0));                      // the tick's end, past the corner
        EXPECT_TRUE(g->Ink(4, 4));                        // inside the box
    }
    EXPECT_GT(outlined.InkCount(), filled.InkCount());
}

TEST(KelmRes, RadioGlyphs) {
    Glyph ring = Load(IDB_KELM_RADIO_RING, 16, 16);
    Glyph disc = Load(IDB_KELM_RADIO_DISC, 16, 16);
    for (const Glyph* g : {&ring, &disc}) {
        // 16 pixels across in both directions, ink corners.
        EXPECT_EQ(g->InkCount(0, 7, 16, 9), g == &ring ? 24 : 0);
        EXPECT_FALSE(g->Ink(0, 7) || g->Ink(15, 8) || g->Ink(7, 0) || g->Ink(8, 15));
        EXPECT_TRUE(g->Ink(0, 0) && g->Ink(15, 0) && g->Ink(0, 15) && g->Ink(15, 15));
        EXPECT_EQ(*g, g->MirrorX());
        EXPECT_EQ(*g, g->MirrorY());
    }
    EXPECT_TRUE(ring.Ink(8, 8));
    EXPECT_FALSE(disc.Ink(8, 8));
}

TEST(KelmRes, TitleButtonGlyphs) {
    struct Pair { UINT released, pressed; };
    const Pair pairs[] = {{IDB_KELM_CLOSE, IDB_KELM_CLOSE_PRESSED},
                          {IDB_KELM_MAXIMIZE, IDB_KELM_MAXIMIZE_PRESSED},
                          {IDB_KELM_MINIMIZE, IDB_KELM_MINIMIZE_PRESSED},
                          {IDB_KELM_RESTORE, IDB_KELM_RESTORE_PRESSED}};
    std::vector<Glyph> symbols;
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.released);
        Glyph r = Load(p.released, 17, 17);
        Glyph s = Load(p.pressed, 17, 17);
        for (const Glyph* g : {&r, &s}) {
            EXPECT_EQ(g->InkCount() - g->InkCount(1, 1, 16, 16), 0);  // paper border
            EXPECT_EQ(g->InkCount(1, 1, 16, 2) + g->InkCount(1, 15, 16, 16) +
                      g->InkCount(1, 2, 2, 15) + g->InkCount(15, 2, 16, 15), 56);
        }
        // The same symbol: paper on ink when released, ink on paper when pressed.
        int symbol = 0;
        for (int y = 2; y < 15; ++y)
            for (int x = 2; x < 15; ++x) {
                EXPECT_NE(r.Ink(x, y), s.Ink(x, y)) << "(" << x << "," << y << ")";
                symbol += s.Ink(x, y);
            }
        EXPECT_GT(symbol, 8);
        symbols.push_back(s);
    }
    const Glyph& close = symbols[0];
    const Glyph& maximize = symbols[1];
    const Glyph& minimize = symbols[2];
    const Glyph& restore = symbols[3];
    EXPECT_TRUE(close.Ink(8, 8) && close.Ink(4, 4) && close.Ink(12, 12) && close.Ink(12, 4));
    EXPECT_FALSE(close.Ink(8, 4));
    EXPECT_FALSE(maximize.Ink(8, 8));                             // an empty window
    EXPECT_EQ(maximize.InkCount(2, 2, 15, 15), maximize.InkCount(4, 4, 13, 13));
    EXPECT_EQ(minimize.InkCount(2, 2, 15, 10), 0);                 // nothing above the bar
    EXPECT_FALSE(restore == maximize);
    EXPECT_FALSE(restore.Ink(8, 10));                             // inside the front window
    EXPECT_TRUE(restore.Ink(12, 4) && restore.Ink(4, 12));         // back and front corners
}

TEST(KelmRes, TreeGlyphs) {
    Glyph expanded = Load(IDB_KELM_TREE_EXPANDED, 16, 16);
    Glyph collapsed = Load(IDB_KELM_TREE_COLLAPSED, 16, 16);
    Glyph expandedPressed = Load(IDB_KELM_TREE_EXPANDED_PRESSED, 16, 16);
    Glyph collapsedPressed = Load(IDB_KELM_TREE_COLLAPSED_PRESSED, 16, 16);
    // Left arrow: apex at the left, bar up to the right edge, head taller than the bar.
    EXPECT_TRUE(expanded.Ink(1, 7) && expanded.Ink(15, 7) && expanded.Ink(15, 8));
    EXPECT_FALSE(expanded.Ink(0, 7));
    EXPECT_GT(expanded.InkCount(4, 0, 8, 16), expanded.InkCount(12, 0, 16, 16));
    EXPECT_EQ(collapsed, expanded.MirrorX());
    EXPECT_EQ(collapsedPressed, expandedPressed.MirrorX());
    // The pressed glyph is the arrow's outline: a subset with a hollow head and bar.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (expandedPressed.Ink(x, y)) {
                ASSERT_TRUE(expanded.Ink(x, y)) << "(" << x << "," << y << ")";
            }
    EXPECT_TRUE(expandedPressed.Ink(1, 7) && expandedPressed.Ink(15, 8));
    EXPECT_FALSE(expandedPressed.Ink(5, 8) || expandedPressed.Ink(11, 8));

    EXPECT_EQ(Load(IDB_KELM_TREE_LEAF, 16, 16).InkCount(), 0);
    ExpectBoxWithHole(Load(IDB_KELM_TREE_UNCHECKED, 16, 16), 12);
    Glyph checked = Load(IDB_KELM_TREE_CHECKED, 16, 16);
    Glyph partial = Load(IDB_KELM_TREE_PARTCHECKED, 16, 16);
    ExpectTick(partial);
    EXPECT_EQ(checked, partial.Map([&](int x, int y) { return !partial.Ink(x, y); }));
}

TEST(KelmRes, DropArrowGlyphs) {
    Glyph up = Load(IDB_KELM_DROP_UP, 13, 15);
    Glyph down = Load(IDB_KELM_DROP_DOWN, 13, 15);
    EXPECT_EQ(down, up.MirrorY());
    EXPECT_EQ(up, up.MirrorX());
    EXPECT_EQ(up.InkCount(0, 0, 13, 1) + up.InkCount(0, 14, 13, 15), 26);  // ink edges
    EXPECT_EQ(up.InkCount(0, 0, 1, 15) + up.InkCount(12, 0, 13, 15), 30);

    // Groups of consecutive rows with paper, top to bottom: triangle, bar, bar.
    std::vector<std::vector<int>> groups;  // paper pixels per row
    bool inGroup = false;
    for (int y = 0; y < up.h; ++y) {
        int paper = up.w - up.InkCount(0, y, up.w, y + 1);
        if (paper && !inGroup) groups.emplace_back();
        if (paper) groups.back().push_back(paper);
        inGroup = paper != 0;
    }
    ASSERT_EQ(groups.size(), 3u);
    const std::vector<int>& triangle = groups[0];
    ASSERT_GE(triangle.size(), 3u);
    EXPECT_EQ(triangle.front(), 1);
    int apexY = 0;
    while (up.InkCount(0, apexY, up.w, apexY + 1) == up.w) ++apexY;
    EXPECT_FALSE(up.Ink(6, apexY));
    for (size_t i = 1; i < triangle.size(); ++i) EXPECT_EQ(triangle[i], triangle[i - 1] + 2);
    for (size_t g = 1; g < 3; ++g)
        for (int paper : groups[g]) EXPECT_EQ(paper, triangle.back());  // bars as wide as the base
}
