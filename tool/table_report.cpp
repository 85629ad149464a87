#include "tool/table_report.h"

#include <algorithm>
#include <climits>
#include <iomanip>
#include <map>
#include <unordered_map>
#include <utility>

#include "fleet/fleet_slot.h"
#include "gamedata/code_tables.h"
#include "gamedata/table_layout.h"
#include "platform/ascii_case.h"
#include "tool/report_text.h"

namespace {

bool IsCraftClass(int32_t hullClass) {
    return hullClass == kHullClassShuttle || hullClass == kHullClassPf;
}

// Sorts by file (the fighter table first, as it is read first) and line.
bool ComesFirst(GameTable lhsTable, int lhsLine, GameTable rhsTable, int rhsLine) {
    if (lhsTable != rhsTable)
        return lhsTable == GameTable::kFighters;
    return lhsLine < rhsLine;
}

// Lookups over what the readers reported and what the modes offer.
class TableIndex {
  public:
    explicit TableIndex(const GameData& game) : game_(game) {
        for (const LoggedLine& logged : game.log.lines)
            sorted_.push_back(&logged);
        std::stable_sort(sorted_.begin(), sorted_.end(),
                         [](const LoggedLine* lhs, const LoggedLine* rhs) {
                             return ComesFirst(lhs->table, lhs->line, rhs->table, rhs->line);
                         });
        for (std::size_t mode = 0; mode < 2; ++mode) {
            int position = 0;
            for (const ShipSpec* ship : game.offered[mode])
                positions_[mode].emplace(ship, ++position);
        }
        for (const GameTable table : {GameTable::kShips, GameTable::kFighters})
            endLines_[TableNumber(table)] = FindEndLine(table);
    }

    // Every logged line, by file and line.
    const std::vector<const LoggedLine*>& Lines() const { return sorted_; }

    // The ship's position in a mode's picker order, from 1; 0 when the mode does not offer it.
    int Position(const ShipSpec* entry, bool sectorAssault) const {
        const auto& positions = positions_[sectorAssault ? 1 : 0];
        const auto found = positions.find(entry);
        return found == positions.end() ? 0 : found->second;
    }
    int OfferedCount(bool sectorAssault) const {
        return static_cast<int>(game_.offered[sectorAssault ? 1 : 0].size());
    }

    // The end line of a table: where the ship table's data end, and where the fighter table's
    // would have ended had it not ended before. 0 when there is none.
    int EndLine(GameTable table) const { return endLines_[TableNumber(table)]; }

    // The fighter rows lost to an early end of the fighter table: those between the row that
    // ended it and the end line.
    bool LostToEarlyEnd(const LoggedLine& logged) const {
        const TableFrame& frame = game_.log.Frame(GameTable::kFighters);
        if (logged.table != GameTable::kFighters || logged.fate != LineFate::kNotRead ||
            logged.blank || logged.endLine || frame.endKind == DataEnd::kEndLine)
            return false;
        const int endLine = EndLine(GameTable::kFighters);
        return endLine == 0 || logged.line < endLine;
    }

    // A line below a table's end line, which nobody reads.
    bool BelowEndLine(const LoggedLine& logged) const {
        const int endLine = EndLine(logged.table);
        return logged.fate == LineFate::kNotRead && !logged.blank && endLine != 0 &&
               logged.line > endLine;
    }

    // "line 12" within the same table, "PATH:12" in the other.
    std::string Where(GameTable from, const LoggedLine& logged) const {
        if (logged.table == from)
            return "line " + std::to_string(logged.line);
        return game_.PathOf(logged.table) + ":" + std::to_string(logged.line);
    }

    std::string OfferedIn(const ShipSpec* entry) const {
        const bool normal = Position(entry, false) != 0;
        const bool sectorAssault = Position(entry, true) != 0;
        if (normal && sectorAssault)
            return "offered in both modes";
        if (normal)
            return "offered in normal mode only";
        return sectorAssault ? "offered in Sector Assault mode only" : "offered in neither mode";
    }

  private:
    static std::size_t TableNumber(GameTable table) { return table == GameTable::kShips ? 0 : 1; }

    int FindEndLine(GameTable table) const {
        const TableFrame& frame = game_.log.Frame(table);
        if (frame.endLine != 0 && frame.endKind == DataEnd::kEndLine)
            return frame.endLine;
        for (const LoggedLine* logged : sorted_) {
            if (logged->table == table && logged->fate == LineFate::kNotRead && logged->endLine)
                return logged->line;
        }
        return 0;
    }

