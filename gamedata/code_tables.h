#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The game's keyword tables: each lookup turns a keyword from the ship or fighter table into the
// game's code for it. Keywords match whole and without regard to ASCII letter case; a lookup never
// fails, every keyword gives a code (see each function for the empty and unmatched values).

// Codes the readers themselves give or test.
constexpr int32_t kHullClassShuttle = 0;  // every fighter-table entry
constexpr int32_t kHullClassPf = 1;       // read in the ship table's first pass, carried in bays
constexpr int32_t kHullTypeFighter = 22;  // "FTR"
constexpr int32_t kHullTypeShuttle = 23;  // "SHT"

// Race: -1 for an empty keyword (the readers reject such a row), -2 for an unknown one.
int32_t RaceCode(const std::string& keyword);
// Hull type: 43 for an empty or unknown keyword.
int32_t HullTypeCode(const std::string& keyword);
// Hull class: -1 for an empty or unknown keyword. 0 is "SHUTTLE", 1 is "PF".
int32_t HullClassCode(const std::string& keyword);
// Letter code: -1 for an empty or unknown keyword. A single blank is a keyword (15).
int32_t LetterCode(const std::string& keyword);
// Grade: "AA" (any case) gives 0; otherwise only the first character counts, upper case 'A' to
// 'H' giving 1 to 8; -1 for anything else and for an empty keyword.
int32_t GradeCode(const std::string& keyword);
// Weapon: -1 for an empty or unknown keyword.
int32_t WeaponCode(const std::string& keyword);
// Firing arc: -1 for an empty or unknown keyword.
int32_t ArcCode(const std::string& keyword);

// The seven lookups, for code that reports on keyword columns.
enum class KeywordKind { kRace, kHullType, kHullClass, kLetter, kGrade, kWeapon, kArc };

// Whether a lookup's code says that nothing matched a non-empty keyword (an empty column is not an
// unknown keyword). A race of -2, a hull type of 43, any other lookup's -1.
bool IsUnknownKeyword(KeywordKind kind, std::string_view keyword, int32_t code);

// The keyword that gives a race or hull-class code, as the tables list it; nullptr for a code
// that no keyword gives.
const char* RaceKeyword(int32_t code);
const char* HullClassKeyword(int32_t code);
