// The Pick Ship dialog as a user drives it, on the program's own template, on the headless
// backend and (in the Windows test program) on the Win32 one.
#include "picker/pick_ship_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <list>
#include <optional>
#include <string>
#include <vector>

#include "framework/afx.h"
#include "framework/headless/headless_dialog_driver.h"
#include "res/resource.h"
#include "tests/support/ui_harness.h"

#ifndef _WIN32
#include "app/catalogue_globals.h"
#include "app/catalogue_order.h"
#include "app/catalogue_setup.h"
#include "gamedata/table_reader.h"
#include "gamedata/tests/race_codes.h"
#include "tests/support/wine_prefix.h"
#endif

namespace {

using ::testing::IsEmpty;

WeaponMount Mount(int32_t weapon, int32_t count) {
    WeaponMount mount;
    mount.weapon = weapon;
    mount.count = count;
    return mount;
}

ShipSpec Craft(const std::string& name, int32_t race, int32_t bpv, int32_t hullClass = 0) {
    ShipSpec craft;
    craft.className = name;
    craft.race = race;
    craft.bpv = bpv;
    craft.hullClass = hullClass;
    return craft;
}

// BPV 100, standard repairs 2, marines 6 (up to 10), mines 0 (up to 4), shuttles 2 (up to 4);
// two DroA racks and one DroB rack (14 missiles), and two Ph1, listed before the racks.
ShipSpec ExampleShip() {
    ShipSpec ship = Craft("CV-Example", kCorvane, 100, 3);
    ship.repairs = 2;
    ship.marines = 6;
    ship.marinesMax = 10;
    ship.minesMax = 4;
    ship.shuttles = 2;
    ship.shuttlesMax = 4;
    ship.shields = {10, 11, 12, 13, 14, 15};
    ship.mounts[49] = Mount(43, 2);
    ship.mounts[50] = Mount(30, 2);
    ship.mounts[51] = Mount(31, 1);
    return ship;
}

// BPV 120; a bay of two Wasps (BPV 3) and a bay of two Hornets (BPV 5): base cost 16.
ShipSpec Carrier() {
    ShipSpec ship = Craft("CV-Aerie", kCorvane, 120, 10);
    ship.bays[0].craft = Craft("Wasp", kCorvane, 3);
    ship.bays[0].count = 2;
    ship.bays[1].craft = Craft("Hornet", kCorvane, 5);
    ship.bays[1].count = 2;
    return ship;
}

// Scenarios on every backend of the platform, on the program's own template.
class PickShipScenario : public ::testing::TestWithParam<testsupport::UiKind> {
  protected:
    PickShipScenario()
        : harness_(GetParam(),
                   testsupport::KestrivarUiResources().value_or(testsupport::UiResources{})) {}

    void SetUp() override {
        if (!testsupport::KestrivarUiResources())
            GTEST_SKIP() << "the build found no res/Kestrivar.rc";
        ProgramFindShipSearch() = FindShipSearch{};  // each test opens Find Ship afresh
        ShipSpec wasp = Craft("Wasp", kCorvane, 3);
        wasp.mounts[49] = Mount(45, 1);
        fighters = {Craft("Gnat", 5, 2), wasp, Craft("Hornet", kCorvane, 5),
                    Craft("Lancer PF", kCorvane, 40, 1), Craft("Moth", 17, 1)};
        ships = {ExampleShip(), Carrier(), Craft("CV-Bulwark", kCorvane, 200, 12)};
    }
    void TearDown() override { EXPECT_THAT(harness_.Unused(), IsEmpty()); }

    fw::UiDriver& ui() { return harness_; }
    int Run(CPickShipDlg& dlg, fw::UiDriver::Script script) {
        ui().ExpectModal(IDD_PICKSHIP, std::move(script));
        return dlg.DoModal();
    }

