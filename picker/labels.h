#pragma once

#include <cstdint>

// Display label of a hull class ("Frigate" ... "Star Base"), or nullptr for a class without one
// (shuttles, PFs, freighters, listening posts, monsters, planets and unknown codes).
const char* HullClassLabel(int32_t hullClass);

// The program's short name of a weapon code, or nullptr for a code outside 0 to 52. Some labels
// differ from the keywords the tables use (codes 38 and 39 show as "DroF1" and "DroF4").
const char* WeaponLabel(int32_t weaponCode);

// Weapon codes that have a label, and so take part in weapon lines and missile capacity.
constexpr int32_t kFirstWeaponCode = 0;
constexpr int32_t kLastWeaponCode = 52;
