// Tapkey's pictures as loaded from Tapkey.dll, and the two tone files.
#include "tapkey/Tablica_kodow.h"
#include "tapkey/res/TapkeyResIds.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

HMODULE Tapkey()
{
    static HMODULE h = LoadLibraryA("Tapkey.dll");
    return h ? GetModuleHandleA("Tapkey.dll") : nullptr;
}

struct Picture {
    int width = 0, height = 0, depth = 0;  // as stored in the resource
    int loadedDepth = 0;                   // of the bitmap LoadBitmapA made
    std::vector<COLORREF> px;              // top-down, as drawn by the bitmap
    COLORREF At(int x, int y) const { return px.at(size_t(y) * width + x); }
};

Picture Load(int id)
{
    Picture p;
    HMODULE mod = Tapkey();
    HRSRC res = FindResourceA(mod, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (!res)
        return p;
    const auto* bih = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(mod, res)));
    p.depth = bih->biBitCount;

    HBITMAP hbm = LoadBitmapA(mod, MAKEINTRESOURCEA(id));
    if (!hbm)
        return p;
    BITMAP bm{};
    GetObjectA(hbm, sizeof bm, &bm);
    if (bm.bmWidth != bih->biWidth || bm.bmHeight != std::abs(bih->biHeight)) {
        DeleteObject(hbm);
        return p;
    }
    p.width = bm.bmWidth;
    p.height = bm.bmHeight;
    p.loadedDepth = bm.bmBitsPixel;

    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = p.width;
    bi.bmiHeader.biHeight = -p.height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> bgra(size_t(p.width) * p.height);
    HDC dc = GetDC(nullptr);
    const int lines = GetDIBits(dc, hbm, 0, p.height, bgra.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(hbm);
    if (lines != p.height)
        return p;
    for (uint32_t v : bgra)
        p.px.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
    return p;
}

const Picture& Cached(int id)
{
    static std::map<int, Picture> cache;  // references stay valid as it grows
    auto it = cache.find(id);
    if (it == cache.end())
        it = cache.emplace(id, Load(id)).first;
    return it->second;
}

bool DarkBlue(COLORREF c) { return GetBValue(c) >= 96 && GetRValue(c) < 64 && GetGValue(c) < 64; }
bool Yellow(COLORREF c) { return GetRValue(c) >= 200 && GetGValue(c) >= 200 && GetBValue(c) < 64; }
bool Red(COLORREF c) { return GetRValue(c) >= 200 && GetGValue(c) < 64 && GetBValue(c) < 64; }

// The board: ten columns 32 pixels wide, seven rows; a cell's edges are the lines x0, x0 + 32,
// its top and its bottom. Zero bytes are empty places.
const int kRowEdges[8] = {0, 30, 60, 90, 120, 129, 159, 189};
const char kGrid[] =
    "AaBChcDEeF" "GHIJKLlMNn" "OoPQRSsTUV" "WXYZxz\0\0\0\0" "\0\0\0\0\0\0\0\0\0\0"
    "1234567890" ".,:?-/()=\0";

struct Cell {
    char c;
    int x0, y0, y1;
};

std::vector<Cell> Cells()
{
    std::vector<Cell> cells;
    for (int r = 0; r < 7; ++r)
        for (int col = 0; col < 10; ++col)
            if (kGrid[r * 10 + col])
                cells.push_back({kGrid[r * 10 + col], col * 32, kRowEdges[r], kRowEdges[r + 1]});
    return cells;
}

// Reads the code drawn in a cell: runs of ink on the code line, 2 pixels a dot, 5 a dash.
std::string DrawnCode(const Picture& p, const Cell& cell)
{
    const int y = cell.y0 + 26;  // the code's line in every cell
    const COLORREF paper = p.At(cell.x0 + 2, cell.y0 + 2);
    std::string code;
    int run = 0;
    for (int x = cell.x0 + 2; x <= cell.x0 + 31; ++x) {
        const bool ink = x <= cell.x0 + 30 && p.At(x, y) != paper;
        if (ink) {
            ++run;
            continue;
        }
        if (run == 2)
            code += '.';
        else if (run == 5)
            code += '-';
        else if (run != 0)
            code += '?';
        run = 0;
    }
    return code;
}

