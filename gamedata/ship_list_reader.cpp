#include "gamedata/ship_list_reader.h"

#include <initializer_list>
#include <memory>
#include <unordered_map>

#include "gamedata/code_tables.h"
#include "gamedata/line_reader.h"
#include "gamedata/number_text.h"
#include "gamedata/row_tokenizer.h"
#include "gamedata/table_layout.h"
#include "gamedata/table_lines.h"

namespace {

using IntField = int32_t ShipSpecCore::*;

// Reads one integer column into each field in turn.
template <typename Keywords>
void ReadInts(RowTokenizer& columns, ShipSpec& spec, std::initializer_list<IntField> fields,
              Keywords& keywords) {
    for (IntField field : fields)
        spec.*field = IntColumn(columns, keywords);
}

// The crafts of a craft list by class name, for the passes over a whole table: a lookup costs
// the same however many crafts are known, where a walk along the list grows with it. The first
// entry of a name wins, as in FindCraftEntry. Keys view the class names inside the list's nodes,
// which never move. Each craft's core is copied once, when a bay first names it, and every bay
// that names it shares that copy.
class CraftIndex {
  public:
    explicit CraftIndex(const std::list<ShipSpec>& craftList) {
        for (const ShipSpec& craft : craftList)
            add(craft);
    }

    void add(const ShipSpec& craft) { byName_.try_emplace(craft.className, Craft{&craft, {}}); }

    // The craft of that name, or an empty bay's craft and false when there is none.
    bool find(std::string_view className, SharedCraft& out) {
        const auto found = byName_.find(className);
        if (found == byName_.end())
            return false;
        Craft& craft = found->second;
        if (!craft.shared)
            craft.shared = std::make_shared<const ShipSpecCore>(craft.entry->core());
        out = SharedCraft(craft.shared);
        return true;
    }

  private:
    struct Craft {
        const ShipSpec* entry;
        std::shared_ptr<const ShipSpecCore> shared;
    };
    std::unordered_map<std::string_view, Craft> byName_;
};

// Looks the next column up as a keyword and shows it to `keywords`.
template <typename Keywords>
int32_t LookUpColumn(int32_t (*lookUp)(const std::string&), RowTokenizer& columns, KeywordKind kind,
                     int column, Keywords& keywords) {
    const std::string keyword = columns.next();
    const int32_t code = lookUp(keyword);
    keywords(kind, column, 0, keyword, code);
    return code;
}

// ParseShipRow with the craft lookup given: `findCraft(bay, name, craft)` stores the craft of
// that name in `craft` and returns whether there is one (`bay` counts from 1). Every keyword
// column is shown to `keywords(kind, column, mount, keyword, code)` once it is looked up, every
// number column to `keywords(column, text, value)` once it is read.
template <typename FindCraftByName, typename Keywords>
bool ParseShipColumns(std::string_view line, ShipSpec& spec, bool pfPass,
                      const FindCraftByName& findCraft, Keywords& keywords) {
    // One column is taken per statement: the columns must be read in order.
    RowTokenizer columns(line);

    spec.race = LookUpColumn(&RaceCode, columns, KeywordKind::kRace, kRaceColumn, keywords);
    if (spec.race == -1)
        return false;
    spec.hullType = LookUpColumn(&HullTypeCode, columns, KeywordKind::kHullType, 2, keywords);
    spec.className = columns.next();
    spec.hullClass = LookUpColumn(&HullClassCode, columns, KeywordKind::kHullClass,
                                  kShipHullClassColumn, keywords);
    if ((spec.hullClass == kHullClassPf) != pfPass)
        return false;

    spec.bpv = IntColumn(columns, keywords);
    spec.letterCode = LookUpColumn(&LetterCode, columns, KeywordKind::kLetter, 6, keywords);
    ReadInts(columns, spec, {&ShipSpecCore::col07, &ShipSpecCore::col08, &ShipSpecCore::col09},
             keywords);
    spec.gradeCode = LookUpColumn(&GradeCode, columns, KeywordKind::kGrade, 10, keywords);
    spec.col11 = ParseFloat(columns.nextView());
    ReadInts(columns, spec,
             {&ShipSpecCore::col12, &ShipSpecCore::col13, &ShipSpecCore::col14,
              &ShipSpecCore::col15, &ShipSpecCore::marines, &ShipSpecCore::marinesMax,
              &ShipSpecCore::col18, &ShipSpecCore::col19, &ShipSpecCore::col20},
             keywords);

    // Six facings from four columns: the side facings share a value left and right.
    spec.shields[0] = IntColumn(columns, keywords);
    spec.shields[1] = spec.shields[5] = IntColumn(columns, keywords);
    spec.shields[2] = spec.shields[4] = IntColumn(columns, keywords);
    spec.shields[3] = IntColumn(columns, keywords);
    ReadInts(columns, spec, {&ShipSpecCore::col25, &ShipSpecCore::col26}, keywords);

    // Each mount is filled in its slot; every accepted record has all 25.
    for (int32_t number = kFirstMountNumber; number <= kLastMountNumber; ++number) {
        WeaponMount& mount = spec.mounts[number];
        mount.count = IntColumn(columns, keywords);
        mount.weaponKeyword.assign(columns.nextView());
        mount.arcKeyword.assign(columns.nextView());
        mount.weapon = WeaponCode(mount.weaponKeyword);
        mount.arc = ArcCode(mount.arcKeyword);
        // Three columns a mount from column 27 on: count, weapon, arc.
        const int weaponColumn = kShipFirstMountColumn + 1 + 3 * (number - kFirstMountNumber);
        keywords(KeywordKind::kWeapon, weaponColumn, number, mount.weaponKeyword, mount.weapon);
        keywords(KeywordKind::kArc, weaponColumn + 1, number, mount.arcKeyword, mount.arc);
    }

    ReadInts(columns, spec,
             {&ShipSpecCore::col102, &ShipSpecCore::mines, &ShipSpecCore::minesMax,
              &ShipSpecCore::col105, &ShipSpecCore::col106, &ShipSpecCore::col107,
              &ShipSpecCore::col108, &ShipSpecCore::col109, &ShipSpecCore::col110,
              &ShipSpecCore::col111, &ShipSpecCore::shuttles, &ShipSpecCore::shuttlesMax},
             keywords);

    // A bay with a count names its craft, which must already be known; an empty bay's name is
    // read and ignored.
    int bayNumber = 0;
    for (FighterBay& bay : spec.bays) {
        ++bayNumber;
        const int32_t count = IntColumn(columns, keywords);
        const std::string_view craftName = columns.nextView();
        if (count == 0)
            continue;
        if (!findCraft(bayNumber, craftName, bay.craft))
            return false;
        bay.count = count;
    }

    ReadInts(
        columns, spec,
        {&ShipSpecCore::col122, &ShipSpecCore::col123, &ShipSpecCore::col124, &ShipSpecCore::col125,
         &ShipSpecCore::col126, &ShipSpecCore::col127, &ShipSpecCore::col128},
        keywords);
    spec.col129 = spec.col129Copy = IntColumn(columns, keywords);
    ReadInts(
        columns, spec,
        {&ShipSpecCore::col130, &ShipSpecCore::col131, &ShipSpecCore::col132, &ShipSpecCore::col133,
         &ShipSpecCore::col134, &ShipSpecCore::col135, &ShipSpecCore::col136, &ShipSpecCore::col137,
         &ShipSpecCore::col138, &ShipSpecCore::col139, &ShipSpecCore::col140, &ShipSpecCore::col141,
         &ShipSpecCore::col142, &ShipSpecCore::col143, &ShipSpecCore::col144,
         &ShipSpecCore::repairs, &ShipSpecCore::col146, &ShipSpecCore::col147},
        keywords);
    spec.text148 = columns.next();
    spec.text149 = columns.next();
    spec.text150 = columns.next();
    spec.text151 = columns.next();
    spec.text152 = columns.next();
    spec.col153 = IntColumn(columns, keywords);
    return true;
}

// The columns of a row that tell which pass reads it and whether it is read at all.
struct RowHead {
    int32_t race;
    int32_t hullClass;
};

RowHead ReadRowHead(std::string_view line) {
    RowTokenizer columns(line);
    RowHead head;
    head.race = RaceCode(columns.next());
    columns.nextView();  // hull type
    columns.nextView();  // class name
    head.hullClass = HullClassCode(columns.next());
    return head;
}

}  // namespace

