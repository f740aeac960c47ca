// The disabled-flag store without a window: entries move with inserts and deletes; indices the
// store does not track read as enabled and grow it when set.
#include <kelm/lists/DisabledStore.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Entries(const CKDisabledStore& s) {
    std::vector<int> out;
    for (int i = 0; i < s.GetCount(); ++i) out.push_back(s.Get(i));
    return out;
}

TEST(DisabledStore, EntriesFollowTheItemsAndNothingPastTheStoreIsTouched) {
    CKDisabledStore s;
    for (int i = 0; i < 3; ++i) s.Insert(s.GetCount());
    EXPECT_TRUE(s.Set(1, 7));
    EXPECT_TRUE(s.Set(2, -1));
    EXPECT_FALSE(s.Set(2, -1)) << "the same value is no change";
    s.Remove(0);
    s.Insert(0);
    s.Insert(2);
    EXPECT_EQ(Entries(s), (std::vector<int>{0, 7, 0, -1})) << "values kept as given, moved with the items";

    EXPECT_EQ(s.Get(9), 0) << "untracked reads as enabled";
    s.Remove(9);
    EXPECT_EQ(s.GetCount(), 4) << "removing an untracked index changes nothing";
    EXPECT_FALSE(s.Set(5, 0)) << "enabling an untracked item is no change";
    EXPECT_TRUE(s.Set(7, 1));
    s.Insert(10);
    EXPECT_EQ(Entries(s), (std::vector<int>{0, 7, 0, -1, 0, 0, 0, 1, 0, 0, 0})) << "grown with zeros";
    EXPECT_FALSE(s.Set(-1, 1));

    s.SetCount(2);
    EXPECT_EQ(Entries(s), (std::vector<int>{0, 7}));
    s.Clear();
    EXPECT_EQ(s.GetCount(), 0);
}

}  // namespace
