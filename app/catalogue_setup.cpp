#include "app/catalogue_setup.h"

#include <unordered_map>

#include "app/catalogue_order.h"

namespace {

constexpr int32_t kRaceCorvane = 16;
constexpr int32_t kRaceNeutral = 23;
constexpr int32_t kHullShuttle = 0;
constexpr int32_t kHullPf = 1;
constexpr int32_t kHullBaseStation = 14;
constexpr int32_t kHullBattleStation = 15;
constexpr int32_t kHullStarbase = 16;

}  // namespace

void OrderCatalogues(ShipCatalogue& ships, ShipCatalogue& fighters) {
    g_orderIgnoresClass = false;
    ships.Sort();
    // The fighter catalogue keeps the fighters, shuttles and PFs of the ordered catalogue. Only
    // those records are copied: copying everything and then filtering gives the same list at
    // several times the cost. The craft list (fighters and PFs only) is copied whole.
    fighters.mainList.clear();
    fighters.craftList = ships.craftList;
    for (const ShipSpec& ship : ships.mainList) {
        if (ship.hullClass == kHullPf || ship.hullClass == kHullShuttle) {
            fighters.mainList.push_back(ship);
        }
    }
    // The input is in full order and the sort is stable, so records of equal race and point
    // value stay ordered by hull class (shuttles and fighters before PFs), then by load order.
    g_orderIgnoresClass = true;
    fighters.Sort();
}

ModeVerdict JudgeForMode(const ShipSpecCore& ship, bool sectorAssault) {
    if (sectorAssault) {
        if (ship.hullClass != kHullBaseStation && ship.hullClass != kHullBattleStation &&
            ship.hullClass != kHullStarbase)
            return ModeVerdict::kNotBase;
        if (ship.race == kRaceNeutral)
            return ModeVerdict::kNeutralRace;
        return ModeVerdict::kOffered;
    }
    if (ship.race != kRaceCorvane)
        return ModeVerdict::kNotCorvane;
    if (!IsWarshipClass(ship.hullClass))
        return ModeVerdict::kNotWarship;
    return ModeVerdict::kOffered;
}

void NarrowToMode(ShipCatalogue& ships, bool sectorAssault) {
    ships.mainList.remove_if([sectorAssault](const ShipSpec& ship) {
        return JudgeForMode(ship, sectorAssault) != ModeVerdict::kOffered;
    });
    if (!sectorAssault) {
        g_orderIgnoresClass = false;
        ships.Sort();
    }
}

std::vector<const ShipSpec*> OfferedShips(const ShipCatalogue& ordered, bool sectorAssault) {
    ShipCatalogue narrowed;
    narrowed.mainList = ordered.mainList;
    // A copy keeps the order: its records pair with the originals one by one.
    std::unordered_map<const ShipSpec*, const ShipSpec*> originals;
    auto original = ordered.mainList.begin();
    for (const ShipSpec& copy : narrowed.mainList)
        originals.emplace(&copy, &*original++);

    const bool orderIgnoresClass = g_orderIgnoresClass;
    NarrowToMode(narrowed, sectorAssault);
    g_orderIgnoresClass = orderIgnoresClass;

    std::vector<const ShipSpec*> offered;
    for (const ShipSpec& copy : narrowed.mainList)
        offered.push_back(originals.at(&copy));
    return offered;
}
