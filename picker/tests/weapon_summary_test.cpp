#include "picker/weapon_summary.h"

#include <gtest/gtest.h>

#include "picker/labels.h"

namespace {

ShipSpecCore WithMounts(std::initializer_list<std::pair<int32_t, int32_t>> weaponAndCount) {
    ShipSpecCore ship;
    ship.className = "Wasp";
    int32_t number = kFirstMountNumber;
    for (const auto& wc : weaponAndCount) {
        WeaponMount& mount = ship.mounts[number++];
        mount.weapon = wc.first;
        mount.count = wc.second;
    }
    return ship;
}

TEST(WeaponLines, PoolsMountsByCodeInCodeOrder) {
    // Mount order differs from code order; two mounts of code 43 pool into one line.
    EXPECT_EQ(WeaponLines(WithMounts({{43, 2}, {0, 2}, {43, 1}})), "2xPhot\n3xPh1\n");
}

TEST(WeaponLines, LeavesOutEmptyMountsAndCodesWithoutLabel) {
    EXPECT_EQ(WeaponLines(WithMounts({})), "");
    EXPECT_EQ(WeaponLines(WithMounts({{-1, 3}, {53, 2}, {1000, 1}, {9, 0}})), "");
    EXPECT_EQ(WeaponLines(WithMounts({{52, 1}, {38, 2}, {39, 1}})), "2xDroF1\n1xDroF4\n1xADD30\n");
    // Counts that cancel out leave no line, as the total is what counts.
    EXPECT_EQ(WeaponLines(WithMounts({{11, 2}, {11, -2}})), "");
}

TEST(MissileCapacity, SumsRackRoundsOfEveryRackCode) {
    EXPECT_EQ(MissileCapacity(WithMounts({{30, 2}, {31, 1}})), 14);
    EXPECT_EQ(MissileCapacity(WithMounts({{32, 1}, {33, 1}, {34, 1}, {35, 1}, {36, 1}})), 20);
    EXPECT_EQ(MissileCapacity(WithMounts({{37, 1}, {40, 2}})), 24);
    // DroF1 and DroF4 (codes 38, 39) and every other weapon hold no missiles.
    EXPECT_EQ(MissileCapacity(WithMounts({{38, 4}, {39, 4}, {43, 6}})), 0);
}

TEST(MissileCapacity, WrapsLikeThirtyTwoBitArithmeticOnAbsurdTables) {
    EXPECT_EQ(MissileCapacity(WithMounts({{37, 0x7fffffff}})),
              static_cast<int32_t>(0x7fffffffu * 12u));
}

TEST(FighterSpecsText, NameColonBlankLineThenWeapons) {
    EXPECT_EQ(FighterSpecsText(WithMounts({})), "Wasp:\n\n");
    EXPECT_EQ(FighterSpecsText(WithMounts({{43, 2}})), "Wasp:\n\n2xPh1\n");
}

TEST(Labels, HullClassesAndWeaponsAtTheirEdges) {
    EXPECT_STREQ(HullClassLabel(3), "Frigate");
    EXPECT_STREQ(HullClassLabel(12), "Battleship");
    EXPECT_STREQ(HullClassLabel(16), "Star Base");
    for (int32_t none : {-1, 0, 1, 2, 13, 17})
        EXPECT_EQ(HullClassLabel(none), nullptr) << none;
    EXPECT_STREQ(WeaponLabel(0), "Phot");
    EXPECT_STREQ(WeaponLabel(29), "FighS");
    EXPECT_STREQ(WeaponLabel(52), "ADD30");
    EXPECT_EQ(WeaponLabel(53), nullptr);
    EXPECT_EQ(WeaponLabel(-1), nullptr);
}

}  // namespace
