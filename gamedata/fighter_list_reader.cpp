#include "gamedata/fighter_list_reader.h"

#include <utility>

#include "gamedata/code_tables.h"
#include "gamedata/line_reader.h"
#include "gamedata/number_text.h"
#include "gamedata/row_tokenizer.h"
#include "gamedata/table_layout.h"

namespace {

// The mounts a fighter row fills; the rest of the 25 stay empty.
constexpr int32_t kLastFighterMountNumber = 53;

// Fields of columns 24 to 33, in column order.
constexpr int32_t ShipSpecCore::*kColumns24To33[] = {
    &ShipSpecCore::ftr24, &ShipSpecCore::col108, &ShipSpecCore::ftr26, &ShipSpecCore::col14,
    &ShipSpecCore::ftr28, &ShipSpecCore::bpv,    &ShipSpecCore::ftr30, &ShipSpecCore::col07,
    &ShipSpecCore::col08, &ShipSpecCore::col09,
};

}  // namespace

bool ParseFighterRow(const std::string& row, FighterSpec& spec) {
    // One column is taken per statement: the columns must be read in order.
    RowTokenizer columns(row);

    spec.race = RaceCode(columns.next());
    if (spec.race == -1)
        return false;
    spec.className = columns.next();
    spec.ftr03 = ParseIntColumn(columns.nextView());

    for (int32_t number = kFirstMountNumber; number <= kLastMountNumber; ++number) {
        WeaponMount mount;
        if (number <= kLastFighterMountNumber) {
            mount.count = ParseIntColumn(columns.nextView());
            mount.weaponKeyword = columns.next();
            mount.arcKeyword = columns.next();
            mount.extra = ParseIntColumn(columns.nextView());
            mount.weapon = WeaponCode(mount.weaponKeyword);
            mount.arc = ArcCode(mount.arcKeyword);
        }
        spec.mounts[number] = std::move(mount);
    }

    for (auto field : kColumns24To33)
        spec.*field = ParseIntColumn(columns.nextView());
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

void ReadFighterRows(LineReader& reader, CatalogueLists& lists) {
    std::string line;  // reused for every line
    if (!SkipToFirstRow(reader, line))
        return;
    do {
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        // Built in place; a rejected row is taken off again and ends the table.
        FighterSpec& spec = lists.mainList.emplace_back();
        if (!ParseFighterRow(line, spec)) {
            lists.mainList.pop_back();
            return;
        }
        lists.craftList.push_back(spec);
    } while (reader.readLine(line));
}
