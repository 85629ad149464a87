#include "picker/loadout.h"

#include <cstdio>

#include "gamedata/number_text.h"
#include "picker/weapon_summary.h"
#include "picker/wrapping_int.h"

Loadout::FighterList::const_iterator FindFighterType(const Loadout::FighterList& fighters,
                                                     const std::string& className) {
    for (auto it = fighters.begin(); it != fighters.end(); ++it) {
        if (it->className == className)
            return it;
    }
    return fighters.end();
}

Loadout DefaultLoadout(const ShipSpec& ship, const Loadout::FighterList& fighters) {
    Loadout loadout;
    loadout.marines = ship.marines;
    loadout.mines = ship.mines;
    loadout.repairs = ship.repairs;
    loadout.shuttlesTaken = ship.shuttles;

    loadout.missileCapacity = MissileCapacity(ship);
    loadout.missileReloads = loadout.missileCapacity != 0 ? 1 : 0;
    loadout.missileTypeText = kMissileTypeI;
    loadout.missileSpeedText = kMissileSlow;

    // Every bay in use counts, but only the first bay's type and count are on show; the base cost
    // sums each bay with its own type and count.
    int64_t baseCost = 0;
    for (size_t i = 0; i < ship.bays.size(); ++i) {
        const FighterBay& bay = ship.bays[i];
        if (bay.count == 0)
            continue;
        ++loadout.fighterBays;
        const auto type = FindFighterType(fighters, bay.craft->className);
        if (type == fighters.end())
            continue;
        baseCost += int64_t{bay.count} * type->bpv;
        if (i == 0) {
            loadout.hasFighterType = true;
            loadout.fighterType = type;
            loadout.fighterTypeText = type->className;
            loadout.fightersPerBay = bay.count;
        }
    }
    loadout.baseFighterCost = Wrap32(baseCost);
    if (loadout.baseFighterCost != 0)
        loadout.fighterCostText = DecimalText(loadout.baseFighterCost);
    return loadout;
}

void ApplySlotLoadout(Loadout& loadout, const FleetSlot& slot,
                      const Loadout::FighterList& fighters) {
    loadout.shuttlesTaken = slot.shuttlesTaken;
    loadout.marines = slot.marinesTaken;
    loadout.mines = slot.minesTaken;
    loadout.repairs = slot.repairsTaken;
    loadout.missileTypeText = MissileTypeText(slot.missileType);
    loadout.missileSpeedText = MissileSpeedText(slot.missileSpeed);
    loadout.missileReloads = slot.missileReloads;
    // The racks' capacity is that of a "Type I" load.
    if (loadout.missileTypeText == kMissileTypeIV)
        loadout.missileCapacity /= 2;

    if (slot.fightersPerBay == 0 || slot.fighterBays == 0)
        return;
    loadout.fighterBays = slot.fighterBays;
    loadout.fightersPerBay = slot.fightersPerBay;
    const auto type = FindFighterType(fighters, FighterTypeText(slot));
    if (type == fighters.end())
        return;
    loadout.hasFighterType = true;
    loadout.fighterType = type;
    loadout.fighterTypeText = type->className;
    loadout.fighterCostText = ChosenFighterCostText(loadout);
}

std::string ChosenFighterCostText(const Loadout& loadout) {
    const int64_t cost = int64_t{loadout.fighterType->bpv} * loadout.fightersPerBay;
    return DecimalText(Wrap32(int64_t{Wrap32(cost)} * loadout.fighterBays));
}

void RecomputeMissileCount(Loadout& loadout) {
    loadout.missileCount = Wrap32((int64_t{loadout.missileReloads} + 1) * loadout.missileCapacity);
}

int32_t AdjustedBpv(const ShipSpecCore& ship, const Loadout& loadout) {
    int32_t subtotal = Wrap32(int64_t{ship.bpv} + 4 * (int64_t{loadout.repairs} - ship.repairs) +
                              4 * (int64_t{loadout.mines} - ship.mines) +
                              2 * (int64_t{loadout.marines} - ship.marines) +
                              (int64_t{loadout.shuttlesTaken} - ship.shuttles));
    if (loadout.missileSpeedText == kMissileMedium) {
        // Half a point per missile, taken in double precision and truncated toward zero.
        const double value = loadout.missileCount * 0.5 + subtotal;
        subtotal = Wrap32(static_cast<int64_t>(value));
    } else if (loadout.missileSpeedText == kMissileFast) {
        subtotal = Wrap32(int64_t{subtotal} + loadout.missileCount);
    }
    return Wrap32(int64_t{subtotal} + ParseInt(loadout.fighterCostText) - loadout.baseFighterCost);
}

std::string DecimalText(int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    return text;
}
