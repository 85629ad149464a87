#pragma once

#include <vector>

#include "app/ship_catalogue.h"

// Orders the freshly loaded ship catalogue and derives the fighter catalogue from it:
// ships sorted in full order; fighters = a copy keeping hull classes 1 (PF) and 0 (shuttle and
// every fighter-table row), sorted in race order. Leaves g_orderIgnoresClass true.
void OrderCatalogues(ShipCatalogue& ships, ShipCatalogue& fighters);

// Whether a start-up mode offers a ship, and if not, the first of its rules that leaves it out.
// Normal mode: the "Corvane" (16) ships of hull classes 3 to 12 (frigate to battleship); race
// first, then class. Sector Assault mode: base stations, battle stations and starbases (14 to
// 16) of every race but "Neutral" (23); class first, then race.
enum class ModeVerdict {
    kOffered,
    kNotCorvane,   // normal mode: the race is not "Corvane"
    kNotWarship,   // normal mode: the hull class is not one of 3 to 12
    kNotBase,      // Sector Assault mode: the hull class is not one of 14 to 16
    kNeutralRace,  // Sector Assault mode: the race is "Neutral"
};
ModeVerdict JudgeForMode(const ShipSpecCore& ship, bool sectorAssault);

// Narrows the ordered ship catalogue to the ships a start-up mode offers (JudgeForMode).
// Sector Assault: the full order stands and g_orderIgnoresClass is left as it is.
// Normal: sorted again in full order, which leaves g_orderIgnoresClass false.
void NarrowToMode(ShipCatalogue& ships, bool sectorAssault);

// The ships a start-up mode offers, in the picker's order: the entries of `ordered` (a ship
// catalogue as OrderCatalogues leaves it) that NarrowToMode keeps, found by narrowing a copy.
// g_orderIgnoresClass is as it was on return.
std::vector<const ShipSpec*> OfferedShips(const ShipCatalogue& ordered, bool sectorAssault);
