// The long list box in a real window: counts and paging, a selection crossing pages by keys,
// the keyboard limits and the scroll requests at the ends, the external scroll bar, and random
// items of a ten-million-item list selected, read back and drawn.
#include <kelm/lists/CKLongListBox.h>
#include <kelm/lists/LongListPaging.h>
#include <kelm/range/CKScrollBar.h>

#include <climits>
#include <cstdio>
#include <random>
#include <vector>

#include "ListTestUtil.h"

namespace {

using namespace lbt;

const DWORD kNoData =
    WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;

// Draws each row's logical item and records the items drawn selected; counts the LB_SETCURSEL
// requests for a row the list box does not hold.
class CTestLong : public CKLongListBox {
public:
    using CKLongListBox::m_bLong;
    std::vector<long long> drawn, drawnSelected;
    int badRows = 0;

    int DrawItemData(CDC* pDC, const CRect& rc, DRAWITEMSTRUCT* p) override {
        const long long item = (long long)GetPageOffset() + (int)p->itemID;
        drawn.push_back(item);
        if (p->itemState & ODS_SELECTED) drawnSelected.push_back(item);
        char text[24];
        const int n = std::snprintf(text, sizeof text, "%lld", item);
        pDC->TextOut(rc.left, rc.top, text, n);
        return pDC->GetTextExtent(text, n).cx;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == LB_SETCURSEL && (int)wParam != -1 && (int)wParam >= CListBox::GetCount()) ++badRows;
        return CKLongListBox::WindowProc(message, wParam, lParam);
    }
    BOOL Key(UINT message, UINT vk) {
        MSG msg = {m_hWnd, message, vk, 1};
        return PreTranslateMessage(&msg);
    }
    int Row() const { return CListBox::GetCurSel(); }
    int Rows() const { return CListBox::GetCount(); }
};

using Host = ListHost<CTestLong>;

// Rows were drawn selected, all of them showing item n.
bool DrewOnly(const std::vector<long long>& drawn, long long n) {
    for (long long item : drawn)
        if (item != n) return false;
    return !drawn.empty();
}
const CRect kFiveRows(10, 10, 210, 110);  // 100 pixels: five rows of the system font's 20

// A long list with an external scroll bar that notifies it.
struct BarHost {
    CKScrollBar bar;  // outlives the list
    Host h;
    explicit BarHost(int nCount, CRect rc = kFiveRows) : h(rc, kNoData) {
        EXPECT_TRUE(bar.Create(WS_CHILD | WS_DISABLED | SBS_VERT, CRect(0, 0, 20, 100), &h.spy, 101));
        h.list.SetScroll(&bar);
        h.list.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        h.list.SetCount(nCount);
    }
    SCROLLINFO Info() {
        SCROLLINFO si = {};
        bar.GetScrollInfo(&si, SIF_ALL);
        return si;
    }
    void Scroll(UINT code) { h.list.SendMessage(WM_VSCROLL, code, (LPARAM)bar.m_hWnd); }
};

TEST(LongListBox, CountsTurnPagingOnAndKeepIt) {
    Host h(kFiveRows, kNoData);
    CTestLong& l = h.list;
    auto held = [&](int count, int rows, int flags) {
        return l.GetCount() == count && l.Rows() == rows && l.GetDisCount() == flags && l.m_bLong;
    };
    EXPECT_NE(l.SetCount(100000), LB_ERR);
    EXPECT_TRUE(held(100000, 30120, 30120));
    EXPECT_EQ(l.SetCount(100000), 1) << "the same count again";
    EXPECT_EQ(l.SetCount(-1), LB_ERR);
    auto at = [&](int page, int row) { return l.GetPage() == page && l.Row() == row; };
    l.SetCurSel(45000);
    EXPECT_TRUE(at(1, 15000));
    EXPECT_EQ(l.GetCurSel(), 45000);
    EXPECT_EQ(l.GetTopIndex(), 45000);
    l.SetCurSel(30030);
    EXPECT_TRUE(at(0, 30030));
    l.SetCurSel(30031);
    EXPECT_TRUE(at(1, 31));
    EXPECT_EQ(l.SetCurSel(100000), LB_ERR) << "past the end";
    EXPECT_EQ(l.AddString("x"), LB_ERR) << "rows of a paging list are not its items";
    EXPECT_EQ(l.DeleteString(0), LB_ERR);
    EXPECT_TRUE(held(100000, 30120, 30120));
    EXPECT_EQ(l.GetCurSel(), 30031);

    l.SetCount(50);
    EXPECT_TRUE(held(50, 50, 30120)) << "paging and the flags stay";
    EXPECT_TRUE(at(0, 0));
    l.SetCount(100000);
    l.ResetContent();
    EXPECT_EQ(l.GetCount(), 100000) << "the logical count stays";
    l.SetCount(100000);
    EXPECT_EQ(l.Rows(), 30120) << "the same count gives the rows back";

    // A long count after a short first one makes every item reachable.
    Host s(kFiveRows, kNoData);
    s.list.SetCount(50);
    EXPECT_FALSE(s.list.m_bLong);
    EXPECT_EQ(s.list.GetDisCount(), 50);
    s.list.SetCount(100000);
    EXPECT_TRUE(s.list.m_bLong && s.list.Rows() == 30120 && s.list.GetDisCount() == 30120);
    s.list.SetCurSel(99999);
    EXPECT_EQ(s.list.GetCurSel(), 99999);

    // Prepared before counted: the first count selects while the list box has no rows yet.
    Host m(kFiveRows, kNoData);
    m.list.SetMaxCount(200000);
    EXPECT_TRUE(m.list.m_bLong && m.list.Rows() == 0) << "the list box is not touched";
    m.list.SetCount(120000);
    EXPECT_EQ(m.list.Rows(), 30120);
    EXPECT_EQ(m.list.badRows + l.badRows + s.list.badRows, 0);
}

