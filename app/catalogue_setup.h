#pragma once

#include "app/ship_catalogue.h"

// Orders the freshly loaded ship catalogue and derives the fighter catalogue from it:
// ships sorted in full order; fighters = a copy keeping hull classes 1 (PF) and 0 (shuttle and
// every fighter-table row), sorted in race order. Leaves g_orderIgnoresClass true.
void OrderCatalogues(ShipCatalogue& ships, ShipCatalogue& fighters);

// Narrows the ordered ship catalogue to the ships a start-up mode offers.
// Sector Assault: base stations, battle stations and starbases of every race but "Neutral"
// (23); the full order stands and g_orderIgnoresClass is left as it is.
// Normal: the "Corvane" (16) ships of hull classes 3 to 12, sorted again in full order, which
// leaves g_orderIgnoresClass false.
void NarrowToMode(ShipCatalogue& ships, bool sectorAssault);
