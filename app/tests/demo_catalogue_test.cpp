// The bundled demo game, registered in a temporary Wine prefix, loads into catalogues of the
// expected shape in both start-up modes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "app/catalogue_order.h"
#include "app/catalogue_setup.h"
#include "app/ship_catalogue.h"
#include "gamedata/code_tables.h"
#include "gamedata/table_reader.h"
#include "gamedata/tests/race_codes.h"
#include "tests/support/wine_prefix.h"

namespace {

constexpr int32_t kNeutral = 23;

class DemoCatalogue : public ::testing::Test {
  protected:
    void SetUp() override {
        prefix.AddDrive('z', "/");
        std::string directory = "Z:" KV_SOURCE_DIR "/demo/HalvaneReach";
        for (char& c : directory) {
            if (c == '/')
                c = '\\';
        }
        prefix.SetGameDirectory(directory);
        ASSERT_TRUE(LoadCatalogue(ships));
        OrderCatalogues(ships, fighters);
    }
    void TearDown() override { g_orderIgnoresClass = false; }

    testsupport::TempWinePrefix prefix{testsupport::WineArch::kWin64};
    ShipCatalogue ships;
    ShipCatalogue fighters;
};

TEST_F(DemoCatalogue, NormalModeOffersCorvaneWarshipsOfEveryClassInFullOrder) {
    NarrowToMode(ships, false);
    std::set<int32_t> classes;
    const ShipSpec* previous = nullptr;
    for (const ShipSpec& ship : ships.mainList) {
        EXPECT_EQ(ship.race, kCorvane) << ship.className;
        classes.insert(ship.hullClass);
        if (previous) {
            EXPECT_FALSE(ShipOrderLess(ship, *previous)) << ship.className;
        }
        previous = &ship;
    }
    EXPECT_EQ(classes, (std::set<int32_t>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(ships.mainList.front().className, "CV-Surveyor");
}

TEST_F(DemoCatalogue, SectorAssaultOffersBasesOfEveryRaceButNeutral) {
    NarrowToMode(ships, true);
    std::set<int32_t> races;
    for (const ShipSpec& ship : ships.mainList) {
        EXPECT_GE(ship.hullClass, 14) << ship.className;
        EXPECT_LE(ship.hullClass, 16) << ship.className;
        races.insert(ship.race);
    }
    EXPECT_EQ(races.count(kNeutral), 0u);
    EXPECT_GE(races.size(), 4u);
}

TEST_F(DemoCatalogue, CarriersHoldTheirFightersAndTheFighterCatalogueIsInRaceOrder) {
    const auto aerie = std::find_if(ships.mainList.begin(), ships.mainList.end(),
                                    [](const ShipSpec& s) { return s.className == "CV-Aerie"; });
    ASSERT_NE(aerie, ships.mainList.end());
    EXPECT_EQ(aerie->bays[0].craft->className, "CV-Wasp");
    EXPECT_EQ(aerie->bays[0].count, 2);
    EXPECT_EQ(aerie->bays[1].craft->className, "CV-Hornet");

    const ShipSpec* previous = nullptr;
    for (const ShipSpec& craft : fighters.mainList) {
        EXPECT_TRUE(craft.hullClass == 0 || craft.hullClass == 1) << craft.className;
        if (previous) {
            EXPECT_TRUE(previous->race < craft.race ||
                        (previous->race == craft.race && previous->bpv <= craft.bpv))
                << craft.className;
        }
        previous = &craft;
    }
}

}  // namespace
