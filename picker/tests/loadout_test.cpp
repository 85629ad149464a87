#include "picker/loadout.h"

#include <gtest/gtest.h>

#include "gamedata/tests/race_codes.h"
#include "picker/spin_steps.h"

namespace {

// The ship of the worked example: BPV 100, standard repairs 2, marines 6, mines 0, shuttles 2;
// two DroA racks and one DroB rack.
ShipSpec WorkedExample() {
    ShipSpec ship;
    ship.race = kCorvane;
    ship.bpv = 100;
    ship.repairs = 2;
    ship.marines = 6;
    ship.marinesMax = 10;
    ship.minesMax = 4;
    ship.shuttles = 2;
    ship.shuttlesMax = 4;
    ship.mounts[49].weapon = 30;
    ship.mounts[49].count = 2;
    ship.mounts[50].weapon = 31;
    ship.mounts[50].count = 1;
    return ship;
}

ShipSpec Fighter(const char* name, int32_t race, int32_t bpv, int32_t hullClass = 0) {
    ShipSpec fighter;
    fighter.className = name;
    fighter.race = race;
    fighter.bpv = bpv;
    fighter.hullClass = hullClass;
    return fighter;
}

int32_t Recomputed(const ShipSpec& ship, Loadout& loadout) {
    RecomputeMissileCount(loadout);
    return AdjustedBpv(ship, loadout);
}

TEST(PointValue, WorkedExample) {
    const ShipSpec ship = WorkedExample();
    const Loadout::FighterList noFighters;
    Loadout loadout = DefaultLoadout(ship, noFighters);
    EXPECT_EQ(loadout.missileCapacity, 14);
    EXPECT_EQ(loadout.missileReloads, 1);
    EXPECT_EQ(Recomputed(ship, loadout), 100);
    EXPECT_EQ(loadout.missileCount, 28);

    struct Step {
        const char* what;
        StepOutcome (*apply)(Loadout&, const ShipSpec&);
        int32_t adjusted;
        int32_t missileCount;
    };
    const Step steps[] = {
        {"Medium",
         [](Loadout& l, const ShipSpec&) { return StepMissileSpeed(l, SpinStep::Forward); }, 114,
         28},
        {"Fast", [](Loadout& l, const ShipSpec&) { return StepMissileSpeed(l, SpinStep::Forward); },
         128, 28},
        {"Medium again",
         [](Loadout& l, const ShipSpec&) { return StepMissileSpeed(l, SpinStep::Back); }, 114, 28},
        {"Type IV",
         [](Loadout& l, const ShipSpec&) { return StepMissileType(l, SpinStep::Forward); }, 107,
         14},
        {"reloads 2",
         [](Loadout& l, const ShipSpec&) { return StepMissileReloads(l, SpinStep::Forward); }, 110,
         21},
        {"marine",
         [](Loadout& l, const ShipSpec& s) { return StepMarines(l, s, SpinStep::Forward); }, 112,
         21},
        {"mine", [](Loadout& l, const ShipSpec& s) { return StepMines(l, s, SpinStep::Forward); },
         116, 21},
        {"repair",
         [](Loadout& l, const ShipSpec& s) { return StepRepairs(l, s, SpinStep::Forward); }, 120,
         21},
        {"shuttle",
         [](Loadout& l, const ShipSpec& s) { return StepShuttles(l, s, SpinStep::Forward); }, 121,
         21},
        {"Type I", [](Loadout& l, const ShipSpec&) { return StepMissileType(l, SpinStep::Back); },
         132, 42},
    };
    for (const Step& step : steps) {
        EXPECT_TRUE(step.apply(loadout, ship).changed) << step.what;
        EXPECT_EQ(Recomputed(ship, loadout), step.adjusted) << step.what;
        EXPECT_EQ(loadout.missileCount, step.missileCount) << step.what;
    }
    EXPECT_EQ(loadout.missileCapacity, 14) << "Type IV and back restores the racks' capacity";
}

TEST(PointValue, MediumDropsTheHalfOfAnOddCountAndTruncatesTowardZero) {
    ShipSpec ship = WorkedExample();
    Loadout loadout = DefaultLoadout(ship, {});
    loadout.missileSpeedText = kMissileMedium;
    loadout.missileCapacity = 7;
    loadout.missileReloads = 2;
    EXPECT_EQ(Recomputed(ship, loadout), 110);  // 21 missiles add 10
    ship.bpv = -100;
    EXPECT_EQ(Recomputed(ship, loadout), -89);  // -100 + 10.5 = -89.5, toward zero
}

TEST(CountedSpins, StopAtTheirBoundsAndReportWhetherHandled) {
    ShipSpec ship = WorkedExample();
    ship.repairs = 3;
    Loadout loadout = DefaultLoadout(ship, {});
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(StepRepairs(loadout, ship, SpinStep::Forward).changed);
    EXPECT_EQ(loadout.repairs, 12);
    const StepOutcome atTop = StepRepairs(loadout, ship, SpinStep::Forward);
    EXPECT_FALSE(atTop.changed);
    EXPECT_FALSE(atTop.handled);
    EXPECT_EQ(loadout.repairs, 12);
    for (int i = 0; i < 9; ++i)
        StepRepairs(loadout, ship, SpinStep::Back);
    EXPECT_EQ(loadout.repairs, 3);
    EXPECT_FALSE(StepRepairs(loadout, ship, SpinStep::Back).handled);
    EXPECT_EQ(loadout.repairs, 3);

    const StepOutcome zero = StepRepairs(loadout, ship, SpinStep::None);
    EXPECT_FALSE(zero.changed);
    EXPECT_TRUE(zero.handled);

    // A ship without standard repairs can take none.
    ship.repairs = 0;
    loadout.repairs = 0;
    EXPECT_FALSE(StepRepairs(loadout, ship, SpinStep::Forward).changed);
}

TEST(CountedSpins, ValuesOutsideTheirRangeNeverMoveFurtherOut) {
    const ShipSpec ship = WorkedExample();  // marines 6 to 10
    Loadout loadout = DefaultLoadout(ship, {});
    loadout.marines = 14;  // a stored slot written for other ship data
    EXPECT_FALSE(StepMarines(loadout, ship, SpinStep::Forward).changed);
    EXPECT_TRUE(StepMarines(loadout, ship, SpinStep::Back).changed);
    EXPECT_EQ(loadout.marines, 13);
    loadout.marines = 2;
    EXPECT_FALSE(StepMarines(loadout, ship, SpinStep::Back).changed);
    EXPECT_TRUE(StepMarines(loadout, ship, SpinStep::Forward).changed);
    EXPECT_EQ(loadout.marines, 3);
}

TEST(MissileSpins, ShipWithoutRacksChangesNothingInThePointValue) {
    ShipSpec ship = WorkedExample();
    ship.mounts.clear();
    Loadout loadout = DefaultLoadout(ship, {});
    EXPECT_EQ(loadout.missileCapacity, 0);
    EXPECT_EQ(loadout.missileReloads, 0);
    EXPECT_FALSE(StepMissileReloads(loadout, SpinStep::Back).changed);
    StepMissileType(loadout, SpinStep::Forward);
    StepMissileSpeed(loadout, SpinStep::Forward);
    StepMissileSpeed(loadout, SpinStep::Forward);
    EXPECT_EQ(loadout.missileTypeText, "Type IV");
    EXPECT_EQ(loadout.missileSpeedText, "Fast");
    EXPECT_EQ(Recomputed(ship, loadout), 100);
    EXPECT_EQ(loadout.missileCount, 0);
}

TEST(MissileSpins, TypeAndSpeedStayAtTheirEnds) {
    Loadout loadout = DefaultLoadout(WorkedExample(), {});
    EXPECT_FALSE(StepMissileType(loadout, SpinStep::Back).handled);
    EXPECT_TRUE(StepMissileType(loadout, SpinStep::Forward).handled);
    EXPECT_FALSE(StepMissileType(loadout, SpinStep::Forward).handled);
    EXPECT_EQ(loadout.missileCapacity, 7);

    // Speed asks for a recompute on every step but never reports the step as handled.
    const StepOutcome slowBack = StepMissileSpeed(loadout, SpinStep::Back);
    EXPECT_EQ(loadout.missileSpeedText, "Slow");
    EXPECT_TRUE(slowBack.changed);
    EXPECT_FALSE(slowBack.handled);
    EXPECT_FALSE(StepMissileSpeed(loadout, SpinStep::None).changed);
}

class Fighters : public ::testing::Test {
  protected:
    // The fighter catalogue in race order: two races' fighters and a PF together.
    Loadout::FighterList fighters{Fighter("Gnat", 5, 2), Fighter("Wasp", kCorvane, 3),
                                  Fighter("Hornet", kCorvane, 5),
                                  Fighter("Lancer PF", kCorvane, 40, 1), Fighter("Moth", 17, 1)};

