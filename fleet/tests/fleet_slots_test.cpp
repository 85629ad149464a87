#include "fleet/fleet_slots.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace {

FleetSlot SlotOf(const char* code, int32_t adjustedBpv) {
    FleetSlot slot;
    EXPECT_TRUE(SetShipCode(slot, code));
    slot.baseBpv = 1;
    slot.adjustedBpv = adjustedBpv;
    slot.marinesTaken = 4;
    return slot;
}

TEST(FleetSlots, EmptySlotsShowNothingAndTotalZero) {
    const FleetSlots slots;
    for (int i = 0; i < FleetSlots::kCount; ++i) {
        EXPECT_FALSE(slots.IsOccupied(i));
        EXPECT_EQ(slots.ShipCodeShown(i), "");
        EXPECT_EQ(slots.BpvShown(i), "");
    }
    EXPECT_EQ(slots.Total(), 0);
}

TEST(FleetSlots, PlacedShipsShowAndCountClearedOnesDoNot) {
    FleetSlots slots;
    slots.Place(0, SlotOf("V-CA", 120));
    slots.Place(1, SlotOf("V-DD", -7));
    slots.Place(2, SlotOf("V-FF", 65));
    EXPECT_EQ(slots.ShipCodeShown(1), "V-DD");
    EXPECT_EQ(slots.BpvShown(1), "-7");
    EXPECT_EQ(slots.Total(), 178);

    slots.Clear(1);
    EXPECT_FALSE(slots.IsOccupied(1));
    EXPECT_EQ(slots.Slot(1), FleetSlot{});  // no stale record behind an empty slot
    EXPECT_EQ(slots.ShipCodeShown(1), "");
    EXPECT_EQ(slots.BpvShown(1), "");
    EXPECT_EQ(slots.Total(), 185);  // slots 1 and 3
    EXPECT_TRUE(slots.States()[2].occupied);
    EXPECT_EQ(slots.States()[2].slot, SlotOf("V-FF", 65));
}

// A slot holding the all-zero record is still a ship the user placed (a file may hold one).
TEST(FleetSlots, OccupiedIsNotTheSameAsNonZero) {
    FleetSlots slots;
    slots.Place(2, FleetSlot{});
    EXPECT_TRUE(slots.IsOccupied(2));
    EXPECT_EQ(slots.BpvShown(2), "0");
}

// Point values read back from a file are not checked; their sum must not overflow.
TEST(FleetSlots, TotalOfExtremeValuesIsExact) {
    FleetSlots slots;
    slots.Place(0, SlotOf("A", INT32_MAX));
    slots.Place(1, SlotOf("B", INT32_MAX));
    slots.Place(2, SlotOf("C", INT32_MAX));
    EXPECT_EQ(slots.Total(), 3LL * INT32_MAX);
    slots.Place(0, SlotOf("A", INT32_MIN));
    slots.Place(1, SlotOf("B", INT32_MIN));
    EXPECT_EQ(slots.Total(), 2LL * INT32_MIN + INT32_MAX);
}

TEST(FleetSlots, OnlyThreeSlots) {
    FleetSlots slots;
    EXPECT_THROW(slots.Place(3, SlotOf("A", 1)), std::out_of_range);
    EXPECT_THROW(slots.Clear(-1), std::out_of_range);
    EXPECT_THROW(slots.IsOccupied(3), std::out_of_range);
}

}  // namespace
