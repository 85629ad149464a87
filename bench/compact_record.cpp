#include "bench/compact_record.h"

namespace bench {

std::uint32_t KeywordPool::intern(std::string_view text) {
    const auto found = indexes_.find(std::string(text));
    if (found != indexes_.end())
        return found->second;
    const auto index = static_cast<std::uint32_t>(texts_.size());
    texts_.emplace_back(text);
    indexes_.emplace(texts_.back(), index);
    return index;
}

namespace {

CompactCore ToCompactCore(const ShipSpecCore& core, KeywordPool& keywords) {
    CompactCore compact;
    // The copy cost does not depend on the values; the keys and a few others are enough to tell
    // records apart.
    compact.numbers[0] = core.race;
    compact.numbers[1] = core.hullType;
    compact.numbers[2] = core.hullClass;
    compact.numbers[3] = core.bpv;
    compact.numbers[4] = core.marines;
    compact.numbers[5] = core.mines;
    compact.numbers[6] = core.repairs;
    compact.numbers[7] = core.shuttles;
    compact.className = core.className;
    compact.texts = {core.text148, core.text149, core.text150, core.text151, core.text152};
    for (const auto& [number, mount] : core.mounts) {
        if (number < kFirstMountNumber || number > kLastMountNumber)
            continue;
        CompactMount& slot = compact.mounts[static_cast<std::size_t>(number - kFirstMountNumber)];
        slot.weapon = mount.weapon;
        slot.count = mount.count;
        slot.arc = mount.arc;
        slot.extra = mount.extra;
        slot.weaponKeyword = keywords.intern(mount.weaponKeyword);
        slot.arcKeyword = keywords.intern(mount.arcKeyword);
    }
    return compact;
}

}  // namespace

std::list<CompactShip> ToCompact(const std::list<ShipSpec>& ships, KeywordPool& keywords) {
    std::unordered_map<std::string, std::shared_ptr<const CompactCore>> crafts;
    std::list<CompactShip> compact;
    for (const ShipSpec& ship : ships) {
        CompactShip& out = compact.emplace_back();
        static_cast<CompactCore&>(out) = ToCompactCore(ship.core(), keywords);
        for (std::size_t i = 0; i < ship.bays.size(); ++i) {
            const FighterBay& bay = ship.bays[i];
            if (bay.count == 0)
                continue;
            auto& shared = crafts[bay.craft->className];
            if (!shared)
                shared = std::make_shared<const CompactCore>(ToCompactCore(*bay.craft, keywords));
            out.bays[i].craft = shared;
            out.bays[i].count = bay.count;
        }
    }
    return compact;
}

}  // namespace bench
