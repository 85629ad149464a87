// Arbitrary bytes as the pair of game tables: the bytes before the first 0xFF byte are the ship
// table, those after it the fighter table (empty when there is no 0xFF). Both are written to
// files in a Wine prefix made once at start-up and read with ReadTables through Windows paths,
// spelled in another letter case than the files, as a game directory from the registry may be.
//
// Checks: the read succeeds; every entry has the mounts 49 to 73; the craft list holds only
// fighter-table entries (class SHUTTLE) and PFs; mainList begins with exactly the craft list's
// entries, in the same order (fighters, then PFs), followed by the other ships; every bay holds
// a copy of a craft from the craft list, and an empty bay none.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/catalogue_invariants.h"
#include "fuzz/support/fuzz_wine_prefix.h"
#include "fuzz/support/require.h"
#include "gamedata/catalogue_lists.h"
#include "gamedata/code_tables.h"
#include "gamedata/table_reader.h"

using fuzzsupport::Require;

namespace {

constexpr char kShipTablePath[] = "C:\\Specs\\SHIPLIST.TXT";
constexpr char kFighterTablePath[] = "c:\\SPECS\\FtrList.txt";

// The prefix and the two host files, made once and rewritten for every input.
struct TableFiles {
    fuzzsupport::FuzzWinePrefix prefix;
    std::string shipTable;
    std::string fighterTable;

    TableFiles() {
        prefix.MakeDirectory("drive_c/specs");
        shipTable = prefix.DriveC() + "/specs/shiplist.txt";
        fighterTable = prefix.DriveC() + "/specs/ftrlist.txt";
    }
};

void CheckLists(const CatalogueLists& lists) {
    Require(lists.mainList.size() >= lists.craftList.size(), "mainList holds every craft and more");
    auto entry = lists.mainList.begin();
    for (const ShipSpec& craft : lists.craftList) {
        Require(craft.hullClass == kHullClassShuttle || craft.hullClass == kHullClassPf,
                "the craft list holds fighter-table entries and PFs only");
        Require(fuzzsupport::SameSpec(*entry, craft),
                "mainList begins with the craft list's entries in the same order");
        ++entry;
    }
    for (; entry != lists.mainList.end(); ++entry) {
        Require(entry->hullClass != kHullClassPf, "every PF is in the craft list");
    }
    for (const ShipSpec& spec : lists.mainList) {
        Require(spec.race != -1, "no entry lacks its race");
        fuzzsupport::RequireAllMounts(spec);
        fuzzsupport::RequireBaysFromCraftList(spec, lists.craftList);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const TableFiles files;
    const char* const bytes = reinterpret_cast<const char*>(data);
    const char* const end = bytes + size;
    const char* split = bytes;
    while (split != end && static_cast<unsigned char>(*split) != 0xFF)
        ++split;
    fuzzsupport::WriteHostFile(files.shipTable, std::string(bytes, split));
    fuzzsupport::WriteHostFile(files.fighterTable,
                               split == end ? std::string() : std::string(split + 1, end));

    CatalogueLists lists;
    Require(ReadTables(lists, kShipTablePath, kFighterTablePath),
            "two readable tables are read without error");
    CheckLists(lists);
    return 0;
}
