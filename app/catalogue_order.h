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
