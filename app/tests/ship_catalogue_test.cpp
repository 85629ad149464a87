#include <gtest/gtest.h>

#include "app/catalogue_order.h"
#include "app/ship_catalogue.h"
#include "gamedata/tests/ship_records.h"

namespace {

using NameList = std::vector<std::string>;

ShipSpecCore Named(const char* className) {
    ShipSpecCore core;
    core.className = className;
    return core;
}

// Every test sets the switch it needs; this puts it back afterwards.
class ShipCatalogueTest : public ::testing::Test {
  protected:
    void TearDown() override { g_orderIgnoresClass = saved_; }
    bool saved_ = g_orderIgnoresClass;
};

ShipCatalogue Mixed() {
    ShipCatalogue c;
    c.mainList = {
        MakeShip(0, 3, 10, "r0-frigate"),
        MakeShip(5, 3, 100, "r5-frigate-a"),
        MakeShip(5, 1, 4, "r5-pf"),
        MakeShip(5, 0, 6, "r5-fighter"),
        MakeShip(5, 3, 100, "r5-frigate-b"),
        MakeShip(5, -1, 500, "r5-unknown-hull"),
        MakeShip(-2, 12, 300, "unknown-race"),
        MakeShip(0, 3, -5, "r0-negative"),
        MakeShip(0, 3, 0, "r0-zero"),
    };
    return c;
}

TEST_F(ShipCatalogueTest, FullOrderIsRaceHullClassBpvAndStable) {
    g_orderIgnoresClass = false;
    ShipCatalogue c = Mixed();
    c.Sort();
    EXPECT_EQ(Names(c.mainList),
              (NameList{"unknown-race", "r0-negative", "r0-zero", "r0-frigate", "r5-unknown-hull",
                        "r5-fighter", "r5-pf", "r5-frigate-a", "r5-frigate-b"}));
}

TEST_F(ShipCatalogueTest, RaceOrderIgnoresHullClassAndIsStable) {
    g_orderIgnoresClass = true;
    ShipCatalogue c = Mixed();
    c.Sort();
    EXPECT_EQ(Names(c.mainList),
              (NameList{"unknown-race", "r0-negative", "r0-zero", "r0-frigate", "r5-pf",
                        "r5-fighter", "r5-frigate-a", "r5-frigate-b", "r5-unknown-hull"}));
}

TEST_F(ShipCatalogueTest, LessThanComparesSignedWithoutOverflow) {
    for (bool ignoreClass : {false, true}) {
        g_orderIgnoresClass = ignoreClass;
        EXPECT_TRUE(ShipOrderLess(MakeShip(INT32_MIN, 0, 0, ""), MakeShip(INT32_MAX, 0, 0, "")));
        EXPECT_TRUE(ShipOrderLess(MakeShip(0, 0, INT32_MIN, ""), MakeShip(0, 0, INT32_MAX, "")));
        EXPECT_FALSE(ShipOrderLess(MakeShip(0, 0, INT32_MAX, ""), MakeShip(0, 0, INT32_MIN, "")));
    }
}

TEST_F(ShipCatalogueTest, SortRelinksNodesWithoutCopyingRecords) {
    g_orderIgnoresClass = false;
    ShipCatalogue c = Mixed();
    const ShipSpec* unknownRace = nullptr;
    for (const ShipSpec& ship : c.mainList) {
        if (ship.className == "unknown-race") {
            unknownRace = &ship;
        }
    }
    c.Sort();
    EXPECT_EQ(&c.mainList.front(), unknownRace);
}

// Many records with few distinct keys: Sort must give exactly the order of a stable list sort
// with the one less-than operation, ties in their earlier order, in both orderings.
TEST_F(ShipCatalogueTest, SortMatchesStableListSortWithManyTies) {
    ShipCatalogue c;
    uint32_t state = 12345;
    for (int i = 0; i < 600; ++i) {
        state = state * 1103515245u + 12345u;
        c.mainList.push_back(MakeShip(
            static_cast<int32_t>(state >> 28) % 3 - 1, static_cast<int32_t>(state >> 20) % 4,
            static_cast<int32_t>(state >> 12) % 5 - 2, std::to_string(i)));
    }
    for (bool ignoreClass : {false, true}) {
        g_orderIgnoresClass = ignoreClass;
        std::list<ShipSpec> expected = c.mainList;
        expected.sort(ShipOrderLess);
        c.Sort();
        EXPECT_EQ(Names(c.mainList), Names(expected)) << "ignoring class: " << ignoreClass;
    }
}

TEST_F(ShipCatalogueTest, SortLeavesEmptyAndSingleRecordListsAndCraftListAlone) {
    for (bool ignoreClass : {false, true}) {
        g_orderIgnoresClass = ignoreClass;
        ShipCatalogue empty;
        empty.Sort();
        EXPECT_TRUE(empty.mainList.empty());

        ShipCatalogue one;
        one.mainList = {MakeShip(7, 4, 9, "only")};
        one.craftList = {MakeShip(9, 0, 2, "b"), MakeShip(1, 0, 1, "a")};
        const ShipCatalogue before = one;
        one.Sort();
        EXPECT_EQ(one.mainList, before.mainList);
        EXPECT_EQ(one.craftList, before.craftList);
    }
}

TEST_F(ShipCatalogueTest, FiltersKeepOrRemoveMembersAndKeepOrder) {
    struct Case {
        const char* what;
        void (*apply)(ShipCatalogue&);
        NameList expected;
    };
    const Case cases[] = {
        {"keep race 5",
         [](ShipCatalogue& c) { c.FilterByRace({5}, true); },
         {"r5-frigate-a", "r5-pf", "r5-fighter", "r5-frigate-b", "r5-unknown-hull"}},
        {"remove races 5 and -2",
         [](ShipCatalogue& c) {
             c.FilterByRace({5, -2}, false);
         },
         {"r0-frigate", "r0-negative", "r0-zero"}},
        {"keep no race", [](ShipCatalogue& c) { c.FilterByRace({}, true); }, {}},
        {"keep hull 0 and 1",
         [](ShipCatalogue& c) {
             c.FilterByHullClass({1, 0}, true);
         },
         {"r5-pf", "r5-fighter"}},
        {"remove hull 3",
         [](ShipCatalogue& c) { c.FilterByHullClass({3}, false); },
         {"r5-pf", "r5-fighter", "r5-unknown-hull", "unknown-race"}},
    };
    for (const Case& tc : cases) {
        ShipCatalogue c = Mixed();
        c.craftList = {MakeShip(5, 3, 1, "craft")};
        tc.apply(c);
        EXPECT_EQ(Names(c.mainList), tc.expected) << tc.what;
        EXPECT_EQ(Names(c.craftList), NameList{"craft"}) << tc.what;
    }
}

TEST_F(ShipCatalogueTest, KeepWarshipClassesKeepsExactlyFrigateToBattleship) {
    ShipCatalogue c;
    for (int32_t hull = -1; hull <= 17; ++hull) {
        c.mainList.push_back(MakeShip(16, hull, 0, std::to_string(hull)));
    }
    c.KeepWarshipClasses();
    EXPECT_EQ(Names(c.mainList), (NameList{"3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
}

TEST_F(ShipCatalogueTest, CopyIsDeepIndependentAndSafeOnItself) {
    ShipCatalogue source = Mixed();
    source.mainList.front().bays[2].craft = Named("Wasp");
    source.craftList = {MakeShip(1, 0, 2, "craft")};

    ShipCatalogue target;
    target.mainList = {MakeShip(99, 99, 99, "stale")};
    target.craftList = {MakeShip(99, 99, 99, "stale"), MakeShip(98, 0, 0, "stale2")};
    target = source;
    EXPECT_EQ(target.mainList, source.mainList);
    EXPECT_EQ(target.craftList, source.craftList);

    target.mainList.front().bays[2].craft = Named("Hornet");
    target.craftList.front().className = "changed";
    target.FilterByRace({5}, true);
    EXPECT_EQ(source.mainList.front().bays[2].craft->className, "Wasp");
    EXPECT_EQ(source.craftList.front().className, "craft");
    EXPECT_EQ(source.mainList.size(), 9u);

    const ShipCatalogue before = source;
    ShipCatalogue& alias = source;
    source = alias;
    EXPECT_EQ(source.mainList, before.mainList);
    EXPECT_EQ(source.craftList, before.craftList);
}

}  // namespace