// The user steps down over the border between pages 0 and 1 and back; the owner calls
// OnSelChange on each LBN_SELCHANGE. The item and the view stay; the rows show the new page.
TEST(LongListBox, KeysCrossPagesWithTheSelectedItem) {
    Host h(kFiveRows, kNoData);
    CTestLong& l = h.list;
    l.SetCount(100000);
    l.SetCurSel(30029);
    l.SetFocus();
    auto key = [&](UINT vk) {
        h.spy.Clear();
        l.SendMessage(WM_KEYDOWN, vk, 1);
        for (const kt::SpyMessage& m : h.spy.Of(WM_COMMAND))
            if (HIWORD(m.wParam) == LBN_SELCHANGE) l.OnSelChange();
        return l.GetPage() * 100000 + l.Row();
    };
    EXPECT_EQ(key(VK_DOWN), 30030);
    EXPECT_EQ(key(VK_DOWN), 100000 + 31) << "page 1, row 31";
    EXPECT_EQ(l.GetCurSel(), 30031);
    EXPECT_EQ(l.GetTopIndex(), 30029) << "the same view";
    l.drawnSelected.clear();
    l.UpdateWindow();
    EXPECT_TRUE(DrewOnly(l.drawnSelected, 30031));
    EXPECT_EQ(key(VK_UP), 30030);
    EXPECT_EQ(l.GetCurSel(), 30030);
}

TEST(LongListBox, KeysAndScrollRequestsReachTheLastItem) {
    BarHost b(100000);
    CTestLong& l = b.h.list;
    ASSERT_EQ(l.GetViewCount(), 5);
    EXPECT_TRUE(l.Key(WM_KEYDOWN, VK_END)) << "swallowed";
    EXPECT_TRUE(l.Key(WM_KEYUP, VK_END));
    EXPECT_EQ(l.GetCurSel(), 99999);
    EXPECT_EQ(l.GetTopIndex(), 100000 - 5) << "the last items fill the view";
    EXPECT_EQ(b.Info().nPos, 100000 - 5) << "the bar follows, as far as its page lets it";
    EXPECT_TRUE(l.Key(WM_KEYDOWN, VK_DOWN)) << "nothing below the last item";
    EXPECT_TRUE(l.Key(WM_KEYUP, VK_HOME));
    EXPECT_EQ(l.GetCurSel(), 0);
    EXPECT_FALSE(l.Key(WM_KEYDOWN, VK_DOWN));

    auto scroll = [&](UINT code) {
        b.Scroll(code);
        return l.GetCurSel();
    };
    EXPECT_EQ(scroll(SB_BOTTOM), 99999);
    EXPECT_EQ(scroll(SB_LINEDOWN), 99999);
    EXPECT_EQ(scroll(SB_ENDSCROLL), 99999) << "the end of the scroll keeps the item";
    EXPECT_EQ(scroll(SB_TOP), 0);
    l.SetCurSel(99998);
    l.OnVScroll_(SB_PAGEDOWN, 0, &b.bar);
    EXPECT_EQ(l.GetCurSel(), 99999) << "a whole page past the end: the last item";

    // Dragging the thumb to the bottom selects by the track position, not by the 16 bits the
    // notification carries.
    CRect rc;
    b.bar.GetClientRect(&rc);
    l.SetCurSel(0);
    kt::SendMouse(b.bar.m_hWnd, WM_LBUTTONDOWN, rc.Width() / 2, 15 + 3, MK_LBUTTON);
    kt::SendMouse(b.bar.m_hWnd, WM_MOUSEMOVE, rc.Width() / 2, rc.bottom + 50, MK_LBUTTON);
    kt::SendMouse(b.bar.m_hWnd, WM_LBUTTONUP, rc.Width() / 2, rc.bottom + 50);
    EXPECT_GE(l.GetCurSel(), 100000 - 5);
    EXPECT_LE(l.GetCurSel(), 99999);

    // An empty list selects nothing and asks the list box for no row.
    BarHost e(0);
    CTestLong& z = e.h.list;
    EXPECT_TRUE(z.Key(WM_KEYUP, VK_END));
    EXPECT_TRUE(z.Key(WM_KEYUP, VK_HOME));
    e.Scroll(SB_BOTTOM);
    e.Scroll(SB_LINEDOWN);
    EXPECT_EQ(z.GetCurSel(), LB_ERR);
    EXPECT_EQ(z.badRows + l.badRows, 0);
}

