// The table readers with an observer attached, on the same input as tables_fuzzer: a ship table,
// a 0xFF byte, a fighter table, written to files in a Wine prefix and read with ReadTables.
//
// Checks: the lines told are exactly the lines of the two files, each told once (the ship table
// is read in two passes); header lines come before every other line of their table; unknown
// keywords sit in a column of a row the readers parse and are unknown to their lookup; the rows
// told accepted are exactly the catalogue's records; and the lists are the same as a read
// without an observer gives.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <set>
#include <string>
#include <utility>

#include "fuzz/support/catalogue_invariants.h"
#include "fuzz/support/fuzz_wine_prefix.h"
#include "fuzz/support/require.h"
#include "gamedata/catalogue_lists.h"
#include "gamedata/code_tables.h"
#include "gamedata/number_text.h"
#include "gamedata/table_observer.h"
#include "gamedata/table_reader.h"

using fuzzsupport::Require;

namespace {

constexpr char kShipTablePath[] = "C:\\Specs\\shiplist.txt";
constexpr char kFighterTablePath[] = "C:\\Specs\\ftrlist.txt";

struct TableFiles {
    fuzzsupport::FuzzWinePrefix prefix;
    std::string shipTable;
    std::string fighterTable;

    TableFiles() {
        prefix.MakeDirectory("drive_c/Specs");
        shipTable = prefix.DriveC() + "/Specs/shiplist.txt";
        fighterTable = prefix.DriveC() + "/Specs/ftrlist.txt";
    }
};

// Lines as the readers count them: each ends at a line feed, and a last line may have none.
int LineCount(const std::string& text) {
    int lines = 0;
    for (const char c : text)
        lines += c == '\n' ? 1 : 0;
    return lines + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

class CheckingObserver : public TableObserver {
  public:
    CheckingObserver(int shipLines, int fighterLines)
        : shipLines_(shipLines), fighterLines_(fighterLines) {}

    std::set<const ShipSpec*> accepted;

    void LineRead(const LineReport& report) override {
        Once(report.table, report.line);
        Require(report.columns ==
                    1 + static_cast<int>(std::count(report.text.begin(), report.text.end(), '\t')),
                "a line's column count is told");
        // A misread number is told before its row's fate, and only for a row that was parsed.
        if (misreadLine_ != 0)
            Require(report.table == misreadTable_ && report.line == misreadLine_ &&
                        (report.fate == LineFate::kAccepted || report.fate == LineFate::kDropped),
                    "a misread number belongs to the row told next");
        misreadLine_ = 0;
        if (report.fate == LineFate::kHeader)
            Require(report.line == ++headerLines_[Index(report.table)],
                    "header lines come first in their table");
        if (report.fate == LineFate::kAccepted)
            Require(report.entry != nullptr && accepted.insert(report.entry).second,
                    "each record is told accepted once");
        if (report.fate == LineFate::kDropped)
            Require(report.reason == LineReason::kEmptyRace ||
                        (report.reason == LineReason::kUnknownCraft && report.bay >= 1 &&
                         report.bay <= 4),
                    "a dropped row has an empty race or a bay that names an unknown craft");
    }
    void KeywordUnknown(GameTable table, int line, const UnknownKeyword& keyword) override {
        Within(table, line);
        const int columns = table == GameTable::kShips ? 153 : 36;
        Require(keyword.column >= 1 && keyword.column <= columns, "a keyword's column is a column");
        Require(IsUnknownKeyword(keyword.kind, keyword.keyword, keyword.code),
                "a keyword reported unknown is unknown to its lookup");
    }

    void NumberMisread(GameTable table, int line, const MisreadNumber& number) override {
        Within(table, line);
        const int columns = table == GameTable::kShips ? 153 : 36;
        Require(number.column >= 1 && number.column <= columns, "a number's column is a column");
        Require(!ReadsAsWritten(number.text, number.value) &&
                    ParseIntColumn(number.text) == number.value,
                "a number told misread is read as told, and not as written");
        misreadTable_ = table;
        misreadLine_ = line;
    }

    // Whether every line of both files was told.
    bool AllTold() const {
        return reported_.size() == static_cast<std::size_t>(shipLines_ + fighterLines_);
    }

  private:
    int Lines(GameTable table) const {
        return table == GameTable::kShips ? shipLines_ : fighterLines_;
    }
    void Within(GameTable table, int line) const {
        Require(line >= 1 && line <= Lines(table),
                "every reported line number lies within its file");
    }
    void Once(GameTable table, int line) {
        Within(table, line);
        Require(reported_.insert({table, line}).second, "no line is reported twice");
    }

    static std::size_t Index(GameTable table) { return table == GameTable::kShips ? 0 : 1; }

    int shipLines_;
    int fighterLines_;
    int headerLines_[2] = {0, 0};
    GameTable misreadTable_ = GameTable::kShips;
    int misreadLine_ = 0;  // the row of the last misread number, until its fate is told
    std::set<std::pair<GameTable, int>> reported_;
};

bool SameList(const std::list<ShipSpec>& a, const std::list<ShipSpec>& b) {
    if (a.size() != b.size())
        return false;
    for (auto x = a.begin(), y = b.begin(); x != a.end(); ++x, ++y) {
        if (!fuzzsupport::SameSpec(*x, *y))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const TableFiles files;
    const char* const bytes = reinterpret_cast<const char*>(data);
    const char* const end = bytes + size;
    const char* split = bytes;
    while (split != end && static_cast<unsigned char>(*split) != 0xFF)
        ++split;
    const std::string shipTable(bytes, split);
    const std::string fighterTable = split == end ? std::string() : std::string(split + 1, end);
    fuzzsupport::WriteHostFile(files.shipTable, shipTable);
    fuzzsupport::WriteHostFile(files.fighterTable, fighterTable);

    CheckingObserver observer(LineCount(shipTable), LineCount(fighterTable));
    CatalogueLists observed;
    Require(ReadTables(observed, kShipTablePath, kFighterTablePath, &observer),
            "two readable tables are read without error");
    Require(observer.AllTold(), "every line of both files is told");
    Require(observer.accepted.size() == observed.mainList.size(),
            "as many rows are reported accepted as the catalogue holds");
    for (const ShipSpec& entry : observed.mainList)
        Require(observer.accepted.count(&entry) == 1, "every record was reported accepted");

    CatalogueLists plain;
    Require(ReadTables(plain, kShipTablePath, kFighterTablePath), "the plain read succeeds too");
    Require(SameList(observed.mainList, plain.mainList) &&
                SameList(observed.craftList, plain.craftList),
            "an observer changes nothing in what is read");
    return 0;
}