    testsupport::UiHarness harness_;
    std::list<ShipSpec> ships;
    std::list<ShipSpec> fighters;
};

FleetSlot Slot(const std::string& shipCode) {
    FleetSlot slot;
    EXPECT_TRUE(SetShipCode(slot, shipCode));
    return slot;
}

TEST_P(PickShipScenario, EmptySlotOpensOnTheFirstShipWithItsDefaults) {
    CPickShipDlg dlg(nullptr, ships, fighters);
    dlg.ShowShip();
    const int result = Run(dlg, [](fw::DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Pick Ship");
        EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Example");
        EXPECT_EQ(d.Text(IDC_BPV), "100");
        EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), "100");
        EXPECT_EQ(d.Text(IDC_HULL_CLASS), "Frigate");
        // Bow at 1 (right of the picture), then clockwise seen from above.
        EXPECT_EQ(d.Text(IDC_SHIELD1), "10");
        EXPECT_EQ(d.Text(IDC_SHIELD2), "11");
        EXPECT_EQ(d.Text(IDC_SHIELD3), "12");
        EXPECT_EQ(d.Text(IDC_SHIELD4), "13");
        EXPECT_EQ(d.Text(IDC_SHIELD5), "14");
        EXPECT_EQ(d.Text(IDC_SHIELD6), "15");
        EXPECT_EQ(d.Text(IDC_WEAPONRY), "2xDroA\n1xDroB\n2xPh1\n");
        EXPECT_EQ(d.Text(IDC_SHUTTLES_MAX), "4");
        EXPECT_EQ(d.Text(IDC_SHUTTLES), "2");
        EXPECT_EQ(d.Text(IDC_MARINES), "6");
        EXPECT_EQ(d.Text(IDC_MINES), "0");
        EXPECT_EQ(d.Text(IDC_REPAIRS), "2");
        EXPECT_EQ(d.Text(IDC_MISSILE_TYPE), "Type I");
        EXPECT_EQ(d.Text(IDC_MISSILE_SPEED), "Slow");
        EXPECT_EQ(d.Text(IDC_MISSILE_COUNT), "28");
        EXPECT_EQ(d.Text(IDC_FIGHTER_BAYS), "0");
        EXPECT_EQ(d.Text(IDC_FIGHTERS_PER_BAY), "0");
        EXPECT_EQ(d.Text(IDC_FIGHTER_TYPE), "");
        EXPECT_EQ(d.Text(IDC_FIGHTER_COST), "");
        EXPECT_EQ(d.Focus(), fw::kIdOk);
        d.Close();
    });
    EXPECT_EQ(result, fw::kIdCancel);
}

TEST_P(PickShipScenario, ShipStepStopsAtBothEndsAndDropsTheLoadout) {
    CPickShipDlg dlg(nullptr, ships, fighters);
    dlg.ShowShip();
    Run(dlg, [](fw::DialogDriver& d) {
        EXPECT_EQ(d.Spin(IDC_SHIP_SPIN, 1), 0);  // back on the first ship
        EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Example");
        EXPECT_EQ(d.Spin(IDC_SHIP_SPIN, 0), 0);

        d.Spin(IDC_MARINES_SPIN, -1);
        d.Spin(IDC_MISSILE_SPEED_SPIN, -1);
        EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), "116");

        EXPECT_EQ(d.Spin(IDC_SHIP_SPIN, -1), 1);
        EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Aerie");
        EXPECT_EQ(d.Text(IDC_HULL_CLASS), "Carrier");
        EXPECT_EQ(d.Text(IDC_WEAPONRY), "");
        EXPECT_EQ(d.Text(IDC_MISSILE_COUNT), "0");
        EXPECT_EQ(d.Spin(IDC_SHIP_SPIN, -1), 1);
        EXPECT_EQ(d.Text(IDC_HULL_CLASS), "Battleship");
        EXPECT_EQ(d.Spin(IDC_SHIP_SPIN, -1), 0);  // forward on the last ship
        EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Bulwark");
        EXPECT_EQ(d.Text(IDC_BPV), "200");

        d.Spin(IDC_SHIP_SPIN, 1);
        d.Spin(IDC_SHIP_SPIN, 1);
        EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Example");
        EXPECT_EQ(d.Text(IDC_MARINES), "6");
        EXPECT_EQ(d.Text(IDC_MISSILE_SPEED), "Slow");
        EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), "100");
        d.Close();
    });

    // A sequence of one ship never moves.
    const std::list<ShipSpec> one{ExampleShip()};
    CPickShipDlg single(nullptr, one, fighters);
    single.ShowShip();
    Run(single, [](fw::DialogDriver& d) {
        EXPECT_EQ(d.Spin(IDC_SHIP_SPIN, -1), 0);
        EXPECT_EQ(d.Spin(IDC_SHIP_SPIN, 1), 0);
        EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Example");
        d.Close();
    });
}

// The worked example of the point-value rules, clicked through.
TEST_P(PickShipScenario, LoadoutSpinsRecomputeTheAdjustedValue) {
    struct Click {
        const char* what;
        int spin;
        int iDelta;
        fw::LRESULT result;
        const char* adjusted;
        const char* missileCount;
    };
    const Click clicks[] = {
        {"speed Medium", IDC_MISSILE_SPEED_SPIN, -1, 0, "114", "28"},
        {"speed Fast", IDC_MISSILE_SPEED_SPIN, -1, 0, "128", "28"},
        {"speed stays Fast", IDC_MISSILE_SPEED_SPIN, -1, 0, "128", "28"},
        {"speed Medium again", IDC_MISSILE_SPEED_SPIN, 1, 0, "114", "28"},
        {"Type IV", IDC_MISSILE_TYPE_SPIN, -1, 1, "107", "14"},
        {"no type beyond Type IV", IDC_MISSILE_TYPE_SPIN, -1, 0, "107", "14"},
        {"reloads 2", IDC_MISSILE_RELOADS_SPIN, -1, 1, "110", "21"},
        {"one more marine", IDC_MARINES_SPIN, -1, 1, "112", "21"},
        {"one more mine", IDC_MINES_SPIN, -1, 1, "116", "21"},
        {"one more repair", IDC_REPAIRS_SPIN, -1, 1, "120", "21"},
        {"one more shuttle", IDC_SHUTTLES_SPIN, -1, 1, "121", "21"},
        {"a zero step is handled and changes nothing", IDC_SHUTTLES_SPIN, 0, 1, "121", "21"},
        {"Type I", IDC_MISSILE_TYPE_SPIN, 1, 1, "132", "42"},
    };
    CPickShipDlg dlg(nullptr, ships, fighters);
    dlg.ShowShip();
    Run(dlg, [&](fw::DialogDriver& d) {
        for (const Click& click : clicks) {
            EXPECT_EQ(d.Spin(click.spin, click.iDelta), click.result) << click.what;
            EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), click.adjusted) << click.what;
            EXPECT_EQ(d.Text(IDC_MISSILE_COUNT), click.missileCount) << click.what;
        }
        EXPECT_EQ(d.Text(IDC_MISSILE_TYPE), "Type I");
        EXPECT_EQ(d.Text(IDC_MISSILE_SPEED), "Medium");
        d.Close();
    });
}

