// The long list's paging without a window: every position round-trips through its page, a
// selection walking the whole list keeps its item across page moves while the view stays within
// the list, and scroll requests never leave the list, up to the largest int count.
#include <kelm/lists/LongListPaging.h>

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace {

typedef CKLongListPaging P;

TEST(LongListPaging, DirectPositionsRoundTripThroughTheirPage) {
    EXPECT_EQ(P::Offset(0), 0);
    EXPECT_EQ(P::Offset(1), 30000);
    EXPECT_EQ(P::Offset(2), 60060);
    EXPECT_EQ(P::Offset(3), 90120);
    auto check = [](long long n) {
        const P::SKRowPos pos = P::Locate(n);
        ASSERT_EQ(P::Offset(pos.nPage) + pos.nRow, n) << n;
        ASSERT_EQ(pos.nPage == 0, n <= 30030) << n;
        ASSERT_GE(pos.nRow, pos.nPage == 0 ? 0 : 30) << n;
        // Never on a row that would move the window at once.
        ASSERT_LT(pos.nRow, pos.nPage == 0 ? 30031 : 30091) << n;
    };
    for (long long n = 0; n < 400000; ++n) check(n);
    std::mt19937 rng(7);
    for (int i = 0; i < 100000; ++i) check(std::uniform_int_distribution<int>(0, INT_MAX)(rng));
    check(INT_MAX);
}

// A list box as the platform keeps it: selecting a row scrolls it into view.
struct ModelList {
    int nCount, nView, nPage = 0, nTop = 0, nSel = 0;
    long long Sel() const { return P::Offset(nPage) + nSel; }
    long long Top() const { return P::Offset(nPage) + nTop; }
    void SelectRow(int nRow) {
        nSel = nRow;
        if (nSel < nTop) nTop = nSel;
        if (nSel >= nTop + nView) nTop = nSel - nView + 1;
    }
    void SelChange() {
        const P::SKSelMove m = P::SelChange(nPage, nTop, nSel, nCount, nView);
        ASSERT_FALSE(m.bToLast);
        nPage = m.nPage;
        if (m.nTop >= 0) nTop = m.nTop;
        SelectRow(m.nSel);
    }
};

// The selection walks the whole list down and back up by single rows and by pages; after every
// step the owner's selection change runs, as the list's LBN_SELCHANGE would make it.
TEST(LongListPaging, AWalkingSelectionKeepsItsItemAcrossPages) {
    for (int nView : {1, 20, 30}) {
        ModelList l{250000, nView};
        int nMoves = 0;
        for (int nStep : {1, nView > 1 ? nView - 1 : 1}) {
            while (l.Sel() + nStep < l.nCount) {
                const long long sel = l.Sel() + nStep;
                const int nPage = l.nPage;
                l.SelectRow(l.nSel + nStep);
                ASSERT_LT(l.nSel, P::nRowsHeld) << "a held row";
                l.SelChange();
                nMoves += l.nPage != nPage;
                ASSERT_EQ(l.Sel(), sel) << "view " << nView;
                ASSERT_TRUE(l.nSel >= 0 && l.nSel < P::nRowsHeld);
                ASSERT_TRUE(l.Top() <= sel && sel < l.Top() + nView) << "in view";
                ASSERT_LE(l.Top() + nView, l.nCount) << "never past the end";
            }
            while (l.Sel() - nStep >= 0) {
                const long long sel = l.Sel() - nStep;
                ASSERT_GE(l.nSel - nStep, 0) << "a held row";
                l.SelectRow(l.nSel - nStep);
                l.SelChange();
                ASSERT_EQ(l.Sel(), sel);
                ASSERT_TRUE(l.Top() <= sel && sel < l.Top() + nView);
            }
            EXPECT_EQ(l.nPage, 0);
        }
        EXPECT_EQ(nMoves, 2 * 8) << "one forward move per page boundary, for each step size";
    }
}

// Where the walk does not go: past the end, a view reaching past it, a forward move with the
// end within a view of the selection, and the largest count.
TEST(LongListPaging, SelectionChangesAtTheEnd) {
    EXPECT_TRUE(P::SelChange(3, 9860, 9880, 100000, 20).bToLast) << "row 9880 of page 3 is item 100000";
    EXPECT_EQ(P::SelChange(3, 9870, 9875, 100000, 20).nTop, 9880 - 20) << "the last items fill the view";
    const P::SKSelMove m = P::SelChange(2, 30082, 30091, 60060 + 30091 + 5, 10);
    EXPECT_EQ(m.nPage, 3);
    EXPECT_EQ(P::Offset(3) + m.nTop, 60060 + 30082) << "the top item stays, no jump past the end";
    const int nPage = P::Locate(INT_MAX - 1).nPage, nRow = (int)(INT_MAX - 1 - P::Offset(nPage));
    EXPECT_EQ(P::Offset(nPage) + P::SelChange(nPage, nRow - 5, nRow, INT_MAX, 20).nTop, (long long)INT_MAX - 20);
    EXPECT_EQ(P::TopRowFor(INT_MAX - 1, 9000, INT_MAX, 20), 9000 - 19);
}

// Requests at or past the end select the last item (never the first), in both page tables and
// at the largest count; an empty list selects nothing; the end of a scroll changes nothing.
TEST(LongListPaging, ScrollRequestsStayWithinTheList) {
    auto target = [](UINT code, bool table2, int sel, int count, bool onTop = true, int track = 0) {
        int t = -99;
        return P::ScrollTarget(code, table2, sel, onTop, 20, count, track, &t) ? t : -99;
    };
    for (bool t2 : {false, true}) {
        EXPECT_EQ(target(SB_LINEUP, t2, -1, 1000), 0) << "nothing selected";
        EXPECT_EQ(target(SB_BOTTOM, t2, 5, 1000), 999);
        EXPECT_EQ(target(SB_LINEDOWN, t2, 999, 1000), 999);
        EXPECT_EQ(target(SB_PAGEDOWN, t2, 990, 1000), 999);
        EXPECT_EQ(target(SB_THUMBTRACK, t2, 5, 1000, true, 1000), 999);
        EXPECT_EQ(target(SB_PAGEDOWN, t2, INT_MAX - 5, INT_MAX), INT_MAX - 1);
        EXPECT_EQ(target(SB_BOTTOM, t2, -1, 0), -1);
        EXPECT_EQ(target(SB_TOP, t2, -1, 0), -1);
        EXPECT_EQ(target(SB_ENDSCROLL, t2, 500, 1000), -99);
    }
    EXPECT_EQ(target(SB_PAGEUP, false, 500, 1000), 481);
    EXPECT_EQ(target(SB_PAGEUP, true, 500, 1000), 480);
    EXPECT_EQ(target(SB_PAGEDOWN, false, 500, 1000, true), 519) << "from the top row to the bottom row";
    EXPECT_EQ(target(SB_PAGEDOWN, false, 500, 1000, false), 500) << "else the selection to the top";
    EXPECT_EQ(target(SB_PAGEDOWN, true, 500, 1000, false), 520);

    EXPECT_EQ(P::ViewCount(200, 0), 1) << "no row height: one row";
    EXPECT_FALSE(P::ScrollParam(20, 20, 3).bEnable) << "everything fits";
    EXPECT_EQ(P::ScrollParam(1000, 20, -1).nPos, 0);
}

}  // namespace
