// The tree store without a window: its limits, deep trees, and rows that cannot be made.
#include <kelm/tree/CKTreeStore.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

// Rows as a vector; refuses new rows once nRoom is used up.
struct VectorRows : CKTreeRowSink {
    std::vector<void*> rows;
    size_t nRoom = ~size_t(0);
    bool AddRow(void* p) override { return InsertRow((int)rows.size(), p); }
    bool InsertRow(int n, void* p) override {
        if (rows.size() >= nRoom) return false;
        rows.insert(rows.begin() + n, p);
        return true;
    }
    void DeleteRow(int n) override { rows.erase(rows.begin() + n); }
    void SetRedraw(bool) override {}
};

// Counts rows only.
struct CountRows : CKTreeRowSink {
    int n = 0;
    bool AddRow(void*) override { return ++n > 0; }
    bool InsertRow(int nRow, void*) override { return nRow <= n++; }
    void DeleteRow(int nRow) override { n -= nRow < n; }
    void SetRedraw(bool) override {}
};

char g_text[TB_MAXITEMS + 1];

TEST(TreeStore, FullStoreRefusesAndADeepChainWorksWithoutRecursion) {
    CountRows rows;
    CKTreeStore store(&rows);
    // A chain: every item the only child of the one before, all expanded.
    DWORD h = store.AddItem(0, &g_text[0]);
    for (UINT i = 1; i < TB_MAXITEMS; ++i) {
        const DWORD hChild = store.AddItem(h, &g_text[i]);
        ASSERT_EQ(hChild, 0xFFFF0000 | i);
        store.ExpandItem(h, TRUE);
        h = hChild;
    }
    ASSERT_EQ(rows.n, (int)TB_MAXITEMS);
    EXPECT_EQ(store.GetItemLevel(h), TB_MAXITEMS - 1);
    EXPECT_EQ(store.Item2Index(h), (int)TB_MAXITEMS - 1);
    EXPECT_EQ(store.Index2Item(TB_MAXITEMS - 1), h);

    // Full: refused, nothing changes.
    EXPECT_EQ(store.AddItem(0, &g_text[0]), 0u);
    EXPECT_EQ(store.AddItem(h, &g_text[0]), 0u);
    EXPECT_EQ(store.GetCount(), TB_MAXITEMS);
    EXPECT_EQ(rows.n, (int)TB_MAXITEMS);
    EXPECT_EQ(store.GetItemChildren(h), 0u);

    store.CheckItem(h, TRUE);  // up through 65,535 ancestors
    EXPECT_EQ(store.GetItemState(store.GetRootItem()), TBIS_CHECKED | TBIS_EXPANDED);
    store.CheckItem(store.GetRootItem(), FALSE);  // down through all of them
    EXPECT_EQ(store.GetItemState(h), 0u);
    UINT nCount = 0;
    EXPECT_TRUE(store.CountItems(store.GetRootBranch(), h, nCount));
    EXPECT_EQ(nCount, TB_MAXITEMS - 1);
    store.ExpandItem(0xFFFF0001, FALSE);  // deletes 65,534 rows, clears every expanded bit below
    EXPECT_EQ(rows.n, 2);
    EXPECT_EQ(store.GetItemState(0xFFFF0002), 0u);
    EXPECT_EQ(store.Item2Index(h), -1);
    store.RemoveAll();
    EXPECT_EQ(store.GetCount(), 0u);
    EXPECT_EQ(store.AddItem(0, &g_text[0]), 0xFFFF0000u) << "numbering restarts";
}

TEST(TreeStore, ARowThatCannotBeMadeTakesNothing) {
    VectorRows rows;
    CKTreeStore store(&rows);
    const DWORD a = store.AddItem(0, &g_text[0]);
    for (int i = 1; i <= 3; ++i) store.AddItem(a, &g_text[i]);
    rows.nRoom = 3;  // room for the item and two of its three children
    EXPECT_EQ(store.ExpandItem(a, TRUE), FALSE);
    EXPECT_EQ(rows.rows, std::vector<void*>{&g_text[0]}) << "the rows made so far are taken back";
    EXPECT_EQ(store.GetItemState(a), 0u);
    EXPECT_EQ(store.Index2Item(1), 0u);

    rows.nRoom = 1;
    EXPECT_EQ(store.AddItem(0, &g_text[4]), 0u);
    EXPECT_EQ(store.GetCount(), 4u);
    EXPECT_EQ(store.GetNextItem(a), 0u);
    rows.nRoom = 100;
    EXPECT_EQ(store.AddItem(0, &g_text[4]), 0xFFFF0004u);
    EXPECT_EQ(store.Item2Index(0xFFFF0004), 1);
}

}  // namespace
