// The tree box's items and rows on a real list box: the rows it adds, inserts and deletes, the
// refusals, and a long random run of adds, expands, collapses and checks against a reference model.
#include <kelm/kelm.h>
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "KelmTest.h"
#include "SpyParent.h"

namespace {

struct ListMsg {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const ListMsg& o) const { return msg == o.msg && wParam == o.wParam && lParam == o.lParam; }
};

// A tree box that records the list box messages it is sent and opens its protected mapping.
class SpyTree : public CKTreeBox {
public:
    using CKTreeBox::Index2Item;
    using CKTreeBox::Item2Index;
    using CKTreeBox::ValidateHandle;
    std::vector<ListMsg> sent;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if ((msg >= LB_ADDSTRING && msg <= LB_DELETESTRING) || msg == WM_SETREDRAW)
            sent.push_back(ListMsg{msg, wParam, lParam});
        return CKTreeBox::WindowProc(msg, wParam, lParam);
    }
    void* Row(int n) { return (void*)GetItemData(n); }
};

char g_text[4096];
void* T(int i) { return &g_text[i]; }

class TreeBoxStore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.CreateHost(300, 200));
        // Sorting and strings would break the rows: the tree takes them out.
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_SORT | LBS_HASSTRINGS, CRect(0, 0, 300, 200),
                                &host, 7));
    }
    kt::SpyParent host;
    SpyTree tree;
};