// The same steps from the keyboard: the arrow keys in a loadout field, Page Up and Page Down
// anywhere for the ship.
TEST_P(PickShipScenario, KeysInTheFieldsStepTheirSpins) {
    struct Press {
        int control;
        int key;
        int shown;
        const char* text;
        const char* adjusted;
    };
    const Press presses[] = {
        {IDC_MARINES, fw::kVkRight, IDC_MARINES, "7", "102"},
        {IDC_MARINES, fw::kVkUp, IDC_MARINES, "8", "104"},
        {IDC_MARINES, fw::kVkLeft, IDC_MARINES, "7", "102"},
        {IDC_MARINES, fw::kVkDown, IDC_MARINES, "6", "100"},
        {IDC_MARINES, fw::kVkDown, IDC_MARINES, "6", "100"},  // the ship's standard figure
        {IDC_SHUTTLES, fw::kVkUp, IDC_SHUTTLES, "3", "101"},
        {IDC_SHUTTLES, fw::kVkRight, IDC_SHUTTLES, "3", "101"},  // its spin points up and down
        {IDC_MISSILE_SPEED, fw::kVkRight, IDC_MISSILE_SPEED, "Medium", "115"},
        {IDC_MISSILE_COUNT, fw::kVkUp, IDC_MISSILE_COUNT, "42", "122"},
        {fw::kIdOk, fw::kVkDown, IDC_MISSILE_COUNT, "42", "122"},  // no spin beside OK
        {IDC_MARINES, fw::kVkPageDown, IDC_SHIP_CODE, "CV-Aerie", nullptr},
        {fw::kIdOk, fw::kVkPageUp, IDC_SHIP_CODE, "CV-Example", "100"},
        {IDC_MISSILE_TYPE, fw::kVkPageUp, IDC_SHIP_CODE, "CV-Example", "100"},  // the first
    };
    CPickShipDlg dlg(nullptr, ships, fighters);
    dlg.ShowShip();
    Run(dlg, [&](fw::DialogDriver& d) {
        for (const Press& press : presses) {
            d.PressKey(press.control, press.key);
            EXPECT_EQ(d.Text(press.shown), press.text) << press.control << " " << press.key;
            if (press.adjusted) {
                EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), press.adjusted) << press.control;
            }
        }
        d.Close();
    });
}

// Each counted value runs from the ship's standard figure up to its maximum and stays there.
TEST_P(PickShipScenario, CountedSpinsStopAtTheShipsBounds) {
    struct Range {
        int spin;
        int edit;
        const char* low;
        int steps;  // from the standard figure to the maximum
        const char* high;
        const char* adjustedAtHigh;
    };
    const Range ranges[] = {
        {IDC_MARINES_SPIN, IDC_MARINES, "6", 4, "10", "108"},
        {IDC_MINES_SPIN, IDC_MINES, "0", 4, "4", "116"},
        {IDC_SHUTTLES_SPIN, IDC_SHUTTLES, "2", 2, "4", "102"},
        {IDC_REPAIRS_SPIN, IDC_REPAIRS, "2", 6, "8", "124"},  // four times the standard
        {IDC_MISSILE_RELOADS_SPIN, IDC_MISSILE_COUNT, "28", 3, "70", "100"},  // "Slow": free
    };
    CPickShipDlg dlg(nullptr, ships, fighters);
    dlg.ShowShip();
    Run(dlg, [&](fw::DialogDriver& d) {
        for (const Range& range : ranges) {
            EXPECT_EQ(d.Spin(range.spin, 1), 0) << range.spin;
            EXPECT_EQ(d.Text(range.edit), range.low) << range.spin;
            for (int i = 0; i < range.steps; ++i)
                EXPECT_EQ(d.Spin(range.spin, -1), 1) << range.spin;
            EXPECT_EQ(d.Spin(range.spin, -1), 0) << range.spin;
            EXPECT_EQ(d.Text(range.edit), range.high) << range.spin;
            EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), range.adjustedAtHigh) << range.spin;
            for (int i = 0; i < range.steps; ++i)
                d.Spin(range.spin, 1);
            EXPECT_EQ(d.Text(range.edit), range.low) << range.spin;
            EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), "100") << range.spin;
        }
        d.Close();
    });
}

