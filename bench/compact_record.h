#pragma once

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "gamedata/ship_spec.h"

// A stand-in for a leaner catalogue record, built only to measure what a different layout would
// cost; the program does not use it. It holds the same information as ShipSpec:
// - the numbers in place (the same 70 values, as an array here, which has the same size as the
//   named fields);
// - the six texts as std::string;
// - the 25 mounts in a fixed array indexed by mount number - 49 instead of a std::map, with the
//   two keywords interned once per catalogue and named by index (any text stays possible);
// - each bay's craft shared, not copied: crafts never change after loading, so a shared
//   read-only core keeps the value semantics of a copy.
namespace bench {

// Keyword texts kept once; a mount names its keywords by index.
class KeywordPool {
  public:
    std::uint32_t intern(std::string_view text);
    const std::string& text(std::uint32_t index) const { return texts_[index]; }

  private:
    std::vector<std::string> texts_;
    std::unordered_map<std::string, std::uint32_t> indexes_;
};

struct CompactMount {
    std::int32_t weapon = 0;
    std::int32_t count = 0;
    std::int32_t arc = 0;
    std::int32_t extra = 0;
    std::uint32_t weaponKeyword = 0;  // index into the catalogue's KeywordPool
    std::uint32_t arcKeyword = 0;
};

struct CompactCore {
    std::array<std::int32_t, 70> numbers{};  // every number of ShipSpecCore, col11 included
    std::string className;
    std::array<std::string, 5> texts;  // text148 to text152
    std::array<CompactMount, kMountCount> mounts;
};

struct CompactBay {
    std::shared_ptr<const CompactCore> craft;  // null for an empty bay
    std::int32_t count = 0;
};

struct CompactShip : CompactCore {
    std::array<CompactBay, kBayCount> bays;
};

// The same records in the compact layout, crafts shared between the bays that carry them.
std::list<CompactShip> ToCompact(const std::list<ShipSpec>& ships, KeywordPool& keywords);

}  // namespace bench
