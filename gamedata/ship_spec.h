#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gamedata/mount_table.h"
#include "gamedata/shared_craft.h"

// Everything one row of the ship table or the fighter table says about a ship, base, PF or
// fighter, apart from the crafts it carries. Integer fields are signed 32-bit as the game reads
// them; texts are byte strings exactly as read. The colNNN fields are carried for the game and
// not interpreted here; the number is the ship-table column that fills them.
struct ShipSpecCore {
    int32_t race = 0;
    int32_t hullType = 0;
    std::string className;
    int32_t hullClass = 0;
    int32_t bpv = 0;
    int32_t letterCode = 0;
    int32_t col07 = 0;
    int32_t col08 = 0;
    int32_t col09 = 0;
    int32_t gradeCode = 0;
    float col11 = 0.0f;
    int32_t col12 = 0;
    int32_t col13 = 0;
    int32_t col14 = 0;
    int32_t col15 = 0;
    int32_t marines = 0;
    int32_t marinesMax = 0;
    int32_t col18 = 0;
    int32_t col19 = 0;
    int32_t col20 = 0;
    std::array<int32_t, 6> shields{};  // facings 1 to 6 at indices 0 to 5
    int32_t col25 = 0;
    int32_t col26 = 0;
    MountTable mounts;  // mount number -> mount, numbers 49 to 73
    int32_t col102 = 0;
    int32_t mines = 0;
    int32_t minesMax = 0;
    int32_t col105 = 0;
    int32_t col106 = 0;
    int32_t col107 = 0;
    int32_t col108 = 0;
    int32_t col109 = 0;
    int32_t col110 = 0;
    int32_t col111 = 0;
    int32_t shuttles = 0;
    int32_t shuttlesMax = 0;
    int32_t col122 = 0;
    int32_t col123 = 0;
    int32_t col124 = 0;
    int32_t col125 = 0;
    int32_t col126 = 0;
    int32_t col127 = 0;
    int32_t col128 = 0;
    int32_t col129 = 0;
    int32_t col130 = 0;
    int32_t col129Copy = 0;
    int32_t col131 = 0;
    int32_t col132 = 0;
    int32_t col133 = 0;
    int32_t col134 = 0;
    int32_t col135 = 0;
    int32_t col136 = 0;
    int32_t col137 = 0;
    int32_t col138 = 0;
    int32_t col139 = 0;
    int32_t col140 = 0;
    int32_t col141 = 0;
    int32_t col142 = 0;
    int32_t col143 = 0;
    int32_t col144 = 0;
    int32_t repairs = 0;
    int32_t col146 = 0;
    int32_t col147 = 0;
    std::string text148;
    std::string text149;
    std::string text150;
    std::string text151;
    std::string text152;
    int32_t col153 = 0;
    int32_t ftr03 = 0;
    int32_t ftr28 = 0;
    int32_t ftr24 = 0;
    int32_t ftr26 = 0;
    int32_t ftr30 = 0;

    bool operator==(const ShipSpecCore& other) const;
    bool operator!=(const ShipSpecCore& other) const { return !(*this == other); }
};

// A carried craft and how many of it the bay holds. The craft is the core of the craft's entry
// (its own bays are not carried along), shared with every other bay that names it. A bay with
// count 0 is empty and its craft reads as a default-constructed core.
struct FighterBay {
    SharedCraft craft;
    int32_t count = 0;

    bool operator==(const FighterBay& other) const {
        return count == other.count && craft == other.craft;
    }
    bool operator!=(const FighterBay& other) const { return !(*this == other); }
};

constexpr int kBayCount = 4;

// One catalogue entry: a ship, base, PF or fighter with the crafts in its four bays. A plain
// value: copying it copies every text and mount; the bays' crafts are read-only and shared.
struct ShipSpec : ShipSpecCore {
    std::array<FighterBay, kBayCount> bays;

    const ShipSpecCore& core() const { return *this; }

    bool operator==(const ShipSpec& other) const {
        return core() == other.core() && bays == other.bays;
    }
    bool operator!=(const ShipSpec& other) const { return !(*this == other); }
};

// A ShipSpec filled from a row of the fighter table; it has the same layout.
using FighterSpec = ShipSpec;
