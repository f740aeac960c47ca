// The list box with disabled items on a real list box: rejected requests and list-box errors,
// flags that stay with their items, the rows it repaints, and the state bits DrawItem gets.
#include <kelm/lists/CListBoxEx.h>

#include <vector>

#include "ListTestUtil.h"

namespace {

// Records the state of each item's last DrawItem; rows are 16 pixels high.
class CRecordingList : public CListBoxEx {
public:
    std::vector<int> states = std::vector<int>(16, -1);
    void DrawItem(LPDRAWITEMSTRUCT p) override {
        if (p->itemID < states.size()) states[p->itemID] = (int)p->itemState;
    }
    void MeasureItem(LPMEASUREITEMSTRUCT p) override { p->itemHeight = 16; }
    int Hot() const { return m_nHotItem; }
};

using Host = lbt::ListHost<CRecordingList>;

std::vector<int> Disabled(const CListBoxEx& list) {
    int buf[16];
    const int n = list.GetDisItems(16, buf);
    return std::vector<int>(buf, buf + (n > 0 ? n : 0));
}

TEST(ListBoxEx, RequestsOutsideTheListAndListErrorsChangeNothing) {
    Host h;
    CRecordingList& l = h.list;
    EXPECT_EQ(l.GetDis(0), -1) << "empty list";
    EXPECT_EQ(l.DisItemRange(1, 0, 0), -1);
    for (int i = 0; i < 3; ++i) l.AddString(Host::Name(i));
    for (int i : {-1, 3}) {
        EXPECT_EQ(l.GetDis(i), -1);
        EXPECT_EQ(l.SetDis(i, 1), -1);
    }
    EXPECT_EQ(l.DisItemRange(1, -1, 1), -1);
    EXPECT_EQ(l.DisItemRange(1, 1, 3), -1);
    EXPECT_EQ(l.DisItemRange(1, 2, 1), -1) << "first after last";
    EXPECT_EQ(l.InsertString(9, "x"), LB_ERR);
    EXPECT_EQ(l.DeleteString(9), LB_ERR);
    EXPECT_EQ(l.GetDisCount(), 3);
    EXPECT_EQ(Disabled(l), std::vector<int>{});

    EXPECT_EQ(l.DisItemRange(5, 1, 1), 0);
    EXPECT_EQ(l.SetDis(2, 1), 0);
    int buf[2] = {-7, -7};
    EXPECT_EQ(l.GetDisItems(0, buf), 0);
    EXPECT_EQ(buf[0], -7) << "max 0 writes nothing";
    EXPECT_EQ(l.GetDisItems(2, buf), 1) << "only the first max items are looked at";
    EXPECT_EQ(l.GetDisItems(3, nullptr), -1) << "no room given";
}

TEST(ListBoxEx, FlagsStayWithTheirItems) {
    Host h(CRect(10, 10, 210, 110), lbt::kOwnerDraw | LBS_SORT);
    CRecordingList& l = h.list;
    l.AddString("b");
    l.AddString("d");
    l.SetDis(1, 1);  // "d"
    EXPECT_EQ(l.AddString("a"), 0) << "a sorted list puts items anywhere";
    EXPECT_EQ(l.AddString("c"), 2);
    EXPECT_EQ(Disabled(l), std::vector<int>{3});
    EXPECT_EQ(l.DeleteString(0), 3);
    EXPECT_EQ(l.InsertString(0, "new"), 0);
    EXPECT_EQ(Disabled(l), std::vector<int>{3}) << "the new item starts enabled";

    // Items added around the class read as enabled; deleting one leaves the store alone.
    l.SendMessage(LB_ADDSTRING, 0, (LPARAM) "y");  // sorted after the others: items 4 and 5
    l.SendMessage(LB_ADDSTRING, 0, (LPARAM) "z");
    EXPECT_EQ(l.GetDisCount(), 4);
    EXPECT_EQ(l.GetDis(5), 0);
    EXPECT_EQ(l.DeleteString(5), 5);
    EXPECT_EQ(l.GetDisCount(), 4);
    l.Invalidate();
    l.UpdateWindow();
    EXPECT_EQ(l.states[4] & ODS_DISABLED, 0) << "drawn without reading past the store";

    l.ResetContent();
    EXPECT_EQ(l.GetDisCount(), 0);
}

TEST(ListBoxEx, RepaintsTheRowsItChangesAndMarksDrawStates) {
    Host h(CRect(10, 10, 210, 110), lbt::kOwnerDraw, 5);
    CRecordingList& l = h.list;
    const HWND hList = h.hwnd();
    EXPECT_EQ(l.SetDis(2, 0), 0);
    EXPECT_TRUE(lbt::Pending(hList).IsRectEmpty()) << "the value already there: no repaint";
    EXPECT_EQ(l.SetDis(2, 1), 0);
    EXPECT_EQ(lbt::Pending(hList), h.ItemRect(2)) << "that row only";
    l.UpdateWindow();
    EXPECT_EQ(l.DisItemRange(1, 2, 2), 0);
    EXPECT_EQ(lbt::Pending(hList), h.ItemRect(2)) << "a range repaints its rows even unchanged";
    l.UpdateWindow();

    // A disabled hot row reaches DrawItem with both bits; below the last row nothing is hot.
    kt::SendMouse(hList, WM_MOUSEMOVE, 20, h.ItemRect(2).top + 5);
    EXPECT_EQ(lbt::Pending(hList), h.ItemRect(2));
    l.UpdateWindow();
    EXPECT_EQ(l.states[2] & (ODS_DISABLED | ODS_HOTLIGHT), ODS_DISABLED | ODS_HOTLIGHT);
    EXPECT_EQ(l.states[1] & (ODS_DISABLED | ODS_HOTLIGHT), 0);
    kt::SendMouse(hList, WM_MOUSEMOVE, 20, 95);
    EXPECT_EQ(l.Hot(), -1);
    EXPECT_EQ(lbt::Pending(hList), h.ItemRect(2)) << "the row that was hot";
}

}  // namespace
