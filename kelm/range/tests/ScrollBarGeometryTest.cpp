// Part geometry, the thumb drag and the position clamps, without windows.
#include <kelm/range/ScrollGeometry.h>
#include <gtest/gtest.h>

#include <climits>
#include <ostream>

inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {

const CRect kVert(0, 0, 20, 200);  // track 199 - 30 = 169 pixels
const CRect kHorz(0, 0, 200, 20);

CKScrollGeometry Vert(int nMin, int nMax, UINT nPage, int nPos) {
    return CKScrollGeometry(kVert, true, SKScrollRange{nMin, nMax, nPage, nPos});
}

TEST(ScrollGeometry, ThumbLength) {
    EXPECT_EQ(Vert(0, 100, 0, 0).ThumbLength(), 20) << "no page";
    EXPECT_EQ(Vert(0, 1000000, 0, 0).ThumbLength(), 20) << "no page, whatever the range";
    EXPECT_EQ(Vert(0, 99, 10, 0).ThumbLength(), 16) << "169 * 10 / 100, truncated";
    EXPECT_EQ(Vert(-50, 49, 50, 0).ThumbLength(), 84) << "169 * 50 / 100";
    EXPECT_EQ(Vert(0, 100000, 1, 0).ThumbLength(), 9) << "never under 9";
    EXPECT_EQ(Vert(0, 1689, 100, 0).ThumbLength(), 10) << "169 * 100 / 1690 = 10";
    EXPECT_EQ(Vert(0, 1699, 100, 0).ThumbLength(), 9) << "9.94 is 9";
    // A page larger than the range does not run the thumb over the second arrow.
    EXPECT_EQ(Vert(0, 5, 10, 0).ThumbLength(), 169);
    EXPECT_EQ(Vert(10, 8, 4, 10).ThumbLength(), 169) << "empty range: no division by zero";
}

TEST(ScrollGeometry, PartsTileTheBar) {
    // Range 0..100, page 10: thumb 169 * 10 / 101 = 16; travel 153 over 90 positions.
    for (int pos : {0, 1, 45, 89, 90}) {
        CKScrollGeometry g = Vert(0, 100, 10, pos);
        EXPECT_EQ(g.ThumbOffset(), pos * 153 / 90) << pos;
        EXPECT_EQ(g.Part(spFirstArrow), CRect(0, 0, 19, 15));
        EXPECT_EQ(g.Part(spSecondArrow), CRect(0, 184, 19, 199));
        EXPECT_EQ(g.Part(spTrack), CRect(0, 15, 19, 184));
        EXPECT_EQ(g.Part(spTravel), CRect(0, 15, 19, 15 + 153));
        // Parts 1 to 5 follow each other without gaps.
        int y = 0;
        for (int part = spFirstArrow; part <= spSecondArrow; ++part) {
            CRect r = g.Part(part);
            EXPECT_EQ(r.top, y) << "part " << part << " at position " << pos;
            EXPECT_EQ(r.left, 0);
            EXPECT_EQ(r.right, 19);
            y = r.bottom;
        }
        EXPECT_EQ(y, 199);
    }
    EXPECT_EQ(Vert(0, 100, 10, 90).Part(spThumb), CRect(0, 168, 19, 184)) << "last position: against the arrow";

    // A horizontal bar lays the same parts along x.
    CKScrollGeometry h(kHorz, false, SKScrollRange{0, 100, 10, 90});
    EXPECT_EQ(h.Part(spFirstArrow), CRect(0, 0, 15, 19));
    EXPECT_EQ(h.Part(spThumb), CRect(168, 0, 184, 19));
    EXPECT_EQ(h.Part(spSecondArrow), CRect(184, 0, 199, 19));

    // No travel in the range (nMax - nPage - nMin = 0): the thumb stays at the start.
    EXPECT_EQ(Vert(0, 10, 10, 0).ThumbOffset(), 0);
    // Signed ranges: the middle of -100..100 with page 0.
    EXPECT_EQ(Vert(-100, 100, 0, 0).ThumbOffset(), (169 - 20) / 2);
}

TEST(ScrollGeometry, HitTest) {
    CKScrollGeometry g = Vert(0, 100, 10, 45);  // thumb 91..107
    EXPECT_EQ(g.HitTest(CPoint(5, 0)), spFirstArrow);
    EXPECT_EQ(g.HitTest(CPoint(5, 14)), spFirstArrow);
    EXPECT_EQ(g.HitTest(CPoint(5, 15)), spPageUp);
    EXPECT_EQ(g.HitTest(CPoint(5, 90)), spPageUp);
    EXPECT_EQ(g.HitTest(CPoint(5, 91)), spThumb);
    EXPECT_EQ(g.HitTest(CPoint(5, 106)), spThumb);
    EXPECT_EQ(g.HitTest(CPoint(5, 107)), spPageDown);
    EXPECT_EQ(g.HitTest(CPoint(5, 184)), spSecondArrow);
    EXPECT_EQ(g.HitTest(CPoint(5, 198)), spSecondArrow);
    EXPECT_EQ(g.HitTest(CPoint(5, 199)), spNone) << "the last row belongs to no part";
    EXPECT_EQ(g.HitTest(CPoint(19, 100)), spNone) << "nor the last column";
    EXPECT_EQ(Vert(0, 100, 10, 0).HitTest(CPoint(5, 15)), spThumb) << "empty page-up part";
}

TEST(ScrollGeometry, DraggedThumbFollowsItsEdge) {
    SKScrollRange range{0, 100, 10, 0};
    CKScrollGeometry g(kVert, true, range, true, 60);
    EXPECT_EQ(g.Part(spThumb), CRect(0, 60, 19, 76)) << "drawn at the edge, not at the position";
    EXPECT_EQ(g.Part(spPageUp), CRect(0, 15, 19, 60));
    EXPECT_EQ(g.ClampDragEdge(-40), 15);
    EXPECT_EQ(g.ClampDragEdge(500), 168);
    EXPECT_EQ(g.ClampDragEdge(100), 100);
}

TEST(ScrollGeometry, TrackPosition) {
    SKScrollRange range{0, 100, 10, 0};
    CKScrollGeometry g(kVert, true, range);
    EXPECT_EQ(g.TrackPosAt(g.TravelStart()), 0);
    EXPECT_EQ(g.TrackPosAt(g.TravelEnd()), 91) << "the far end is nMax - nPage + 1";
    EXPECT_EQ(g.TrackPosAt(15 + 153 / 2), 45) << "76 / 153 * 91 = 45.2";

    CKScrollGeometry s(kHorz, false, SKScrollRange{-50, 50, 0, 0});
    EXPECT_EQ(s.TrackPosAt(s.TravelStart()), -50);
    EXPECT_EQ(s.TrackPosAt(s.TravelEnd()), 51);

    // A bar 40 pixels long has a 9-pixel track and a 9-pixel thumb: no travel at all.
    CKScrollGeometry z(CRect(0, 0, 20, 40), true, SKScrollRange{5, 1000, 1, 5});
    ASSERT_EQ(z.TravelEnd(), z.TravelStart());
    EXPECT_EQ(z.TrackPosAt(z.TravelStart()), 5);
    EXPECT_EQ(z.ClampDragEdge(30), z.TravelStart());
    // Shorter still: the thumb is longer than the track.
    CKScrollGeometry n(CRect(0, 0, 20, 35), true, SKScrollRange{5, 1000, 1, 5});
    EXPECT_EQ(n.TrackPosAt(n.ClampDragEdge(30)), 5);
}

TEST(ScrollGeometry, Clamps) {
    EXPECT_EQ(ScrollClampPos(-5, 0, 100, 10), 0);
    EXPECT_EQ(ScrollClampPos(95, 0, 100, 10), 90);
    EXPECT_EQ(ScrollClampPos(50, 0, 100, 10), 50);
    EXPECT_EQ(ScrollClampPos(-200, -100, -10, 5), -100) << "signed";
    EXPECT_EQ(ScrollClampPos(0, -100, -10, 5), -15);
    EXPECT_EQ(ScrollClampPos(3, 0, 5, 10), 0) << "a page larger than the range keeps nMin";
    EXPECT_EQ(ScrollClampPos(INT_MAX, INT_MIN, INT_MAX, 0), INT_MAX) << "no overflow";
    EXPECT_EQ(ScrollClampPos(0, INT_MIN, INT_MAX, 0xFFFFFFFFu), INT_MIN);

    EXPECT_EQ(ScrollLimitPage(500, 0, 100), 100u);
    EXPECT_EQ(ScrollLimitPage(50, 0, 100), 50u);
    EXPECT_EQ(ScrollLimitPage(300, -100, 100), 200u);
    EXPECT_EQ(ScrollLimitPage(7, 10, 0), 7u) << "a reversed range limits nothing (unsigned extent)";
}

}  // namespace
