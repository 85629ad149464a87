#include "app/ship_catalogue.h"

#include <algorithm>
#include <utility>

#include "app/catalogue_order.h"

void ShipCatalogue::Sort() {
    // The keys are gathered into one array and sorted there, then the nodes are relinked in that
    // order. This gives what std::list::sort gives, stability included, but each record is
    // visited twice instead of on every comparison, which matters once the records no longer fit
    // in the caches.
    using Entry = std::pair<ShipOrderKey, std::list<ShipSpec>::iterator>;
    std::vector<Entry> order;
    order.reserve(mainList.size());
    for (auto node = mainList.begin(); node != mainList.end(); ++node)
        order.emplace_back(MakeShipOrderKey(*node), node);
    std::stable_sort(order.begin(), order.end(),
                     [](const Entry& lhs, const Entry& rhs) { return lhs.first < rhs.first; });
    // Moving each node to the end in sorted order leaves the list sorted; no record is copied.
    for (const Entry& entry : order)
        mainList.splice(mainList.end(), mainList, entry.second);
}

void ShipCatalogue::FilterByRace(const std::vector<int32_t>& values, bool keepMembers) {
    FilterByField(&ShipSpecCore::race, values, keepMembers);
}

void ShipCatalogue::FilterByHullClass(const std::vector<int32_t>& values, bool keepMembers) {
    FilterByField(&ShipSpecCore::hullClass, values, keepMembers);
}

void ShipCatalogue::KeepWarshipClasses() {
    mainList.remove_if([](const ShipSpec& ship) { return !IsWarshipClass(ship.hullClass); });
}

void ShipCatalogue::FilterByField(int32_t ShipSpecCore::*field, const std::vector<int32_t>& values,
                                  bool keepMembers) {
    mainList.remove_if([&](const ShipSpec& ship) {
        const bool member = std::find(values.begin(), values.end(), ship.*field) != values.end();
        return member != keepMembers;
    });
}
