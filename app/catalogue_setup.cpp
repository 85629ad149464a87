#include "app/catalogue_setup.h"

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

void NarrowToMode(ShipCatalogue& ships, bool sectorAssault) {
    if (sectorAssault) {
        ships.FilterByHullClass({kHullBaseStation, kHullBattleStation, kHullStarbase}, true);
        ships.FilterByRace({kRaceNeutral}, false);
        return;
    }
    ships.FilterByRace({kRaceCorvane}, true);
    ships.KeepWarshipClasses();
    g_orderIgnoresClass = false;
    ships.Sort();
}
