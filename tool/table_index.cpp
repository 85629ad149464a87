#include "tool/table_index.h"

#include <algorithm>

#include "tool/report_text.h"

bool ComesFirst(GameTable lhsTable, int lhsLine, GameTable rhsTable, int rhsLine) {
    if (lhsTable != rhsTable)
        return lhsTable == GameTable::kFighters;
    return lhsLine < rhsLine;
}

TableIndex::TableIndex(const GameData& game) : game_(game) {
    for (const LoggedLine& logged : game.log.lines)
        sorted_.push_back(&logged);
    std::stable_sort(sorted_.begin(), sorted_.end(),
                     [](const LoggedLine* lhs, const LoggedLine* rhs) {
                         return ComesFirst(lhs->table, lhs->line, rhs->table, rhs->line);
                     });
    for (const LoggedLine* logged : sorted_)
        byLine_.emplace(std::make_pair(logged->table, logged->line), logged);
    for (std::size_t mode = 0; mode < 2; ++mode) {
        int position = 0;
        for (const ShipSpec* ship : game.offered[mode])
            positions_[mode].emplace(ship, ++position);
    }
}

const LoggedLine* TableIndex::Line(GameTable table, int line) const {
    const auto found = byLine_.find({table, line});
    return found == byLine_.end() ? nullptr : found->second;
}

int TableIndex::Position(const ShipSpec* entry, bool sectorAssault) const {
    const auto& positions = positions_[sectorAssault ? 1 : 0];
    const auto found = positions.find(entry);
    return found == positions.end() ? 0 : found->second;
}

int TableIndex::OfferedCount(bool sectorAssault) const {
    return static_cast<int>(game_.offered[sectorAssault ? 1 : 0].size());
}

std::string TableIndex::Modes(const ShipSpec& entry) const {
    std::string text;
    for (const bool sectorAssault : {false, true}) {
        text += std::string(sectorAssault ? "; " : "") + ModeName(sectorAssault);
        const int position = Position(&entry, sectorAssault);
        if (position != 0)
            text += " offers it (position " + std::to_string(position) + " of " +
                    std::to_string(OfferedCount(sectorAssault)) + ")";
        else
            text += " leaves it out: " + LeftOutBecause(JudgeForMode(entry, sectorAssault), entry);
    }
    return text;
}

std::string TableIndex::Where(GameTable from, GameTable table, int line) const {
    if (table == from)
        return "line " + std::to_string(line);
    return game_.PathOf(table) + ":" + std::to_string(line);
}
