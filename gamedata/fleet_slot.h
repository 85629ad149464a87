#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// One chosen ship with its loadout: the unit the picker hands back, the main dialog keeps per
// slot and the fleet file stores. The all-zero record is the empty slot. The two text fields are
// fixed-size byte arrays as in the file; a name fills at most size - 1 bytes plus its terminator.
struct FleetSlot {
    static constexpr size_t kShipCodeSize = 16;
    static constexpr size_t kFighterTypeSize = 40;

    char shipCode[kShipCodeSize] = {};
    int32_t baseBpv = 0;
    int32_t adjustedBpv = 0;
    int32_t marinesTaken = 0;
    int32_t minesTaken = 0;
    int32_t repairsTaken = 0;
    int32_t shuttlesTaken = 0;
    int32_t missileType = 0;   // 1 "Type I", 4 "Type IV"
    int32_t missileSpeed = 0;  // 1 "Slow", 2 "Medium", 3 "Fast"
    int32_t missileReloads = 0;
    int32_t reserved = 0;
    int32_t fighterBays = 0;
    int32_t fightersPerBay = 0;
    char fighterType[kFighterTypeSize] = {};

    bool operator==(const FleetSlot& other) const;
    bool operator!=(const FleetSlot& other) const { return !(*this == other); }
};

// The text of a name field: its bytes up to the terminator, or the whole field when a record
// read from a file has none.
std::string FieldText(const char* field, size_t size);
inline std::string ShipCodeText(const FleetSlot& slot) {
    return FieldText(slot.shipCode, FleetSlot::kShipCodeSize);
}
inline std::string FighterTypeText(const FleetSlot& slot) {
    return FieldText(slot.fighterType, FleetSlot::kFighterTypeSize);
}

// Stores a name with its terminator and zeros after it. A name that does not fit (or holds a
// zero byte, which would cut it short) is refused: the field is left unchanged and the result is
// false, so a name is never cut into a different one.
bool SetField(char* field, size_t size, const std::string& text);
// Stores a name as a record read from a file may hold it: up to the whole field, with no
// terminator when it fills the field. A longer name, or one holding a zero byte, is refused.
bool SetStoredField(char* field, size_t size, const std::string& text);
inline bool SetShipCode(FleetSlot& slot, const std::string& text) {
    return SetField(slot.shipCode, FleetSlot::kShipCodeSize, text);
}
inline bool SetFighterType(FleetSlot& slot, const std::string& text) {
    return SetField(slot.fighterType, FleetSlot::kFighterTypeSize, text);
}
