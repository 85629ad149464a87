#include "fuzz/support/catalogue_invariants.h"

#include <cstring>

#include "fuzz/support/require.h"
#include "gamedata/ship_list_reader.h"

namespace fuzzsupport {

void RequireAllMounts(const ShipSpec& spec) {
    // A map's keys are unique and ordered: 25 keys from 49 to 73 are exactly 49..73.
    Require(spec.mounts.size() == static_cast<std::size_t>(kMountCount) &&
                spec.mounts.begin()->first == kFirstMountNumber &&
                spec.mounts.rbegin()->first == kLastMountNumber,
            "every entry has the 25 mounts 49 to 73");
}

void RequireBaysFromCraftList(const ShipSpec& spec, const std::list<ShipSpec>& craftList) {
    for (const FighterBay& bay : spec.bays) {
        if (bay.count == 0) {
            Require(SameCore(*bay.craft, ShipSpecCore{}), "a bay with count 0 has no craft");
            continue;
        }
        const ShipSpec* craft = FindCraftEntry(craftList, bay.craft->className);
        Require(craft != nullptr, "a filled bay names a craft of the craft list");
        Require(SameCore(*bay.craft, craft->core()),
                "a filled bay holds a copy of the first craft of that name");
    }
}

bool SameCore(const ShipSpecCore& a, const ShipSpecCore& b) {
    if (a.col11 == b.col11)
        return a == b;
    // Unequal floats are the same value only as the same NaN; the rest is compared on copies
    // with col11 cleared (rare: only NaN rows get here).
    if (std::memcmp(&a.col11, &b.col11, sizeof a.col11) != 0)
        return false;
    ShipSpecCore left = a;
    ShipSpecCore right = b;
    left.col11 = right.col11 = 0.0f;
    return left == right;
}

bool SameSpec(const ShipSpec& a, const ShipSpec& b) {
    if (!SameCore(a, b))
        return false;
    for (int i = 0; i < kBayCount; ++i) {
        if (a.bays[i].count != b.bays[i].count || !SameCore(*a.bays[i].craft, *b.bays[i].craft))
            return false;
    }
    return true;
}

}  // namespace fuzzsupport