TEST_P(PickShipScenario, CarrierFightersPerBayAndTypeWithinTheRace) {
    CPickShipDlg dlg(nullptr, ships, fighters);
    dlg.ShowShip();
    Run(dlg, [](fw::DialogDriver& d) {
        // The example ship has no fighters: the fighter spins do nothing.
        EXPECT_EQ(d.Spin(IDC_FIGHTERS_PER_BAY_SPIN, -1), 0);
        EXPECT_EQ(d.Spin(IDC_FIGHTER_TYPE_SPIN, -1), 0);
        EXPECT_EQ(d.Text(IDC_FIGHTER_COST), "");

        d.Spin(IDC_SHIP_SPIN, -1);
        EXPECT_EQ(d.Text(IDC_FIGHTER_BAYS), "2");
        EXPECT_EQ(d.Text(IDC_FIGHTERS_PER_BAY), "2");
        EXPECT_EQ(d.Text(IDC_FIGHTER_TYPE), "Wasp");
        EXPECT_EQ(d.Text(IDC_FIGHTER_COST), "16");
        EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), "120");

        EXPECT_EQ(d.Spin(IDC_FIGHTERS_PER_BAY_SPIN, -1), 1);
        EXPECT_EQ(d.Text(IDC_FIGHTER_COST), "18");  // 3 x 3 x 2
        EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), "122");
        d.Spin(IDC_FIGHTERS_PER_BAY_SPIN, -1);
        EXPECT_EQ(d.Spin(IDC_FIGHTERS_PER_BAY_SPIN, -1), 0);  // four at most
        EXPECT_EQ(d.Text(IDC_FIGHTERS_PER_BAY), "4");

        EXPECT_EQ(d.Spin(IDC_FIGHTER_TYPE_SPIN, 1), 0);  // the entry before is another race's
        EXPECT_EQ(d.Spin(IDC_FIGHTER_TYPE_SPIN, -1), 1);
        EXPECT_EQ(d.Text(IDC_FIGHTER_TYPE), "Hornet");
        EXPECT_EQ(d.Text(IDC_FIGHTER_COST), "40");  // 5 x 4 x 2
        EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), "144");
        d.Spin(IDC_FIGHTER_TYPE_SPIN, -1);
        EXPECT_EQ(d.Text(IDC_FIGHTER_TYPE), "Lancer PF");
        EXPECT_EQ(d.Spin(IDC_FIGHTER_TYPE_SPIN, -1), 0);  // the next is another race's
        EXPECT_EQ(d.Text(IDC_FIGHTER_TYPE), "Lancer PF");
        // The count stays above a PF's stop of one, and never grows further.
        EXPECT_EQ(d.Spin(IDC_FIGHTERS_PER_BAY_SPIN, -1), 0);
        EXPECT_EQ(d.Text(IDC_FIGHTERS_PER_BAY), "4");
        d.Close();
    });
}

TEST_P(PickShipScenario, OccupiedSlotReopensWithItsLoadoutAndRecomputedValues) {
    FleetSlot slot = Slot("CV-Example");
    slot.baseBpv = 999;  // never read: both values are recomputed
    slot.adjustedBpv = 999;
    slot.marinesTaken = 8;
    slot.minesTaken = 1;
    slot.repairsTaken = 3;
    slot.shuttlesTaken = 3;
    slot.missileType = 4;
    slot.missileSpeed = 2;
    slot.missileReloads = 2;
    CPickShipDlg dlg(nullptr, ships, fighters);
    dlg.LoadSlot(slot);
    Run(dlg, [](fw::DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Example");
        EXPECT_EQ(d.Text(IDC_BPV), "100");
        EXPECT_EQ(d.Text(IDC_MARINES), "8");
        EXPECT_EQ(d.Text(IDC_MINES), "1");
        EXPECT_EQ(d.Text(IDC_REPAIRS), "3");
        EXPECT_EQ(d.Text(IDC_SHUTTLES), "3");
        EXPECT_EQ(d.Text(IDC_MISSILE_TYPE), "Type IV");
        EXPECT_EQ(d.Text(IDC_MISSILE_SPEED), "Medium");
        EXPECT_EQ(d.Text(IDC_MISSILE_COUNT), "21");  // half the racks' 14, three loads
        // 100 + 4 + 4 + 4 + 1 = 113, plus 21 missiles at half a point: 123.5, truncated.
        EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), "123");
        d.Spin(IDC_MISSILE_TYPE_SPIN, 1);
        EXPECT_EQ(d.Text(IDC_MISSILE_COUNT), "42");
        EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), "134");
        d.Click(fw::kIdOk);
    });
    FleetSlot expected = slot;
    expected.baseBpv = 100;
    expected.adjustedBpv = 134;
    expected.missileType = 1;
    EXPECT_EQ(dlg.FillSlot(), expected);
}

