#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gamedata/ship_spec.h"
#include "picker/labels.h"

// Weapons of one ship pooled by weapon code: the summed counts of every mount carrying each code
// from 0 to 52, whatever the mount number or arc. Mounts with other codes are left out.
using WeaponTotals = std::array<int32_t, kLastWeaponCode - kFirstWeaponCode + 1>;
WeaponTotals SumWeapons(const ShipSpecCore& ship);

// One line "<count>x<label>\n" per weapon code with a non-zero total, in code order.
std::string WeaponLines(const ShipSpecCore& ship);

// Missiles that one weapon of a code holds; 0 for every code that is not a missile rack.
int32_t RackRounds(int32_t weaponCode);

// Missiles of one full load: every rack's rounds times the number of such racks.
int32_t MissileCapacity(const ShipSpecCore& ship);

// The text of the "Fighter Specs" box: the class name, a colon, a blank line, the weapon lines.
std::string FighterSpecsText(const ShipSpecCore& fighter);
