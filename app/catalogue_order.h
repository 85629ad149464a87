#pragma once

#include "gamedata/ship_spec.h"

// Selects the ordering that every catalogue sort uses. False: full order (race, hull class,
// point value). True: race order (race, point value), which keeps each race's fighters, shuttles
// and PFs together, cheapest first. A plain global in zero-initialised storage, so it is false
// before any static constructor runs.
extern bool g_orderIgnoresClass;

// The catalogue's one less-than operation. Reads g_orderIgnoresClass on every call; all keys
// ascend and compare signed. Records equal in every key of the ordering are not less than each
// other, so a stable sort keeps them in their previous order.
bool ShipOrderLess(const ShipSpec& lhs, const ShipSpec& rhs);

// The keys ShipOrderLess compares, taken out of a record for sorting many records at once: one
// key is less than another exactly when ShipOrderLess says so of their records. Reads
// g_orderIgnoresClass when made.
struct ShipOrderKey {
    int32_t race;
    int32_t hullClass;  // 0 while the ordering ignores the class
    int32_t bpv;

    bool operator<(const ShipOrderKey& other) const {
        if (race != other.race)
            return race < other.race;
        if (hullClass != other.hullClass)
            return hullClass < other.hullClass;
        return bpv < other.bpv;
    }
};

ShipOrderKey MakeShipOrderKey(const ShipSpec& ship);