TEST_P(PickShipScenario, OccupiedCarrierSlotTakesItsFightersWhenTheTypeIsFound) {
    struct Case {
        const char* what;
        int32_t bays;
        int32_t perBay;
        const char* type;
        const char* shownBays;
        const char* shownPerBay;
        const char* shownType;
        const char* cost;
        const char* adjusted;
    };
    const Case cases[] = {
        {"found", 3, 1, "Hornet", "3", "1", "Hornet", "15", "119"},
        {"type not found", 3, 1, "Nobody", "3", "1", "Wasp", "16", "120"},
        {"type matched exactly", 3, 1, "hornet", "3", "1", "Wasp", "16", "120"},
        {"no fighters per bay", 3, 0, "Hornet", "2", "2", "Wasp", "16", "120"},
        {"no bays", 0, 1, "Hornet", "2", "2", "Wasp", "16", "120"},
    };
    for (const Case& c : cases) {
        FleetSlot slot = Slot("CV-Aerie");
        slot.fighterBays = c.bays;
        slot.fightersPerBay = c.perBay;
        ASSERT_TRUE(SetFighterType(slot, c.type));
        CPickShipDlg dlg(nullptr, ships, fighters);
        dlg.LoadSlot(slot);
        Run(dlg, [&](fw::DialogDriver& d) {
            EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Aerie") << c.what;
            EXPECT_EQ(d.Text(IDC_FIGHTER_BAYS), c.shownBays) << c.what;
            EXPECT_EQ(d.Text(IDC_FIGHTERS_PER_BAY), c.shownPerBay) << c.what;
            EXPECT_EQ(d.Text(IDC_FIGHTER_TYPE), c.shownType) << c.what;
            EXPECT_EQ(d.Text(IDC_FIGHTER_COST), c.cost) << c.what;
            EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), c.adjusted) << c.what;
            d.Close();
        });
    }
}

TEST_P(PickShipScenario, SlotOfAShipNotOfferedOpensOnTheFirstShipWithItsDefaults) {
    for (const char* code : {"CV-Gone", "cv-example", "CV-Example "}) {
        FleetSlot slot = Slot(code);
        slot.marinesTaken = 9;
        slot.missileType = 4;
        slot.missileSpeed = 3;
        slot.missileReloads = 4;
        CPickShipDlg dlg(nullptr, ships, fighters);
        dlg.LoadSlot(slot);
        Run(dlg, [&](fw::DialogDriver& d) {
            EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Example") << code;
            EXPECT_EQ(d.Text(IDC_MARINES), "6") << code;
            EXPECT_EQ(d.Text(IDC_MISSILE_TYPE), "Type I") << code;
            EXPECT_EQ(d.Text(IDC_MISSILE_COUNT), "28") << code;
            EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), "100") << code;
            d.Click(fw::kIdOk);
        });
        EXPECT_EQ(ShipCodeText(dlg.FillSlot()), "CV-Example") << code;
        EXPECT_EQ(dlg.FillSlot().marinesTaken, 6) << code;
    }
}

TEST_P(PickShipScenario, OkHandsBackTheShipAndEveryLoadoutField) {
    CPickShipDlg dlg(nullptr, ships, fighters);
    dlg.ShowShip();
    const int result = Run(dlg, [](fw::DialogDriver& d) {
        d.Spin(IDC_SHIP_SPIN, -1);
        d.Spin(IDC_FIGHTERS_PER_BAY_SPIN, -1);
        d.Spin(IDC_FIGHTER_TYPE_SPIN, -1);
        d.Spin(IDC_MISSILE_SPEED_SPIN, -1);
        d.Spin(IDC_MISSILE_SPEED_SPIN, -1);
        d.Spin(IDC_MISSILE_TYPE_SPIN, -1);
        EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), "134");  // 120 + 30 - 16
        d.Click(fw::kIdOk);
    });
    EXPECT_EQ(result, fw::kIdOk);
    FleetSlot expected = Slot("CV-Aerie");
    expected.baseBpv = 120;
    expected.adjustedBpv = 134;
    expected.missileType = 4;
    expected.missileSpeed = 3;
    expected.fighterBays = 2;
    expected.fightersPerBay = 3;
    ASSERT_TRUE(SetFighterType(expected, "Hornet"));
    EXPECT_EQ(dlg.FillSlot(), expected);

    CPickShipDlg cancelled(nullptr, ships, fighters);
    cancelled.ShowShip();
    EXPECT_EQ(Run(cancelled, [](fw::DialogDriver& d) { d.Click(fw::kIdCancel); }), fw::kIdCancel);
}

