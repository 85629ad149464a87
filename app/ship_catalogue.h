#pragma once

#include <cstdint>
#include <vector>

#include "gamedata/catalogue_lists.h"

// Hull classes 3 to 12, frigate up to battleship: the warships normal mode offers.
inline bool IsWarshipClass(int32_t hullClass) {
    return hullClass >= 3 && hullClass <= 12;
}

// The in-memory catalogue of ships and crafts. Sorting and narrowing act on mainList only and
// relink or unlink its nodes; no record is copied. craftList is filled by the readers and left
// alone here. Copying a catalogue copies every record of both lists, in order.
class ShipCatalogue : public CatalogueLists {
  public:
    // Stable sort of mainList by the ordering g_orderIgnoresClass selects at the time of the call.
    void Sort();

    // Removes the records whose race is in values (keepMembers false) or is not in values
    // (keepMembers true). The survivors keep their order.
    void FilterByRace(const std::vector<int32_t>& values, bool keepMembers);

    // The same on hullClass.
    void FilterByHullClass(const std::vector<int32_t>& values, bool keepMembers);

    // Keeps the warship classes (IsWarshipClass).
    void KeepWarshipClasses();

  private:
    void FilterByField(int32_t ShipSpecCore::*field, const std::vector<int32_t>& values,
                       bool keepMembers);
};
