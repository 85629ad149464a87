#include <gtest/gtest.h>

#include <algorithm>

#include "app/catalogue_order.h"
#include "app/catalogue_setup.h"
#include "gamedata/tests/ship_records.h"

namespace {

using NameList = std::vector<std::string>;

class CatalogueSetupTest : public ::testing::Test {
  protected:
    void TearDown() override { g_orderIgnoresClass = saved_; }
    bool saved_ = g_orderIgnoresClass;
};

// A catalogue as the readers leave it: fighter-table rows (hull class 0), then PF rows, then the
// other ship rows, each in file order.
ShipCatalogue Loaded() {
    ShipCatalogue c;
    c.mainList = {
        MakeShip(16, 0, 6, "C-fighter6"),
        MakeShip(16, 0, 5, "C-fighter5"),
        MakeShip(23, 0, 3, "N-fighter"),
        MakeShip(16, 1, 4, "C-pf4"),
        MakeShip(16, 1, 5, "C-pf5"),
        MakeShip(16, 12, 200, "C-battleship"),
        MakeShip(16, 3, 70, "C-frigate-first"),
        MakeShip(16, 0, 5, "C-shuttle5"),
        MakeShip(16, 3, 70, "C-frigate-second"),
        MakeShip(16, -1, 1, "C-unknown-hull"),
        MakeShip(16, 13, 90, "C-class13"),
        MakeShip(16, 14, 400, "C-base"),
        MakeShip(16, 2, 60, "C-class2"),
        MakeShip(23, 16, 900, "N-starbase"),
        MakeShip(23, 4, 80, "N-destroyer"),
        MakeShip(-2, 15, 700, "X-battle-station"),
        MakeShip(-2, -1, 700, "X-unknown-hull"),
        MakeShip(3, 16, 800, "R3-starbase"),
        MakeShip(3, 14, -1, "R3-base-negative"),
        MakeShip(3, 8, 120, "R3-cruiser"),
    };
    c.craftList = {MakeShip(16, 0, 6, "C-fighter6")};
    return c;
}

TEST_F(CatalogueSetupTest, OrdersShipsFullyAndFightersByRace) {
    g_orderIgnoresClass = true;  // the start-up sequence sets the switch itself
    ShipCatalogue ships = Loaded();
    ShipCatalogue fighters;
    fighters.mainList = {MakeShip(1, 1, 1, "stale")};
    OrderCatalogues(ships, fighters);

    EXPECT_EQ(Names(ships.mainList), (NameList{"X-unknown-hull",  "X-battle-station",
                                               "R3-cruiser",      "R3-base-negative",
                                               "R3-starbase",     "C-unknown-hull",
                                               "C-fighter5",      "C-shuttle5",
                                               "C-fighter6",      "C-pf4",
                                               "C-pf5",           "C-class2",
                                               "C-frigate-first", "C-frigate-second",
                                               "C-battleship",    "C-class13",
                                               "C-base",          "N-fighter",
                                               "N-destroyer",     "N-starbase"}));
    // Race order within one race: cheapest first; at equal race and value, fighters and
    // shuttle-class ships before PFs, then load order.
    EXPECT_EQ(Names(fighters.mainList),
              (NameList{"C-pf4", "C-fighter5", "C-shuttle5", "C-pf5", "C-fighter6", "N-fighter"}));
    EXPECT_EQ(Names(fighters.craftList), NameList{"C-fighter6"});
    EXPECT_TRUE(g_orderIgnoresClass);
}

TEST_F(CatalogueSetupTest, NormalModeKeepsCorvaneWarshipsInFullOrder) {
    ShipCatalogue ships = Loaded();
    ShipCatalogue fighters;
    OrderCatalogues(ships, fighters);
    const ShipCatalogue fightersBefore = fighters;

    NarrowToMode(ships, false);
    EXPECT_EQ(Names(ships.mainList),
              (NameList{"C-frigate-first", "C-frigate-second", "C-battleship"}));
    for (const ShipSpec& ship : ships.mainList) {
        EXPECT_EQ(ship.race, 16);
        EXPECT_TRUE(ship.hullClass >= 3 && ship.hullClass <= 12) << ship.className;
    }
    EXPECT_FALSE(g_orderIgnoresClass);
    EXPECT_EQ(fighters.mainList, fightersBefore.mainList);
}

TEST_F(CatalogueSetupTest, SectorAssaultKeepsBasesOfEveryRaceButNeutral) {
    ShipCatalogue ships = Loaded();
    ShipCatalogue fighters;
    OrderCatalogues(ships, fighters);
    const ShipCatalogue fightersBefore = fighters;

    NarrowToMode(ships, true);
    EXPECT_EQ(Names(ships.mainList),
              (NameList{"X-battle-station", "R3-base-negative", "R3-starbase", "C-base"}));
    for (const ShipSpec& ship : ships.mainList) {
        EXPECT_NE(ship.race, 23);
        EXPECT_TRUE(ship.hullClass >= 14 && ship.hullClass <= 16) << ship.className;
    }
    EXPECT_TRUE(g_orderIgnoresClass);
    EXPECT_EQ(fighters.mainList, fightersBefore.mainList);
}

TEST_F(CatalogueSetupTest, EmptyCatalogueGoesThroughEveryStep) {
    for (bool sectorAssault : {false, true}) {
        ShipCatalogue ships;
        ShipCatalogue fighters;
        OrderCatalogues(ships, fighters);
        NarrowToMode(ships, sectorAssault);
        EXPECT_TRUE(ships.mainList.empty());
        EXPECT_TRUE(fighters.mainList.empty());
        EXPECT_EQ(g_orderIgnoresClass, sectorAssault);
    }
}

}  // namespace