TEST_P(PickShipScenario, FighterSpecsShowTheTypesWeaponsOnlyWithFightersOnShow) {
    CPickShipDlg dlg(nullptr, ships, fighters);
    dlg.ShowShip();
    Run(dlg, [](fw::DialogDriver& d) {
        d.Click(IDC_FIGHTER_SPECS);  // no fighters on the example ship
        d.Spin(IDC_SHIP_SPIN, -1);
        d.Click(IDC_FIGHTER_SPECS);
        d.Spin(IDC_FIGHTER_TYPE_SPIN, -1);
        d.Click(IDC_FIGHTER_SPECS);
        EXPECT_EQ(d.Text(IDC_FIGHTER_TYPE), "Hornet");  // the box changed nothing
        d.Close();
    });
    const std::string app = fw::AfxGetAppName();
    EXPECT_THAT(
        ui().MessageBoxes(),
        ::testing::ElementsAre(
            fw::MessageBoxRecord{"Wasp:\n\n1xPh3\n", app, fw::kMbOk, fw::kIdOk, IDD_PICKSHIP},
            fw::MessageBoxRecord{"Hornet:\n\n", app, fw::kMbOk, fw::kIdOk, IDD_PICKSHIP}));
}

// Find Ship lists the sequence and narrows it as the user types; the chosen ship is shown as the
// ship step shows it, and the spin steps on from it. Cancel leaves the ship on show.
TEST_P(PickShipScenario, FindShipShowsTheChosenShipAsTheShipStepWould) {
    CPickShipDlg dlg(nullptr, ships, fighters);
    dlg.ShowShip();
    Run(dlg, [this](fw::DialogDriver& d) {
        if (harness_.Kind() == testsupport::UiKind::kHeadless) {
            const auto menu = fw::headless::AsHeadless(d).SystemMenu();
            ASSERT_EQ(menu.size(), 2u);
            EXPECT_EQ(menu[1].text, "&Find Ship...\tCtrl+F");
        }
        d.Spin(IDC_MARINES_SPIN, -1);  // a loadout that the step drops
        ui().ExpectModal(IDD_FIND_SHIP, [](fw::DialogDriver& f) {
            // Letters typed in the list select by the class name's beginning, or nothing.
            f.TypeInList(IDC_FIND_LIST, "CV-b");
            EXPECT_EQ(f.ListText(IDC_FIND_LIST, f.ListSelection(IDC_FIND_LIST), 0), "CV-Bulwark");
            f.TypeInList(IDC_FIND_LIST, "zz");
            EXPECT_EQ(f.ListText(IDC_FIND_LIST, f.ListSelection(IDC_FIND_LIST), 0), "CV-Bulwark");
            f.Close();
        });
        d.SysCommand(IDM_FIND_SHIP);
        ui().ExpectModal(IDD_FIND_SHIP, [](fw::DialogDriver& f) { f.Click(fw::kIdOk); });
        d.SysCommand(IDM_FIND_SHIP);  // OK on the ship on show keeps its loadout
        EXPECT_EQ(d.Text(IDC_MARINES), "7");
        ui().ExpectModal(IDD_FIND_SHIP, [](fw::DialogDriver& f) {
            EXPECT_EQ(f.Text(IDC_FIND_COUNT), "3 of 3 ships");
            EXPECT_EQ(f.ListSelection(IDC_FIND_LIST), 0);
            EXPECT_EQ(f.Focus(), IDC_FIND_TEXT);
            f.Type(IDC_FIND_TEXT, "cv AR");  // CV-Aerie's "Carrier", CV-Bulwark
            EXPECT_EQ(f.Text(IDC_FIND_COUNT), "2 of 3 ships");
            EXPECT_EQ(f.ListText(IDC_FIND_LIST, 1, 0), "CV-Bulwark");
            EXPECT_EQ(f.ListText(IDC_FIND_LIST, 1, 2), "Battleship");
            f.PressKey(IDC_FIND_TEXT, fw::kVkDown);
            EXPECT_EQ(f.ListSelection(IDC_FIND_LIST), 1);
            f.Click(fw::kIdOk);
        });
        if (harness_.Kind() == testsupport::UiKind::kHeadless) {
            // A read-only edit has no use for Ctrl+F: the shortcut works from it too.
            fw::headless::AsHeadless(d).MoveFocus(IDC_MARINES);
            fw::headless::AsHeadless(d).PressCtrlKey('F');
        } else
            d.SysCommand(IDM_FIND_SHIP);
        EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Bulwark");
        EXPECT_EQ(d.Text(IDC_BPV), "200");
        EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), "200");
        EXPECT_EQ(d.Text(IDC_HULL_CLASS), "Battleship");
        EXPECT_EQ(d.Text(IDC_MARINES), "0");

        d.Spin(IDC_SHIP_SPIN, 1);
        EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Aerie");
        ui().ExpectModal(IDD_FIND_SHIP, [this](fw::DialogDriver& f) {
            EXPECT_EQ(f.Text(IDC_FIND_TEXT), "cv AR");     // the search as it was left
            EXPECT_EQ(f.ListSelection(IDC_FIND_LIST), 0);  // the ship on show
            // Highest BPV first: by the header twice, or Ctrl and the column's number.
            f.ClickColumnHeader(IDC_FIND_LIST, 3);
            if (harness_.Kind() == testsupport::UiKind::kHeadless)
                fw::headless::AsHeadless(f).PressCtrlKey('4');
            else
                f.SysCommand(IDM_SORT_BY_COLUMN + 3 * 16);
            EXPECT_EQ(f.ListText(IDC_FIND_LIST, 0, 0), "CV-Bulwark");
            EXPECT_EQ(f.ListSelection(IDC_FIND_LIST), 1);
            f.ClickRow(IDC_FIND_LIST, -1);  // below the rows: nothing selected
            EXPECT_FALSE(f.IsEnabled(fw::kIdOk));
            f.ClickRow(IDC_FIND_LIST, 0);
            EXPECT_TRUE(f.IsEnabled(fw::kIdOk));
            f.Type(IDC_FIND_TEXT, "zzz");
            EXPECT_EQ(f.Text(IDC_FIND_COUNT), "0 of 3 ships");
            EXPECT_FALSE(f.IsEnabled(fw::kIdOk));  // nothing to choose, and a line says so
            EXPECT_TRUE(f.IsVisible(IDC_FIND_NONE));
            EXPECT_FALSE(f.IsVisible(IDC_FIND_LIST));
            f.Type(IDC_FIND_TEXT, "bulwark");
            EXPECT_TRUE(f.IsEnabled(fw::kIdOk));
            EXPECT_FALSE(f.IsVisible(IDC_FIND_NONE));
            f.Close();
        });
        d.SysCommand(IDM_FIND_SHIP);
        EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Aerie");
        EXPECT_EQ(d.Text(IDC_FIGHTER_TYPE), "Wasp");

        ui().ExpectModal(IDD_FIND_SHIP, [](fw::DialogDriver& f) {
            f.Type(IDC_FIND_TEXT, "");
            EXPECT_EQ(f.ListText(IDC_FIND_LIST, 0, 0), "CV-Bulwark");  // still by BPV
            f.DoubleClickRow(IDC_FIND_LIST, 0);
        });
        d.SysCommand(IDM_FIND_SHIP);
        EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Bulwark");
        d.Close();
    });
}

