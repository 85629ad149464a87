#include "tool/table_report.h"

#include <algorithm>
#include <iomanip>
#include <list>
#include <map>
#include <set>
#include <utility>

#include "gamedata/code_tables.h"
#include "gamedata/fleet_slot.h"
#include "gamedata/row_tokenizer.h"
#include "gamedata/table_layout.h"
#include "tool/fate_text.h"
#include "tool/report_text.h"
#include "tool/table_index.h"

namespace {

int FullColumns(GameTable table) {
    return table == GameTable::kShips ? kShipTableColumns : kFighterTableColumns;
}

// What an editor does not show but the readers meet in the line: a byte-order mark in front of
// the file, or carriage returns without a line feed, which the readers do not end a line at.
std::string HiddenCause(const LoggedLine& logged) {
    std::string cause;
    if (logged.line == 1 && logged.text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        cause +=
            "; the file starts with a byte-order mark (EF BB BF), which an editor does not "
            "show and the readers take for part of the first line: save it without one";
    std::string_view text = logged.text;
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);  // a CR LF line end
    const auto glued = std::count(text.begin(), text.end(), '\r');
    if (glued > 0)
        cause += "; the line holds " + Counted(static_cast<std::size_t>(glued), "carriage return") +
                 " without a line feed, so " + std::to_string(glued + 1) +
                 " lines are read as one: save the file with CR LF or LF line ends";
    return cause;
}

Finding MakeFinding(const LoggedLine& logged, std::string text, bool note = false) {
    if (!note)
        text += HiddenCause(logged);
    return Finding{logged.table, logged.line, logged.className, std::move(text), note};
}

// A row with more columns than its table: what lies beyond is never read, and a tab inside a
// field has shifted every column after it.
void AddLongRowFinding(const LoggedLine& row, std::vector<Finding>& findings) {
    const int full = FullColumns(row.table);
    if (row.columns <= full)
        return;
    RowTokenizer columns(row.text);
    for (int column = 0; column < full; ++column)
        columns.nextView();
    findings.push_back(MakeFinding(
        row, "the row has " + std::to_string(row.columns) + " of " + std::to_string(full) +
                 " columns: the readers never read column " + std::to_string(full + 1) +
                 " on (it holds " + Quoted(std::string(columns.nextView())) +
                 "), and a tab inside a field moves every column after it one place on"));
}

// Whether a header line looks like a row that was meant to be read: a race keyword (in any letter
// case) in its first column and at least four columns, or a complete row whose point value
// column holds a number. The second test spares the line that names the columns, as long as a
// row, which the game's tables carry above their data.
bool LooksLikeRow(const LoggedLine& header) {
    RowTokenizer columns(header.text);
    const std::string race(columns.nextView());
    if (RaceCode(race) >= 0 && header.columns >= 4)
        return true;
    if (header.columns < FullColumns(header.table))
        return false;
    const int pointValueColumn =
        header.table == GameTable::kShips ? kShipBpvColumn : kFighterBpvColumn;
    RowTokenizer row(header.text);
    for (int column = 1; column < pointValueColumn; ++column)
        row.nextView();
    std::string_view value = row.nextView();
    if (!value.empty() && (value.front() == '-' || value.front() == '+'))
        value.remove_prefix(1);
    return !value.empty() &&
           std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A line below the end line that was meant as a row: a race keyword first, or four columns.
bool LooksLikeRowBelowEnd(const LoggedLine& line) {
    RowTokenizer columns(line.text);
    return line.columns >= 4 || RaceCode(std::string(columns.nextView())) >= 0;
}

// A ship row dropped for its empty race that is an end line misspelt, with no row after it:
// nothing is lost.
bool IsLastMisspeltEndLine(const TableIndex& index, const LoggedLine& row) {
    if (row.table != GameTable::kShips || row.reason != LineReason::kEmptyRace ||
        row.text.empty() || row.text[0] != '\t' || row.columns > 2)
        return false;
    for (const LoggedLine* later : index.Lines()) {
        if (later->table == GameTable::kShips && later->line > row.line && !later->blank())
            return false;
    }
    return true;
}

// The rows a fighter table that ends early never reads, and the ships whose bays name them.
void AddEarlyEndFinding(const TableIndex& index, const LoggedLine& end,
                        std::vector<Finding>& findings) {
    std::set<std::string> lostNames;
    if (!end.className.empty())
        lostNames.insert(end.className);
    std::size_t lost = 0;
    for (const LoggedLine* logged : index.Lines()) {
        if (logged->table == GameTable::kFighters && logged->fate == LineFate::kCutOff &&
            !logged->blank() && !logged->endLine) {
            ++lost;
            lostNames.insert(logged->className);
        }
    }
    if (lostNames.empty())
        return;
    std::size_t carriers = 0;
    for (const LoggedLine* logged : index.Lines()) {
        if (logged->fate == LineFate::kDropped && logged->reason == LineReason::kUnknownCraft &&
            lostNames.count(logged->craftName) != 0)
            ++carriers;
    }
    std::string text = WhyTableEnds(end) + ", so the " + Counted(lost, "row") + " below it " +
                       (lost == 1 ? "is" : "are") + " never read";
    if (carriers != 0)
        text += ", nor the " + Counted(carriers, "ship") + " whose bays name " +
                (lostNames.size() == 1 ? "it" : "them");
    // With no row below it and no bay naming it (a misspelt end line), nothing is lost.
    findings.push_back(MakeFinding(end, text, lost == 0 && carriers == 0));
}

// Whether a ship row holds a column whole: present, and not the last column, which keeps the line
// end.
bool Whole(const LoggedLine& row, int column) {
    return column < row.columns || (column == row.columns && !row.lineFeed);
}

// An accepted ship row that the ship reader misread: a blank line, a row short of columns, an
// empty or unknown race or hull class.
void AddShipRowFindings(const TableIndex& index, const LoggedLine& row,
                        std::vector<Finding>& findings) {
    const ShipSpec& entry = *row.entry;
    if (row.blank()) {
        // No mode offers a row of an unknown race: the line loses nothing.
        findings.push_back(MakeFinding(
            row,
            "a blank line, read as a row of race " + Quoted(row.raceKeyword) + " (" +
                std::to_string(entry.race) + ") and no hull class (-1): " + index.Modes(entry),
            true));
        return;
    }
    if (row.columns < kShipTableColumns) {
        std::string text = "the row has " + std::to_string(row.columns) + " of " +
                           std::to_string(kShipTableColumns) + " columns";
        if (row.lineFeed) {
            RowTokenizer columns(row.text);
            std::string_view last;
            for (int column = 0; column < row.columns; ++column)
                last = columns.nextView();
            text += ": column " + std::to_string(row.columns) + " keeps the line end, " +
                    Quoted(std::string(last) + "\n") + ",";
        }
        text +=
            " and the missing columns read as empty (numbers 0, keywords as empty, no text, "
            "no craft)";
        if (row.columns == 1 && row.text.find(' ') != std::string::npos)
            text += "; the line holds no tab: are its columns separated by blanks?";
        text += "; " + index.Modes(entry);
        findings.push_back(MakeFinding(row, text));
    }
    // A keyword column that the row does not hold whole is the short row's finding.
    std::vector<std::string> columns;
    if (entry.race == -2 && Whole(row, 1))
        columns.push_back("unknown race " + Quoted(row.raceKeyword) + " in column 1 (-2)");
    if (entry.hullClass == -1 && Whole(row, 4))
        columns.push_back((row.hullClassKeyword.empty()
                               ? std::string("empty hull class")
                               : "unknown hull class " + Quoted(row.hullClassKeyword)) +
                          " in column 4 (-1)");
    if (columns.empty())
        return;
    std::string text = columns[0];
    if (columns.size() > 1)
        text += " and " + columns[1];
    findings.push_back(MakeFinding(row, text + ": " + index.Modes(entry)));
}

// An accepted fighter row short of columns: the missing ones read as empty.
void AddFighterRowFindings(const LoggedLine& row, std::vector<Finding>& findings) {
    if (row.columns >= kFighterTableColumns)
        return;
    findings.push_back(MakeFinding(row, "the row has " + std::to_string(row.columns) + " of " +
                                            std::to_string(kFighterTableColumns) +
                                            " columns, and the missing columns read as empty "
                                            "(numbers 0, keywords as empty, no text)"));
}

const char* KeywordKindName(KeywordKind kind) {
    switch (kind) {
        case KeywordKind::kRace:
            return "race";
        case KeywordKind::kHullType:
            return "hull type";
        case KeywordKind::kHullClass:
            return "hull class";
        case KeywordKind::kLetter:
            return "letter code";
        case KeywordKind::kGrade:
            return "grade";
        case KeywordKind::kWeapon:
            return "weapon";
        case KeywordKind::kArc:
            return "arc";
    }
    return "keyword";
}

// Unknown keywords the ship-row findings above do not cover.
void AddKeywordFindings(const GameData& game, const TableIndex& index,
                        std::vector<Finding>& findings) {
    for (const LoggedKeyword& keyword : game.log.keywords) {
        const LoggedLine* row = index.Line(keyword.table, keyword.line);
        if (row == nullptr)
            continue;
        const bool shipRow = row->table == GameTable::kShips;
        if (shipRow &&
            (keyword.column >= row->columns ||
             (row->fate == LineFate::kAccepted &&
              (keyword.kind == KeywordKind::kRace || keyword.kind == KeywordKind::kHullClass))))
            continue;
        std::string text = "unknown " + std::string(KeywordKindName(keyword.kind)) + " " +
                           Quoted(keyword.keyword) + " in column " + std::to_string(keyword.column);
        if (keyword.mount != 0)
            text += " (mount " + std::to_string(keyword.mount) + ")";
        const std::string code = std::to_string(keyword.code);
        if (row->fate != LineFate::kAccepted) {
            findings.push_back(MakeFinding(
                *row, text + ": the lookup gives " + code + ", but the row is dropped", true));
            continue;
        }
        switch (keyword.kind) {
            case KeywordKind::kRace:
                findings.push_back(
                    MakeFinding(*row, text + ": read as an unknown race (" + code + ")"));
                break;
            case KeywordKind::kWeapon:
                findings.push_back(MakeFinding(
                    *row, text + ": stored as " + code +
                              ", so the picker shows no weapon and counts no missiles for it"));
                break;
            default:
                findings.push_back(MakeFinding(
                    *row, text + ": stored as " + code + ", a code the program does not use",
                    true));
                break;
        }
    }
}

// What the player sees of a number column, for a finding that it was misread; empty for a
// column the program keeps but does not show.
std::string NumberColumnUse(GameTable table, int column) {
    if (table == GameTable::kFighters) {
        if (column == kFighterBpvColumn)
            return "the fighter's BPV, which a bay of it adds to the ship's adjusted BPV";
        const int mountOffset = column - kFighterFirstMountColumn;
        if (mountOffset >= 0 && mountOffset < 4 * 5 && mountOffset % 4 == 0)
            return "the weapon count of mount " +
                   std::to_string(kFirstMountNumber + mountOffset / 4) +
                   ", which Fighter Specs lists";
        return std::string();
    }
    const struct {
        int column;
        const char* use;
    } named[] = {
        {kShipBpvColumn, "the BPV, which the picker shows and the fleet's total counts"},
        {kShipMarinesColumn, "the standard marines, where the marines spin starts"},
        {kShipMarinesColumn + 1, "the most marines the spin offers"},
        {kShipMinesColumn, "the standard mines"},
        {kShipMinesColumn + 1, "the most mines the spin offers"},
        {kShipShuttlesColumn, "the standard shuttles"},
        {kShipShuttlesColumn + 1, "the most shuttles, which the picker shows"},
        {kShipRepairsColumn, "the standard repairs"},
    };
    for (const auto& entry : named) {
        if (entry.column == column)
            return entry.use;
    }
    if (column >= kShipFirstShieldColumn && column < kShipFirstShieldColumn + 4)
        return "a shield the picker shows";
    const int mountOffset = column - kShipFirstMountColumn;
    if (mountOffset >= 0 && mountOffset < 3 * 25 && mountOffset % 3 == 0)
        return "the weapon count of mount " + std::to_string(kFirstMountNumber + mountOffset / 3) +
               ", which the picker lists";
    const int bayOffset = column - kShipFirstBayColumn;
    if (bayOffset >= 0 && bayOffset < 2 * 4 && bayOffset % 2 == 0)
        return "the fighters in bay " + std::to_string(1 + bayOffset / 2);
    return std::string();
}

// Number columns read as something else than written: the game's own reading takes the leading
// digits and ignores the rest, and clamps what overflows.
void AddNumberFindings(const GameData& game, const TableIndex& index,
                       std::vector<Finding>& findings) {
    for (const LoggedNumber& number : game.log.numbers) {
        const LoggedLine* row = index.Line(number.table, number.line);
        if (row == nullptr)
            continue;
        const std::string use = NumberColumnUse(number.table, number.column);
        std::string text = "column " + std::to_string(number.column) +
                           (use.empty() ? "" : " (" + use + ")") + " reads " + Quoted(number.text) +
                           " as " + std::to_string(number.value);
        if (row->fate != LineFate::kAccepted) {
            findings.push_back(MakeFinding(*row, text + ", but the row is dropped", true));
            continue;
        }
        findings.push_back(MakeFinding(*row, text));
    }
}

// Whether the fighter catalogue, from which the picker takes a ship's fighter type, holds the
// record.
bool InFighterCatalogue(const GameData& game, const ShipSpec& entry) {
    const auto& list = game.fighters.mainList;
    return std::find(list.begin(), list.end(), entry) != list.end();
}

// Names the fleet file cannot hold: the picker offers them, and OK refuses them.
void AddNameFindings(const GameData& game, const TableIndex& index,
                     std::vector<Finding>& findings) {
    for (const LoggedLine* logged : index.Lines()) {
        if (!logged->entry)
            continue;
        const ShipSpec& entry = *logged->entry;
        const std::string& name = entry.className;
        const std::string length =
            name.find('\0') != std::string::npos
                ? "class name holding a zero byte"
                : "class name of " + std::to_string(name.size()) + " characters";
        FleetSlot probe;
        std::string offers;
        for (const bool sectorAssault : {false, true}) {
            const int position = index.Position(&entry, sectorAssault);
            if (position != 0)
                offers += std::string(offers.empty() ? "" : " and ") + ModeName(sectorAssault) +
                          " offers it (position " + std::to_string(position) + " of " +
                          std::to_string(index.OfferedCount(sectorAssault)) + ")";
        }
        if (!offers.empty() && !SetShipCode(probe, name))
            findings.push_back(MakeFinding(
                *logged, length + ": " + offers +
                             ", but OK refuses it: the fleet file holds a class name of at most " +
                             std::to_string(FleetSlot::kShipCodeSize - 1) + " characters"));
        if (!SetFighterType(probe, name) && InFighterCatalogue(game, entry))
            findings.push_back(MakeFinding(
                *logged, length +
                             ": a ship with it as fighter type cannot be saved: the fleet file "
                             "holds a fighter class name of at most " +
                             std::to_string(FleetSlot::kFighterTypeSize - 1) + " characters"));
    }
}

// The first row of a group of same-named rows that a lookup in `list` finds.
const LoggedLine* FirstFound(const std::vector<const LoggedLine*>& group,
                             const std::list<ShipSpec>& list) {
    for (const ShipSpec& entry : list) {
        if (entry.className != group.front()->entry->className)
            continue;
        // The list may hold copies: the first row with an equal record is the one.
        for (const LoggedLine* logged : group) {
            if (logged->entry == &entry || *logged->entry == entry)
                return logged;
        }
    }
    return nullptr;
}

// Rows that share a class name: each lookup by name finds one of them. A copy equal to the first
// loses nothing and is a note.
void AddDuplicateFindings(const GameData& game, const TableIndex& index,
                          std::vector<Finding>& findings) {
    std::map<std::string, std::vector<const LoggedLine*>> byName;
    for (const LoggedLine* logged : index.Lines()) {
        if (logged->entry && !logged->entry->className.empty())
            byName[logged->entry->className].push_back(logged);
    }
    for (const auto& named : byName) {
        const std::vector<const LoggedLine*>& group = named.second;
        if (group.size() < 2)
            continue;
        // Which row each lookup by name finds, with what to say before and after its place.
        struct Winner {
            std::string before;
            const LoggedLine* row;
            std::string after;
        };
        std::vector<Winner> winners;
        const auto count = [&group](auto predicate) {
            return std::count_if(group.begin(), group.end(), predicate);
        };
        if (count([](const LoggedLine* l) { return l->craft; }) >= 2)
            winners.push_back(
                {"bays carry the one at ", FirstFound(group, game.ships.craftList), ""});
        if (count([&game](const LoggedLine* l) { return InFighterCatalogue(game, *l->entry); }) >=
            2)
            winners.push_back({"the picker's fighter type is the one at ",
                               FirstFound(group, game.fighters.mainList), ""});
        for (const bool sectorAssault : {false, true}) {
            const LoggedLine* first = nullptr;
            int offered = 0;
            for (const LoggedLine* logged : group) {
                const int position = index.Position(logged->entry, sectorAssault);
                if (position == 0)
                    continue;
                ++offered;
                if (!first || position < index.Position(first->entry, sectorAssault))
                    first = logged;
            }
            if (offered >= 2)
                winners.push_back({std::string(ModeName(sectorAssault)) +
                                       " offers both, and Load finds the one at ",
                                   first,
                                   " (position " +
                                       std::to_string(index.Position(first->entry, sectorAssault)) +
                                       ")"});
        }
        for (std::size_t i = 1; i < group.size(); ++i) {
            const GameTable from = group[i]->table;
            std::string text = "class name also at " + index.Where(from, *group[0]);
            for (const Winner& winner : winners) {
                if (winner.row)
                    text += "; " + winner.before + index.Where(from, *winner.row) + winner.after;
            }
            // Equal copies, or rows no lookup takes for each other (a fighter and a ship of one
            // name): whichever a lookup finds, it finds the ship meant.
            const bool harmless = *group[i]->entry == *group[0]->entry ||
                                  std::none_of(winners.begin(), winners.end(),
                                               [](const Winner& winner) { return winner.row; });
            findings.push_back(MakeFinding(*group[i], text, harmless));
        }
    }
}

// For the summary: the lines of each table, the ships a mode offers by race and hull class, and
// the ship rows no mode offers by the rules that leave them out.
void PrintSummary(const GameData& game, const TableIndex& index, std::ostream& out) {
    for (const GameTable table : {GameTable::kFighters, GameTable::kShips}) {
        const TableFrame& frame = game.log.Frame(table);
        std::size_t accepted = 0;
        std::size_t dropped = 0;
        std::size_t lost = 0;
        std::size_t below = 0;
        for (const LoggedLine* logged : index.Lines()) {
            if (logged->table != table)
                continue;
            accepted += logged->fate == LineFate::kAccepted ? 1 : 0;
            // The row whose empty race ends the fighter table is a row read and dropped.
            dropped +=
                logged->fate == LineFate::kDropped || (logged->fate == LineFate::kEndsTable &&
                                                       logged->reason == LineReason::kEmptyRace)
                    ? 1
                    : 0;
            lost +=
                logged->fate == LineFate::kCutOff && !logged->blank() && !logged->endLine ? 1 : 0;
            below += logged->fate == LineFate::kBelowEndLine && !logged->blank() ? 1 : 0;
        }
        out << game.PathOf(table) << ": "
            << Counted(static_cast<std::size_t>(frame.headerLines), "header line") << ", "
            << Counted(accepted + dropped, "row") << " read: " << accepted << " accepted, "
            << dropped << " dropped";
        if (frame.endsAt != 0 && frame.endReason != LineReason::kEndLine)
            out << "; the table ends early at line " << frame.endsAt << ": " << Counted(lost, "row")
                << " never read";
        if (frame.endLine == 0)
            out << "; no end line\n";
        else
            out << "; " << Counted(below, "line") << " below the end line\n";
    }
    for (const bool sectorAssault : {false, true}) {
        const auto& offered = game.offered[sectorAssault ? 1 : 0];
        out << ModeName(sectorAssault) << " offers " << Counted(offered.size(), "ship")
            << (offered.empty() ? "\n" : ":\n");
        // The picker's order keeps each race's ships of one class together.
        for (std::size_t i = 0; i < offered.size();) {
            std::size_t next = i;
            while (next < offered.size() && offered[next]->race == offered[i]->race &&
                   offered[next]->hullClass == offered[i]->hullClass)
                ++next;
            out << "  " << std::left << std::setw(20) << RaceName(offered[i]->race) << std::setw(20)
                << HullClassName(offered[i]->hullClass) << std::right << next - i << "\n";
            i = next;
        }
    }
    std::map<std::pair<ModeVerdict, ModeVerdict>, std::size_t> byRule;
    std::size_t nowhere = 0;
    for (const LoggedLine* logged : index.Lines()) {
        if (logged->table != GameTable::kShips || !logged->entry ||
            !index.OfferedNowhere(logged->entry))
            continue;
        ++nowhere;
        ++byRule[{JudgeForMode(*logged->entry, false), JudgeForMode(*logged->entry, true)}];
    }
    out << "no mode offers " << Counted(nowhere, "ship") << " of the ship table"
        << (nowhere == 0 ? "\n" : " (normal mode's rule, Sector Assault mode's rule):\n");
    for (const auto& rule : byRule)
        out << "  " << std::left << std::setw(40)
            << std::string(RuleName(rule.first.first)) + ", " + RuleName(rule.first.second)
            << std::right << rule.second << "\n";
}

}  // namespace

std::vector<Finding> TableFindings(const GameData& game) {
    const TableIndex index(game);
    std::vector<Finding> findings;
    for (const GameTable table : {GameTable::kFighters, GameTable::kShips}) {
        if (game.log.Frame(table).firstRow == 0) {
            const LoggedLine* first = index.Line(table, 1);
            findings.push_back({table, 1, std::string(),
                                "no line starts with " + Quoted(kFirstRowStart) +
                                    ": the table has no rows" +
                                    (first != nullptr ? HiddenCause(*first) : std::string())});
        }
    }
    for (const LoggedLine* logged : index.Lines()) {
        switch (logged->fate) {
            case LineFate::kHeader:
                if (LooksLikeRow(*logged))
                    findings.push_back(MakeFinding(*logged, FateText(game, index, *logged)));
                break;
            case LineFate::kAccepted:
                if (logged->table == GameTable::kShips)
                    AddShipRowFindings(index, *logged, findings);
                else
                    AddFighterRowFindings(*logged, findings);
                AddLongRowFinding(*logged, findings);
                break;
            case LineFate::kDropped:
                findings.push_back(MakeFinding(*logged, FateText(game, index, *logged),
                                               IsLastMisspeltEndLine(index, *logged)));
                break;
            case LineFate::kEndsTable:
                if (logged->reason != LineReason::kEndLine)
                    AddEarlyEndFinding(index, *logged, findings);
                break;
            case LineFate::kCutOff:
                break;  // the early end's finding counts them
            case LineFate::kBelowEndLine:
                // A row there is a ship or fighter lost; other text (a comment) loses nothing.
                if (!logged->blank())
                    findings.push_back(MakeFinding(*logged, FateText(game, index, *logged),
                                                   !LooksLikeRowBelowEnd(*logged)));
                break;
        }
    }
    AddKeywordFindings(game, index, findings);
    AddNumberFindings(game, index, findings);
    AddNameFindings(game, index, findings);
    AddDuplicateFindings(game, index, findings);
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& lhs, const Finding& rhs) {
        return ComesFirst(lhs.table, lhs.line, rhs.table, rhs.line);
    });
    return findings;
}

