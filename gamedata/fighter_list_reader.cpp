#include "gamedata/fighter_list_reader.h"

#include <utility>

#include "gamedata/code_tables.h"
#include "gamedata/line_reader.h"
#include "gamedata/number_text.h"
#include "gamedata/row_tokenizer.h"
#include "gamedata/table_layout.h"
#include "gamedata/table_lines.h"

namespace {

// The mounts a fighter row fills; the rest of the 25 stay empty.
constexpr int32_t kLastFighterMountNumber = 53;

// Fields of columns 24 to 33, in column order.
constexpr int32_t ShipSpecCore::*kColumns24To33[] = {
    &ShipSpecCore::ftr24, &ShipSpecCore::col108, &ShipSpecCore::ftr26, &ShipSpecCore::col14,
    &ShipSpecCore::ftr28, &ShipSpecCore::bpv,    &ShipSpecCore::ftr30, &ShipSpecCore::col07,
    &ShipSpecCore::col08, &ShipSpecCore::col09,
};

// ParseFighterRow, showing every keyword column to `keywords(kind, column, mount, keyword,
// code)` once it is looked up, and every number column to `keywords(column, text, value)`.
template <typename Keywords>
bool ParseFighterColumns(std::string_view row, FighterSpec& spec, Keywords& keywords) {
    // One column is taken per statement: the columns must be read in order.
    RowTokenizer columns(row);

    {
        const std::string race = columns.next();
        spec.race = RaceCode(race);
        keywords(KeywordKind::kRace, kRaceColumn, 0, race, spec.race);
    }
    if (spec.race == -1)
        return false;
    spec.className = columns.next();
    spec.ftr03 = IntColumn(columns, keywords);

    for (int32_t number = kFirstMountNumber; number <= kLastMountNumber; ++number) {
        WeaponMount mount;
        if (number <= kLastFighterMountNumber) {
            mount.count = IntColumn(columns, keywords);
            mount.weaponKeyword = columns.next();
            mount.arcKeyword = columns.next();
            mount.extra = IntColumn(columns, keywords);
            mount.weapon = WeaponCode(mount.weaponKeyword);
            mount.arc = ArcCode(mount.arcKeyword);
            // Four columns a mount from column 4 on: count, weapon, arc, extra value.
            const int weaponColumn =
                kFighterFirstMountColumn + 1 + 4 * (number - kFirstMountNumber);
            keywords(KeywordKind::kWeapon, weaponColumn, number, mount.weaponKeyword, mount.weapon);
            keywords(KeywordKind::kArc, weaponColumn + 1, number, mount.arcKeyword, mount.arc);
        }
        spec.mounts[number] = std::move(mount);
    }

    for (auto field : kColumns24To33)
        spec.*field = IntColumn(columns, keywords);
    spec.text150 = columns.next();
    spec.text149 = columns.next();
    spec.text151 = columns.next();

    spec.hullType = spec.text150 == "XSH" ? kHullTypeShuttle : kHullTypeFighter;
    spec.hullClass = kHullClassShuttle;
    spec.letterCode = -1;
    spec.marines = 1;
    spec.marinesMax = 1;
    spec.col107 = 6;
    return true;
}

}  // namespace

bool ParseFighterRow(const std::string& row, FighterSpec& spec) {
    const auto ignored = [](auto&&...) {};
    return ParseFighterColumns(row, spec, ignored);
}

void ReadFighterRows(LineReader& reader, CatalogueLists& lists, TableObserver* observer) {
    TableLines lines(reader, GameTable::kFighters, observer);
    std::string line;  // reused for every line
    if (!lines.SkipToFirstRow(line))
        return;
    do {
        std::string_view row = line;
        if (!row.empty() && row.back() == '\n')
            row.remove_suffix(1);
        // Built in place; a rejected row is taken off again and ends the table.
        FighterSpec& spec = lists.mainList.emplace_back();
        if (!ParseFighterColumns(row, spec, lines)) {
            lists.mainList.pop_back();
            lines.EndsTable(line);
            return;
        }
        lists.craftList.push_back(spec);
        lines.Accepted(line, spec, true);
    } while (lines.Next(line));
}