TEST_P(PickShipScenario, EmptyCatalogueOpensWithNothingAndHandsNothingBack) {
    const std::list<ShipSpec> none;
    for (bool occupied : {false, true}) {
        CPickShipDlg dlg(nullptr, none, fighters);
        if (occupied)
            dlg.LoadSlot(Slot("CV-Example"));
        else
            dlg.ShowShip();
        const int result = Run(dlg, [](fw::DialogDriver& d) {
            for (int spin :
                 {IDC_SHIP_SPIN, IDC_MARINES_SPIN, IDC_MINES_SPIN, IDC_SHUTTLES_SPIN,
                  IDC_REPAIRS_SPIN, IDC_MISSILE_RELOADS_SPIN, IDC_MISSILE_TYPE_SPIN,
                  IDC_MISSILE_SPEED_SPIN, IDC_FIGHTERS_PER_BAY_SPIN, IDC_FIGHTER_TYPE_SPIN}) {
                for (int delta : {-1, 1, 0})
                    EXPECT_EQ(d.Spin(spin, delta), 0) << spin << " " << delta;
            }
            d.Click(IDC_FIGHTER_SPECS);
            for (int id : {IDC_SHIP_CODE, IDC_BPV, IDC_ADJUSTED_BPV, IDC_HULL_CLASS, IDC_WEAPONRY,
                           IDC_SHIELD1, IDC_SHUTTLES_MAX, IDC_MISSILE_TYPE, IDC_MISSILE_SPEED,
                           IDC_FIGHTER_TYPE, IDC_FIGHTER_COST}) {
                EXPECT_EQ(d.Text(id), "") << id;
            }
            EXPECT_EQ(d.Text(IDC_MARINES), "0");
            d.Click(fw::kIdOk);
        });
        EXPECT_EQ(result, fw::kIdCancel) << "OK has nothing to hand back";
        EXPECT_EQ(dlg.FillSlot(), FleetSlot{});
    }
    EXPECT_THAT(ui().MessageBoxes(), IsEmpty());
}

