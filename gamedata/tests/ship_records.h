#pragma once

#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "gamedata/ship_spec.h"

// Compact records for catalogue tests: only the ordering keys and a name to follow them by.
inline ShipSpec MakeShip(int32_t race, int32_t hullClass, int32_t bpv, const std::string& name) {
    ShipSpec ship;
    ship.race = race;
    ship.hullClass = hullClass;
    ship.bpv = bpv;
    ship.className = name;
    return ship;
}

inline std::vector<std::string> Names(const std::list<ShipSpec>& ships) {
    std::vector<std::string> names;
    for (const ShipSpec& ship : ships) {
        names.push_back(ship.className);
    }
    return names;
}
