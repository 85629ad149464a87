#include "gamedata/ship_spec.h"

#include <cstring>

namespace {

// The float column is compared by its bits, so that a record read from "nan" equals its copy.
bool SameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

bool WeaponMount::operator==(const WeaponMount& other) const {
    return weapon == other.weapon && count == other.count && arc == other.arc &&
           weaponKeyword == other.weaponKeyword && arcKeyword == other.arcKeyword &&
           extra == other.extra;
}

bool ShipSpecCore::operator==(const ShipSpecCore& other) const {
    return race == other.race && hullType == other.hullType && className == other.className &&
           hullClass == other.hullClass && bpv == other.bpv && letterCode == other.letterCode &&
           col07 == other.col07 && col08 == other.col08 && col09 == other.col09 &&
           gradeCode == other.gradeCode && SameBits(col11, other.col11) && col12 == other.col12 &&
           col13 == other.col13 && col14 == other.col14 && col15 == other.col15 &&
           marines == other.marines && marinesMax == other.marinesMax && col18 == other.col18 &&
           col19 == other.col19 && col20 == other.col20 && shields == other.shields &&
           col25 == other.col25 && col26 == other.col26 && mounts == other.mounts &&
           col102 == other.col102 && mines == other.mines && minesMax == other.minesMax &&
           col105 == other.col105 && col106 == other.col106 && col107 == other.col107 &&
           col108 == other.col108 && col109 == other.col109 && col110 == other.col110 &&
           col111 == other.col111 && shuttles == other.shuttles &&
           shuttlesMax == other.shuttlesMax && col122 == other.col122 && col123 == other.col123 &&
           col124 == other.col124 && col125 == other.col125 && col126 == other.col126 &&
           col127 == other.col127 && col128 == other.col128 && col129 == other.col129 &&
           col130 == other.col130 && col129Copy == other.col129Copy && col131 == other.col131 &&
           col132 == other.col132 && col133 == other.col133 && col134 == other.col134 &&
           col135 == other.col135 && col136 == other.col136 && col137 == other.col137 &&
           col138 == other.col138 && col139 == other.col139 && col140 == other.col140 &&
           col141 == other.col141 && col142 == other.col142 && col143 == other.col143 &&
           col144 == other.col144 && repairs == other.repairs && col146 == other.col146 &&
           col147 == other.col147 && text148 == other.text148 && text149 == other.text149 &&
           text150 == other.text150 && text151 == other.text151 && text152 == other.text152 &&
           col153 == other.col153 && ftr03 == other.ftr03 && ftr28 == other.ftr28 &&
           ftr24 == other.ftr24 && ftr26 == other.ftr26 && ftr30 == other.ftr30;
}
