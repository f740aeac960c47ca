// Border types, the non-client handlers and the arrow glyphs.
#include <kelm/paint/CKMaskPainter.h>
#include <kelm/paint/CKStdPainter.h>
#include <gtest/gtest.h>

#include "GdiBudget.h"
#include "PaintTestUtil.h"

namespace {

// A child window that routes its frame to the shared handlers and may serve a sibling scroll bar.
class CFramed : public CWnd {
public:
    CScrollBar* m_pVert = nullptr;
    CScrollBar* GetScrollBarCtrl(int nBar) const override { return nBar == SB_VERT ? m_pVert : nullptr; }
    afx_msg void OnNcCalcSize(BOOL bCalc, NCCALCSIZE_PARAMS* p) { CKStdPainter::OnNcCalcSize(this, bCalc, p); }
    afx_msg void OnNcPaint() { CKStdPainter::OnNcPaint(this); }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFramed, CWnd)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

struct Host {
    CWnd top;
    CFramed framed;
    Host(DWORD extraStyle = 0) {
        kpt::CreateTop(top, 40, 40, 300, 200);
        framed.Create(NULL, "", WS_CHILD | WS_VISIBLE | extraStyle, CRect(20, 20, 120, 90), &top, 1);
    }
    ~Host() { top.DestroyWindow(); }
    CRect Insets() {
        CRect rw, rc;
        framed.GetWindowRect(&rw);
        framed.GetClientRect(&rc);
        framed.ClientToScreen(&rc);
        return CRect(rc.left - rw.left, rc.top - rw.top, rw.right - rc.right, rw.bottom - rc.bottom);
    }
};

TEST(StdPainter, BorderTypeWords) {
    EXPECT_EQ(BrdPart(24, 1, 3), 0x31000000u);
    EXPECT_EQ(BrdPart(0, 2, 0), 0x00000002u);
    EXPECT_EQ(BrdPart(40, 2, 1), BrdPart(8, 2, 1)) << "the shift is taken modulo 32";
    EXPECT_EQ(BT_RAISED, BrdPart(0, 1, 2) | BrdPart(8, 1, 2) | BrdPart(16, 1, 3) | BrdPart(24, 1, 3));
    EXPECT_EQ(BT_SUNKEN, BrdPart(0, 3, 1) | BrdPart(8, 3, 1) | BrdPart(16, 2, 1) | BrdPart(24, 2, 1));
    EXPECT_EQ(BT_ETCHED, BrdPart(0, 3, 2) | BrdPart(8, 3, 2) | BrdPart(16, 2, 3) | BrdPart(24, 2, 3));
}

TEST(StdPainter, SunkenBorderSizesAndPaintsInTheLook) {
    Host h;
    EXPECT_EQ(h.Insets(), CRect(0, 0, 0, 0)) << "no property: no border";
    SetBorderType(&h.framed, BT_SUNKEN);
    EXPECT_EQ(h.Insets(), CRect(2, 2, 2, 2));
    kt::PumpPending();

    kt::Pixels p = kt::ReadWindow(h.framed.m_hWnd);
    CKMaskPainter painter(&h.framed);
    const COLORREF ink = painter.GetColor(ctBase, true), paper = painter.GetColor(ctBase, false),
                   shadow = painter.GetColor(ctShadow, false);
    const int w = p.width(), ht = p.height();
    EXPECT_EQ(p.Count(ink, 0, 0, 1, ht), ht) << "outer left: ink";
    EXPECT_EQ(p.Count(ink, w - 1, 0, w, ht), ht) << "outer right: ink";
    EXPECT_EQ(p.Count(ink, 0, 0, w, 1), w) << "outer top: ink";
    EXPECT_EQ(p.Count(ink, 0, ht - 1, w, ht), w) << "outer bottom: ink";
    EXPECT_EQ(p.At(1, ht / 2), shadow) << "inner left: paper shadow";
    EXPECT_EQ(p.At(w / 2, 1), shadow) << "inner top: paper shadow";
    EXPECT_EQ(p.At(w - 2, ht / 2), paper) << "inner right: paper";
    EXPECT_EQ(p.At(w / 2, ht - 2), paper) << "inner bottom: paper";
}

TEST(StdPainter, ThickFrameAddsAnInkRing) {
    Host h(WS_THICKFRAME);
    SetBorderType(&h.framed, BT_SUNKEN);
    EXPECT_EQ(h.Insets(), CRect(3, 3, 3, 3));
    kt::PumpPending();
    kt::Pixels p = kt::ReadWindow(h.framed.m_hWnd);
    const COLORREF ink = CKMaskPainter(&h.framed).GetColor(ctBase, true);
    EXPECT_EQ(p.At(1, p.height() / 2), ink) << "the frame ring between outer and inner lines";
    EXPECT_EQ(p.At(p.width() / 2, 1), ink);
    EXPECT_EQ(p.At(2, p.height() / 2), CKMaskPainter(&h.framed).GetColor(ctShadow, false));
}

TEST(StdPainter, OuterLinesOnlyReserveOnePixelPerSide) {
    Host h;
    SetBorderType(&h.framed, BrdPart(0, 0, 1) | BrdPart(8, 0, 2) | BrdPart(16, 0, 3) | BrdPart(24, 0, 1));
    EXPECT_EQ(h.Insets(), CRect(1, 1, 1, 1));
    kt::PumpPending();
    kt::Pixels p = kt::ReadWindow(h.framed.m_hWnd);
    CKMaskPainter painter(&h.framed);
    EXPECT_EQ(p.At(0, p.height() / 2), painter.GetColor(ctBase, true));
    EXPECT_EQ(p.At(p.width() / 2, 0), painter.GetColor(ctBase, false));
    EXPECT_EQ(p.At(p.width() - 1, p.height() / 2), painter.GetColor(ctShadow, false));
}

TEST(StdPainter, ShownScrollBarIsDockedInsideTheBorder) {
    Host h;
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(SBS_VERT | WS_CHILD | WS_VISIBLE, CRect(200, 100, 216, 150), &h.top, 5));
    h.framed.m_pVert = &bar;
    SetBorderType(&h.framed, BT_SUNKEN);
    EXPECT_EQ(h.Insets(), CRect(2, 2, 2, 2)) << "ScrollState unset: the bar is ignored";
    CRect rb;
    bar.GetWindowRect(&rb);
    h.top.ScreenToClient(&rb);
    EXPECT_EQ(rb, CRect(200, 100, 216, 150)) << "and not moved";
    EXPECT_EQ(bar.m_hWndOwner, h.framed.m_hWnd) << "the served window owns its bar";

