// The disabled-flag store without a window: shifting with inserts and deletes, and indices the
// store does not (yet) track.
#include <kelm/lists/DisabledStore.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Entries(const CKDisabledStore& s) {
    std::vector<int> out;
    for (int i = 0; i < s.GetCount(); ++i) out.push_back(s.Get(i));
    return out;
}

TEST(DisabledStore, EntriesMoveWithInsertsAndDeletes) {
    CKDisabledStore s;
    for (int i = 0; i < 3; ++i) s.Insert(s.GetCount());
    EXPECT_TRUE(s.Set(1, 7));
    EXPECT_TRUE(s.Set(2, -1));
    EXPECT_FALSE(s.Set(2, -1)) << "the same value is no change";
    EXPECT_EQ(Entries(s), (std::vector<int>{0, 7, -1})) << "values are kept as given";

    s.Remove(0);
    EXPECT_EQ(Entries(s), (std::vector<int>{7, -1}));
    s.Insert(0);
    EXPECT_EQ(Entries(s), (std::vector<int>{0, 7, -1}));
    s.Insert(2);
    EXPECT_EQ(Entries(s), (std::vector<int>{0, 7, 0, -1}));

    s.Clear();
    EXPECT_EQ(s.GetCount(), 0);
}

TEST(DisabledStore, IndicesPastTheStore) {
    CKDisabledStore s;
    EXPECT_EQ(s.Get(5), 0) << "untracked reads as enabled";
    EXPECT_EQ(s.Get(-1), 0);
    s.Remove(3);
    EXPECT_EQ(s.GetCount(), 0) << "removing an untracked index changes nothing";

    EXPECT_FALSE(s.Set(2, 0)) << "enabling an untracked item is no change";
    EXPECT_EQ(s.GetCount(), 3) << "but the store grows to it";
    EXPECT_TRUE(s.Set(4, 1));
    EXPECT_EQ(Entries(s), (std::vector<int>{0, 0, 0, 0, 1}));
    EXPECT_FALSE(s.Set(-1, 1));
    EXPECT_EQ(s.GetCount(), 5);

    s.Insert(7);  // past the end: zeros up to it, then the new entry
    EXPECT_EQ(Entries(s), (std::vector<int>{0, 0, 0, 0, 1, 0, 0, 0}));

    s.SetCount(3);
    EXPECT_EQ(Entries(s), (std::vector<int>{0, 0, 0}));
    s.SetCount(-4);
    EXPECT_EQ(s.GetCount(), 0);
}

}  // namespace