// One view size for the selection and the bar, from the client area, whatever the frame; the
// bar is disabled while everything fits, also after a resize.
TEST(LongListBox, ScrollBarFollowsTheSelection) {
    BarHost b(100000);
    CTestLong& l = b.h.list;
    SetBorderType(&l, BT_SUNKEN);
    const int h = l.GetItemHeight(0);
    CRect rcWnd, rcClient;
    l.GetWindowRect(&rcWnd);
    l.GetClientRect(&rcClient);
    const int nFrame = rcWnd.Height() - rcClient.Height();
    ASSERT_GT(nFrame, 1);
    l.SetWindowPos(NULL, 0, 0, rcWnd.Width(), 6 * h - 1 + nFrame, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(l.GetViewCount(), 5);
    EXPECT_TRUE(b.bar.IsWindowEnabled());
    EXPECT_EQ(b.Info().nPage, 5u) << "the client's rows, not the window's";
    EXPECT_EQ(b.Info().nMax, 100000);

    l.SetCurSel(45000);
    EXPECT_EQ(b.Info().nPos, 45000);
    l.SetCurSel(30031, true);
    EXPECT_EQ(b.Info().nPos, 45000) << "quiet";
    l.SetCurSel(30030);
    l.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    l.OnSelChange();
    EXPECT_EQ(l.GetPage(), 1);
    EXPECT_EQ(b.Info().nPos, 30031);

    l.SetCount(8);
    EXPECT_TRUE(b.bar.IsWindowEnabled());
    l.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    l.OnSelChange();
    EXPECT_EQ(b.Info().nPos, 1) << "a short list's bar follows too";
    l.SetWindowPos(NULL, 0, 0, rcWnd.Width(), 10 * h + nFrame, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_FALSE(b.bar.IsWindowEnabled()) << "all eight fit after the resize";
}

// SetTopIndex moves the window to the top item's page; the selected item stays selected where
// that page holds it and is not replaced by another item where it does not.
TEST(LongListBox, TopIndexKeepsTheSelectedItem) {
    Host h(kFiveRows, kNoData);
    CTestLong& l = h.list;
    l.SetCount(100000);
    l.SetCurSel(30100);
    EXPECT_NE(l.SetTopIndex(30010), LB_ERR);
    EXPECT_EQ(l.GetPage(), 0);
    EXPECT_EQ(l.GetTopIndex(), 30010);
    EXPECT_EQ(l.GetCurSel(), 30100);
    l.SetTopIndex(70000);
    EXPECT_EQ(l.GetTopIndex(), 70000);
    EXPECT_EQ(l.GetCurSel(), LB_ERR) << "its page does not hold 30100";
    l.OnSelChange();
    EXPECT_EQ(l.GetCurSel(), LB_ERR) << "nothing selected: nothing moves";
    l.SetTopIndex(99999);
    EXPECT_EQ(l.GetTopIndex(), 100000 - 5) << "no rows past the end";
    EXPECT_EQ(l.SetTopIndex(100000), LB_ERR);
}

// A page move that leaves the list's rows where they were (the same top row, the same selected
// row) still draws every row again with its new item.
TEST(LongListBox, PageMovesRepaintEveryRow) {
    Host h(kFiveRows, kNoData);
    CTestLong& l = h.list;
    l.SetCount(100000);
    l.SetCurSel(100);
    l.UpdateWindow();
    l.SetCurSel(30100);  // page 1, row 100 at the top
    l.drawn.clear();
    l.UpdateWindow();
    EXPECT_EQ(l.drawn, (std::vector<long long>{30100, 30101, 30102, 30103, 30104}));
}

// Random items of ten million, and the ends of the largest count: each is selected, read back,
// in view, and drawn selected as itself.
TEST(LongListBox, RandomItemsRoundTripAndDrawThemselves) {
    Host h(kFiveRows, kNoData);
    CTestLong& l = h.list;
    auto roundTrip = [&](int n) {
        l.drawnSelected.clear();
        ASSERT_NE(l.SetCurSel(n), LB_ERR) << n;
        ASSERT_EQ(l.GetCurSel(), n);
        const int top = l.GetTopIndex();
        ASSERT_TRUE(top <= n && n < top + 5) << n << " in view from " << top;
        l.UpdateWindow();
        ASSERT_TRUE(DrewOnly(l.drawnSelected, n)) << n;
    };
    l.SetCount(10000000);
    std::mt19937 rng(16);
    for (int i = 0; i < 300; ++i) roundTrip(std::uniform_int_distribution<int>(0, 9999999)(rng));
    for (int n : {0, 30030, 30031, 60090, 9999999}) roundTrip(n);
    EXPECT_EQ(l.GetTopIndex(), 10000000 - 5);

    l.SetCount(INT_MAX);
    for (int n : {INT_MAX - 1, INT_MAX - 30100, 1000000000}) roundTrip(n);
    EXPECT_EQ(l.badRows, 0);
}

}  // namespace
