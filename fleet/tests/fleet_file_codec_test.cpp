#include "fleet/fleet_file_codec.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fleet/tests/fleet_test_texts.h"

namespace {

using fleettest::Le;
using fleettest::Padded;

FleetSlot Slot(const char* ship, int32_t adjusted, const char* fighter = "") {
    FleetSlot slot;
    EXPECT_TRUE(SetShipCode(slot, ship));
    EXPECT_TRUE(SetFighterType(slot, fighter));
    slot.baseBpv = adjusted - 3;
    slot.adjustedBpv = adjusted;
    slot.marinesTaken = 6;
    slot.minesTaken = 2;
    slot.repairsTaken = 3;
    slot.shuttlesTaken = 4;
    slot.missileType = 4;
    slot.missileSpeed = 2;
    slot.missileReloads = 3;
    slot.fighterBays = 2;
    slot.fightersPerBay = 3;
    return slot;
}

// The record as the game reads it, field by field.
std::string ExpectedRecord(const FleetSlot& s, const std::string& ship, const std::string& ftr) {
    return Padded(ship, 16) + Le(s.baseBpv) + Le(s.adjustedBpv) + Le(s.marinesTaken) +
           Le(s.minesTaken) + Le(s.repairsTaken) + Le(s.shuttlesTaken) + Le(s.missileType) +
           Le(s.missileSpeed) + Le(s.missileReloads) + Le(0) + Le(s.fighterBays) +
           Le(s.fightersPerBay) + Padded(ftr, 40);
}

TEST(FleetFileCodec, WritesHeaderAndOccupiedSlotsInSlotOrder) {
    const FleetSlot first = Slot("V-CA", 131, "Wasp");
    const FleetSlot third = Slot("V-DN", -12);
    std::array<SlotState, 3> slots{};
    EXPECT_EQ(EncodeFleetFile(slots), Le(2) + Le(0));

    slots[0] = {true, first};
    EXPECT_EQ(EncodeFleetFile(slots).size(), 112u);

    slots[2] = {true, third};
    const std::string bytes = EncodeFleetFile(slots);
    ASSERT_EQ(bytes.size(), 216u);
    EXPECT_EQ(bytes, Le(2) + Le(2) + ExpectedRecord(first, "V-CA", "Wasp") +
                         ExpectedRecord(third, "V-DN", ""));

    slots[1] = {true, first};
    EXPECT_EQ(EncodeFleetFile(slots).size(), 320u);
}

TEST(FleetFileCodec, NameFieldsAreZeroAfterTheirTerminator) {
    FleetSlot slot;
    std::memset(slot.shipCode, 'Z', sizeof slot.shipCode);
    slot.shipCode[3] = '\0';
    unsigned char record[kFleetSlotSize];
    EncodeFleetSlot(slot, record);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(record), 16), Padded("ZZZ", 16));
}

TEST(FleetFileCodec, DecodesWhatItEncodesAndZeroFillsShortRecords) {
    const FleetSlot slot = Slot("Corvane Lance", 77, "Hornet Mk II");
    unsigned char record[kFleetSlotSize];
    EncodeFleetSlot(slot, record);
    EXPECT_EQ(DecodeFleetSlot(record, kFleetSlotSize), slot);

    const FleetSlot shortSlot = DecodeFleetSlot(record, 24);  // name, base and adjusted only
    EXPECT_EQ(ShipCodeText(shortSlot), "Corvane Lance");
    EXPECT_EQ(shortSlot.adjustedBpv, 77);
    EXPECT_EQ(shortSlot.marinesTaken, 0);
    EXPECT_EQ(FighterTypeText(shortSlot), "");
}

TEST(FleetSlotNames, UnterminatedFieldsAreBoundedAndLongNamesRefused) {
    unsigned char record[kFleetSlotSize];
    std::memset(record, 'X', sizeof record);  // no terminator in either name field
    const FleetSlot garbage = DecodeFleetSlot(record, sizeof record);
    EXPECT_EQ(ShipCodeText(garbage), std::string(16, 'X'));
    EXPECT_EQ(FighterTypeText(garbage), std::string(40, 'X'));

    FleetSlot slot;
    EXPECT_TRUE(SetShipCode(slot, std::string(15, 'A')));
    EXPECT_FALSE(SetShipCode(slot, std::string(16, 'B')));
    EXPECT_EQ(ShipCodeText(slot), std::string(15, 'A')) << "a refused name leaves the field";
    EXPECT_TRUE(SetFighterType(slot, std::string(39, 'C')));
    EXPECT_FALSE(SetFighterType(slot, std::string(40, 'C')));
    EXPECT_FALSE(SetShipCode(slot, std::string("A\0B", 3)));
}

}  // namespace
