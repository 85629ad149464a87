#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tool/game_data.h"

// kvtool's report on the game's tables. It is built from what the readers tell of every line
// (TableObserver): where the data start and end, and what became of each row and why. Every rule
// it explains is the program's own: the keyword lookups, the start-up modes (JudgeForMode and the
// narrowing), the fleet file's name fields (SetField).

// Something a table editor should know about one line, printed as
// FILE:LINE: CLASS: what happened and why, or FILE:LINE: CLASS: note: ... for a fact that loses
// nothing (no row lost or misread).
struct Finding {
    GameTable table = GameTable::kShips;
    int line = 0;
    std::string className;
    std::string text;
    bool note = false;
};

// Every finding and note about the tables, ordered by file (the fighter table first) and line.
std::vector<Finding> TableFindings(const GameData& game);

std::string FindingLine(const GameData& game, const Finding& finding);

// `kvtool tables`: the findings and notes, one a line, then a summary of the lines of each table,
// the ships each mode offers by race and hull class, and the ships no mode offers by rule.
// Returns the number of findings, notes not counted.
int PrintTableReport(const GameData& game, std::ostream& out);

// `kvtool tables --ship NAME`: every line that bears the class name, whatever became of it, where
// each mode's picker offers it or which rule leaves it out, and the findings about it. Returns
// the number of findings; a name that no line bears counts as one.
int PrintShipReport(const GameData& game, const std::string& className, std::ostream& out);
