// The slider: thumb geometry and drag mapping, the MFC call interface, dragging with real input,
// focus, hover, disabled and inverted looks.
#include <kelm/paint/CKMaskPainter.h>
#include <kelm/range/CKSliderCtrl.h>

#include <KelmTest.h>
#include <SpyParent.h>
#include <gtest/gtest.h>

#include <climits>
#include <ostream>

inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {

const CRect kClient200(0, 0, 200, 30);

TEST(SliderGeometry, ThumbFollowsThePositionAlongTheChannel) {
    // Channel from x 10 to 190; the thumb's left edge 4 pixels before the position's point, so
    // the thumb stands alike over both ends of the channel.
    EXPECT_EQ(CKSliderGeometry::ThumbRect(kClient200, 0, 100, 0), CRect(6, 9, 15, 25));
    EXPECT_EQ(CKSliderGeometry::ThumbRect(kClient200, 0, 100, 100), CRect(186, 9, 195, 25));
    EXPECT_EQ(CKSliderGeometry::ThumbRect(kClient200, 0, 100, 50).left, 96);
    EXPECT_EQ(CKSliderGeometry::ThumbRect(kClient200, -50, 50, 0).left, 96) << "negative range";
    EXPECT_EQ(CKSliderGeometry::ThumbRect(kClient200, 7, 7, 7).left, 6) << "empty range: channel start";
    EXPECT_EQ(CKSliderGeometry::ThumbRect(CRect(0, 0, 200, 41), 0, 100, 0).top, 14) << "height / 2 - 6";

    // The whole int range without overflow.
    EXPECT_EQ(CKSliderGeometry::ThumbRect(kClient200, INT_MIN, INT_MAX, INT_MIN).left, 6);
    EXPECT_EQ(CKSliderGeometry::ThumbRect(kClient200, INT_MIN, INT_MAX, INT_MAX).left, 186);
}

TEST(SliderGeometry, DragMapsTheThumbEdgeToPositions) {
    // 200 wide: the thumb's left edge travels from 6 to 185.
    EXPECT_EQ(CKSliderGeometry::DragLeft(kClient200, 3, 4), 6);
    EXPECT_EQ(CKSliderGeometry::DragLeft(kClient200, 104, 4), 100);
    EXPECT_EQ(CKSliderGeometry::DragLeft(kClient200, 500, 4), 185);
    EXPECT_EQ(CKSliderGeometry::PosFromDragLeft(kClient200, 6, 0, 100), 0);
    EXPECT_EQ(CKSliderGeometry::PosFromDragLeft(kClient200, 185, 0, 100), 100);
    EXPECT_EQ(CKSliderGeometry::PosFromDragLeft(kClient200, 185, INT_MIN, INT_MAX), INT_MAX);

    // 121 wide: 100 pixels of travel for 10 steps; a step is taken from a fraction of 0.51.
    const CRect rc121(0, 0, 121, 30);
    EXPECT_EQ(CKSliderGeometry::PosFromDragLeft(rc121, 6 + 45, 0, 10), 4);
    EXPECT_EQ(CKSliderGeometry::PosFromDragLeft(rc121, 6 + 46, 0, 10), 5);
    EXPECT_EQ(CKSliderGeometry::PosFromDragLeft(rc121, 6 + 55, 0, 10), 5);
    EXPECT_EQ(CKSliderGeometry::PosFromDragLeft(rc121, 6 + 56, 0, 10), 6);

    // A negative range reaches both ends and rounds like a positive one.
    EXPECT_EQ(CKSliderGeometry::PosFromDragLeft(rc121, 6, -10, 0), -10);
    EXPECT_EQ(CKSliderGeometry::PosFromDragLeft(rc121, 6 + 45, -10, 0), -6);
    EXPECT_EQ(CKSliderGeometry::PosFromDragLeft(rc121, 106, -10, 0), 0);

    EXPECT_EQ(CKSliderGeometry::PosFromDragLeft(CRect(0, 0, 21, 30), 6, 3, 9), 3) << "no travel: the minimum";
    EXPECT_EQ(CKSliderGeometry::PosFromDragLeft(kClient200, 150, 7, 7), 7) << "empty range";

    // Clamping: the lower bound first, so an inverted range gives its upper bound.
    EXPECT_EQ(CKSliderGeometry::ClampPos(-5, 0, 10), 0);
    EXPECT_EQ(CKSliderGeometry::ClampPos(15, 0, 10), 10);
    EXPECT_EQ(CKSliderGeometry::ClampPos(5, 10, 0), 0);
}

// A host with a 200 × 30 slider at a fixed place.
struct SliderHost {
    kt::SpyParent spy;
    CKSliderCtrl slider;
    explicit SliderHost(DWORD extraStyle = 0) {
        EXPECT_TRUE(spy.CreateHost(300, 100, 40, 40));
        EXPECT_TRUE(slider.Create(WS_CHILD | WS_VISIBLE | extraStyle, CRect(20, 30, 220, 60), &spy, 7));
        spy.SetFocus();
        Settle();
    }
    ~SliderHost() {
        kt::MoveCursor(5, 5);
        kt::PumpPending();
        spy.DestroyWindow();
    }
    void Settle() {
        slider.UpdateWindow();
        kt::PumpPending();
    }
    kt::Pixels Read() {
        Settle();
        return kt::ReadClient(slider.m_hWnd);
    }
    COLORREF Color(EColorType role, bool bInk) { return CKMaskPainter(&slider).GetColor(role, bInk); }
    CRect Thumb() {
        CRect rc;
        slider.GetThumbRect(&rc);
        return rc;
    }
};

TEST(Slider, NewSliderAndItsRangeCalls) {
    SliderHost h;
    CKSliderCtrl& s = h.slider;
    EXPECT_STREQ(s.GetRuntimeClass()->m_lpszClassName, "CKSliderCtrl");
    EXPECT_TRUE(s.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_EQ(s.GetRangeMin(), 0);
    EXPECT_EQ(s.GetRangeMax(), 100);
    EXPECT_EQ(s.GetPos(), 0);
    EXPECT_EQ(s.GetLineSize(), 1);
    EXPECT_EQ(s.GetPageSize(), 10);

    s.SetPos(50);
    s.SetRangeMax(20, TRUE);
    EXPECT_EQ(s.GetPos(), 20) << "the position follows the new maximum";
    s.SetRange(-10, 40);
    int lo = 0, hi = 0;
    s.GetRange(lo, hi);
    EXPECT_EQ(lo, -10);
    EXPECT_EQ(hi, 40);
    s.SetPos(-50);
    EXPECT_EQ(s.GetPos(), -10);
    s.SetPos(1000);
    EXPECT_EQ(s.GetPos(), 40);
    s.SetRangeMin(45);
    EXPECT_EQ(s.GetPos(), 40) << "raised to 45, then lowered to the maximum 40";

    // No selection and no channel rectangle: the outputs keep what the caller had.
    s.SetSelection(1, 5);
    int selMin = 111, selMax = 222;
    s.GetSelection(selMin, selMax);
    EXPECT_EQ(selMin, 111);
    EXPECT_EQ(selMax, 222);
    s.ClearSel(TRUE);
    CRect rc(1, 2, 3, 4);
    s.GetChannelRect(&rc);
    EXPECT_EQ(rc, CRect(1, 2, 3, 4));
}

TEST(Slider, ThumbIsPaintedWhereItsRectangleSays) {
    SliderHost h;
    EXPECT_EQ(h.Thumb(), CRect(6, 9, 15, 25));
    const COLORREF ink = h.Color(ctBase, true), paper = h.Color(ctBase, false);
    kt::Pixels p = h.Read();
    EXPECT_EQ(p.At(0, 0), ink) << "the face is ink";
    EXPECT_EQ(p.At(6 + 1, 9 + 5), paper) << "the thumb's outline is cut out";
    EXPECT_EQ(p.At(10, 12), ink) << "its inside is ink";

    h.slider.SetPos(100);
    EXPECT_EQ(h.Thumb().left, 186);
    p = h.Read();
    EXPECT_EQ(p.At(6 + 1, 9 + 5), ink) << "old place repainted";
    EXPECT_EQ(p.At(186 + 1, 9 + 5), paper);
    EXPECT_EQ(p.At(50, 16), paper) << "the channel's second row";
}

TEST(Slider, DraggingToTheFarRightReportsTheMaximumAndReleasingNothing) {
    SliderHost h;
    const CRect thumb = h.Thumb();
    kt::MoveCursorToClient(h.slider.m_hWnd, thumb.left + 4, thumb.top + 8);
    kt::PumpFor(50);
    kt::ButtonDown();
    ASSERT_TRUE(kt::PumpUntil([&] { return ::GetCapture() == h.slider.m_hWnd; }));
    EXPECT_EQ(::GetFocus(), h.slider.m_hWnd);
    EXPECT_EQ(h.spy.Count(WM_HSCROLL), 0) << "the press sends nothing";
    const COLORREF focused = h.Color(ctHighlight, true);
    kt::Pixels p = h.Read();
    EXPECT_EQ(p.At(0, 0), focused) << "the press gave the focus";
    EXPECT_NE(p.At(thumb.left + 4, thumb.top + 8), focused) << "a dragged thumb is hollow";

    kt::MoveCursorToClient(h.slider.m_hWnd, 100, thumb.top + 8);
    ASSERT_TRUE(kt::PumpUntil([&] { return h.slider.GetPos() > 0; }));
    kt::MoveCursorToClient(h.slider.m_hWnd, 400, thumb.top + 40);
    ASSERT_TRUE(kt::PumpUntil([&] { return h.slider.GetPos() == 100; }));

    const std::vector<kt::SpyMessage> scrolls = h.spy.Of(WM_HSCROLL);
    ASSERT_GE(scrolls.size(), 2u);
    for (const kt::SpyMessage& m : scrolls) {
        EXPECT_EQ(LOWORD(m.wParam), SB_THUMBTRACK);
        EXPECT_EQ((HWND)m.lParam, h.slider.m_hWnd);
    }
    EXPECT_EQ(scrolls.back().wParam, MAKEWPARAM(SB_THUMBTRACK, 100));
    EXPECT_EQ(h.Thumb().left, 186);

    kt::ButtonUp();
    ASSERT_TRUE(kt::PumpUntil([&] { return ::GetCapture() == NULL; }));
    kt::PumpFor(100);
    EXPECT_EQ(h.spy.Count(WM_HSCROLL), (int)scrolls.size()) << "the release sends nothing";
    EXPECT_EQ(h.slider.GetPos(), 100);
    EXPECT_EQ(h.Read().At(186 + 4, thumb.top + 8), focused) << "the released thumb is solid again";
}

TEST(Slider, NotifiesItsOwnerRatherThanItsParent) {
    SliderHost h;
    kt::SpyParent owner;
    ASSERT_TRUE(owner.CreateHost(100, 50, 400, 300));
    h.slider.SetOwner(&owner);
    h.slider.SetRange(-100, 0);
    h.slider.SetPos(-50);
    const CRect thumb = h.Thumb();
    kt::SendMouse(h.slider.m_hWnd, WM_LBUTTONDOWN, thumb.left + 4, 17, MK_LBUTTON);
    kt::SendMouse(h.slider.m_hWnd, WM_MOUSEMOVE, 9, 17, MK_LBUTTON);
    kt::SendMouse(h.slider.m_hWnd, WM_LBUTTONUP, 9, 17);
    EXPECT_EQ(h.spy.Count(WM_HSCROLL), 0);
    ASSERT_EQ(owner.Count(WM_HSCROLL), 1);
    EXPECT_EQ(owner.Of(WM_HSCROLL)[0].wParam, MAKEWPARAM(SB_THUMBTRACK, (WORD)-100))
        << "the far left of a negative range is its minimum";
    owner.DestroyWindow();
}

TEST(Slider, CaptureLossEndsTheDragAndADoubleClickStartsOne) {
    SliderHost h;
    kt::SendMouse(h.slider.m_hWnd, WM_LBUTTONDOWN, 10, 17, MK_LBUTTON);
    ASSERT_EQ(::GetCapture(), h.slider.m_hWnd);
    h.spy.SetCapture();
    kt::SendMouse(h.slider.m_hWnd, WM_MOUSEMOVE, 150, 17);
    EXPECT_EQ(h.slider.GetPos(), 0);
    EXPECT_EQ(h.spy.Count(WM_HSCROLL), 0);
    ::ReleaseCapture();

    // The second press of a double click grabs the thumb like the first.
    kt::SendMouse(h.slider.m_hWnd, WM_LBUTTONDBLCLK, 10, 17, MK_LBUTTON);
    EXPECT_EQ(::GetCapture(), h.slider.m_hWnd);
    kt::SendMouse(h.slider.m_hWnd, WM_LBUTTONUP, 10, 17);
}

TEST(Slider, ClickingTheChannelOnlyTakesTheFocus) {
    SliderHost h;
    const COLORREF base = h.Color(ctBase, true), focused = h.Color(ctHighlight, true);
    ASSERT_NE(base, focused);
    EXPECT_EQ(h.Read().At(0, 0), base);

    kt::MoveCursorToClient(h.slider.m_hWnd, 120, 15);
    kt::PumpFor(30);
    kt::ButtonDown();
    kt::PumpFor(30);
    kt::ButtonUp();
    ASSERT_TRUE(kt::PumpUntil([&] { return ::GetFocus() == h.slider.m_hWnd; }));
    kt::PumpFor(50);
    EXPECT_EQ(h.slider.GetPos(), 0);
    EXPECT_EQ(h.spy.Count(WM_HSCROLL), 0);
    kt::Pixels p = h.Read();
    EXPECT_EQ(p.At(0, 0), focused) << "the focused face";
    EXPECT_EQ(p.At(10, 12), focused) << "the thumb in the face role too";

    h.spy.SetFocus();
    EXPECT_EQ(h.Read().At(0, 0), base);
}

TEST(Slider, HoverChangesTheShadowOnly) {
    SliderHost h;
    const COLORREF face = h.Color(ctBase, true);
    const COLORREF shadow = h.Color(ctShadow, false), hot = h.Color(ctHighlight, false);
    ASSERT_NE(shadow, hot);
    // The channel's first row lies below ink: its pixels show the shadow.
    EXPECT_EQ(h.Read().At(50, 15), shadow);

    kt::MoveCursorToClient(h.slider.m_hWnd, 120, 5);
    ASSERT_TRUE(kt::PumpUntil([&] { return h.Read().At(50, 15) == hot; }));
    EXPECT_EQ(h.Read().At(0, 0), face);
    kt::MoveCursor(5, 5);
    ASSERT_TRUE(kt::PumpUntil([&] { return h.Read().At(50, 15) == shadow; }));
}

TEST(Slider, DisabledAndInvertedLooks) {
    SliderHost h;
    const COLORREF ink = h.Color(ctBase, true), paper = h.Color(ctBase, false);
    h.slider.EnableWindow(FALSE);
    h.slider.Invalidate();
    kt::Pixels p = h.Read();
    EXPECT_EQ(p.At(0, 0), h.Color(ctDisabled, true)) << "the face in the disabled role";
    EXPECT_EQ(p.At(50, 15), paper) << "and no shadow";

    h.slider.EnableWindow(TRUE);
    h.slider.m_bInvertMask = true;
    h.slider.Invalidate();
    p = h.Read();
    EXPECT_EQ(p.At(0, 0), paper) << "the face becomes paper";
    EXPECT_EQ(p.At(50, 15), ink) << "the channel becomes ink";
    EXPECT_EQ(p.At(51, 17), h.Color(ctShadow, false)) << "shadowed below";
}

}  // namespace
