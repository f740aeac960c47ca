// The mask painter on real device contexts: colour roles, masks, offsets, inversion, tiling.
#include <kelm/paint/CKMaskPainter.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <gtest/gtest.h>

#include "PaintTestUtil.h"

namespace {

const COLORREF kBack = RGB(1, 2, 3);
const int kW = 20, kH = 12;

struct Canvas {
    CKBitmapDC colour{NULL, kW, kH};
    CKMonoBitmapDC mask{&colour, kW, kH};
    Canvas() {
        colour.FillSolidRect(0, 0, kW, kH, kBack);
        mask.PatBlt(0, 0, kW, kH, WHITENESS);
    }
};

TEST(MaskPainter, WhiteMaskLeavesTargetBlackMaskPaintsWholeRect) {
    CKMaskPainter painter(NULL);
    for (int role = ctBitmap; role <= ctDisabled; ++role) {
        for (bool ink : {true, false}) {
            Canvas c;
            kt::Pixels before = kpt::Read(c.colour, kW, kH);
            painter.PaintWithMask(&c.colour, &c.mask, CRect(0, 0, kW, kH), (EColorType)role, CPoint(0, 0), ink, false, true);
            EXPECT_TRUE(kpt::Read(c.colour, kW, kH) == before) << "role " << role << " ink " << ink;

            c.mask.PatBlt(0, 0, kW, kH, BLACKNESS);
            const CRect placed(3, 2, 13, 9);
            painter.PaintWithMask(&c.colour, &c.mask, placed, (EColorType)role, CPoint(0, 0), ink, false, true);
            // role -1 without a pattern paints as role 0 of the set
            const COLORREF want = painter.GetColor(role == ctBitmap ? ctBase : (EColorType)role, ink);
            kt::Pixels after = kpt::Read(c.colour, kW, kH);
            EXPECT_EQ(after.Count(want, placed.left, placed.top, placed.right, placed.bottom), placed.Width() * placed.Height());
            EXPECT_EQ(after.Count(kBack), kW * kH - placed.Width() * placed.Height()) << "nothing outside the rectangle";
        }
    }
}

TEST(MaskPainter, ShadowOffsetShiftsAndCropsTheFarEdge) {
    CKMaskPainter painter(NULL);
    Canvas c;
    c.mask.PatBlt(0, 0, kW, kH, BLACKNESS);
    const CRect rc(4, 3, 14, 10);
    painter.PaintWithMask(&c.colour, &c.mask, rc, ctShadow, CPoint(1, 1), false, false, true);
    kt::Pixels p = kpt::Read(c.colour, kW, kH);
    const COLORREF shadow = painter.GetColor(ctShadow, false);
    EXPECT_EQ(p.Count(shadow, 5, 4, 14, 10), 9 * 6) << "shifted right and down";
    EXPECT_EQ(p.Count(shadow), 9 * 6) << "the mask's last column and row are cut, not spilled";

    // A negative offset crops the far edge without shifting.
    Canvas d;
    d.mask.PatBlt(0, 0, kW, kH, BLACKNESS);
    painter.PaintWithMask(&d.colour, &d.mask, rc, ctShadow, CPoint(-2, -1), false, false, true);
    kt::Pixels q = kpt::Read(d.colour, kW, kH);
    EXPECT_EQ(q.Count(shadow, 4, 3, 12, 9), 8 * 6);
    EXPECT_EQ(q.Count(shadow), 8 * 6);
}

TEST(MaskPainter, InvertedPaintPaintsPaperAndRestoresTheMask) {
    CKMaskPainter painter(NULL);
    Canvas c;
    // Ink: the left half.
    c.mask.PatBlt(0, 0, kW / 2, kH, BLACKNESS);
    BYTE before[kH * 4], after[kH * 4];
    ASSERT_EQ(c.mask.GetBitmap()->GetBitmapBits(sizeof before, before), (DWORD)sizeof before);
    painter.PaintWithMask(&c.colour, &c.mask, CRect(0, 0, kW, kH), ctHighlight, CPoint(0, 0), true, true, true);
    c.mask.GetBitmap()->GetBitmapBits(sizeof after, after);
    EXPECT_EQ(memcmp(before, after, sizeof before), 0) << "the mask is bit-for-bit as it was";
    kt::Pixels p = kpt::Read(c.colour, kW, kH);
    const COLORREF hi = painter.GetColor(ctHighlight, true);
    EXPECT_EQ(p.Count(hi, kW / 2, 0, kW, kH), kW / 2 * kH) << "the paper half is painted";
    EXPECT_EQ(p.Count(kBack, 0, 0, kW / 2, kH), kW / 2 * kH) << "the ink half is not";
}

// A host whose look has textured ink and paper, for tiling tests.
struct TexturedHost {
    static const int TW = 7, TH = 5;
    CWnd host;
    CKBitmapDC ink{NULL, TW, TH};
    CKBitmapDC paper{NULL, TW, TH};
    CKMPBitmapProvider* provider = nullptr;
    TexturedHost(int x, int y, int w, int h) {
        kpt::CreateTop(host, x, y, w, h);
        kpt::FillTile(ink, TW, TH);
        kpt::FillTile(paper, TW, TH);
        paper.FillSolidRect(0, 0, 1, 1, RGB(250, 0, 0));  // ink and paper differ at (0,0)
        provider = new CKMPBitmapProvider(&host, ink, 0, 0, 0, paper, 0xFFFFFF, 0, 0, false);
    }
    ~TexturedHost() {
        delete provider;
        host.DestroyWindow();
    }
    COLORREF Paper(int x, int y) const {
        int tx = ((x % TW) + TW) % TW, ty = ((y % TH) + TH) % TH;
        return tx == 0 && ty == 0 ? RGB(250, 0, 0) : kpt::TileColour(tx, ty);
    }
};

TEST(MaskPainter, TileOriginsFarOutsideTheTileWrap) {
    TexturedHost t(30, 30, 100, 80);
    CKMaskPainter painter(&t.host);
    kt::Pixels ref, far1, far2;
    for (CPoint org : {CPoint(3, 2), CPoint(3 - 7 * 143, 2 + 5 * 1000), CPoint(3 + 7 * 714, 2 - 5 * 200)}) {
        CKBitmapDC dc(NULL, 30, 20);
        painter.PaintWithoutMaskEx(&dc, org, CRect(0, 0, 30, 20), ctBitmap, false, true);
        kt::Pixels p = kpt::Read(dc, 30, 20);
        if (ref.width() == 0) ref = p;
        else EXPECT_TRUE(p == ref) << "origin " << org.x << "," << org.y;
    }
    // The picture itself: the pixel at (x, y) is the tile's pixel at the origin plus (x, y).
    EXPECT_EQ(ref.At(0, 0), t.Paper(3, 2));
    EXPECT_EQ(ref.At(5, 4), t.Paper(8, 6));
    EXPECT_EQ(ref.At(29, 19), t.Paper(32, 21));
}

TEST(MaskPainter, PatternsOfAFewPixelsTileAsTheyAre) {
    CWnd host;
    kpt::CreateTop(host, 30, 30, 100, 80);
    for (int n : {1, 2, 3}) {
        CKBitmapDC paper(NULL, n, n);
        kpt::FillTile(paper, n, n);
        CKMPBitmapProvider look(&host, (CKBitmapDC*)NULL, 0, 0, 0, &paper, 0xFFFFFF, 0, 0, false);
        CKMaskPainter painter(&host);
        CKBitmapDC dc(NULL, 150, 90);
        painter.PaintWithoutMaskEx(&dc, CPoint(-1001, 37), CRect(0, 0, 150, 90), ctBitmap, false, true);
        kt::Pixels p = kpt::Read(dc, 150, 90);
        int bad = 0;
        for (int y = 0; y < 90; ++y)
            for (int x = 0; x < 150; ++x)
                bad += p.At(x, y) != kpt::TileColour(((x - 1001) % n + n) % n, (y + 37) % n);
        EXPECT_EQ(bad, 0) << n << " x " << n;

        // Another bitmap selected into the pattern DC is the pattern from then on.
        CBitmap other;
        other.CreateCompatibleBitmap(&paper, n, n);
        HGDIOBJ hOld = ::SelectObject(paper.m_hDC, other.m_hObject);
        paper.FillSolidRect(0, 0, n, n, RGB(9, 99, 199));
        painter.PaintWithoutMask(&dc, CRect(0, 0, 150, 90), ctBitmap, false, true);
        EXPECT_EQ(kpt::Read(dc, 150, 90).Count(RGB(9, 99, 199)), 150 * 90) << n << " x " << n;
        ::SelectObject(paper.m_hDC, hOld);
    }
    host.DestroyWindow();
}

TEST(MaskPainter, TexturedInkFollowsTheReferenceWindow) {
    TexturedHost t(30, 30, 100, 80);
    CKMaskPainter painter(&t.host);
    CKBitmapDC colour(NULL, 10, 10);
    colour.FillSolidRect(0, 0, 10, 10, kBack);
    CKMonoBitmapDC mask(&colour, 10, 10);
    mask.PatBlt(0, 0, 10, 10, WHITENESS);
    mask.PatBlt(0, 0, 5, 10, BLACKNESS);
    // The buffer stands for the host's client point (20, 11).
    painter.PaintWithMaskEx(&colour, &mask, CPoint(20, 11), CRect(0, 0, 10, 10), ctBitmap, CPoint(0, 0), true, false, true);
    kt::Pixels p = kpt::Read(colour, 10, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 5; ++x) ASSERT_EQ(p.At(x, y), kpt::TileColour((20 + x) % 7, (11 + y) % 5)) << x << "," << y;
        for (int x = 5; x < 10; ++x) ASSERT_EQ(p.At(x, y), kBack);
    }
}

