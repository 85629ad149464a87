#include "app/ship_catalogue.h"

#include <algorithm>

#include "app/catalogue_order.h"

void ShipCatalogue::Sort() {
    // std::list::sort is stable and relinks nodes.
    mainList.sort(ShipOrderLess);
}

void ShipCatalogue::FilterByRace(const std::vector<int32_t>& values, bool keepMembers) {
    FilterByField(&ShipSpecCore::race, values, keepMembers);
}

void ShipCatalogue::FilterByHullClass(const std::vector<int32_t>& values, bool keepMembers) {
    FilterByField(&ShipSpecCore::hullClass, values, keepMembers);
}

void ShipCatalogue::KeepWarshipClasses() {
    FilterByHullClass({3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, true);
}

void ShipCatalogue::FilterByField(int32_t ShipSpecCore::*field, const std::vector<int32_t>& values,
                                  bool keepMembers) {
    mainList.remove_if([&](const ShipSpec& ship) {
        const bool member = std::find(values.begin(), values.end(), ship.*field) != values.end();
        return member != keepMembers;
    });
}
