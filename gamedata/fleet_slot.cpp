#include "gamedata/fleet_slot.h"

#include <cstring>

bool FleetSlot::operator==(const FleetSlot& other) const {
    return std::memcmp(shipCode, other.shipCode, kShipCodeSize) == 0 && baseBpv == other.baseBpv &&
           adjustedBpv == other.adjustedBpv && marinesTaken == other.marinesTaken &&
           minesTaken == other.minesTaken && repairsTaken == other.repairsTaken &&
           shuttlesTaken == other.shuttlesTaken && missileType == other.missileType &&
           missileSpeed == other.missileSpeed && missileReloads == other.missileReloads &&
           reserved == other.reserved && fighterBays == other.fighterBays &&
           fightersPerBay == other.fightersPerBay &&
           std::memcmp(fighterType, other.fighterType, kFighterTypeSize) == 0;
}

std::string FieldText(const char* field, size_t size) {
    size_t length = 0;
    while (length < size && field[length] != '\0')
        ++length;
    return std::string(field, length);
}

bool SetField(char* field, size_t size, const std::string& text) {
    return text.size() < size && SetStoredField(field, size, text);
}

bool SetStoredField(char* field, size_t size, const std::string& text) {
    if (text.size() > size || text.find('\0') != std::string::npos)
        return false;
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), text.size());
    return true;
}
