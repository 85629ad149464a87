#pragma once

#include <list>

#include "gamedata/ship_spec.h"

namespace fuzzsupport {

// Checks shared by the row and table fuzzers; each aborts through Require when the entry breaks
// the rule.

// Every entry carries exactly the mounts 49 to 73.
void RequireAllMounts(const ShipSpec& spec);

// An empty bay (count 0) holds a default craft, whatever name its row gave; a bay with a count
// holds a copy of the core of the first craft in `craftList` with that class name.
void RequireBaysFromCraftList(const ShipSpec& spec, const std::list<ShipSpec>& craftList);

// Whole-record equality that also holds for a record and its copy when a float column read as
// NaN: the table readers may store one ("nan" is a number to atof), and a copied NaN must count
// as the same value here.
bool SameCore(const ShipSpecCore& a, const ShipSpecCore& b);
bool SameSpec(const ShipSpec& a, const ShipSpec& b);

}  // namespace fuzzsupport