    const GameData& game_;
    std::vector<const LoggedLine*> sorted_;
    std::unordered_map<const ShipSpec*, int> positions_[2];
    int endLines_[2] = {0, 0};
};

Finding MakeFinding(const LoggedLine& logged, std::string text) {
    return Finding{logged.table, logged.line, logged.className, std::move(text)};
}

// Why a bay's craft was not known when its row was read.
std::string WhyCraftUnknown(const GameData& game, const TableIndex& index, const LoggedLine& row) {
    const std::string& name = row.craftName;
    const LoggedLine* laterPf = nullptr;
    const LoggedLine* lostFighter = nullptr;
    const LoggedLine* dropped = nullptr;
    const LoggedLine* ship = nullptr;
    const LoggedLine* unread = nullptr;
    const LoggedLine* similar = nullptr;
    const auto fold = [](std::string_view text) {
        const auto first = text.find_first_not_of(' ');
        if (first == std::string_view::npos)
            return std::string();
        text = text.substr(first, text.find_last_not_of(' ') - first + 1);
        std::string folded;
        for (const char c : text)
            folded += AsciiUpper(c);
        return folded;
    };
    for (const LoggedLine* logged : index.Lines()) {
        const bool craftRow =
            logged->fate == LineFate::kAccepted &&
            (logged->table == GameTable::kFighters || logged->hullClass == kHullClassPf);
        if (logged->className != name) {
            if (craftRow && !similar && !name.empty() && fold(logged->className) == fold(name))
                similar = logged;
            continue;
        }
        if (logged->fate == LineFate::kAccepted && logged->table == GameTable::kShips) {
            const LoggedLine*& slot = logged->hullClass == kHullClassPf ? laterPf : ship;
            slot = slot ? slot : logged;
        } else if (logged->fate == LineFate::kDropped) {
            dropped = dropped ? dropped : logged;
        } else if (logged->fate == LineFate::kNotRead && logged->table == GameTable::kFighters) {
            lostFighter = lostFighter ? lostFighter : logged;
        } else if (logged->fate == LineFate::kNotRead) {
            unread = unread ? unread : logged;
        }
    }
    const std::string names = "names " + Quoted(name) + ", ";
    if (laterPf)
        return names + "a PF that stands further down, at line " + std::to_string(laterPf->line) +
               ": a PF carries only crafts read before it";
    if (lostFighter) {
        const TableFrame& frame = game.log.Frame(GameTable::kFighters);
        return names + "a fighter that is never read: it stands at " +
               index.Where(row.table, *lostFighter) + ", below " +
               (frame.endKind == DataEnd::kEndLine ? "the end line" : "the early end") +
               " of the fighter table at line " + std::to_string(frame.endLine);
    }
    if (dropped)
        return names + "a row that is dropped itself (" + index.Where(row.table, *dropped) + ")";
    if (ship)
        return names + "a " + HullClassName(ship->hullClass) + " (" +
               index.Where(row.table, *ship) + "), not a fighter or PF";
    if (unread)
        return names + "a row below the end line (" + index.Where(row.table, *unread) +
               "), never read";
    if (similar)
        return names + "which no fighter or PF bears; did you mean " + Quoted(similar->className) +
               " (" + index.Where(row.table, *similar) + ")?";
    return names + "which no fighter or PF bears";
}

std::string DropText(const GameData& game, const TableIndex& index, const LoggedLine& row) {
    if (row.reason == DropReason::kEmptyRace)
        return "dropped: the race column is empty";
    return "dropped: bay " + std::to_string(row.bay) + " " + WhyCraftUnknown(game, index, row);
}

std::string NotReadText(const GameData& game, const TableIndex& index, const LoggedLine& row) {
    if (index.LostToEarlyEnd(row))
        return "not read: below line " +
               std::to_string(game.log.Frame(GameTable::kFighters).endLine) +
               ", where the fighter table ends early";
    return "not read: below the end line (line " + std::to_string(index.EndLine(row.table)) + ")";
}

void AddFrameFindings(const GameData& game, const TableIndex& index,
                      std::vector<Finding>& findings) {
    for (const GameTable table : {GameTable::kFighters, GameTable::kShips}) {
        if (!game.log.Frame(table).dataFound)
            findings.push_back(
                {table, 1, std::string(),
                 "no line starts with " + Quoted(kFirstRowStart) + ": the table has no rows"});
    }

    const TableFrame& frame = game.log.Frame(GameTable::kFighters);
    if (frame.endLine == 0 || frame.endKind == DataEnd::kEndLine)
        return;
    int lost = 0;
    std::vector<std::string> lostNames;
    for (const LoggedLine* logged : index.Lines()) {
        if (index.LostToEarlyEnd(*logged)) {
            ++lost;
            lostNames.push_back(logged->className);
        }
    }
    int carriers = 0;
    for (const LoggedLine* logged : index.Lines()) {
        if (logged->fate == LineFate::kDropped && logged->reason == DropReason::kUnknownCraft &&
            std::find(lostNames.begin(), lostNames.end(), logged->craftName) != lostNames.end())
            ++carriers;
    }
    if (lost == 0 && frame.endClassName.empty())
        return;
    std::string text = frame.endKind == DataEnd::kBlankLine
                           ? "a blank line: the fighter table ends here"
                           : "dropped: the race column is empty, and the fighter table ends at its "
                             "first rejected row";
    text += ", so the " + Counted(static_cast<std::size_t>(lost), "row") + " below it " +
            (lost == 1 ? "is" : "are") + " never read";
    if (carriers != 0)
        text += ", nor the " + Counted(static_cast<std::size_t>(carriers), "ship") +
                " whose bays name " + (lost == 1 ? "it" : "them");
    findings.push_back({GameTable::kFighters, frame.endLine, frame.endClassName, text});
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

void AddKeywordFindings(const GameData& game, const TableIndex& index,
                        std::vector<Finding>& findings) {
    // The accepted record of each row, for what the modes make of it.
    std::map<std::pair<GameTable, int>, const ShipSpec*> entries;
    for (const LoggedLine* logged : index.Lines()) {
        if (logged->entry)
            entries[{logged->table, logged->line}] = logged->entry;
    }
    for (const LoggedKeyword& keyword : game.log.keywords) {
        // The ship reader keeps the line feed on the row, so a blank line is a row whose race
        // is the line feed alone.
        const bool blankLine = keyword.kind == KeywordKind::kRace && keyword.keyword == "\n";
        std::string text = (blankLine ? "a blank line, read as a row of " : "") +
                           std::string("unknown ") + KeywordKindName(keyword.kind) + " " +
                           Quoted(keyword.keyword) + " in column " + std::to_string(keyword.column);
        if (keyword.mount != 0)
            text += " (mount " + std::to_string(keyword.mount) + ")";
        const std::string code = std::to_string(keyword.code);
        switch (keyword.kind) {
            case KeywordKind::kRace:
                text += ": read as an unknown race (" + code + ")";
                if (keyword.table == GameTable::kShips)
                    text += ", which normal mode never offers";
                break;
            case KeywordKind::kHullClass:
                text += ": read as no hull class (" + code + "), which no mode offers";
                break;
            case KeywordKind::kWeapon:
                text += ": stored as " + code +
                        ", so the picker shows no weapon and counts no "
                        "missiles for it";
                break;
            default:
                text += ": stored as " + code + ", a code the program does not use";
                break;
        }
        const auto entry = entries.find({keyword.table, keyword.line});
        if (keyword.table == GameTable::kShips && entry != entries.end() &&
            (keyword.kind == KeywordKind::kRace || keyword.kind == KeywordKind::kHullClass))
            text += "; " + index.OfferedIn(entry->second);
        findings.push_back({keyword.table, keyword.line, keyword.className, text});
    }
}

// Names the fleet file cannot hold: the picker offers them, and OK refuses them.
void AddNameFindings(const TableIndex& index, std::vector<Finding>& findings) {
    for (const LoggedLine* logged : index.Lines()) {
        if (!logged->entry)
            continue;
        const std::string& name = logged->className;
        const std::string length =
            name.find('\0') != std::string::npos
                ? "class name holding a zero byte"
                : "class name of " + std::to_string(name.size()) + " characters";
        FleetSlot probe;
        std::string offers;
        for (const bool sectorAssault : {false, true}) {
            const int position = index.Position(logged->entry, sectorAssault);
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
        if (IsCraftClass(logged->hullClass) && !SetFighterType(probe, name))
            findings.push_back(MakeFinding(
                *logged, length +
                             ": a ship with it as fighter type cannot be saved: the fleet file "
                             "holds a fighter class name of at most " +
                             std::to_string(FleetSlot::kFighterTypeSize - 1) + " characters"));
    }
}

// The first row of a group of same-named rows that a lookup finds.
const LoggedLine* FirstFound(const std::vector<const LoggedLine*>& group,
                             const std::list<ShipSpec>& list) {
    for (const ShipSpec& entry : list) {
        if (entry.className != group.front()->className)
            continue;
        // The list may hold copies: the first row with an equal record is the one.
        for (const LoggedLine* logged : group) {
            if (logged->entry == &entry || *logged->entry == entry)
                return logged;
        }
    }
    return nullptr;
}

void AddDuplicateFindings(const GameData& game, const TableIndex& index,
                          std::vector<Finding>& findings) {
    std::map<std::string, std::vector<const LoggedLine*>> byName;
    for (const LoggedLine* logged : index.Lines()) {
        if (logged->entry)
            byName[logged->className].push_back(logged);
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
        if (count([](const LoggedLine* l) {
                return l->table == GameTable::kFighters || l->hullClass == kHullClassPf;
            }) >= 2)
            winners.push_back(
                {"bays carry the one at ", FirstFound(group, game.ships.craftList), ""});
        if (count([](const LoggedLine* l) { return IsCraftClass(l->hullClass); }) >= 2)
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
            findings.push_back(MakeFinding(*group[i], text));
        }
    }
}

// For the summary: the rows of each table, and the ships a mode offers by race and hull class.
void PrintSummary(const GameData& game, const TableIndex& index, std::ostream& out) {
    for (const GameTable table : {GameTable::kFighters, GameTable::kShips}) {
        const TableFrame& frame = game.log.Frame(table);
        int accepted = 0;
        int dropped = 0;
        int lost = 0;
        int below = 0;
        for (const LoggedLine* logged : index.Lines()) {
            if (logged->table != table)
                continue;
            accepted += logged->fate == LineFate::kAccepted ? 1 : 0;
            dropped += logged->fate == LineFate::kDropped ? 1 : 0;
            lost += index.LostToEarlyEnd(*logged) ? 1 : 0;
            below += index.BelowEndLine(*logged) ? 1 : 0;
        }
        // The row whose empty race ends the fighter table is a row read and dropped.
        if (table == GameTable::kFighters && frame.endLine != 0 &&
            frame.endKind == DataEnd::kEmptyRace)
            ++dropped;
        out << game.PathOf(table) << ": "
            << Counted(static_cast<std::size_t>(frame.headerLines), "header line") << ", "
            << Counted(static_cast<std::size_t>(accepted + dropped), "row") << " read: " << accepted
            << " accepted, " << dropped << " dropped";
        if (table == GameTable::kFighters && frame.endLine != 0 &&
            frame.endKind != DataEnd::kEndLine)
            out << "; the table ends early at line " << frame.endLine << ": "
                << Counted(static_cast<std::size_t>(lost), "row") << " never read";
        out << "; " << Counted(static_cast<std::size_t>(below), "line") << " below the end line\n";
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
}

}  // namespace

std::vector<Finding> TableFindings(const GameData& game) {
    const TableIndex index(game);
    std::vector<Finding> findings;
    AddFrameFindings(game, index, findings);
    for (const LoggedLine* logged : index.Lines()) {
        if (logged->fate == LineFate::kDropped)
            findings.push_back(MakeFinding(*logged, DropText(game, index, *logged)));
        else if (index.BelowEndLine(*logged))
            findings.push_back(MakeFinding(*logged, NotReadText(game, index, *logged)));
    }
    AddKeywordFindings(game, index, findings);
    AddNameFindings(index, findings);
    AddDuplicateFindings(game, index, findings);
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& lhs, const Finding& rhs) {
        return ComesFirst(lhs.table, lhs.line, rhs.table, rhs.line);
    });
    return findings;
}

