#include "gamedata/ship_list_reader.h"

#include <initializer_list>
#include <memory>
#include <unordered_map>

#include "gamedata/code_tables.h"
#include "gamedata/line_reader.h"
#include "gamedata/number_text.h"
#include "gamedata/row_tokenizer.h"
#include "gamedata/table_layout.h"

namespace {

using IntField = int32_t ShipSpecCore::*;

// Reads one integer column into each field in turn.
void ReadInts(RowTokenizer& columns, ShipSpec& spec, std::initializer_list<IntField> fields) {
    for (IntField field : fields)
        spec.*field = ParseIntColumn(columns.nextView());
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

// ParseShipRow with the craft lookup given: `findCraft(name, craft)` stores the craft of that
// name in `craft` and returns whether there is one.
template <typename FindCraftByName>
bool ParseShipColumns(std::string_view line, ShipSpec& spec, bool pfPass,
                      const FindCraftByName& findCraft) {
    // One column is taken per statement: the columns must be read in order.
    RowTokenizer columns(line);

    spec.race = RaceCode(columns.next());
    if (spec.race == -1)
        return false;
    spec.hullType = HullTypeCode(columns.next());
    spec.className = columns.next();
    spec.hullClass = HullClassCode(columns.next());
    if ((spec.hullClass == kHullClassPf) != pfPass)
        return false;

    spec.bpv = ParseIntColumn(columns.nextView());
    spec.letterCode = LetterCode(columns.next());
    ReadInts(columns, spec, {&ShipSpecCore::col07, &ShipSpecCore::col08, &ShipSpecCore::col09});
    spec.gradeCode = GradeCode(columns.next());
    spec.col11 = ParseFloat(columns.nextView());
    ReadInts(columns, spec,
             {&ShipSpecCore::col12, &ShipSpecCore::col13, &ShipSpecCore::col14,
              &ShipSpecCore::col15, &ShipSpecCore::marines, &ShipSpecCore::marinesMax,
              &ShipSpecCore::col18, &ShipSpecCore::col19, &ShipSpecCore::col20});

    // Six facings from four columns: the side facings share a value left and right.
    spec.shields[0] = ParseIntColumn(columns.nextView());
    spec.shields[1] = spec.shields[5] = ParseIntColumn(columns.nextView());
    spec.shields[2] = spec.shields[4] = ParseIntColumn(columns.nextView());
    spec.shields[3] = ParseIntColumn(columns.nextView());
    ReadInts(columns, spec, {&ShipSpecCore::col25, &ShipSpecCore::col26});

    // Each mount is filled in its slot; every accepted record has all 25.
    for (int32_t number = kFirstMountNumber; number <= kLastMountNumber; ++number) {
        WeaponMount& mount = spec.mounts[number];
        mount.count = ParseIntColumn(columns.nextView());
        mount.weaponKeyword.assign(columns.nextView());
        mount.arcKeyword.assign(columns.nextView());
        mount.weapon = WeaponCode(mount.weaponKeyword);
        mount.arc = ArcCode(mount.arcKeyword);
    }

    ReadInts(columns, spec,
             {&ShipSpecCore::col102, &ShipSpecCore::mines, &ShipSpecCore::minesMax,
              &ShipSpecCore::col105, &ShipSpecCore::col106, &ShipSpecCore::col107,
              &ShipSpecCore::col108, &ShipSpecCore::col109, &ShipSpecCore::col110,
              &ShipSpecCore::col111, &ShipSpecCore::shuttles, &ShipSpecCore::shuttlesMax});

    // A bay with a count names its craft, which must already be known; an empty bay's name is
    // read and ignored.
    for (FighterBay& bay : spec.bays) {
        const int32_t count = ParseIntColumn(columns.nextView());
        const std::string_view craftName = columns.nextView();
        if (count == 0)
            continue;
        if (!findCraft(craftName, bay.craft))
            return false;
        bay.count = count;
    }

    ReadInts(
        columns, spec,
        {&ShipSpecCore::col122, &ShipSpecCore::col123, &ShipSpecCore::col124, &ShipSpecCore::col125,
         &ShipSpecCore::col126, &ShipSpecCore::col127, &ShipSpecCore::col128});
    spec.col129 = spec.col129Copy = ParseIntColumn(columns.nextView());
    ReadInts(
        columns, spec,
        {&ShipSpecCore::col130, &ShipSpecCore::col131, &ShipSpecCore::col132, &ShipSpecCore::col133,
         &ShipSpecCore::col134, &ShipSpecCore::col135, &ShipSpecCore::col136, &ShipSpecCore::col137,
         &ShipSpecCore::col138, &ShipSpecCore::col139, &ShipSpecCore::col140, &ShipSpecCore::col141,
         &ShipSpecCore::col142, &ShipSpecCore::col143, &ShipSpecCore::col144,
         &ShipSpecCore::repairs, &ShipSpecCore::col146, &ShipSpecCore::col147});
    spec.text148 = columns.next();
    spec.text149 = columns.next();
    spec.text150 = columns.next();
    spec.text151 = columns.next();
    spec.text152 = columns.next();
    spec.col153 = ParseIntColumn(columns.nextView());
    return true;
}

// Whether the row is rejected on its first four columns alone: an empty race, or a hull class
// that belongs to the other pass. Most rows of a pass are, and checking first spares building a
// record only to drop it.
bool RejectedByFirstColumns(std::string_view line, bool pfPass) {
    RowTokenizer columns(line);
    if (RaceCode(columns.next()) == -1)
        return true;
    columns.nextView();  // hull type
    columns.nextView();  // class name
    return (HullClassCode(columns.next()) == kHullClassPf) != pfPass;
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
    return ParseShipColumns(line, spec, pfPass,
                            [&lists](std::string_view className, SharedCraft& craft) {
                                const ShipSpec* entry = FindCraftEntry(lists.craftList, className);
                                if (entry == nullptr)
                                    return false;
                                craft = entry->core();
                                return true;
                            });
}

void ReadShipPass(LineReader& reader, CatalogueLists& lists, bool pfPass) {
    std::string line;  // reused for every line
    if (!SkipToFirstRow(reader, line))
        return;
    CraftIndex crafts(lists.craftList);
    const auto findCraft = [&crafts](std::string_view className, SharedCraft& craft) {
        return crafts.find(className, craft);
    };
    do {
        if (StartsWith(line, kEndLine))
            return;
        if (RejectedByFirstColumns(line, pfPass))
            continue;
        // Built in place; a row rejected by its bays is taken off again.
        ShipSpec& spec = lists.mainList.emplace_back();
        if (!ParseShipColumns(line, spec, pfPass, findCraft)) {
            lists.mainList.pop_back();
            continue;
        }
        if (spec.hullClass == kHullClassPf)
            crafts.add(lists.craftList.emplace_back(spec));
    } while (reader.readLine(line));
}
