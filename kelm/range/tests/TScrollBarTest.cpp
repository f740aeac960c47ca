// The list-tracking scroll bar with a platform list box: following the list, hiding when
// everything fits, scrolling the list by the reflected WM_VSCROLL, and the plain-bar case.
#include <kelm/paint/CKStdPainter.h>
#include <kelm/range/CKTScrollBar.h>

#include <cstdio>

#include "ScrollBarTestUtil.h"

namespace {

const UINT kReflectedVScroll = 0xBD15;

// A list box 200 × 100 with 20-pixel rows (5 visible) and a hidden tracking bar beside it that
// the list box owns.
struct ListHost {
    kt::SpyParent spy;
    HWND hList = NULL;
    CKTScrollBar bar;

    explicit ListHost(int nItems, UINT nBarId = 7, DWORD dwListStyle = 0) {
        EXPECT_TRUE(spy.CreateHost(300, 260, 40, 40));
        hList = ::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT | dwListStyle, 20, 20,
                                  200, 100, spy.m_hWnd, (HMENU)5, ::GetModuleHandleA(NULL), NULL);
        ::SendMessageA(hList, LB_SETITEMHEIGHT, 0, 20);
        SetCount(nItems);
        EXPECT_TRUE(bar.Create(SBS_VERT | WS_CHILD, CRect(220, 20, 240, 120), &spy, nBarId));
        bar.SetOwner(CWnd::FromHandle(hList));
    }
    ~ListHost() {
        bar.DestroyWindow();
        ::DestroyWindow(hList);
        spy.DestroyWindow();
        kt::PumpPending();
    }
    void SetCount(int n) {
        ::SendMessageA(hList, LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < n; ++i) {
            char text[16];
            std::snprintf(text, sizeof text, "Wiersz %d", i + 1);
            ::SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)text);
        }
    }
    int Top() const { return (int)::SendMessageA(hList, LB_GETTOPINDEX, 0, 0); }
    SCROLLINFO Info() const {
        SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
        ::SendMessageA(bar.m_hWnd, SBM_GETSCROLLINFO, 0, (LPARAM)&si);
        return si;
    }
    bool Shows(int nMax, UINT nPage, int nPos) const {
        const SCROLLINFO si = Info();
        return bar.IsWindowVisible() && si.nMin == 0 && si.nMax == nMax && si.nPage == nPage && si.nPos == nPos;
    }
    void Scroll(UINT nCode, int nPos = 0) { ::SendMessageA(bar.m_hWnd, kReflectedVScroll, MAKEWPARAM(nCode, nPos), 0); }
};

UINT_PTR ScrollState(const CWnd& bar) { return (UINT_PTR)::GetPropA(bar.m_hWnd, szScrollState); }

TEST(TScrollBar, FollowsTheListAndHidesWhenItFits) {
    ListHost h(12);
    EXPECT_FALSE(h.bar.IsWindowVisible());
    ASSERT_TRUE(kt::PumpUntil([&] { return h.Shows(12, 5, 0); }, 2000)) << "range 0..12, page 5";
    EXPECT_TRUE(h.bar.IsWindowEnabled());

    ::SendMessageA(h.hList, LB_SETTOPINDEX, 3, 0);
    EXPECT_TRUE(kt::PumpUntil([&] { return h.Shows(12, 5, 3); }, 2000)) << "the position is the top index";

    h.SetCount(4);
    ASSERT_TRUE(kt::PumpUntil([&] { return !h.bar.IsWindowVisible(); }, 2000));
    EXPECT_FALSE(h.bar.IsWindowEnabled());
    EXPECT_EQ(ScrollState(h.bar), 0u);

    h.SetCount(9);
    ASSERT_TRUE(kt::PumpUntil([&] { return h.Shows(9, 5, 0); }, 2000)) << "back when the list grows";
    EXPECT_TRUE(h.bar.IsWindowEnabled());
    EXPECT_EQ(ScrollState(h.bar), 1u);

    // A hidden list box is left alone.
    ::ShowWindow(h.hList, SW_HIDE);
    h.SetCount(2);
    kt::PumpFor(800);
    EXPECT_TRUE(h.bar.IsWindowVisible());
}

