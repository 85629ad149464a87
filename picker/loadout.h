#pragma once

#include <cstdint>
#include <list>
#include <string>

#include "gamedata/fleet_slot.h"
#include "gamedata/missile_words.h"
#include "gamedata/ship_spec.h"

// The loadout of the ship on show in the picker: what the user can change with the spins and what
// follows from it. The picker binds these fields to its controls; the rules below change them.
struct Loadout {
    using FighterList = std::list<ShipSpec>;

    int32_t marines = 0;
    int32_t mines = 0;
    int32_t repairs = 0;
    int32_t shuttlesTaken = 0;

    int32_t missileCapacity = 0;  // missiles of one full load at the current missile type
    int32_t missileReloads = 0;
    int32_t missileCount = 0;      // (reloads + 1) x capacity, kept by every recompute
    std::string missileTypeText;   // "Type I" or "Type IV"
    std::string missileSpeedText;  // "Slow", "Medium" or "Fast"

    int32_t fighterBays = 0;  // bays in use; every bay holds the same type and number
    int32_t fightersPerBay = 0;
    // The fighter type on show: an entry of the fighter catalogue's list, or none.
    bool hasFighterType = false;
    FighterList::const_iterator fighterType;
    std::string fighterTypeText;
    int32_t baseFighterCost = 0;  // cost of the ship's own bays, each with its own type and count
    std::string fighterCostText;  // cost of the fighters as chosen, or empty
};

// The ship's standard loadout: its own marines, mines, repairs and shuttles, one reload of its
// missile racks (none without racks), "Type I" at "Slow", and the fighters of its bays as found
// by class name in `fighters` (the fighter catalogue in race order).
Loadout DefaultLoadout(const ShipSpec& ship, const Loadout::FighterList& fighters);

// Puts a stored slot's loadout over the default loadout of the slot's ship, as the picker opens
// an occupied slot: the slot's marines, mines, repairs and shuttles, its missile type, speed and
// reloads (a "Type IV" load halves the racks' capacity), and, when it has fighters, its bays and
// fighters per bay with its fighter type if `fighters` holds that type (else the ship's own stays).
void ApplySlotLoadout(Loadout& loadout, const FleetSlot& slot,
                      const Loadout::FighterList& fighters);

// The first entry of `fighters` with exactly this class name, or fighters.end().
Loadout::FighterList::const_iterator FindFighterType(const Loadout::FighterList& fighters,
                                                     const std::string& className);

// The fighter cost text for the type on show: its point value x fighters per bay x bays.
std::string ChosenFighterCostText(const Loadout& loadout);

// Sets the missile count from reloads and capacity.
void RecomputeMissileCount(Loadout& loadout);

// The ship's point value adjusted by the loadout: extra repairs and mines 4 each, marines 2,
// shuttles 1, missiles half a point each at "Medium" (rounded toward zero) and one at "Fast",
// fighters at their own point value. Uses the missile count as it stands.
int32_t AdjustedBpv(const ShipSpecCore& ship, const Loadout& loadout);

// Decimal text of a number ("%d").
std::string DecimalText(int32_t value);
