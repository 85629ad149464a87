#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tool/game_data.h"

// `kvtool fleet`: a fleet file for people. Its release and count, each record that Load places
// in a slot as the main dialog and the picker show it (ship, BPV, adjusted BPV, the loadout in
// words), the total, and the findings: another release, a file too short to load, a ship no mode
// offers, an adjusted BPV other than the picker computes for the loadout on these tables, a count
// that fills slots with empty records, and what the game may misread: a name that fills its
// field with no terminator, a control byte in a name, a missile code the picker never writes.
// `bytes` is the start of the file as Load reads it. Returns the number of findings.
int PrintFleetReport(const GameData& game, const std::string& path,
                     const std::vector<unsigned char>& bytes, std::ostream& out);
