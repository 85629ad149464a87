#pragma once

#include <string>

#include "tool/table_index.h"

// What became of a line of the tables, in words, for kvtool's findings and --ship: built from the
// fates the readers told.

// Where the data of a table start, for lines above them.
std::string DataStart(const GameData& game, GameTable table);

// Why the fighter table's data end at a row that is not its end line.
std::string WhyTableEnds(const LoggedLine& end);

// What became of the line and why; "accepted" for an accepted row.
std::string FateText(const GameData& game, const TableIndex& index, const LoggedLine& logged);