TEST_P(PickShipScenario, ClassNameTooLongForTheRecordIsRefusedAtOk) {
    ShipSpec longShip = ExampleShip();
    longShip.className = "CV-Sixteen-Chars";
    ShipSpec longCarrier = Carrier();
    fighters.push_back(Craft(std::string(40, 'F'), kCorvane, 3));
    longCarrier.bays[0].craft = fighters.back();
    // A damaged table's name with a zero byte: the real controls show it cut short, and the cut
    // name would be another ship.
    ShipSpec nulShip = ExampleShip();
    nulShip.className = std::string("CV\0Nul", 6);
    const std::list<ShipSpec> offered{longShip, longCarrier, nulShip};

    CPickShipDlg dlg(nullptr, offered, fighters);
    dlg.ShowShip();
    const int result = Run(dlg, [](fw::DialogDriver& d) {
        d.Click(fw::kIdOk);
        EXPECT_TRUE(d.IsDialogVisible());
        EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Sixteen-Chars");
        d.Spin(IDC_SHIP_SPIN, -1);
        d.Click(fw::kIdOk);
        EXPECT_TRUE(d.IsDialogVisible());
        d.Spin(IDC_SHIP_SPIN, -1);
        d.Click(fw::kIdOk);
        EXPECT_TRUE(d.IsDialogVisible());
        d.Close();
    });
    EXPECT_EQ(result, fw::kIdCancel);
    const std::vector<fw::MessageBoxRecord> boxes = ui().MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2].text, "The class name \"CV\" holds a zero byte and cannot be saved.");
    EXPECT_EQ(boxes[0].text,
              "The class name \"CV-Sixteen-Chars\" is too long to be saved (at most 15 "
              "characters).");
    EXPECT_EQ(boxes[0].flags, fw::kMbOk | fw::kMbIconExclamation);
    EXPECT_EQ(boxes[0].caption, fw::AfxGetAppName());
    EXPECT_EQ(boxes[1].text, "The fighter class name \"" + std::string(40, 'F') +
                                 "\" is too long to be saved (at most 39 characters).");

    // Names that just fit are stored whole.
    longShip.className = "CV-Fifteen-Char";
    longCarrier.className = "CV-Fits";
    fighters.push_back(Craft(std::string(39, 'F'), kCorvane, 3));
    longCarrier.bays[0].craft = fighters.back();
    const std::list<ShipSpec> fitting{longShip, longCarrier};
    CPickShipDlg fits(nullptr, fitting, fighters);
    fits.ShowShip();
    EXPECT_EQ(Run(fits, [](fw::DialogDriver& d) { d.Click(fw::kIdOk); }), fw::kIdOk);
    EXPECT_EQ(ShipCodeText(fits.FillSlot()), "CV-Fifteen-Char");
    CPickShipDlg fitsCarrier(nullptr, fitting, fighters);
    fitsCarrier.LoadSlot(Slot("CV-Fits"));
    EXPECT_EQ(Run(fitsCarrier, [](fw::DialogDriver& d) { d.Click(fw::kIdOk); }), fw::kIdOk);
    EXPECT_EQ(FighterTypeText(fitsCarrier.FillSlot()), std::string(39, 'F'));
}

#ifndef _WIN32
// The bundled demo game's catalogue, through the program's globals: every offered ship can be
// reached in order, with a hull-class label and its default point value.
TEST_P(PickShipScenario, DemoCatalogueEveryShipReachableThroughTheGlobals) {
    testsupport::TempWinePrefix prefix{testsupport::WineArch::kWin64};
    prefix.AddDrive('z', "/");
    std::string directory = "Z:" KV_SOURCE_DIR "/demo/HalvaneReach";
    for (char& c : directory) {
        if (c == '/')
            c = '\\';
    }
    prefix.SetGameDirectory(directory);
    struct RestoreGlobals {
        ~RestoreGlobals() {
            g_shipCatalogue = ShipCatalogue();
            g_fighterCatalogue = ShipCatalogue();
            g_orderIgnoresClass = false;
        }
    } restore;
    ASSERT_TRUE(LoadCatalogue(g_shipCatalogue));
    OrderCatalogues(g_shipCatalogue, g_fighterCatalogue);
    NarrowToMode(g_shipCatalogue, false);
    ASSERT_GT(g_shipCatalogue.mainList.size(), 1u);

    CPickShipDlg dlg(nullptr, g_shipCatalogue.mainList, g_fighterCatalogue.mainList);
    dlg.ShowShip();
    std::vector<std::string> seen;
    Run(dlg, [&](fw::DialogDriver& d) {
        do {
            seen.push_back(d.Text(IDC_SHIP_CODE));
            EXPECT_NE(d.Text(IDC_HULL_CLASS), "") << seen.back();
            EXPECT_EQ(d.Text(IDC_ADJUSTED_BPV), d.Text(IDC_BPV)) << seen.back();
        } while (d.Spin(IDC_SHIP_SPIN, -1) == 1);
        d.Click(fw::kIdOk);
    });
    std::vector<std::string> offered;
    for (const ShipSpec& ship : g_shipCatalogue.mainList)
        offered.push_back(ship.className);
    EXPECT_EQ(seen, offered);
    EXPECT_EQ(ShipCodeText(dlg.FillSlot()), offered.back());
}
#endif

KV_INSTANTIATE_UI_TEST_SUITE_P(PickShipScenario);

}  // namespace
