// kvtool on small tables written for each finding, on fleet files, and on the demo game.
#include "tool/kvtool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fleet/fleet_file_codec.h"
#include "gamedata/number_text.h"
#include "gamedata/tests/table_rows.h"
#include "platform/file_primitives.h"
#include "tests/support/temp_dir.h"

namespace {

using tablerows::Cell;
using tablerows::Ship;

const std::string kHeader = "Header line\n";
using tablerows::Fighter;
using tablerows::kEndLine;

struct KvtoolRun {
    int status = -1;
    std::string out;
    std::string err;
};

KvtoolRun Kvtool(std::vector<std::string> arguments, const std::string& input = "") {
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in(input);
    KvtoolRun run;
    run.status = RunKvtool(arguments, out, err, in);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// A game directory holding the two tables.
struct Game {
    Game(const std::string& fighters, const std::string& ships) {
        testsupport::WriteFile(dir / "Assets/specs/ftrlist.txt", fighters);
        testsupport::WriteFile(dir / "Assets/specs/shiplist.txt", ships);
    }
    KvtoolRun Tables(std::vector<std::string> more = {}) const {
        more.insert(more.begin(), {"tables", "--game", dir.path()});
        return Kvtool(more);
    }
    testsupport::TempDir dir;
};

// The data begin at the first row of race "Concordat": line 2 of each table.
const std::string kShips = kHeader + Ship("Concordat", "CN-First", "FRIGATE");
const std::string kFirstFighter = kHeader + Fighter("Concordat", "CN-Swift", {{29, "3"}});
const std::string kWasp = Fighter("Corvane", "CV-Wasp", {{29, "3"}});
const std::string kFighters = kFirstFighter + kWasp + kEndLine;

// One finding or note of each kind, each on a table written for it: FILE:LINE: CLASS: the reason,
// and the exit status: 1 for a row lost or misread, 0 when there are only notes.
TEST(KvtoolTables, ReportsEachFindingAtItsFileLineAndClass) {
    const std::string longName(16, 'L');
    const std::string longFighter(40, 'F');
    const std::string cutFighters =
        kFirstFighter + kWasp + "\n" + Fighter("Corvane", "CV-Hornet") + kEndLine;
    const std::string endedByRow = kFirstFighter + Fighter("", "CV-Nameless") + kWasp + kEndLine;
    const std::string earlyRows = kHeader + Ship("CONCORDAT", "CN-Loud", "FRIGATE") +
                                  Ship("corvane", "Early", "FRIGATE") +
                                  Ship("Concordat", "CN-First", "FRIGATE");
    const std::string dataStart =
        ": read as a header line: the data start at line 4, the first line that starts with "
        "\"Concordat\"";
    const int lost = kExitFindings;
    const int kept = kExitClean;
    const struct {
        std::string fighters;
        std::string ships;
        int status;
        std::string expected;
    } cases[] = {
        {kFighters, kShips + Ship("", "Blank", "FRIGATE"), lost,
         "shiplist.txt:3: Blank: dropped: the race column is empty"},
        {kFighters, kShips + Ship("Corvane", "Carrier", "CARRIER", {{116, "2"}, {117, "CV-Wsp"}}),
         lost,
         "shiplist.txt:3: Carrier: dropped: bay 2 names \"CV-Wsp\", which no fighter or PF bears"},
        {kFighters, kShips + Ship("Corvane", "Carrier", "CARRIER", {{114, "2"}, {115, "cv-wasp"}}),
         lost,
         "shiplist.txt:3: Carrier: dropped: bay 1 names \"cv-wasp\", which no fighter or PF "
         "bears; did you mean \"CV-Wasp\" (" /* the fighter table's path */},
        {kFighters,
         kShips + Ship("Concordat", "Mother", "PF", {{114, "1"}, {115, "Child"}}) +
             Ship("Concordat", "Child", "PF"),
         lost,
         "shiplist.txt:3: Mother: dropped: bay 1 names \"Child\", a PF that stands further down, "
         "at line 4: a PF carries only crafts read before it"},
        {kFighters, kShips + Ship("Concordat", "Selfish", "PF", {{114, "1"}, {115, "Selfish"}}),
         lost,
         "shiplist.txt:3: Selfish: dropped: bay 1 names \"Selfish\", its own class name: a PF "
         "carries only crafts read before it"},
        {cutFighters,
         kShips + Ship("Corvane", "Carrier", "CARRIER", {{114, "2"}, {115, "CV-Hornet"}}), lost,
         "ftrlist.txt:4: -: a blank line: the fighter table ends here, so the 1 row below it is "
         "never read, nor the 1 ship whose bays name it"},
        {cutFighters,
         kShips + Ship("Corvane", "Carrier", "CARRIER", {{114, "2"}, {115, "CV-Hornet"}}), lost,
         "shiplist.txt:3: Carrier: dropped: bay 1 names \"CV-Hornet\", a fighter that is never "
         "read: it stands at "},
        {endedByRow, kShips, lost,
         "ftrlist.txt:3: CV-Nameless: dropped: the race column is empty, and the fighter table "
         "ends at its first rejected row, so the 1 row below it is never read"},
        {endedByRow,
         kShips + Ship("Corvane", "Carrier", "CARRIER", {{114, "2"}, {115, "CV-Nameless"}}), lost,
         "shiplist.txt:3: Carrier: dropped: bay 1 names \"CV-Nameless\", the row at "},
        {kFighters,
         kShips + Ship("Corvane", "Carrier", "CARRIER", {{114, "1"}, {115, "Escort"}}) +
             Ship("Corvane", "Escort", "DESTROYER"),
         lost,
         "shiplist.txt:3: Carrier: dropped: bay 1 names \"Escort\", a DESTROYER (line 4), not a "
         "fighter or PF"},
        {kFighters,
         kShips + Ship("Corvane", "Carrier", "CARRIER", {{114, "1"}, {115, "Gunboat"}}) +
             Ship("Corvane", "Gunboat", "PF", {{114, "1"}, {115, "Nobody"}}),
         lost,
         "shiplist.txt:3: Carrier: dropped: bay 1 names \"Gunboat\", a row that is dropped "
         "itself (line 4)"},
        {kFighters, earlyRows, lost, "shiplist.txt:2: CN-Loud" + dataStart},
        {kFighters, earlyRows, lost, "shiplist.txt:3: Early" + dataStart},
        {kFighters, kShips + Ship("Zorg", "Odd", "DESTROYER"), lost,
         "shiplist.txt:3: Odd: unknown race \"Zorg\" in column 1 (-2): normal mode leaves it "
         "out: the race is unknown (-2), and it offers Corvane ships only; Sector Assault mode "
         "leaves it out: hull class DESTROYER is not a base"},
        {kFighters, kShips + Ship("Corvane", "Hulless", ""), lost,
         "shiplist.txt:3: Hulless: empty hull class in column 4 (-1): normal mode leaves it out: "
         "hull class none (-1) is not a warship class"},
        {kFighters, kShips + Ship("Corvane", "Odd", "BOAT"), lost,
         "shiplist.txt:3: Odd: unknown hull class \"BOAT\" in column 4 (-1): normal mode"},
        {kFighters, kShips + "Corvane\tCA\tShort\n", lost,
         "shiplist.txt:3: Short: the row has 3 of 153 columns: column 3 keeps the line end, "
         "\"Short\\n\", and the missing columns read as empty"},
        {kFighters, kShips + "Corvane CA CV-Spaced FRIGATE 60\n", lost,
         "shiplist.txt:3: -: the row has 1 of 153 columns: column 1 keeps the line end, "
         "\"Corvane CA CV-Spaced FRIGATE 60\\n\", and the missing columns read as empty (numbers "
         "0, keywords as empty, no text, no craft); the line holds no tab: are its columns "
         "separated by blanks?"},
        {kFighters, kShips + "\r\n" + kEndLine, kept,
         "shiplist.txt:3: -: note: a blank line, read as a row of race \"\\n\" (-2) and no hull "
         "class"},
        // What loses nothing is a note.
        {kFighters, kShips + "\tThis is the last line. End of file.\n", kept,
         "shiplist.txt:3: -: note: dropped: the race column is empty"},
        {kFirstFighter + kWasp + "\tThis is the last line. End of file.\n", kShips, kept,
         "ftrlist.txt:4: This is the last line. End of file.: note: dropped: the race column is "
         "empty, and the fighter table ends at its first rejected row, so the 0 rows below it"},
        {kFighters, kShips + kEndLine + "Edited by hand.\n", kept,
         "shiplist.txt:4: -: note: not read: below the end line"},
        {kFirstFighter + Fighter("Corvane", "Twin") + kEndLine,
         kShips + Ship("Corvane", "Twin", "FRIGATE"), kept,
         "shiplist.txt:3: Twin: note: class name also at "},
        {kFighters, kShips + Ship("Corvane", "Odd", "FRIGATE", {{2, "ZZ"}}), kept,
         "shiplist.txt:3: Odd: note: unknown hull type \"ZZ\" in column 2: stored as 43"},
        {kFighters, kShips + Ship("Corvane", "Odd", "FRIGATE", {{6, "Q9"}}), kept,
         "shiplist.txt:3: Odd: note: unknown letter code \"Q9\" in column 6: stored as -1"},
        {kFighters, kShips + Ship("Corvane", "Odd", "FRIGATE", {{10, "z"}}), kept,
         "shiplist.txt:3: Odd: note: unknown grade \"z\" in column 10: stored as -1"},
        {kFighters, kShips + Ship("Corvane", "Odd", "FRIGATE", {{31, "Ph9"}}), lost,
         "shiplist.txt:3: Odd: unknown weapon \"Ph9\" in column 31 (mount 50): stored as -1, so "
         "the picker shows no weapon"},
        {kFighters,
         kShips + Ship("Corvane", "Odd", "CARRIER", {{31, "Ph9"}, {114, "1"}, {115, "Nobody"}}),
         lost,
         "shiplist.txt:3: Odd: note: unknown weapon \"Ph9\" in column 31 (mount 50): the lookup "
         "gives -1, but the row is dropped"},
        {kFirstFighter + Fighter("Corvane", "Odd", {{10, "XX"}}) + kEndLine, kShips, kept,
         "ftrlist.txt:3: Odd: note: unknown arc \"XX\" in column 10 (mount 50): stored as -1"},
        {kFighters, kShips + Ship("Corvane", longName, "FRIGATE"), lost,
         "shiplist.txt:3: " + longName +
             ": class name of 16 characters: normal mode offers it "
             "(position 1 of 1), but OK refuses it: the fleet file holds a class name of at most "
             "15"},
        {kFirstFighter + Fighter("Corvane", longFighter) + kEndLine, kShips, lost,
         "ftrlist.txt:3: " + longFighter +
             ": class name of 40 characters: a ship with it as "
             "fighter type cannot be saved"},
        {kFighters,
         kShips + Ship("Corvane", "Twin", "FRIGATE", {{5, "60"}}) +
             Ship("Corvane", "Twin", "FRIGATE", {{5, "50"}}),
         lost,
         "shiplist.txt:4: Twin: class name also at line 3; normal mode offers both, and Load "
         "finds the one at line 4 (position 1)"},
        {kFighters,
         kShips + Ship("Corvane", "Twin", "FRIGATE") + Ship("Corvane", "Twin", "FRIGATE"), kept,
         "shiplist.txt:4: Twin: note: class name also at line 3; normal mode offers both, and "
         "Load finds the one at line 3"},
        {kFirstFighter + kWasp + Fighter("Corvane", "CV-Wasp", {{29, "2"}}) + kEndLine, kShips,
         lost,
         "ftrlist.txt:4: CV-Wasp: class name also at line 3; bays carry the one at line 3; the "
         "picker's fighter type is the one at line 4"},
        {kFighters,
         kShips + Ship("Corvane", "A", "FRIGATE") + kEndLine + "\n" +
             Ship("Corvane", "Late", "FRIGATE"),
         lost, "shiplist.txt:6: Late: not read: below the end line (line 4)"},
        {"no rows\n", kShips, lost, "ftrlist.txt:1: -: no line starts with \"Concordat\""},
        // Number columns read as something else than written.
        {kFighters, kShips + Ship("Corvane", "Odd", "FRIGATE", {{5, "62a"}}), lost,
         "shiplist.txt:3: Odd: column 5 (the BPV, which the picker shows and the fleet's total "
         "counts) reads \"62a\" as 62"},
        {kFighters, kShips + Ship("Corvane", "Odd", "FRIGATE", {{5, "99999999999"}}), lost,
         "column 5 (the BPV, which the picker shows and the fleet's total counts) reads "
         "\"99999999999\" as 2147483647"},
        {kFighters, kShips + Ship("Corvane", "Odd", "CARRIER", {{114, "two"}, {115, "CV-Wasp"}}),
         lost, "shiplist.txt:3: Odd: column 114 (the fighters in bay 1) reads \"two\" as 0"},
        {kFighters, kShips + Ship("Corvane", "Odd", "FRIGATE", {{7, "1e3"}}), lost,
         "shiplist.txt:3: Odd: column 7 reads \"1e3\" as 1"},
        {kFirstFighter + Fighter("Corvane", "Odd", {{29, "3.5"}}) + kEndLine, kShips, lost,
         "ftrlist.txt:3: Odd: column 29 (the fighter's BPV, which a bay of it adds to the ship's "
         "adjusted BPV) reads \"3.5\" as 3"},
        // Columns beyond the table's, and causes an editor does not show.
        {kFighters, kShips + Ship("Corvane", "Long\tX", "FRIGATE"), lost,
         "shiplist.txt:3: Long: the row has 154 of 153 columns: the readers never read column "
         "154 on"},
        {kFirstFighter + "Corvane\tShorty\t1\n" + kEndLine, kShips, lost,
         "ftrlist.txt:3: Shorty: the row has 3 of 36 columns"},
        {kFighters, "\xEF\xBB\xBF" + Ship("Concordat", "CN-A", "FRIGATE", {{5, "60"}}) + kShips,
         lost, "the file starts with a byte-order mark (EF BB BF), which an editor does not show"},
        {kFighters, "Header\r" + Ship("Concordat", "CN-A", "FRIGATE"), lost,
         "shiplist.txt:1: -: no line starts with \"Concordat\": the table has no rows; the line "
         "holds 1 carriage return without a line feed, so 2 lines are read as one"},
        {kFighters, kShips + Ship("Corvane", "Fine", "FRIGATE", {{5, " +62 "}}), kept,
         "shiplist.txt: 1 header line"},  // blanks and a sign are read as written
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        const Game game(c.fighters, c.ships);
        const KvtoolRun run = game.Tables();
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.out.find(c.expected), std::string::npos) << run.out;
    }
}

// Each rule of the start-up modes, as --ship explains why a mode leaves a ship out.
// Over generated tables: a number column whose value, written back, is not the text of the
// field (beyond blanks, a plus sign and leading zeros) always has its finding.
TEST(KvtoolTables, EveryNumberNotReadAsWrittenHasAFinding) {
    const int numberColumns[] = {5,  7,  8,   9,   12,  16,  17,  21,  24,  25,
                                 27, 30, 102, 103, 112, 113, 122, 129, 145, 153};
    const char* const texts[] = {"62",  "62a", " 7 ", "+3",   "1e3",  "two",         "-0",
                                 "007", "3.5", "",    "-12x", "0x1F", "99999999999", "-5"};
    const auto writtenBack = [](std::string text) {
        while (!text.empty() && (text.front() == ' ' || text.front() == '+'))
            text.erase(0, 1);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        const bool negative = !text.empty() && text[0] == '-';
        std::string digits = text.substr(negative ? 1 : 0);
        while (digits.size() > 1 && digits[0] == '0')
            digits.erase(0, 1);
        return digits.empty() ? std::string("0") : (negative && digits != "0" ? "-" : "") + digits;
    };
    std::mt19937 random(20261209);
    for (int round = 0; round < 20; ++round) {
        std::string ships = kShips;
        std::vector<std::pair<int, std::string>> written;  // column, text of row 3
        std::vector<Cell> cells;
        for (int n = 0; n < 4; ++n) {
            const int column = numberColumns[random() % std::size(numberColumns)];
            const std::string text = texts[random() % std::size(texts)];
            if (std::any_of(cells.begin(), cells.end(),
                            [column](const Cell& cell) { return cell.column == column; }))
                continue;
            cells.push_back({column, text});
            written.emplace_back(column, text);
        }
        const Game game(kFighters, ships + Ship("Corvane", "Probe", "FRIGATE", cells) + kEndLine);
        const std::string report = game.Tables().out;
        for (const auto& [column, text] : written) {
            const std::string value = std::to_string(ParseInt(text));
            const bool found = report.find(":3: Probe: column " + std::to_string(column) + " ") !=
                               std::string::npos;
            EXPECT_TRUE(writtenBack(text) == value || found)
                << "column " << column << " \"" << text << "\" read as " << value << "\n"
                << report;
        }
    }
}

TEST(KvtoolTables, ShipReportNamesTheModeRuleThatLeavesAShipOut) {
    const Game game(kFighters, kShips + Ship("Vorrak", "VR-Frigate", "FRIGATE") +
                                   Ship("Corvane", "CV-Freighter", "FREIGHTER") +
                                   Ship("Neutral", "NT-Base", "STARBASE") + kEndLine);
    const struct {
        const char* ship;
        const char* expected;
    } cases[] = {
        {"VR-Frigate",
         "normal mode: not offered: the race is Vorrak, and it offers Corvane "
         "ships only"},
        {"CV-Freighter", "normal mode: not offered: hull class FREIGHTER is not a warship class"},
        {"VR-Frigate", "Sector Assault mode: not offered: hull class FRIGATE is not a base"},
        {"NT-Base", "Sector Assault mode: not offered: it leaves out the race Neutral"},
        {"CN-First", "Sector Assault mode: not offered: hull class FRIGATE is not a base"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ship);
        const KvtoolRun run = game.Tables({"--ship", c.ship});
        EXPECT_EQ(run.status, kExitClean);
        EXPECT_NE(run.out.find(c.expected), std::string::npos) << run.out;
    }
}

TEST(KvtoolTables, ExitStatusesTellCleanTablesFindingsAndErrors) {
    // Rows without a class name share none.
    const Game clean(kFighters, kShips + Ship("Corvane", "CV-Kite", "FRIGATE") +
                                    Ship("Corvane", "", "FRIGATE") +
                                    Ship("Corvane", "", "DESTROYER") + kEndLine);
    const Game faulty(kFighters, "Header\tx\tEarly\n" + kShips + Ship("", "Blank", "FRIGATE") +
                                     kEndLine + Ship("Corvane", "Late", "FRIGATE"));
    const struct {
        KvtoolRun run;
        int status;
        const char* expected;  // in the output for 0 and 1, in the error for 2
    } cases[] = {
        {clean.Tables(), kExitClean, "0 findings"},
        {clean.Tables({"--ship", "CV-Kite"}), kExitClean, "offered at position 1 of 3"},
        {clean.Tables({"--ship", "CV-Gone"}), kExitFindings, "no line of either table"},
        {faulty.Tables(), kExitFindings, "2 findings, 0 notes\n"},
        {faulty.Tables({"--ship", "Early"}), kExitClean,
         "shiplist.txt:1: read as a header line: the data start at line 3"},
        {faulty.Tables({"--ship", "Late"}), kExitFindings,
         "shiplist.txt:6: not read: below the end line (line 5)"},
        // A name that no row holds as its class name, but a line holds elsewhere.
        {Game(kFighters, kShips + Ship("Corvane", "CV-Kite\tCV-Hawk", "FRIGATE") + kEndLine)
             .Tables({"--ship", "CV-Hawk"}),
         kExitFindings, "elsewhere:\n  " /* the table's path */},
        {Game(kFighters, kShips + Ship("Corvane", "CV-Kite ", "FRIGATE") + kEndLine)
             .Tables({"--ship", "CV-Kite"}),
         kExitFindings, ":3: inside column 3, \"CV-Kite \", of a line read as the class name"},
        {Kvtool({"--help"}), kExitClean,
         "  1  findings; tables --ship: also a class name that no line of either table bears"},
        {Kvtool({}), kExitError, "no command given"},
        {Kvtool({"tables", "--colour"}), kExitError, "unknown option '--colour'"},
        {Kvtool({"fleet", "a", "b"}), kExitError, "unexpected argument 'b'"},
        {Kvtool({"fleet", "--ship", "x"}), kExitError, "--ship belongs to the tables command"},
        {Kvtool({"export", "--game", "x"}), kExitError, "--game belongs to the tables and fleet"},
        {Kvtool({"import"}), kExitError, "import needs a text"},
        {Kvtool({"import", clean.dir / "none.txt", clean.dir / "f.flt"}), kExitError,
         "cannot open the text "},
        {Kvtool({"tables", "--game", clean.dir / "missing"}), kExitError,
         "cannot open the ship table "},
        {Kvtool({"fleet", clean.dir / "none.flt", "--game", clean.dir.path()}), kExitError,
         "cannot open the fleet file "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(c.run.status, c.status);
        const std::string& text = c.status == kExitError ? c.run.err : c.run.out;
        EXPECT_NE(text.find(c.expected), std::string::npos) << text;
    }
}

FleetSlot Frigate(int32_t marines, int32_t adjustedBpv) {
    FleetSlot slot;
    SetShipCode(slot, "CV-Kite");
    slot.baseBpv = 60;
    slot.adjustedBpv = adjustedBpv;
    slot.marinesTaken = marines;
    slot.missileType = 1;
    slot.missileSpeed = 1;
    return slot;
}

std::string FleetBytes(int32_t version, int32_t count, const std::vector<FleetSlot>& slots) {
    unsigned char header[kFleetHeaderSize];
    WriteLittleEndian32(header, static_cast<uint32_t>(version));
    WriteLittleEndian32(header + 4, static_cast<uint32_t>(count));
    std::string bytes(reinterpret_cast<const char*>(header), sizeof header);
    for (const FleetSlot& slot : slots) {
        unsigned char record[kFleetSlotSize];
        EncodeFleetSlot(slot, record);
        bytes.append(reinterpret_cast<const char*>(record), sizeof record);
    }
    return bytes;
}

TEST(KvtoolFleet, ReportsWhatLoadWouldMakeOfTheFile) {
    // Standard marines 2: each one more adds 2 to the point value.
    const Game game(kFighters, kShips + Ship("Corvane", "CV-Kite", "FRIGATE",
                                             {{5, "60"}, {16, "2"}, {17, "4"}}));
    // Numbers the picker reads as words: any type but 1 is "Type IV", any speed above 2 "Fast".
    FleetSlot odd = Frigate(2, 60);
    odd.missileType = 7;
    odd.missileSpeed = 9;
    odd.missileReloads = 2;
    odd.fighterBays = 1;
    odd.fightersPerBay = 2;
    odd.adjustedBpv = 66;  // two fighters of BPV 3 where the frigate carries none
    SetFighterType(odd, "CV-Wasp");
    FleetSlot ghost = Frigate(2, 60);
    SetShipCode(ghost, "CV-Ghost");
    FleetSlot unterminated = Frigate(2, 60);
    std::memset(unterminated.fighterType, 'F', FleetSlot::kFighterTypeSize);
    unterminated.fighterType[3] = '\a';
    const struct {
        std::string bytes;
        int status;
        const char* expected;
    } cases[] = {
        {FleetBytes(2, 1, {Frigate(3, 62)}), kExitClean, "marines 3, mines 0"},
        {FleetBytes(2, 1, {odd}), kExitFindings,
         "missiles Type IV (stored as 7), Fast (stored as 9), 2 reloads, no missile racks\n  "
         "fighters 1 bay of 2 CV-Wasp, cost 6"},
        {FleetBytes(2, 1, {odd}), kExitFindings,
         "slot 1: CV-Kite: missile type 7 is a code the picker never writes (1 Type I, 4 Type IV)"},
        {FleetBytes(2, 1, {unterminated}), kExitFindings,
         "slot 1: CV-Kite: the fighter name fills all 40 bytes of its field with no terminating "
         "zero"},
        {FleetBytes(2, 1, {unterminated}), kExitFindings,
         "slot 1: CV-Kite: the fighter name holds the control byte \\x07"},
        {FleetBytes(2, 1, {Frigate(3, 60)}), kExitFindings,
         "slot 1: CV-Kite: adjusted BPV 60 in the file, but the picker computes 62"},
        {FleetBytes(2, 1, {ghost}), kExitFindings, "slot 1: CV-Ghost: no mode offers this ship"},
        {FleetBytes(2, 2, {Frigate(2, 60)}), kExitFindings,
         "slot 2: -: an empty record: the count fills slot 2, but the file ends before its record"},
        {FleetBytes(2, -1, {Frigate(2, 60), FleetSlot(), Frigate(2, 60)}), kExitFindings,
         "slot 2: -: an empty record: the count fills slot 2, but the file holds an all-zero"},
        {FleetBytes(3, 0, {}), kExitFindings, ": release 3, not 2: Load refuses it"},
        {FleetBytes(2, 0, {}).substr(0, 6), kExitFindings, ": too short for a release number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        testsupport::WriteFile(game.dir / "fleet.flt", c.bytes);
        const KvtoolRun run = Kvtool({"fleet", game.dir / "fleet.flt", "--game", game.dir.path()});
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.out.find(c.expected), std::string::npos) << run.out;
    }
}

// A fleet file Kestrivar wrote (an empty record that a negative count loaded included) goes to
// text and back to the same bytes; text that is not a fleet, or a file Load refuses, changes
// nothing.
TEST(KvtoolExportImport, TextAndBackGiveTheSameFileAndRefusalsChangeNothing) {
    testsupport::TempDir dir;
    const std::string saved = FleetBytes(2, 3, {Frigate(3, 62), FleetSlot(), Frigate(2, 60)});
    testsupport::WriteFile(dir / "saved.flt", saved);
    const KvtoolRun exported = Kvtool({"export", dir / "saved.flt"});
    ASSERT_EQ(exported.status, kExitClean) << exported.err;
    EXPECT_EQ(exported.out.rfind("Kestrivar fleet\n", 0), 0u) << exported.out;

    // A copy an unfinished save left is named, and stays.
    const std::string left =
        dir / ("copy.flt.old-" + std::to_string(platform::LocalFiles().ProcessId()) + "-7");
    testsupport::WriteFile(left, "older");
    const KvtoolRun imported = Kvtool({"import", "-", dir / "copy.flt"}, "> " + exported.out);
    ASSERT_EQ(imported.status, kExitClean) << imported.err;
    EXPECT_EQ(imported.out, dir / "copy.flt" + ": 3 ships written\n");
    EXPECT_EQ(imported.err, "kvtool: note: a save of " + dir / "copy.flt" +
                                " did not finish; what it held before is in " + left + "\n");
    EXPECT_EQ(testsupport::ReadFile(dir / "copy.flt"), saved);

    testsupport::WriteFile(dir / "bad.txt",
                           "Kestrivar fleet\nABCDEFGHIJKLMNOPQ (BPV 1, adjusted 1)\n");
    const KvtoolRun refused = Kvtool({"import", dir / "bad.txt", dir / "copy.flt"});
    EXPECT_EQ(refused.status, kExitError);
    EXPECT_NE(refused.err.find("bad.txt: line 2: the ship name"), std::string::npos) << refused.err;
    const KvtoolRun tooLong = Kvtool({"import", "-", dir / "copy.flt"}, std::string(70000, '\n'));
    EXPECT_EQ(tooLong.status, kExitError);
    EXPECT_NE(tooLong.err.find("standard input: too long to be a fleet (more than 65536 bytes)"),
              std::string::npos)
        << tooLong.err;
    EXPECT_EQ(testsupport::ReadFile(dir / "copy.flt"), saved);

    const KvtoolRun text = Kvtool({"export", dir / "bad.txt"});
    EXPECT_EQ(text.status, kExitError);
    EXPECT_NE(text.err.find("bad.txt is text, not a fleet file; kvtool import "), std::string::npos)
        << text.err;
    testsupport::WriteFile(dir / "other.flt", FleetBytes(3, 0, {}));
    const KvtoolRun other = Kvtool({"export", dir / "other.flt"});
    EXPECT_EQ(other.status, kExitError);
    EXPECT_NE(other.err.find("release 3, not 2"), std::string::npos) << other.err;
    EXPECT_EQ(other.out, "");
}

#ifndef _WIN32
// The demo game's own paths, relative to the source tree as the README shows them.
std::string DemoReport(std::vector<std::string> arguments, int& status) {
    KvtoolRun run = Kvtool(std::move(arguments));
    status = run.status;
    const std::string root = KV_SOURCE_DIR "/";
    for (std::size_t at; (at = run.out.find(root)) != std::string::npos;)
        run.out.erase(at, root.size());
    return run.out;
}

// The demo game has only the findings it is built to have; the same file is what the
// end-to-end test expects of kvtool.exe under Wine.
TEST(KvtoolDemo, TablesReportMatchesTheExpectedReport) {
    int status = -1;
    const std::string report =
        DemoReport({"tables", "--game", KV_SOURCE_DIR "/demo/HalvaneReach"}, status);
    EXPECT_EQ(status, kExitFindings);
    EXPECT_EQ(report, testsupport::ReadFile(KV_SOURCE_DIR "/tool/tests/demo_tables.txt"));
}

// A copy of the demo game with a blank line in the fighter table: every fighter below it is gone,
// and with them the carriers that name one.
TEST(KvtoolDemo, ABlankLineInTheFighterTableTakesItsCarriersAlong) {
    const std::string specs = KV_SOURCE_DIR "/demo/HalvaneReach/Assets/specs/";
    std::string fighters = testsupport::ReadFile(specs + "ftrlist.txt");
    fighters.insert(fighters.find("Corvane\tCV-Hornet"), "\r\n");
    const Game game(fighters, testsupport::ReadFile(specs + "shiplist.txt"));
    const KvtoolRun run = game.Tables({"--ship", "CV-Aerie"});
    EXPECT_EQ(run.status, kExitFindings);
    EXPECT_NE(run.out.find("shiplist.txt:28: dropped: bay 2 names \"CV-Hornet\", a fighter that "
                           "is never read: it stands at "),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("ftrlist.txt:10, below the early end of the fighter table at line 9"),
              std::string::npos);
    EXPECT_NE(game.Tables().out.find("ftrlist.txt:9: -: a blank line: the fighter table ends "
                                     "here, so the 4 rows below it are never read, nor the 4 "
                                     "ships whose bays name them"),
              std::string::npos);
}
#endif

}  // namespace
