#include "gamedata/mount_table.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

namespace {

std::vector<int32_t> Numbers(const MountTable& mounts) {
    std::vector<int32_t> numbers;
    for (const auto& entry : mounts)
        numbers.push_back(entry.first);
    return numbers;
}

TEST(MountTable, HoldsOnlyTheMountsStoredInAscendingNumber) {
    MountTable mounts;
    EXPECT_TRUE(mounts.empty());
    EXPECT_EQ(mounts.begin(), mounts.end());

    mounts[73].weaponKeyword = "mlr";
    mounts[51].count = 2;
    mounts[49];  // touching a mount makes it exist, empty
    EXPECT_EQ(mounts.size(), 3u);
    EXPECT_EQ(Numbers(mounts), (std::vector<int32_t>{49, 51, 73}));
    EXPECT_EQ(mounts.rbegin()->first, 73);
    EXPECT_EQ(std::next(mounts.rbegin())->first, 51);
    EXPECT_EQ(mounts.at(49), WeaponMount{});
    EXPECT_EQ(mounts.at(73).weaponKeyword, "mlr");

    mounts.clear();
    EXPECT_TRUE(mounts.empty());
    EXPECT_EQ(mounts.begin(), mounts.end());
    EXPECT_EQ(mounts[51], WeaponMount{});  // a cleared mount comes back empty
}

TEST(MountTable, RejectsNumbersOutsideTheRangeAndMissingMounts) {
    MountTable mounts;
    EXPECT_THROW(mounts.at(49), std::out_of_range);
    mounts[49].count = 1;
    EXPECT_THROW(mounts.at(50), std::out_of_range);
    EXPECT_THROW(mounts[48], std::out_of_range);
    EXPECT_THROW(mounts[74], std::out_of_range);
    EXPECT_THROW(mounts.at(0), std::out_of_range);
    EXPECT_EQ(mounts.size(), 1u);
}

TEST(MountTable, CopiesAreIndependentAndCompareByNumbersAndMounts) {
    MountTable original;
    for (int32_t number = kFirstMountNumber; number <= kLastMountNumber; ++number)
        original[number] = WeaponMount{number, 1, 2, "Ph1", "FA", 0};

    MountTable copy = original;
    EXPECT_EQ(copy, original);
    copy[60].arcKeyword = "RA";
    EXPECT_NE(copy, original);
    EXPECT_EQ(original.at(60).arcKeyword, "FA");
    // Copies share their mounts until written; a write through either side parts them.
    const MountTable shared = original;
    original.at(61).count = 5;
    EXPECT_EQ(shared.at(61).count, 1);

    MountTable assigned;
    assigned[50].count = 9;
    assigned = original;
    EXPECT_EQ(assigned, original);
    assigned = MountTable();
    EXPECT_TRUE(assigned.empty());

    // An empty mount that exists differs from one that does not, as in a map.
    MountTable touched;
    touched[49];
    EXPECT_NE(touched, MountTable());

    MountTable moved = std::move(copy);
    EXPECT_EQ(moved.size(), 25u);
    EXPECT_EQ(moved.at(60).arcKeyword, "RA");
    EXPECT_TRUE(copy.empty());  // NOLINT(bugprone-use-after-move): moved-from tables are empty
    EXPECT_EQ(copy.begin(), copy.end());
}

}  // namespace