std::string TableCode(char c)
{
    const Kod_morsea& kod = Kod_znaku(c);
    std::string s;
    for (int i = 0; i < kod.count; ++i)
        s += kod.elements[i] == KROPKA ? '.' : '-';
    return s;
}

}  // namespace

TEST(TapkeyPictures, HaveTheirSizesAndDepths)
{
    ASSERT_NE(nullptr, Tapkey());
    const struct { int id, w, h, depth; } expected[] = {
        {129, 321, 190, 24}, {130, 321, 190, 1}, {131, 321, 190, 24}, {132, 321, 190, 24},
        {133, 321, 80, 24},  {134, 321, 80, 24},  {137, 15, 21, 1},    {138, 15, 21, 1},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.id);
        const Picture& p = Cached(e.id);
        EXPECT_EQ(e.w, p.width);
        EXPECT_EQ(e.h, p.height);
        EXPECT_EQ(e.depth, p.depth);
        if (e.depth == 1) {
            EXPECT_EQ(1, p.loadedDepth);  // a mask loads as a monochrome bitmap
        }
        EXPECT_EQ(size_t(e.w) * e.h, p.px.size());
    }
}

TEST(TapkeyPictures, BoardCellsSitOnTheGridInEveryLook)
{
    const Picture& normal = Cached(IDB_TAPKEY_BOARD_NORMAL);
    const Picture& flash = Cached(IDB_TAPKEY_BOARD_FLASH);
    const Picture& hover = Cached(IDB_TAPKEY_BOARD_HOVER);
    ASSERT_FALSE(normal.px.empty() || flash.px.empty() || hover.px.empty());

    const COLORREF line = normal.At(0, 0);
    EXPECT_FALSE(DarkBlue(line));
    for (const Cell& cell : Cells()) {
        SCOPED_TRACE(cell.c);
        const int x1 = cell.x0 + 32, ym = (cell.y0 + cell.y1) / 2;
        // Edges: the four corners and the middle of each side.
        const int edge[][2] = {{cell.x0, cell.y0}, {x1, cell.y0}, {cell.x0, cell.y1}, {x1, cell.y1},
                               {cell.x0 + 16, cell.y0}, {cell.x0 + 16, cell.y1},
                               {cell.x0, ym}, {x1, ym}};
        for (const auto& e : edge) {
            EXPECT_EQ(line, normal.At(e[0], e[1])) << e[0] << "," << e[1];
            EXPECT_EQ(line, flash.At(e[0], e[1])) << e[0] << "," << e[1];
            EXPECT_TRUE(Red(hover.At(e[0], e[1]))) << e[0] << "," << e[1];
        }
        // Paper just inside the corners and beside the edge middles.
        const int inner[][2] = {{cell.x0 + 2, cell.y0 + 2}, {x1 - 2, cell.y0 + 2},
                                {cell.x0 + 2, cell.y1 - 2}, {x1 - 2, cell.y1 - 2},
                                {cell.x0 + 2, ym}, {x1 - 2, ym}};
        for (const auto& p : inner) {
            EXPECT_TRUE(DarkBlue(normal.At(p[0], p[1]))) << p[0] << "," << p[1];
            EXPECT_TRUE(Yellow(flash.At(p[0], p[1]))) << p[0] << "," << p[1];
            EXPECT_TRUE(DarkBlue(hover.At(p[0], p[1]))) << p[0] << "," << p[1];
        }
        EXPECT_TRUE(DarkBlue(normal.At(cell.x0 + 1, cell.y0 + 1)));
        EXPECT_TRUE(Red(hover.At(cell.x0 + 1, cell.y0 + 1)));  // the outline is two pixels wide
    }
}

TEST(TapkeyPictures, BoardShowsTheCodesOfTheTable)
{
    const Picture* looks[] = {&Cached(IDB_TAPKEY_BOARD_NORMAL), &Cached(IDB_TAPKEY_BOARD_FLASH),
                              &Cached(IDB_TAPKEY_BOARD_HOVER)};
    for (const Picture* p : looks) {
        ASSERT_FALSE(p->px.empty());
        for (const Cell& cell : Cells()) {
            SCOPED_TRACE(cell.c);
            EXPECT_EQ(TableCode(cell.c), DrawnCode(*p, cell));
            // The character itself: ink above the code line, in the middle of the cell.
            int ink = 0;
            const COLORREF paper = p->At(cell.x0 + 2, cell.y0 + 2);
            for (int y = cell.y0 + 3; y < cell.y0 + 25; ++y)
                for (int x = cell.x0 + 4; x < cell.x0 + 29; ++x)
                    ink += p->At(x, y) != paper;
            EXPECT_GE(ink, 8);
        }
    }
    // Ź has its own code, drawn differently from M.
    const Picture& normal = *looks[0];
    EXPECT_EQ("--..-.", DrawnCode(normal, Cell{'x', 128, 90, 120}));
    EXPECT_EQ("--", DrawnCode(normal, Cell{'M', 224, 30, 60}));
}