    ::SetPropA(bar.m_hWnd, szScrollState, (HANDLE)1);
    SetBorderType(&h.framed, BT_SUNKEN);
    bar.GetWindowRect(&rb);
    h.top.ScreenToClient(&rb);
    // framed: (20,20)-(120,90); inside the border: (22,22)-(118,88).
    EXPECT_EQ(rb, CRect(102, 22, 118, 88));
    EXPECT_EQ(h.Insets(), CRect(2, 2, 2 + 16, 2)) << "the client area gives the bar's width";

    ::SetPropA(bar.m_hWnd, szScrollState, (HANDLE)0);
    SetBorderType(&h.framed, BT_SUNKEN);
    EXPECT_EQ(h.Insets(), CRect(2, 2, 2, 2)) << "and takes it back";
    ::RemovePropA(bar.m_hWnd, szScrollState);
}

kt::Pixels ArrowMask(CRect rc, EDir dir, bool bFlag, int w = 20, int h = 20) {
    CKMonoBitmapDC mask(NULL, w, h);
    mask.PatBlt(0, 0, w, h, WHITENESS);
    CKStdPainter::DrawArrow(&mask, rc, dir, bFlag);
    return kt::ReadDC(mask.m_hDC, 0, 0, w, h);
}

const COLORREF W = RGB(255, 255, 255), B = RGB(0, 0, 0);

TEST(StdPainter, ArrowGeometry) {
    // 15 × 15, up: w 15, h 10, box offset (0, 2); triangle (1,9)-(7,3)-(13,9), doubled one row down.
    kt::Pixels p = ArrowMask(CRect(0, 0, 15, 15), dirUp, true, 15, 15);
    EXPECT_EQ(p.At(7, 3), W);
    EXPECT_EQ(p.At(7, 2), B) << "nothing above the apex";
    EXPECT_EQ(p.At(1, 9), W);
    EXPECT_EQ(p.At(13, 9), W);
    EXPECT_EQ(p.At(0, 9), B);
    EXPECT_EQ(p.At(14, 9), B);
    EXPECT_EQ(p.Count(W, 0, 10, 15, 11), 13) << "the doubled base row";
    EXPECT_EQ(p.Count(W, 0, 11, 15, 15), 0);
    EXPECT_EQ(p.At(7, 7), W) << "solid inside";

    // The outline arrow leaves its inside ink.
    kt::Pixels o = ArrowMask(CRect(0, 0, 15, 15), dirUp, false, 15, 15);
    EXPECT_EQ(o.At(7, 3), W);
    EXPECT_EQ(o.At(7, 7), B);
    EXPECT_EQ(o.Count(W, 0, 10, 15, 11), 13) << "the closed base, on the shifted outline";

    // Directions are mirror images: down is up flipped vertically within its box.
    kt::Pixels d = ArrowMask(CRect(0, 0, 15, 15), dirDown, true, 15, 15);
    EXPECT_EQ(d.At(7, 10), W) << "apex (7, 8) of the box at (0, 2)";
    EXPECT_EQ(d.At(7, 11), B);
    kt::Pixels r = ArrowMask(CRect(0, 0, 15, 15), dirRight, true, 15, 15);
    kt::Pixels l = ArrowMask(CRect(0, 0, 15, 15), dirLeft, true, 15, 15);
    int mirrored = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x) mirrored += r.At(x, y) == W;
    EXPECT_GT(mirrored, 10);
    EXPECT_EQ(r.Count(W), l.Count(W));
}