// A child that paints its whole client area with the paper pattern through the paint pipeline.
class CPatternChild : public CWnd {
public:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        CKPaintBuffer buffer(&dc, rc.Width(), rc.Height());
        buffer.Compose(this, SKLayers{ctBitmap, false, ctShadow, ctBitmap});  // empty mask: background only
        buffer.Present(&dc);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPatternChild, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

TEST(MaskPainter, SiblingsOfOneProviderShowOneContinuousTexture) {
    TexturedHost t(30, 30, 120, 60);
    CPatternChild left, right;
    ASSERT_TRUE(left.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(11, 9, 58, 50), &t.host, 1));
    ASSERT_TRUE(right.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(58, 9, 103, 50), &t.host, 2));
    t.host.UpdateWindow();
    kt::PumpPending();
    kt::Pixels p = kt::ReadClient(t.host.m_hWnd);
    int bad = 0;
    for (int y = 9; y < 50; ++y)
        for (int x = 11; x < 103; ++x)
            if (p.At(x, y) != t.Paper(x, y)) ++bad;
    EXPECT_EQ(bad, 0) << "each pixel shows the tile at its place in the host";
}

TEST(MaskPainter, OwnedPopupContinuesTheTextureOfItsOwnersFrame) {
    // A default look with a texture: it has no window of its own and tiles from each window's frame.
    const int TW = 7, TH = 5;
    CKBitmapDC ink(NULL, TW, TH), paper(NULL, TW, TH);
    kpt::FillTile(ink, TW, TH);
    kpt::FillTile(paper, TW, TH);
    CKMPBitmapProvider look(NULL, ink, 0, 0, 0, paper, 0xFFFFFF, 0, 0, true);
    CWnd frame;
    kpt::CreateTop(frame, 30, 30, 200, 150);
    CPatternChild popup;  // 13, 11 into the frame's client area
    ASSERT_TRUE(
        popup.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, 43, 41, 60, 40, frame.m_hWnd, NULL));
    popup.UpdateWindow();
    kt::PumpPending();
    kt::Pixels p = kt::ReadClient(popup.m_hWnd);
    ASSERT_EQ(p.width(), 60);
    int bad = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) bad += p.At(x, y) != kpt::TileColour((x + 13) % TW, (y + 11) % TH);
    EXPECT_EQ(bad, 0) << "no seam against the frame";
    popup.DestroyWindow();
    frame.DestroyWindow();
}

}  // namespace
