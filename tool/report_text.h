#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/catalogue_setup.h"
#include "gamedata/ship_spec.h"

// Words and plain-ASCII forms for kvtool's output, which must stay stable enough to diff and grep.

// A table text as plain ASCII: tab, line feed and carriage return as \t \n \r, every other byte
// outside 32 to 126 as \xNN. An empty text is "-".
std::string Printable(std::string_view text);
// Printable in double quotes; an empty text is "".
std::string Quoted(std::string_view text);

// "Corvane", or "unknown (-2)" for a code no keyword gives.
std::string RaceName(int32_t race);
// "CARRIER", or "none (-1)" for a code no keyword gives.
std::string HullClassName(int32_t hullClass);

// "1 row", "3 rows": a count and a noun that takes an "s" for any count but one.
std::string Counted(std::size_t count, const char* noun);
// "1 finding", "3 findings": the last line of a report; with notes, "3 findings, 1 note".
std::string FindingsCount(std::size_t count);
std::string FindingsCount(std::size_t count, std::size_t notes);

const char* ModeName(bool sectorAssault);
// Why a start-up mode leaves a ship out, for a verdict other than kOffered.
std::string LeftOutBecause(ModeVerdict verdict, const ShipSpecCore& ship);
// The rule of a verdict in a few words, for counts by rule: "not Corvane".
const char* RuleName(ModeVerdict verdict);