    ShipSpec Carrier(const char* first, int32_t firstCount, const char* second,
                     int32_t secondCount) {
        ShipSpec ship = WorkedExample();
        ship.mounts.clear();
        ShipSpecCore craft;
        craft.className = first;
        ship.bays[0].craft = craft;
        ship.bays[0].count = firstCount;
        craft.className = second;
        ship.bays[1].craft = craft;
        ship.bays[1].count = secondCount;
        return ship;
    }
};

TEST_F(Fighters, TwoBayCarrierOpensAtItsBaseCostAndStepsPerBay) {
    const ShipSpec ship = Carrier("Wasp", 2, "Hornet", 2);
    Loadout loadout = DefaultLoadout(ship, fighters);
    EXPECT_EQ(loadout.fighterBays, 2);
    EXPECT_EQ(loadout.fightersPerBay, 2);
    EXPECT_EQ(loadout.fighterTypeText, "Wasp");
    EXPECT_EQ(loadout.baseFighterCost, 16);
    EXPECT_EQ(loadout.fighterCostText, "16");
    EXPECT_EQ(Recomputed(ship, loadout), 100);

    EXPECT_TRUE(StepFightersPerBay(loadout, SpinStep::Forward).changed);
    EXPECT_EQ(loadout.fighterCostText, "18");  // 3 x 3 x 2
    EXPECT_EQ(Recomputed(ship, loadout), 102);

    EXPECT_TRUE(StepFighterType(loadout, fighters, ship.race, SpinStep::Forward).changed);
    EXPECT_EQ(loadout.fighterTypeText, "Hornet");
    EXPECT_EQ(loadout.fighterCostText, "30");  // 5 x 3 x 2
    EXPECT_EQ(Recomputed(ship, loadout), 114);
}

TEST_F(Fighters, TypeStepsStayWithinTheShipsRace) {
    const ShipSpec ship = Carrier("Wasp", 2, "", 0);
    Loadout loadout = DefaultLoadout(ship, fighters);
    EXPECT_FALSE(StepFighterType(loadout, fighters, ship.race, SpinStep::Back).changed);
    EXPECT_EQ(loadout.fighterTypeText, "Wasp");
    StepFighterType(loadout, fighters, ship.race, SpinStep::Forward);
    StepFighterType(loadout, fighters, ship.race, SpinStep::Forward);
    EXPECT_EQ(loadout.fighterTypeText, "Lancer PF");
    EXPECT_FALSE(StepFighterType(loadout, fighters, ship.race, SpinStep::Forward).changed);
    EXPECT_EQ(loadout.fighterTypeText, "Lancer PF");

    // A type at the very start of the list has no entry before it.
    const ShipSpec other = Carrier("Gnat", 1, "", 0);
    Loadout first = DefaultLoadout(other, fighters);
    EXPECT_FALSE(StepFighterType(first, fighters, 5, SpinStep::Back).handled);
}

TEST_F(Fighters, PfsAreCarriedOneToABay) {
    const ShipSpec ship = Carrier("Lancer PF", 1, "", 0);
    Loadout loadout = DefaultLoadout(ship, fighters);
    EXPECT_FALSE(StepFightersPerBay(loadout, SpinStep::Forward).changed);
    EXPECT_FALSE(StepFightersPerBay(loadout, SpinStep::Back).changed);
    EXPECT_EQ(loadout.fightersPerBay, 1);

    // A count above the PF stop (kept when the type changed) never grows further.
    const ShipSpec wasps = Carrier("Wasp", 4, "", 0);
    Loadout many = DefaultLoadout(wasps, fighters);
    EXPECT_FALSE(StepFightersPerBay(many, SpinStep::Forward).changed);
    StepFighterType(many, fighters, wasps.race, SpinStep::Forward);
    StepFighterType(many, fighters, wasps.race, SpinStep::Forward);
    EXPECT_EQ(many.fighterTypeText, "Lancer PF");
    EXPECT_EQ(many.fightersPerBay, 4);
    EXPECT_FALSE(StepFightersPerBay(many, SpinStep::Forward).changed);
    EXPECT_TRUE(StepFightersPerBay(many, SpinStep::Back).changed);
}

TEST_F(Fighters, SpinsDoNothingWithoutFightersOnShow) {
    // No bays at all, and a first bay that is empty while the second is in use.
    for (const ShipSpec& ship : {WorkedExample(), Carrier("", 0, "Hornet", 2)}) {
        Loadout loadout = DefaultLoadout(ship, fighters);
        EXPECT_FALSE(loadout.hasFighterType);
        EXPECT_FALSE(StepFightersPerBay(loadout, SpinStep::Forward).handled);
        EXPECT_FALSE(StepFighterType(loadout, fighters, ship.race, SpinStep::Forward).handled);
        EXPECT_EQ(Recomputed(ship, loadout), 100);
    }
    const Loadout secondBayOnly = DefaultLoadout(Carrier("", 0, "Hornet", 2), fighters);
    EXPECT_EQ(secondBayOnly.fighterBays, 1);
    EXPECT_EQ(secondBayOnly.fighterCostText, "10");
}

TEST_F(Fighters, UnknownFirstBayTypeCountsTheBayButShowsNoType) {
    const ShipSpec ship = Carrier("Nobody", 2, "Hornet", 1);
    const Loadout loadout = DefaultLoadout(ship, fighters);
    EXPECT_EQ(loadout.fighterBays, 2);
    EXPECT_EQ(loadout.fightersPerBay, 0);
    EXPECT_EQ(loadout.fighterTypeText, "");
    EXPECT_EQ(loadout.baseFighterCost, 5);
}

// Stored records may hold any number; the texts map onto the numbers the fleet file knows.
TEST(MissileCodes, TextsAndStoredNumbers) {
    struct Case {
        int32_t code;
        const char* type;
        const char* speed;
    };
    const Case cases[] = {{1, "Type I", "Slow"},  {2, "Type IV", "Medium"},
                          {3, "Type IV", "Fast"}, {4, "Type IV", "Fast"},
                          {0, "Type IV", "Fast"}, {-1, "Type IV", "Fast"}};
    for (const Case& c : cases) {
        EXPECT_STREQ(MissileTypeText(c.code), c.type) << c.code;
        EXPECT_STREQ(MissileSpeedText(c.code), c.speed) << c.code;
    }
    EXPECT_EQ(MissileTypeCode("Type I"), 1);
    EXPECT_EQ(MissileTypeCode("Type IV"), 4);
    EXPECT_EQ(MissileTypeCode("type i"), 4);  // exact text only
    EXPECT_EQ(MissileSpeedCode("Slow"), 1);
    EXPECT_EQ(MissileSpeedCode("Medium"), 2);
    EXPECT_EQ(MissileSpeedCode("Fast"), 3);
    EXPECT_EQ(MissileSpeedCode(""), 3);
}

}  // namespace
