#include "tool/fate_text.h"

#include "gamedata/code_tables.h"
#include "gamedata/table_layout.h"
#include "platform/ascii_case.h"
#include "tool/report_text.h"

std::string DataStart(const GameData& game, GameTable table) {
    const int firstRow = game.log.Frame(table).firstRow;
    if (firstRow == 0)
        return "no line starts with " + Quoted(kFirstRowStart) + ", so the table has no rows";
    return "the data start at line " + std::to_string(firstRow) +
           ", the first line that starts with " + Quoted(kFirstRowStart);
}

std::string WhyTableEnds(const LoggedLine& end) {
    return end.reason == LineReason::kBlankLine
               ? "a blank line: the fighter table ends here"
               : "dropped: the race column is empty, and the fighter table ends at its first "
                 "rejected row";
}

namespace {

// The line where the fighter table's data ended, when they ended above its end line.
std::string EarlyEnd(const GameData& game) {
    const TableFrame& frame = game.log.Frame(GameTable::kFighters);
    return "the early end of the fighter table at line " + std::to_string(frame.endsAt);
}

std::string EndLine(const GameData& game, GameTable table) {
    return "the end line (line " + std::to_string(game.log.Frame(table).endLine) + ")";
}

// Why a bay's craft was not known when its row was read. The first line that bears the name
// tells, in the order below.
std::string WhyCraftUnknown(const GameData& game, const TableIndex& index, const LoggedLine& row) {
    const std::string& name = row.craftName;
    if (name.empty())
        return "names no craft: its craft column is empty";
    const std::string names = "names " + Quoted(name) + ", ";
    if (name == row.className)
        return names + "its own class name: " +
               (row.hullClass == kHullClassPf
                    ? std::string("a PF carries only crafts read before it")
                    : "a " + HullClassName(row.hullClass) + " is not a fighter or PF");
    const auto first = [&index, &name](auto predicate) -> const LoggedLine* {
        for (const LoggedLine* logged : index.Lines()) {
            if (logged->className == name && predicate(*logged))
                return logged;
        }
        return nullptr;
    };
    const auto is = [](GameTable table, LineFate fate) {
        return [table, fate](const LoggedLine& l) { return l.table == table && l.fate == fate; };
    };
    const GameTable from = row.table;
    if (const LoggedLine* pf = first([](const LoggedLine& l) { return l.craft; }))
        return names + "a PF that stands further down, at line " + std::to_string(pf->line) +
               ": a PF carries only crafts read before it";
    if (const LoggedLine* end = first(is(GameTable::kFighters, LineFate::kEndsTable)))
        return names + "the row at " + index.Where(from, *end) +
               " that ends the fighter table: its race column is empty, and the fighter table "
               "ends at its first rejected row";
    if (const LoggedLine* lost = first(is(GameTable::kFighters, LineFate::kCutOff)))
        return names + "a fighter that is never read: it stands at " + index.Where(from, *lost) +
               ", below " + EarlyEnd(game);
    if (const LoggedLine* below = first(is(GameTable::kFighters, LineFate::kBelowEndLine)))
        return names + "a fighter below the end line of the fighter table (" +
               index.Where(from, *below) + "), never read";
    if (const LoggedLine* dropped =
            first([](const LoggedLine& l) { return l.fate == LineFate::kDropped; }))
        return names + "a row that is dropped itself (" + index.Where(from, *dropped) + ")";
    if (const LoggedLine* ship = first(is(GameTable::kShips, LineFate::kAccepted)))
        return names + "a " + HullClassName(ship->hullClass) + " (" + index.Where(from, *ship) +
               "), not a fighter or PF";
    if (const LoggedLine* below = first(is(GameTable::kShips, LineFate::kBelowEndLine)))
        return names + "a row below the end line (" + index.Where(from, *below) + "), never read";
    if (const LoggedLine* header =
            first([](const LoggedLine& l) { return l.fate == LineFate::kHeader; }))
        return names + "a line above the first data row (" + index.Where(from, *header) +
               "), read as a header line";
    const auto fold = [](std::string_view text) {
        const auto begin = text.find_first_not_of(' ');
        if (begin == std::string_view::npos)
            return std::string();
        text = text.substr(begin, text.find_last_not_of(' ') - begin + 1);
        std::string folded;
        for (const char c : text)
            folded += AsciiUpper(c);
        return folded;
    };
    for (const LoggedLine* logged : index.Lines()) {
        if (logged->craft && !name.empty() && fold(logged->className) == fold(name))
            return names + "which no fighter or PF bears; did you mean " +
                   Quoted(logged->className) + " (" + index.Where(from, *logged) + ")?";
    }
    return names + "which no fighter or PF bears";
}

}  // namespace

std::string FateText(const GameData& game, const TableIndex& index, const LoggedLine& logged) {
    switch (logged.fate) {
        case LineFate::kHeader:
            return "read as a header line: " + DataStart(game, logged.table);
        case LineFate::kDropped:
            if (logged.reason == LineReason::kEmptyRace)
                return "dropped: the race column is empty";
            return "dropped: bay " + std::to_string(logged.bay) + " " +
                   WhyCraftUnknown(game, index, logged);
        case LineFate::kEndsTable:
            return logged.reason == LineReason::kEndLine ? "the end line: the data end here"
                                                         : WhyTableEnds(logged);
        case LineFate::kCutOff:
            return "not read: below " + EarlyEnd(game);
        case LineFate::kBelowEndLine:
            return "not read: below " + EndLine(game, logged.table);
        case LineFate::kAccepted:
            break;
    }
    return "accepted";
}