TEST(StdPainter, DropGlyphsComeFromTheLibrary) {
    // Drop-down, flag false: mask 158 (bars above a down triangle), centred in the rectangle.
    kt::Pixels p = ArrowMask(CRect(2, 3, 19, 22), dirDropDown, false, 24, 24);
    HMODULE hKelm = ::GetModuleHandleA("Kelm.dll");
    ASSERT_NE(hKelm, nullptr);
    HBITMAP h158 = ::LoadBitmapA(hKelm, MAKEINTRESOURCEA(158));
    ASSERT_NE(h158, nullptr);
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    HGDIOBJ old = ::SelectObject(dc.m_hDC, h158);
    kt::Pixels glyph = kt::ReadDC(dc.m_hDC, 0, 0, 13, 15);
    ::SelectObject(dc.m_hDC, old);
    ::DeleteObject(h158);
    const int x0 = 2 + (17 - 13) / 2, y0 = 3 + (19 - 15) / 2;
    int diff = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 13; ++x) diff += p.At(x0 + x, y0 + y) != glyph.At(x, y);
    EXPECT_EQ(diff, 0);
    EXPECT_EQ(p.Count(B, 2, 3, 19, 22) + p.Count(W, 2, 3, 19, 22), 17 * 19);
    EXPECT_EQ(p.Count(W, 0, 0, 24, 3), 24 * 3) << "nothing outside the rectangle";
    // Drop-up with the flag shows the same glyph (slot 11 is 158 too).
    EXPECT_TRUE(ArrowMask(CRect(2, 3, 19, 22), dirDropUp, true, 24, 24) == p);
    EXPECT_FALSE(ArrowMask(CRect(2, 3, 19, 22), dirDropUp, false, 24, 24) == p);
}

TEST(StdPainter, GlyphsLeftOutByAFailedLoadComeWithTheNextArrow) {
    const CRect rc(2, 3, 19, 22);
    const kt::Pixels want = ArrowMask(rc, dirDropDown, false, 24, 24);
    // No glyph loaded; then a load that runs out of GDI handles part way (a glyph is a DC and a
    // bitmap).
    for (CKBitmapDC*& p : CKStdPainter::m_pdcBmpDir) {
        delete p;
        p = NULL;
    }
    CKMonoBitmapDC mask(NULL, 24, 24);
    int nLoaded = 0;
    {
        kt::GdiSqueeze squeeze(9);
        EXPECT_THROW(CKStdPainter::DrawArrow(&mask, rc, dirDropDown, false), const char*);
        for (CKBitmapDC* p : CKStdPainter::m_pdcBmpDir) nLoaded += p != NULL;
    }
    ASSERT_GT(nLoaded, 0);
    ASSERT_LT(nLoaded, 12);
    EXPECT_TRUE(ArrowMask(rc, dirDropDown, false, 24, 24) == want) << "the drop glyph is there after all";
}

TEST(StdPainter, DrawNCUsesTheLookColours) {
    Host h;
    CKMPBitmapProvider look(&h.top, (CKBitmapDC*)NULL, 0x102030, 0, 0, (CKBitmapDC*)NULL, 0xFFFFFF, 0x405060, 0, false);
    CKStdPainter::DrawNC(&h.framed);
    kt::Pixels p = kt::ReadWindow(h.framed.m_hWnd);
    EXPECT_EQ(p.At(0, 0), (COLORREF)0x102030) << "top-left: ink base";
    EXPECT_EQ(p.At(p.width() - 1, p.height() - 1), (COLORREF)0x405060) << "bottom-right: paper shadow";
}

}  // namespace
