// The list box with disabled items: its flag operations on a real list box, the flags following
// the items, the rows they repaint, and the state bits the reflected WM_DRAWITEM gets.
#include <kelm/lists/CListBoxEx.h>

#include <vector>

#include "ListTestUtil.h"

namespace {

// Records what reaches DrawItem; rows are 16 pixels high.
class CRecordingList : public CListBoxEx {
public:
    struct Drawn {
        int item;
        UINT state;
    };
    std::vector<Drawn> drawn;
    void DrawItem(LPDRAWITEMSTRUCT p) override { drawn.push_back(Drawn{(int)p->itemID, p->itemState}); }
    void MeasureItem(LPMEASUREITEMSTRUCT p) override { p->itemHeight = 16; }
    int Hot() const { return m_nHotItem; }
    // The state the last paint gave item i, or -1.
    int LastState(int i) const {
        for (auto it = drawn.rbegin(); it != drawn.rend(); ++it)
            if (it->item == i) return (int)it->state;
        return -1;
    }
};

using Host = lbt::ListHost<CRecordingList>;

std::vector<int> Disabled(const CListBoxEx& list) {
    int buf[16];
    const int n = list.GetDisItems(16, buf);
    return std::vector<int>(buf, buf + (n > 0 ? n : 0));
}

TEST(ListBoxEx, RejectsIndicesTheListDoesNotHave) {
    Host h;
    CRecordingList& l = h.list;
    int buf[4] = {-7, -7, -7, -7};
    EXPECT_EQ(l.GetDis(0), -1) << "empty list";
    EXPECT_EQ(l.SetDis(0, 1), -1);
    EXPECT_EQ(l.DisItemRange(1, 0, 0), -1);
    EXPECT_EQ(l.GetDisItems(4, buf), 0);

    for (int i = 0; i < 3; ++i) l.AddString(Host::Name(i));
    EXPECT_EQ(l.GetDis(-1), -1);
    EXPECT_EQ(l.GetDis(3), -1);
    EXPECT_EQ(l.SetDis(3, 1), -1);
    EXPECT_EQ(l.SetDis(-1, 1), -1);
    EXPECT_EQ(l.DisItemRange(1, -1, 1), -1);
    EXPECT_EQ(l.DisItemRange(1, 1, 3), -1);
    EXPECT_EQ(l.DisItemRange(1, 2, 1), -1) << "first after last";
    EXPECT_EQ(Disabled(l), std::vector<int>{}) << "rejected requests change nothing";

    EXPECT_EQ(l.DisItemRange(1, 1, 1), 0) << "a range of one";
    EXPECT_EQ(Disabled(l), std::vector<int>{1});
    EXPECT_EQ(l.SetDis(0, 9), 0);
    EXPECT_EQ(l.GetDis(0), 1) << "any non-zero value disables";
    EXPECT_EQ(l.GetDisItems(0, buf), 0);
    EXPECT_EQ(buf[0], -7) << "max 0 writes nothing";
    EXPECT_EQ(l.GetDisItems(1, buf), 1) << "only the first max items are looked at";
    EXPECT_EQ(l.GetDisItems(100, buf), 2) << "max past the count looks at every item";
    EXPECT_EQ(l.GetDisItems(100, nullptr), -1) << "no room given";
}

TEST(ListBoxEx, FlagsFollowTheItems) {
    Host h;
    CRecordingList& l = h.list;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(l.AddString(Host::Name(i)), i);
    l.SetDis(1, 1);
    l.SetDis(2, 1);

    EXPECT_EQ(l.DeleteString(0), 2) << "the remaining count";
    EXPECT_EQ(Disabled(l), (std::vector<int>{0, 1}));
    EXPECT_EQ(l.GetDisCount(), 2);
    EXPECT_EQ(l.InsertString(0, "new"), 0);
    EXPECT_EQ(Disabled(l), (std::vector<int>{1, 2})) << "the new item starts enabled";
    EXPECT_EQ(l.InsertString(-1, "end"), 3) << "-1 appends";
    EXPECT_EQ(l.GetDis(3), 0);

    // Errors come back unchanged and leave the store alone.
    EXPECT_EQ(l.InsertString(9, "x"), LB_ERR);
    EXPECT_EQ(l.DeleteString(9), LB_ERR);
    EXPECT_EQ(l.GetDisCount(), 4);
    EXPECT_EQ(Disabled(l), (std::vector<int>{1, 2}));

    l.ResetContent();
    EXPECT_EQ(l.GetDisCount(), 0);
    EXPECT_EQ(l.GetCount(), 0);
}

TEST(ListBoxEx, ItemsAddedAroundTheClassReadAsEnabled) {
    Host h;
    CRecordingList& l = h.list;
    l.AddString("a");
    l.SendMessage(LB_ADDSTRING, 0, (LPARAM) "b");
    l.SendMessage(LB_ADDSTRING, 0, (LPARAM) "c");
    EXPECT_EQ(l.GetDisCount(), 1);
    EXPECT_EQ(l.GetDis(2), 0);

    EXPECT_EQ(l.DeleteString(2), 2);
    EXPECT_EQ(l.GetDisCount(), 1) << "deleting an untracked item leaves the store";
    EXPECT_EQ(l.SetDis(1, 1), 0);
    EXPECT_EQ(l.GetDisCount(), 2) << "setting an untracked item grows the store to it";
    EXPECT_EQ(Disabled(l), std::vector<int>{1});

    // Drawing an untracked row reads no flag from past the store.
    l.SendMessage(LB_ADDSTRING, 0, (LPARAM) "d");
    l.Invalidate();
    l.UpdateWindow();
    EXPECT_EQ(l.LastState(2) & ODS_DISABLED, 0);
    EXPECT_NE(l.LastState(1) & ODS_DISABLED, 0);
}

// A sorted list puts an item anywhere: the flags stay with their items.
TEST(ListBoxEx, SortedListKeepsFlagsWithTheirItems) {
    Host h(CRect(10, 10, 210, 110), lbt::kOwnerDraw | LBS_SORT);
    CRecordingList& l = h.list;
    l.AddString("b");
    l.AddString("d");
    l.SetDis(1, 1);  // "d"
    EXPECT_EQ(l.AddString("a"), 0);
    EXPECT_EQ(l.AddString("c"), 2);
    EXPECT_EQ(l.AddString("e"), 4);
    EXPECT_EQ(Disabled(l), std::vector<int>{3});
    CString text;
    l.GetText(3, text);
    EXPECT_STREQ(text, "d");
}

TEST(ListBoxEx, SetDisRepaintsOnlyRowsItChanges) {
    Host h(CRect(10, 10, 210, 110), lbt::kOwnerDraw, 5);
    CRecordingList& l = h.list;
    l.UpdateWindow();
    EXPECT_EQ(l.SetDis(2, 0), 0);
    EXPECT_TRUE(lbt::Pending(h.hwnd()).IsRectEmpty()) << "the value already there: no repaint";
    EXPECT_EQ(l.SetDis(2, 1), 0);
    EXPECT_EQ(lbt::Pending(h.hwnd()), h.ItemRect(2));
    l.UpdateWindow();
    EXPECT_EQ(l.SetDis(2, 1), 0);
    EXPECT_TRUE(lbt::Pending(h.hwnd()).IsRectEmpty());

    // A range repaints each of its rows, also where nothing changed.
    EXPECT_EQ(l.DisItemRange(1, 2, 2), 0);
    EXPECT_EQ(lbt::Pending(h.hwnd()), h.ItemRect(2));
    l.UpdateWindow();
    EXPECT_EQ(l.DisItemRange(0, 1, 3), 0);
    CRect all = h.ItemRect(1);
    all.UnionRect(all, h.ItemRect(3));
    EXPECT_EQ(lbt::Pending(h.hwnd()), all);
}

TEST(ListBoxEx, DrawItemGetsTheDisabledAndHotBits) {
    Host h(CRect(10, 10, 210, 110), lbt::kOwnerDraw, 3);
    CRecordingList& l = h.list;
    l.SetDis(1, 1);
    const CRect r1 = h.ItemRect(1);
    kt::SendMouse(h.hwnd(), WM_MOUSEMOVE, 20, r1.top + 5);
    EXPECT_EQ(l.Hot(), 1);
    EXPECT_EQ(lbt::Pending(h.hwnd()), r1) << "the new hot row";
    l.UpdateWindow();
    EXPECT_EQ(l.LastState(1) & (ODS_DISABLED | ODS_HOTLIGHT), ODS_DISABLED | ODS_HOTLIGHT);
    EXPECT_EQ(l.LastState(0) & (ODS_DISABLED | ODS_HOTLIGHT), 0);

    kt::SendMouse(h.hwnd(), WM_MOUSEMOVE, 20, h.ItemRect(0).top + 5);
    CRect both = h.ItemRect(0);
    both.UnionRect(both, r1);
    EXPECT_EQ(lbt::Pending(h.hwnd()), both) << "the old and the new hot row";
    l.UpdateWindow();

    // Below the last item: no hot row, and the row that was hot is repainted.
    kt::SendMouse(h.hwnd(), WM_MOUSEMOVE, 20, 90);
    EXPECT_EQ(l.Hot(), -1);
    EXPECT_EQ(lbt::Pending(h.hwnd()), h.ItemRect(0));
    l.UpdateWindow();
    EXPECT_EQ(l.LastState(0) & ODS_HOTLIGHT, 0);
}

}  // namespace
