// The scroll bar under real mouse input: the auto-repeat of a held arrow, dragging the thumb,
// and the hot shadow while the pointer is over the bar.
#include "ScrollBarTestUtil.h"

namespace {

using sbt::BarHost;

int CountOf(const std::vector<UINT>& codes, UINT code) {
    int n = 0;
    for (UINT c : codes) n += c == code;
    return n;
}

TEST(ScrollBarInput, HeldArrowRepeatsWhileThePointerIsOnIt) {
    BarHost<> h;
    h.SetInfo(0, 100, 10, 50);
    kt::MoveCursorToClient(h.hwnd(), 9, 190);
    kt::PumpFor(100);
    h.spy.Clear();

    kt::ButtonDown();
    ASSERT_TRUE(kt::PumpUntil([&] { return !h.Codes().empty(); }, 1000));
    const DWORD tFirst = ::GetTickCount();
    EXPECT_EQ(h.Codes(), (std::vector<UINT>{SB_LINEDOWN})) << "one notification at once";
    kt::PumpFor(250);
    EXPECT_EQ(h.Codes().size(), 1u) << "nothing more before the period";
    ASSERT_TRUE(kt::PumpUntil([&] { return h.Codes().size() >= 2; }, 1500));
    EXPECT_GE(::GetTickCount() - tFirst, 400u) << "the repeat comes after about 500 ms";
    ASSERT_TRUE(kt::PumpUntil([&] { return h.Codes().size() >= 3; }, 1500)) << "and again";

    // Off the arrow (still on the bar) the repeat pauses; back on it, it goes on.
    kt::MoveCursorToClient(h.hwnd(), 9, 120);
    kt::PumpFor(100);
    const size_t nPaused = h.Codes().size();
    kt::PumpFor(1200);
    EXPECT_EQ(h.Codes().size(), nPaused);
    kt::MoveCursorToClient(h.hwnd(), 9, 192);
    EXPECT_TRUE(kt::PumpUntil([&] { return h.Codes().size() > nPaused; }, 1500));

    // Released off the bar altogether: the capture still brings the release.
    kt::MoveCursor(700, 500);
    kt::PumpFor(100);
    kt::ButtonUp();
    ASSERT_TRUE(kt::PumpUntil([&] { return h.Codes().back() == SB_ENDSCROLL; }, 1000));
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    const std::vector<UINT> codes = h.Codes();
    EXPECT_EQ(CountOf(codes, SB_LINEDOWN), (int)codes.size() - 1) << "only line-downs before the end";
    EXPECT_EQ(CountOf(codes, SB_ENDSCROLL), 1);
    kt::PumpFor(700);
    EXPECT_EQ(h.Codes().size(), codes.size()) << "the release stops the repeat";
}

TEST(ScrollBarInput, DraggingTheThumbToTheFarEnd) {
    BarHost<> h;
    sbt::Roles c(&h.bar);
    h.SetInfo(0, 100, 10, 0);  // thumb 15..31, travel 15..168
    kt::MoveCursorToClient(h.hwnd(), 9, 20);
    kt::PumpFor(100);
    h.spy.Clear();
    kt::ButtonDown();
    ASSERT_TRUE(kt::PumpUntil([&] { return !h.Codes().empty(); }, 1000));
    EXPECT_EQ(h.Codes().front(), (UINT)SB_THUMBTRACK);
    EXPECT_EQ(h.Positions().front(), 0);

    // Half way: the thumb follows the pointer where it was grabbed (5 pixels into it).
    kt::MoveCursorToClient(h.hwnd(), 9, 96);
    // Edge 96 - 5 = 91: (91 - 15) / 153 of the 91 positions.
    EXPECT_TRUE(kt::PumpUntil([&] { return h.Positions().back() == 45; }, 1000));
    EXPECT_EQ(sbt::ThumbRun(h.Read(), true, c.ink).from, 91);

    // Far past the end, even off the bar: the last position plus one.
    kt::MoveCursorToClient(h.hwnd(), 40, 400);
    ASSERT_TRUE(kt::PumpUntil([&] { return h.Positions().back() == 91; }, 1000));
    EXPECT_EQ(sbt::ThumbRun(h.Read(), true, c.ink).to, 184) << "drawn against the second arrow";
    EXPECT_EQ(h.Pos(), 0) << "the bar does not move its position itself";

    kt::ButtonUp();
    ASSERT_TRUE(kt::PumpUntil([&] { return h.Codes().back() == SB_ENDSCROLL; }, 1000));
    const std::vector<UINT> codes = h.Codes();
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(codes[codes.size() - 2], (UINT)SB_THUMBPOSITION);
    EXPECT_EQ(h.Positions()[codes.size() - 2], 91) << "nMax - nPage + 1";
    for (size_t i = 0; i + 2 < codes.size(); ++i) EXPECT_EQ(codes[i], (UINT)SB_THUMBTRACK) << i;

    // The owner's SBM_SETPOS with that value stores the last valid position.
    ::SendMessageA(h.hwnd(), SBM_SETPOS, 91, TRUE);
    EXPECT_EQ(h.Pos(), 90);
    EXPECT_EQ(sbt::ThumbRun(h.Read(), true, c.ink).to, 184) << "released: drawn from the position";
}

TEST(ScrollBarInput, HoverColoursTheShadow) {
    BarHost<> h;
    sbt::Roles c(&h.bar);
    h.SetInfo(0, 100, 0, 0);  // thumb outline edge at column 2, rows 15..35
    ASSERT_EQ(h.Read().At(2, 20), c.shadow);

    kt::MoveCursorToClient(h.hwnd(), 9, 120);
    EXPECT_TRUE(kt::PumpUntil([&] { return h.Read().At(2, 20) == c.hot; }, 1500));
    EXPECT_EQ(h.Read().At(10, 100), c.ink) << "the face keeps its role";

    kt::MoveCursor(700, 500);
    EXPECT_TRUE(kt::PumpUntil([&] { return h.Read().At(2, 20) == c.shadow; }, 1500)) << "leave";

    // And hot again on the way back.
    kt::MoveCursorToClient(h.hwnd(), 9, 150);
    EXPECT_TRUE(kt::PumpUntil([&] { return h.Read().At(2, 20) == c.hot; }, 1500));
}

}  // namespace