std::string FindingLine(const GameData& game, const Finding& finding) {
    return game.PathOf(finding.table) + ":" + std::to_string(finding.line) + ": " +
           Printable(finding.className) + ": " + finding.text;
}

int PrintTableReport(const GameData& game, std::ostream& out) {
    const std::vector<Finding> findings = TableFindings(game);
    for (const Finding& finding : findings)
        out << FindingLine(game, finding) << "\n";
    PrintSummary(game, TableIndex(game), out);
    out << FindingsCount(findings.size()) << "\n";
    return static_cast<int>(findings.size());
}

int PrintShipReport(const GameData& game, const std::string& className, std::ostream& out) {
    const TableIndex index(game);
    out << "class name " << Quoted(className) << "\n";
    bool named = false;
    for (const LoggedLine* logged : index.Lines()) {
        if (logged->className != className)
            continue;
        named = true;
        out << "  " << game.PathOf(logged->table) << ":" << logged->line << ": ";
        if (logged->fate == LineFate::kDropped) {
            out << DropText(game, index, *logged) << "\n";
            continue;
        }
        if (logged->fate == LineFate::kNotRead) {
            out << NotReadText(game, index, *logged) << "\n";
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
    // The row that ends the fighter table early is not logged with the rows.
    const TableFrame& fighters = game.log.Frame(GameTable::kFighters);
    if (fighters.endKind == DataEnd::kEmptyRace && fighters.endClassName == className) {
        named = true;
        out << "  " << game.fighterTablePath << ":" << fighters.endLine
            << ": dropped: the race column is empty; the fighter table ends here\n";
    }
    int count = 0;
    for (const Finding& finding : TableFindings(game)) {
        if (finding.className != className)
            continue;
        out << (count++ == 0 ? "findings:\n" : "") << "  " << FindingLine(game, finding) << "\n";
    }
    if (!named) {
        out << "  no line of either table bears this class name\n";
        return 1;
    }
    return count;
}