const ShipSpec* FindCraftEntry(const std::list<ShipSpec>& craftList, std::string_view className) {
    for (const ShipSpec& craft : craftList) {
        if (craft.className == className)
            return &craft;
    }
    return nullptr;
}

bool FindCraft(const CatalogueLists& lists, const std::string& className, ShipSpec& out) {
    const ShipSpec* craft = FindCraftEntry(lists.craftList, className);
    if (craft == nullptr)
        return false;
    out = *craft;
    return true;
}

bool ParseShipRow(const std::string& line, ShipSpec& spec, bool pfPass,
                  const CatalogueLists& lists) {
    const auto ignored = [](auto&&...) {};
    return ParseShipColumns(
        line, spec, pfPass,
        [&lists](int, std::string_view className, SharedCraft& craft) {
            const ShipSpec* entry = FindCraftEntry(lists.craftList, className);
            if (entry == nullptr)
                return false;
            craft = entry->core();
            return true;
        },
        ignored);
}

void ReadShipPass(LineReader& reader, CatalogueLists& lists, bool pfPass, TableObserver* observer) {
    // Each row is told in the pass that reads it for the catalogue; the lines around the rows,
    // which both passes meet, in the first.
    TableLines lines(reader, GameTable::kShips, observer, pfPass);
    std::string line;  // reused for every line
    if (!lines.SkipToFirstRow(line))
        return;
    CraftIndex crafts(lists.craftList);
    int missingBay = 0;
    std::string_view missingCraft;
    const auto findCraft = [&](int bay, std::string_view className, SharedCraft& craft) {
        if (crafts.find(className, craft))
            return true;
        missingBay = bay;
        missingCraft = className;
        return false;
    };
    do {
        if (StartsWith(line, kEndLine)) {
            lines.EndsTable(line);
            return;
        }
        // Most rows of a pass are rejected on their first four columns, before a record is built:
        // the other pass reads them.
        const RowHead head = ReadRowHead(line);
        if ((head.hullClass == kHullClassPf) != pfPass)
            continue;
        if (head.race == -1) {
            lines.Dropped(line, head.hullClass, LineReason::kEmptyRace);
            continue;
        }
        // Built in place; a row rejected by its bays is taken off again.
        ShipSpec& spec = lists.mainList.emplace_back();
        if (!ParseShipColumns(line, spec, pfPass, findCraft, lines)) {
            lines.Dropped(line, head.hullClass, LineReason::kUnknownCraft, missingBay,
                          missingCraft);
            lists.mainList.pop_back();
            continue;
        }
        const bool craft = spec.hullClass == kHullClassPf;
        if (craft)
            crafts.add(lists.craftList.emplace_back(spec));
        lines.Accepted(line, spec, craft);
    } while (lines.Next(line));
}
