#include <gtest/gtest.h>

#include <limits>

#include "gamedata/ship_spec.h"

TEST(ShipSpec, CopyIsDeepAndEqual) {
    ShipSpec ship;
    ship.className = "V-CA";
    ship.mounts[49].weaponKeyword = "Ph1";
    ship.bays[1].count = 4;
    ShipSpecCore wasp;
    wasp.className = "Wasp";
    ship.bays[1].craft = wasp;
    ship.col11 = std::numeric_limits<float>::quiet_NaN();  // "nan" is a valid table value
    ShipSpec copy = ship;
    EXPECT_EQ(copy, ship);
    ShipSpecCore hornet;
    hornet.className = "Hornet";
    copy.bays[1].craft = hornet;
    EXPECT_NE(copy, ship);
    EXPECT_EQ(ship.bays[1].craft->className, "Wasp");
}
