#pragma once

#include <cstdint>
#include <string>

// The missile words the picker shows and a fleet's text writes, with the numbers the fleet record
// holds for them: one table for the picker, the text and kvtool.
struct MissileWord {
    const char* word;
    int32_t code;
};

extern const char kMissileTypeI[];   // "Type I"
extern const char kMissileTypeIV[];  // "Type IV"
extern const char kMissileSlow[];    // "Slow"
extern const char kMissileMedium[];  // "Medium"
extern const char kMissileFast[];    // "Fast"

// Every type and speed the picker writes. "Type IV" comes before "Type I", so that a reader that
// matches the words in order takes the longer one first.
extern const MissileWord kMissileTypeWords[2];
extern const MissileWord kMissileSpeedWords[3];

// The fleet record's numbers for the missile texts and back. Type: "Type I" is 1, every other
// text 4; 1 reads as "Type I", every other number as "Type IV". Speed: "Slow" 1, "Medium" 2,
// every other text 3; 1 reads as "Slow", 2 as "Medium", every other number as "Fast".
int32_t MissileTypeCode(const std::string& typeText);
const char* MissileTypeText(int32_t typeCode);
int32_t MissileSpeedCode(const std::string& speedText);
const char* MissileSpeedText(int32_t speedCode);

// Whether the picker ever writes the code: one of the table's.
bool IsPickerMissileType(int32_t code);
bool IsPickerMissileSpeed(int32_t code);