TEST(TapkeyPictures, BoardMaskIsBlackOverCellsWhiteOverEmptyPlaces)
{
    const Picture& mask = Cached(IDB_TAPKEY_BOARD_MASK);
    ASSERT_FALSE(mask.px.empty());
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    int blackCount = 0;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            bool inCell = false;
            for (const Cell& cell : Cells())
                inCell = inCell || (x >= cell.x0 && x <= cell.x0 + 32 && y >= cell.y0 && y <= cell.y1);
            const COLORREF c = mask.At(x, y);
            ASSERT_EQ(inCell ? black : white, c) << x << "," << y;
            blackCount += c == black;
        }
    }
    EXPECT_GT(blackCount, 0);
    EXPECT_EQ(white, mask.At(250, 105));  // fourth row, eighth column
    EXPECT_EQ(white, mask.At(100, 124));  // fifth row
    EXPECT_EQ(white, mask.At(305, 175));  // seventh row, last column
    EXPECT_EQ(black, mask.At(305, 145));  // the 0 above it
}

TEST(TapkeyPictures, LitLampDiffersFromDarkLampOnlyInsideTheLamp)
{
    const Picture& dark = Cached(IDB_TAPKEY_KEY_DARK);
    const Picture& lit = Cached(IDB_TAPKEY_KEY_LIT);
    ASSERT_FALSE(dark.px.empty() || lit.px.empty());
    const int cx = 40, cy = 40;  // the lamp's glass: radius 24 around (40, 40)
    int inside = 0, outside = 0;
    for (int y = 0; y < dark.height; ++y) {
        for (int x = 0; x < dark.width; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d <= 23.0) {
                ++inside;
                EXPECT_NE(dark.At(x, y), lit.At(x, y)) << x << "," << y;
            } else if (d >= 25.5) {
                ++outside;
                EXPECT_EQ(dark.At(x, y), lit.At(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(inside, 1500);
    EXPECT_GT(outside, 20000);

    const COLORREF off = dark.At(cx + 6, cy + 6), on = lit.At(cx + 6, cy + 6);
    EXPECT_GT(GetBValue(off), GetRValue(off) + 60);  // blue
    EXPECT_GE(GetRValue(on), 200);                   // orange
    EXPECT_GT(GetGValue(on), GetBValue(on) + 60);
    EXPECT_GT(GetRValue(on), GetGValue(on));
}

TEST(TapkeyPictures, MouseMasksDifferOnlyInTheRightButton)
{
    const Picture& both = Cached(IDB_TAPKEY_MOUSE_BOTH);
    const Picture& left = Cached(IDB_TAPKEY_MOUSE_LEFT);
    ASSERT_FALSE(both.px.empty() || left.px.empty());
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    int differ = 0;
    for (int y = 0; y < both.height; ++y) {
        for (int x = 0; x < both.width; ++x) {
            ASSERT_TRUE(both.At(x, y) == black || both.At(x, y) == white);
            if (both.At(x, y) != left.At(x, y)) {
                ++differ;
                EXPECT_EQ(black, both.At(x, y));
                EXPECT_GT(x, 7);   // right half
                EXPECT_LT(y, 10);  // top: the buttons
            }
        }
    }
    EXPECT_GE(differ, 10);
    EXPECT_EQ(black, left.At(4, 6));   // left button inked in both
    EXPECT_EQ(black, both.At(4, 6));
    EXPECT_EQ(white, left.At(7, 14));  // the body is paper
    EXPECT_EQ(black, left.At(7, 20));  // its bottom outline
}

namespace {

struct Wave {
    bool ok = false;
    int format = 0, channels = 0, rate = 0, bits = 0, byteRate = 0, blockAlign = 0;
    std::vector<double> samples;  // -1 to 1
};

Wave ReadWave(const char* name)
{
    Wave w;
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file(path);
    file = file.substr(0, file.find_last_of("\\/") + 1) + "tapkey_wav\\" + name;
    FILE* f = std::fopen(file.c_str(), "rb");
    if (!f)
        return w;
    std::vector<unsigned char> b;
    unsigned char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
        b.insert(b.end(), buf, buf + n);
    std::fclose(f);

    auto u32 = [&](size_t at) { uint32_t v; std::memcpy(&v, &b[at], 4); return v; };
    auto u16 = [&](size_t at) { uint16_t v; std::memcpy(&v, &b[at], 2); return v; };
    if (b.size() < 12 || std::memcmp(&b[0], "RIFF", 4) || std::memcmp(&b[8], "WAVE", 4) ||
        u32(4) != b.size() - 8)
        return w;
    bool fmt = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const uint32_t size = u32(at + 4);
        if (at + 8 + size > b.size())
            return w;
        if (!std::memcmp(&b[at], "fmt ", 4) && size >= 16) {
            w.format = u16(at + 8);
            w.channels = u16(at + 10);
            w.rate = int(u32(at + 12));
            w.byteRate = int(u32(at + 16));
            w.blockAlign = u16(at + 20);
            w.bits = u16(at + 22);
            fmt = true;
        } else if (!std::memcmp(&b[at], "data", 4) && fmt && w.blockAlign > 0) {
            if (size % w.blockAlign)
                return w;
            for (size_t i = at + 8; i < at + 8 + size; i += w.blockAlign) {
                if (w.bits == 16)
                    w.samples.push_back(int16_t(u16(i)) / 32768.0);
                else
                    w.samples.push_back((int(b[i]) - 128) / 128.0);
            }
            w.ok = true;
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

}  // namespace

TEST(TapkeySounds, AreCleanPcmTonesOfDotAndDashLength)
{
    const Wave dot = ReadWave("M_KROPKA.WAV");
    const Wave dash = ReadWave("M_KRESKA.WAV");
    ASSERT_TRUE(dot.ok);
    ASSERT_TRUE(dash.ok);
    for (const Wave* w : {&dot, &dash}) {
        EXPECT_EQ(1, w->format);  // PCM
        EXPECT_EQ(1, w->channels);
        EXPECT_TRUE(w->rate == 11025 || w->rate == 22050) << w->rate;
        EXPECT_TRUE(w->bits == 8 || w->bits == 16) << w->bits;
        EXPECT_EQ(w->bits / 8, w->blockAlign);
        EXPECT_EQ(w->rate * w->blockAlign, w->byteRate);

        // Ramps: silent ends, quiet first and last millisecond, full tone in the middle.
        const size_t n = w->samples.size(), ms = size_t(w->rate) / 1000;
        ASSERT_GT(n, 40 * ms);
        EXPECT_LE(std::fabs(w->samples.front()), 0.02);
        EXPECT_LE(std::fabs(w->samples.back()), 0.02);
        double edge = 0, middle = 0;
        for (size_t i = 0; i < ms; ++i)
            edge = std::max({edge, std::fabs(w->samples[i]), std::fabs(w->samples[n - 1 - i])});
        for (size_t i = n / 2 - 10 * ms; i < n / 2 + 10 * ms; ++i)
            middle = std::max(middle, std::fabs(w->samples[i]));
        EXPECT_GE(middle, 0.3);
        EXPECT_LE(edge, middle / 4);

        // A steady tone between 600 and 1000 Hz: count rising zero crossings.
        int rising = 0;
        for (size_t i = 1; i < n; ++i)
            rising += w->samples[i - 1] < 0 && w->samples[i] >= 0;
        const double hz = rising * double(w->rate) / n;
        EXPECT_GT(hz, 600);
        EXPECT_LT(hz, 1000);
    }
    // A dot's tone ends before the next element starts even at the fastest speed (120 ms dot,
    // 80 ms gap), and the dash lasts three dots.
    const double dotMs = 1000.0 * dot.samples.size() / dot.rate;
    const double dashMs = 1000.0 * dash.samples.size() / dash.rate;
    EXPECT_GE(dotMs, 80);
    EXPECT_LE(dotMs, 160);
    EXPECT_NEAR(3 * dotMs, dashMs, 1.0);
}
