#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tool/game_data.h"

// kvtool's report on the game's tables. Every rule it explains is the program's own: what the
// readers drop and why (they report it), the keyword lookups, the start-up modes (JudgeForMode
// and the narrowing), the fleet file's name fields (SetField).

// Something a table editor should know about one line, printed as
// FILE:LINE: CLASS: what happened and why.
struct Finding {
    GameTable table = GameTable::kShips;
    int line = 0;
    std::string className;
    std::string text;
};

// Every finding about the tables, ordered by file (the fighter table first) and line.
std::vector<Finding> TableFindings(const GameData& game);

std::string FindingLine(const GameData& game, const Finding& finding);

// `kvtool tables`: the findings, one a line, then a summary of the rows and of the ships each
// mode offers by race and hull class. Returns the number of findings.
int PrintTableReport(const GameData& game, std::ostream& out);

// `kvtool tables --ship NAME`: every line that bears the class name, what the reader made of it,
// where each mode's picker offers it or which rule leaves it out, and the findings about it.
// Returns the number of findings; a name that no line bears counts as one.
int PrintShipReport(const GameData& game, const std::string& className, std::ostream& out);