TEST(TScrollBar, CountsTheRowsInsideTheListsBorder) {
    ListHost h(5, 7, WS_BORDER);  // 98 pixels inside the border: four whole rows
    ASSERT_TRUE(kt::PumpUntil([&] { return h.Shows(5, 4, 0); }, 2000)) << "five rows do not fit in four";
    ::SendMessageA(h.hList, LB_SETTOPINDEX, 1, 0);
    EXPECT_TRUE(kt::PumpUntil([&] { return h.Shows(5, 4, 1); }, 2000)) << "the last top index is a position";
}

TEST(TScrollBar, ReflectedVScrollScrollsTheList) {
    ListHost h(20);
    ::SendMessageA(h.hList, LB_SETTOPINDEX, 3, 0);
    h.Scroll(SB_PAGEDOWN);
    EXPECT_EQ(h.Top(), 8) << "3 + 5 visible rows";
    h.Scroll(SB_LINEUP);
    EXPECT_EQ(h.Top(), 7);
    h.Scroll(SB_PAGEUP);
    EXPECT_EQ(h.Top(), 2);
    h.Scroll(SB_LINEDOWN);
    EXPECT_EQ(h.Top(), 3);
    h.Scroll(SB_THUMBTRACK, 11);
    EXPECT_EQ(h.Top(), 11);
    h.Scroll(SB_THUMBPOSITION, 4);
    h.Scroll(SB_ENDSCROLL);
    EXPECT_EQ(h.Top(), 11) << "only the track moves the list";
    h.Scroll(SB_PAGEUP);
    h.Scroll(SB_PAGEUP);
    h.Scroll(SB_PAGEUP);
    EXPECT_EQ(h.Top(), 0);
    h.Scroll(SB_LINEUP);
    EXPECT_EQ(h.Top(), 0);
}

TEST(TScrollBar, ItsArrowsScrollTheList) {
    ListHost h(12);
    ASSERT_TRUE(kt::PumpUntil([&] { return h.Shows(12, 5, 0); }, 2000));
    kt::SendClick(h.bar.m_hWnd, 9, 90);  // the down arrow: the list box is notified and scrolls itself
    EXPECT_EQ(h.Top(), 1);
    EXPECT_EQ(h.spy.Count(WM_VSCROLL), 0) << "the list box is notified, not the parent";
    EXPECT_TRUE(kt::PumpUntil([&] { return h.Shows(12, 5, 1); }, 2000)) << "and the bar follows";
}

TEST(TScrollBar, ControlIdOneKeepsPollingAfterAPress) {
    ListHost h(12, 1);  // the poll timer and the repeat timer share id 1
    ASSERT_TRUE(kt::PumpUntil([&] { return h.Shows(12, 5, 0); }, 2000));
    kt::SendClick(h.bar.m_hWnd, 9, 90);
    kt::PumpPending();
    h.SetCount(3);
    EXPECT_TRUE(kt::PumpUntil([&] { return !h.bar.IsWindowVisible(); }, 2000));
}

TEST(TScrollBar, ChildOfTheNotifiedWindowIsAPlainBar) {
    sbt::BarHost<CKTScrollBar> h;
    h.SetInfo(0, 100, 10, 50);
    kt::SendMouse(h.hwnd(), WM_LBUTTONDOWN, 9, 190, MK_LBUTTON);
    EXPECT_TRUE(kt::PumpUntil([&] { return h.Codes().size() >= 3; }, 1500)) << "the held arrow repeats";
    kt::SendMouse(h.hwnd(), WM_LBUTTONUP, 9, 190);
    const std::vector<UINT> codes = h.Codes();
    for (size_t i = 0; i + 1 < codes.size(); ++i) EXPECT_EQ(codes[i], (UINT)SB_LINEDOWN);
    EXPECT_EQ(codes.back(), (UINT)SB_ENDSCROLL);
    kt::PumpFor(800);
    EXPECT_EQ(h.Codes().size(), codes.size());
    EXPECT_TRUE(h.bar.IsWindowVisible()) << "no list to follow";
    EXPECT_EQ(h.Pos(), 50);
}

}  // namespace
