// Arbitrary bytes as one row of the ship table, parsed in both passes, and as one row of the
// fighter table. A row must never crash the parsers, and an accepted row must be a well-formed
// entry: its race given, its hull class belonging to the pass, all 25 mounts, and bays that hold
// copies of crafts from the craft list.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/catalogue_invariants.h"
#include "fuzz/support/require.h"
#include "gamedata/catalogue_lists.h"
#include "gamedata/code_tables.h"
#include "gamedata/fighter_list_reader.h"
#include "gamedata/ship_list_reader.h"

using fuzzsupport::Require;

namespace {

ShipSpec MakeCraft(const char* className, int32_t hullClass, int32_t bpv) {
    ShipSpec craft;
    craft.race = 16;
    craft.className = className;
    craft.hullClass = hullClass;
    craft.bpv = bpv;
    craft.mounts[kFirstMountNumber].weaponKeyword = "Ph3";
    return craft;
}

// The crafts a bay may name: two fighters and a PF, as the table reader would have them before
// the ship table's rows. Names are in the ship-row dictionary.
CatalogueLists MakeCraftLists() {
    CatalogueLists lists;
    lists.craftList.push_back(MakeCraft("CV-Wasp", kHullClassShuttle, 3));
    lists.craftList.push_back(MakeCraft("CN-Swift", kHullClassShuttle, 4));
    lists.craftList.push_back(MakeCraft("CV-Lancet", kHullClassPf, 24));
    return lists;
}

void CheckShipRow(const std::string& row, const CatalogueLists& lists) {
    int acceptingPasses = 0;
    for (const bool pfPass : {true, false}) {
        ShipSpec spec;
        if (!ParseShipRow(row, spec, pfPass, lists))
            continue;
        ++acceptingPasses;
        Require(spec.race != -1, "an accepted ship row has a race");
        Require((spec.hullClass == kHullClassPf) == pfPass,
                "the PF pass accepts PFs only, the other pass everything else");
        fuzzsupport::RequireAllMounts(spec);
        fuzzsupport::RequireBaysFromCraftList(spec, lists.craftList);
    }
    Require(acceptingPasses <= 1, "no ship row is accepted by both passes");
}

void CheckFighterRow(std::string row) {
    // The fighter reader hands rows over without their line feed.
    if (!row.empty() && row.back() == '\n')
        row.pop_back();
    FighterSpec spec;
    const bool accepted = ParseFighterRow(row, spec);
    Require(accepted == (!row.empty() && row[0] != '\t'),
            "a fighter row is rejected exactly when its race column is empty");
    if (!accepted)
        return;
    fuzzsupport::RequireAllMounts(spec);
    Require(spec.hullClass == kHullClassShuttle, "every fighter-table entry is of class SHUTTLE");
    Require(spec.hullType == kHullTypeFighter || spec.hullType == kHullTypeShuttle,
            "a fighter-table entry is a fighter or a shuttle");
    for (int32_t number = 54; number <= kLastMountNumber; ++number) {
        Require(spec.mounts.at(number) == WeaponMount{}, "fighter mounts 54 to 73 are empty");
    }
    for (const FighterBay& bay : spec.bays)
        Require(bay.count == 0, "a fighter carries no crafts");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const CatalogueLists lists = MakeCraftLists();
    const std::string row(reinterpret_cast<const char*>(data), size);
    CheckShipRow(row, lists);
    CheckFighterRow(row);
    return 0;
}