TEST_F(TreeBoxStore, HandlesRowsAndListMessages) {
    EXPECT_EQ(tree.GetRootItem(), 0u);
    EXPECT_EQ(tree.Index2Item(0), 0u);
    const DWORD a = tree.AddItem(0, T(0));
    EXPECT_EQ(a, 0xFFFF0000u);
    EXPECT_EQ(tree.GetRootItem(), a);
    EXPECT_EQ(tree.sent, (std::vector<ListMsg>{{LB_ADDSTRING, 0, (LPARAM)T(0)}}));

    tree.sent.clear();
    const DWORD b1 = tree.AddItem(a, T(1)), b2 = tree.AddItem(a, T(2)), b3 = tree.AddItem(a, T(3));
    const DWORD c1 = tree.AddItem(b2, T(4)), c2 = tree.AddItem(b2, T(5));
    EXPECT_TRUE(tree.sent.empty()) << "children of a collapsed item get no rows";
    EXPECT_EQ(tree.Item2Index(b1), -1);
    EXPECT_EQ(tree.GetItemLevel(a), 0u);
    EXPECT_EQ(tree.GetItemLevel(b2), 1u);
    EXPECT_EQ(tree.GetItemLevel(c2), 2u);
    EXPECT_EQ(tree.GetPrevItem(b1), 0u);
    EXPECT_EQ(tree.GetNextItem(b1), b2);
    EXPECT_EQ(tree.GetNextItem(b3), 0u);
    EXPECT_EQ(tree.GetItemChildren(a), 3u);
    EXPECT_EQ(tree.GetParentItem(c1), b2);

    tree.ExpandItem(a, TRUE);
    tree.ExpandItem(b2, TRUE);
    EXPECT_EQ(tree.sent, (std::vector<ListMsg>{{WM_SETREDRAW, 0, 0},
                                               {LB_INSERTSTRING, 1, (LPARAM)T(1)},
                                               {LB_INSERTSTRING, 2, (LPARAM)T(2)},
                                               {LB_INSERTSTRING, 3, (LPARAM)T(3)},
                                               {WM_SETREDRAW, 1, 0},
                                               {WM_SETREDRAW, 0, 0},
                                               {LB_INSERTSTRING, 3, (LPARAM)T(4)},
                                               {LB_INSERTSTRING, 4, (LPARAM)T(5)},
                                               {WM_SETREDRAW, 1, 0}}));
    const DWORD d = tree.AddItem(0, T(6));
    EXPECT_EQ(tree.Item2Index(d), 6) << "a top-level item comes after every visible row";
    const DWORD c3 = tree.AddItem(b2, T(7));
    EXPECT_EQ(tree.Item2Index(c3), 5) << "a child of an expanded item gets its row at once";
    EXPECT_EQ(tree.Row(5), T(7));
    EXPECT_EQ(tree.Row(6), T(3));

    tree.sent.clear();
    tree.ExpandItem(a, FALSE);
    std::vector<ListMsg> collapse{{WM_SETREDRAW, 0, 0}};
    collapse.insert(collapse.end(), 6, ListMsg{LB_DELETESTRING, 1, 0});
    collapse.push_back({WM_SETREDRAW, 1, 0});
    EXPECT_EQ(tree.sent, collapse);
    EXPECT_EQ(tree.GetItemState(a), 0u);
    EXPECT_EQ(tree.GetItemState(b2), 0u) << "collapsing clears the expanded bits below";
    EXPECT_EQ(tree.GetCount(), 2);
    EXPECT_EQ(tree.Index2Item(1), d);
    EXPECT_EQ(tree.Index2Item(2), 0u);

    // Refusals: an item without a row cannot expand; the expanded bit is not written directly;
    // handles that are not this tree's items are ignored.
    tree.sent.clear();
    tree.ExpandItem(b2, TRUE);
    tree.SetItemState(b2, TBIS_EXPANDED | 0x100);
    tree.SetItemState(d, TBIS_EXPANDED);
    EXPECT_TRUE(tree.sent.empty());
    EXPECT_EQ(tree.GetItemState(b2), 0x100u);
    EXPECT_EQ(tree.GetItemState(d), 0u);
    for (DWORD bad : {0u, 0xFFFF0008u, 0x0000FFFFu, 0x12340001u}) {
        EXPECT_FALSE(tree.ValidateHandle(bad)) << bad;
        TBITEMINFO info(1, T(0), T(0));
        tree.GetItemInfo(bad, &info);
        EXPECT_TRUE(info.hParent == 0 && info.pData == NULL && info.posInBranch == NULL) << bad;
        EXPECT_EQ(tree.AddItem(bad == 0 ? 0xFFFF0100 : bad, T(9)), 0u) << bad;
        EXPECT_EQ(tree.Item2Index(bad), -1);
        tree.ExpandItem(bad, TRUE);
        tree.CheckItem(bad, TRUE);
        EXPECT_EQ(tree.GetNextItem(bad) | tree.GetParentItem(bad) | tree.GetItemChildren(bad), 0u);
    }
    EXPECT_TRUE(tree.ValidateHandle(0xFFFF0007));
    EXPECT_TRUE(tree.sent.empty());

    tree.RemoveAll();
    EXPECT_EQ(tree.GetCount(), 2) << "the rows stay until the owner empties the list";
    tree.ResetContent();
    EXPECT_EQ(tree.AddItem(0, T(0)), 0xFFFF0000u);
    EXPECT_FALSE(tree.ValidateHandle(0xFFFF0001));
}

// The reference: items with parents and children, rows by a plain pre-order walk.
struct Model {
    struct Item {
        int parent;
        std::vector<int> kids;
        UINT state;
    };
    std::vector<Item> items;
    std::vector<int> tops;

