#pragma once

#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "tool/game_data.h"

// Lookups over what the readers told of every line (GameData::log) and what the modes offer,
// for kvtool's table report.

// Sorts by file (the fighter table first, as it is read first) and line.
bool ComesFirst(GameTable lhsTable, int lhsLine, GameTable rhsTable, int rhsLine);

class TableIndex {
  public:
    explicit TableIndex(const GameData& game);

    // Every line of both tables, by file and line.
    const std::vector<const LoggedLine*>& Lines() const { return sorted_; }
    // The line of a table, or nullptr.
    const LoggedLine* Line(GameTable table, int line) const;

    // The ship's position in a mode's picker order, from 1; 0 when the mode does not offer it.
    int Position(const ShipSpec* entry, bool sectorAssault) const;
    int OfferedCount(bool sectorAssault) const;
    bool OfferedNowhere(const ShipSpec* entry) const {
        return Position(entry, false) == 0 && Position(entry, true) == 0;
    }
    // For each mode: where it offers the ship, or the rule that leaves it out (JudgeForMode).
    std::string Modes(const ShipSpec& entry) const;

    // "line 12" within the same table, "PATH:12" in the other.
    std::string Where(GameTable from, GameTable table, int line) const;
    std::string Where(GameTable from, const LoggedLine& logged) const {
        return Where(from, logged.table, logged.line);
    }

  private:
    const GameData& game_;
    std::vector<const LoggedLine*> sorted_;
    std::map<std::pair<GameTable, int>, const LoggedLine*> byLine_;
    std::unordered_map<const ShipSpec*, int> positions_[2];
};