std::string FindingLine(const GameData& game, const Finding& finding) {
    return game.PathOf(finding.table) + ":" + std::to_string(finding.line) + ": " +
           Printable(finding.className) + ": " + (finding.note ? "note: " : "") + finding.text;
}

int PrintTableReport(const GameData& game, std::ostream& out) {
    const std::vector<Finding> findings = TableFindings(game);
    std::size_t notes = 0;
    for (const Finding& finding : findings) {
        out << FindingLine(game, finding) << "\n";
        notes += finding.note ? 1 : 0;
    }
    PrintSummary(game, TableIndex(game), out);
    out << FindingsCount(findings.size() - notes, notes) << "\n";
    return static_cast<int>(findings.size() - notes);
}

int PrintShipReport(const GameData& game, const std::string& className, std::ostream& out) {
    const TableIndex index(game);
    out << "class name " << Quoted(className) << "\n";
    bool named = false;
    for (const LoggedLine* logged : index.Lines()) {
        if (logged->className != className &&
            !(logged->entry && logged->entry->className == className))
            continue;
        named = true;
        out << "  " << game.PathOf(logged->table) << ":" << logged->line << ": ";
        if (logged->fate != LineFate::kAccepted) {
            out << FateText(game, index, *logged) << "\n";
            continue;
        }
        const ShipSpec& entry = *logged->entry;
        out << "accepted: " << RaceName(entry.race) << " " << HullClassName(entry.hullClass)
            << (logged->table == GameTable::kFighters ? " (fighter table)" : "") << ", BPV "
            << entry.bpv << "\n";
        for (const bool sectorAssault : {false, true}) {
            out << "    " << ModeName(sectorAssault) << ": ";
            const int position = index.Position(&entry, sectorAssault);
            if (position != 0)
                out << "offered at position " << position << " of "
                    << index.OfferedCount(sectorAssault) << "\n";
            else
                out << "not offered: " << LeftOutBecause(JudgeForMode(entry, sectorAssault), entry)
                    << "\n";
        }
    }
    // Where the name stands elsewhere: in another column (a tab inside a field moved it), or
    // inside a longer column (a blank after it, a row glued on by a lone carriage return).
    bool elsewhere = false;
    for (const LoggedLine* logged : index.Lines()) {
        if (className.empty() || logged->className == className ||
            (logged->entry && logged->entry->className == className))
            continue;
        RowTokenizer columns(logged->text);
        for (int column = 1; column <= logged->columns; ++column) {
            const std::string_view field = columns.nextView();
            if (field.find(className) == std::string_view::npos)
                continue;
            out << (elsewhere ? "" : "elsewhere:\n") << "  " << game.PathOf(logged->table) << ":"
                << logged->line << ": "
                << (field == className ? "as column " + std::to_string(column)
                                       : "inside column " + std::to_string(column) + ", " +
                                             Quoted(std::string(field)))
                << ", of a line "
                << (logged->fate == LineFate::kAccepted
                        ? "read as the class name " + Quoted(logged->entry->className)
                        : "that is " + FateText(game, index, *logged))
                << "\n";
            elsewhere = true;
            break;
        }
    }
    int count = 0;
    bool listed = false;
    for (const Finding& finding : TableFindings(game)) {
        if (finding.className != className)
            continue;
        out << (listed ? "" : "findings:\n") << "  " << FindingLine(game, finding) << "\n";
        listed = true;
        count += finding.note ? 0 : 1;
    }
    if (!named) {
        out << "  no line of either table bears this class name\n";
        return 1;
    }
    return count;
}