    void Walk(const std::vector<int>& list, std::vector<int>& rows) const {
        for (int i : list) {
            rows.push_back(i);
            if (items[i].state & TBIS_EXPANDED) Walk(items[i].kids, rows);
        }
    }
    std::vector<int> Rows() const {
        std::vector<int> rows;
        Walk(tops, rows);
        return rows;
    }
    bool HasRow(int i) const {
        for (int p = items[i].parent; p >= 0; p = items[p].parent)
            if (!(items[p].state & TBIS_EXPANDED)) return false;
        return true;
    }
    void Collapse(int i) {
        items[i].state &= ~TBIS_EXPANDED;
        for (int k : items[i].kids) Collapse(k);
    }
    void SetCheck(int i, bool b) {
        items[i].state = (items[i].state & ~(TBIS_CHECKED | TBIS_PARTCHECKED)) | (b ? TBIS_CHECKED : 0);
        for (int k : items[i].kids) SetCheck(k, b);
    }
    void Check(int i, bool b) {
        SetCheck(i, b);
        for (int p = items[i].parent; p >= 0; p = items[p].parent) {
            bool all = true, any = false;
            for (int k : items[p].kids) {
                all = all && (items[k].state & TBIS_CHECKED);
                any = any || (items[k].state & (TBIS_CHECKED | TBIS_PARTCHECKED));
            }
            UINT& s = items[p].state;
            s &= ~(TBIS_CHECKED | TBIS_PARTCHECKED);
            s |= all ? TBIS_CHECKED : any ? TBIS_PARTCHECKED : 0;
        }
    }
};

TEST_F(TreeBoxStore, RandomOperationsMatchTheReferenceModel) {
    Model m;
    std::mt19937 rng(17);
    auto rnd = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    for (int step = 0; step < 3000; ++step) {
        const int n = (int)m.items.size();
        const int op = rnd(20);
        const int i = n > 0 ? rnd(n) : 0;
        const DWORD h = 0xFFFF0000 | i;
        if (op < 7 || n == 0) {
            const int parent = n == 0 || rnd(4) == 0 ? -1 : i;
            ASSERT_EQ(tree.AddItem(parent < 0 ? 0 : h, T(n)), 0xFFFF0000u | n);
            m.items.push_back(Model::Item{parent, {}, 0});
            (parent < 0 ? m.tops : m.items[parent].kids).push_back(n);
        } else if (op < 12) {
            tree.ExpandItem(h, TRUE);
            if (m.HasRow(i) && !m.items[i].kids.empty()) m.items[i].state |= TBIS_EXPANDED;
        } else if (op < 14) {
            tree.ExpandItem(h, FALSE);
            if (m.items[i].state & TBIS_EXPANDED) m.Collapse(i);
        } else if (op < 18) {
            const bool b = rnd(2) != 0;
            tree.CheckItem(h, b);
            m.Check(i, b);
        } else if (op < 19) {
            const UINT s = (UINT)rnd(0x40);
            tree.SetItemState(h, s);
            m.items[i].state = (s & ~TBIS_EXPANDED) | (m.items[i].state & TBIS_EXPANDED);
        } else if (rnd(40) == 0 || n > 400) {
            tree.RemoveAll();
            tree.ResetContent();
            m = Model();
        }
        const std::vector<int> rows = m.Rows();
        ASSERT_EQ(tree.GetCount(), (int)rows.size()) << "step " << step;
        for (int r = 0; r < (int)rows.size(); ++r) {
            ASSERT_EQ(tree.Row(r), T(rows[r])) << "step " << step << " row " << r;
            ASSERT_EQ(tree.Index2Item(r), 0xFFFF0000u | rows[r]) << "step " << step << " row " << r;
            ASSERT_EQ(tree.Item2Index(0xFFFF0000 | rows[r]), r) << "step " << step;
        }
        ASSERT_EQ(tree.Index2Item((UINT)rows.size()), 0u);
        for (int k = 0; k < 3 && !rows.empty(); ++k) {  // and out of order
            const int r = rnd((int)rows.size());
            ASSERT_EQ(tree.Index2Item(r), 0xFFFF0000u | rows[r]) << "step " << step << " row " << r;
        }
        for (int k = 0; k < (int)m.items.size(); ++k) {
            ASSERT_EQ(tree.GetItemState(0xFFFF0000 | k), m.items[k].state) << "step " << step << " item " << k;
            if (!m.HasRow(k)) {
                ASSERT_EQ(tree.Item2Index(0xFFFF0000 | k), -1);
            }
        }
    }
}

}  // namespace
