#include "gamedata/table_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <list>
#include <string>
#include <tuple>
#include <vector>

#include "gamedata/tests/ship_records.h"
#include "gamedata/tests/table_rows.h"
#include "tests/support/temp_dir.h"
#include "tests/support/windows_paths.h"

namespace {

using tablerows::Cell;
using tablerows::Ship;

using tablerows::Fighter;
using tablerows::kEndLine;

// Writes the two tables into a fresh directory and reads them.
bool ReadTexts(const std::string& shipTable, const std::string& fighterTable, CatalogueLists& lists,
               TableObserver* observer = nullptr) {
    testsupport::TempDir dir;
    testsupport::WindowsPaths windows;
    testsupport::WriteFile(dir / "shiplist.txt", shipTable);
    testsupport::WriteFile(dir / "ftrlist.txt", fighterTable);
    return ReadTables(lists, windows.Of(dir / "shiplist.txt"), windows.Of(dir / "ftrlist.txt"),
                      observer);
}

using Names_ = std::vector<std::string>;

const std::string kFighterTable = "Fighter table\n" + kEndLine +
                                  Fighter("Concordat", "Wasp", {{29, "3"}}) +
                                  Fighter("Vorrak", "Hornet", {{34, "XSH"}});

const std::string kShipTable =
    "Ship table header\n" + kEndLine + Ship("Corvane", "Before data", "FRIGATE") +
    Ship("concordat", "Lower-case start", "FRIGATE") +
    Ship("Concordat", "Raptor", "DESTROYER", {{114, "2"}, {115, "Wasp"}}) +
    Ship("Concordat", "Heavy PF", "PF", {{114, "1"}, {115, "Lance PF"}}) +
    Ship("Vorrak", "Carrier", "CARRIER", {{116, "1"}, {117, "Lance PF"}}) +
    Ship("Vorrak", "Lance PF", "PF", {{114, "2"}, {115, "Hornet"}}) +
    Ship("Skarn", "Wrong case", "DESTROYER", {{114, "2"}, {115, "wasp"}}) +
    Ship("Skarn", "Empty bay", "FRIGATE", {{114, "0"}, {115, "Nobody"}}) + kEndLine +
    Ship("Skarn", "After end", "FRIGATE") + Ship("Skarn", "PF after end", "PF");

TEST(ReadTables, ReadsFightersThenPfsThenShips) {
    CatalogueLists lists;
    ASSERT_TRUE(ReadTexts(kShipTable, kFighterTable, lists));

    // A PF naming a PF further down is rejected, as is a bay naming a craft with the wrong case;
    // nothing outside the data is read.
    EXPECT_EQ(Names(lists.mainList),
              (Names_{"Wasp", "Hornet", "Lance PF", "Raptor", "Carrier", "Empty bay"}));
    EXPECT_EQ(Names(lists.craftList), (Names_{"Wasp", "Hornet", "Lance PF"}));

    auto entry = lists.mainList.begin();
    const ShipSpec& wasp = *entry++;
    const ShipSpec& hornet = *entry++;
    const ShipSpec& lance = *entry++;
    const ShipSpec& raptor = *entry++;
    const ShipSpec& carrier = *entry++;
    EXPECT_EQ(wasp.bpv, 3);
    EXPECT_EQ(hornet.hullType, 23);
    EXPECT_EQ(*lance.bays[0].craft, hornet.core());
    EXPECT_EQ(*raptor.bays[0].craft, wasp.core());
    EXPECT_EQ(raptor.bays[0].count, 2);
    EXPECT_EQ(*carrier.bays[1].craft, lance.core());
    EXPECT_EQ(lists.craftList.back(), lance);
}

TEST(ReadTables, ABayTakesTheFirstCraftOfItsName) {
    // A craft already in the list before reading, a fighter and a PF all named "Twin": every bay
    // naming it, in either pass, holds the one that stands first.
    CatalogueLists lists;
    ShipSpec earlier;
    earlier.className = "Twin";
    earlier.bpv = 99;
    lists.craftList.push_back(earlier);
    const std::string ships = Ship("Concordat", "Twin", "PF", {{5, "20"}}) +
                              Ship("Concordat", "Carrier PF", "PF", {{114, "1"}, {115, "Twin"}}) +
                              Ship("Concordat", "Carrier", "CARRIER", {{114, "2"}, {115, "Twin"}});
    ASSERT_TRUE(ReadTexts(ships, Fighter("Concordat", "Twin", {{29, "3"}}), lists));
    ASSERT_EQ(Names(lists.mainList), (Names_{"Twin", "Twin", "Carrier PF", "Carrier"}));
    auto entry = lists.mainList.begin();
    std::advance(entry, 2);
    EXPECT_EQ(entry->bays[0].craft->bpv, 99);
    ++entry;
    EXPECT_EQ(entry->bays[0].craft->bpv, 99);
}

TEST(ReadTables, TheFighterTableEndsAtItsFirstRejectedRow) {
    const std::string rows = Fighter("Concordat", "First");
    for (const std::string& terminator : {std::string("\n"), kEndLine, std::string("\r\n")}) {
        CatalogueLists lists;
        ASSERT_TRUE(ReadTexts("", rows + terminator + Fighter("Vorrak", "Second"), lists));
        EXPECT_EQ(Names(lists.mainList), Names_{"First"});
        EXPECT_EQ(Names(lists.craftList), Names_{"First"});
    }
}

// Every line of both tables is told once, with its fate, in whichever ship pass meets it.
TEST(ReadTables, AnObserverHearsTheFateOfEveryLineOnce) {
    struct Fates : TableObserver {
        std::vector<std::tuple<GameTable, int, LineFate, LineReason>> told;
        void LineRead(const LineReport& report) override {
            told.emplace_back(report.table, report.line, report.fate, report.reason);
        }
        void KeywordUnknown(GameTable, int, const UnknownKeyword&) override {}
    } fates;
    const std::string fighters = "Fighter table\n" + Fighter("Concordat", "Wasp") + "\n" +
                                 Fighter("Vorrak", "Cut off") + kEndLine +
                                 Fighter("Vorrak", "Below");
    CatalogueLists lists;
    ASSERT_TRUE(ReadTexts(kShipTable, fighters, lists, &fates));
    std::sort(fates.told.begin(), fates.told.end());

    using F = LineFate;
    using R = LineReason;
    const auto ships = GameTable::kShips;
    const auto fighter = GameTable::kFighters;
    const decltype(fates.told) expected = {
        {ships, 1, F::kHeader, R::kNone},  // the end line above the data is a header line too
        {ships, 2, F::kHeader, R::kNone},
        {ships, 3, F::kHeader, R::kNone},
        {ships, 4, F::kHeader, R::kNone},
        {ships, 5, F::kAccepted, R::kNone},
        {ships, 6, F::kDropped, R::kUnknownCraft},
        {ships, 7, F::kDropped, R::kUnknownCraft},  // its PF is dropped
        {ships, 8, F::kDropped, R::kUnknownCraft},  // no fighter "Hornet" here
        {ships, 9, F::kDropped, R::kUnknownCraft},
        {ships, 10, F::kAccepted, R::kNone},
        {ships, 11, F::kEndsTable, R::kEndLine},
        {ships, 12, F::kBelowEndLine, R::kNone},
        {ships, 13, F::kBelowEndLine, R::kNone},
        {fighter, 1, F::kHeader, R::kNone},
        {fighter, 2, F::kAccepted, R::kNone},
        {fighter, 3, F::kEndsTable, R::kBlankLine},
        {fighter, 4, F::kCutOff, R::kNone},
        {fighter, 5, F::kCutOff, R::kNone},  // the end line
        {fighter, 6, F::kBelowEndLine, R::kNone},
    };
    EXPECT_EQ(fates.told, expected);
}

TEST(ReadTables, TheLastRowKeepsItsLastColumnWithOrWithoutALineFeed) {
    const std::string row = tablerows::FighterRow({{1, "Concordat"}, {2, "Wasp"}, {36, "t36"}});
    for (const char* ending : {"", "\n", "\r\n"}) {
        CatalogueLists lists;
        ASSERT_TRUE(ReadTexts("", row + ending, lists));
        ASSERT_EQ(lists.mainList.size(), 1u);
        EXPECT_EQ(lists.mainList.front().text151, "t36");
    }
    // A ship row keeps the line feed, which column 153's number stops before.
    CatalogueLists lists;
    ASSERT_TRUE(ReadTexts(Ship("Concordat", "Raptor", "FRIGATE", {{153, "42"}}), "", lists));
    ASSERT_EQ(lists.mainList.size(), 1u);
    EXPECT_EQ(lists.mainList.front().col153, 42);
}

TEST(ReadTables, CrLfTablesReadTheSameAsLfTables) {
    const auto toCrLf = [](const std::string& text) {
        std::string result;
        for (char c : text) {
            if (c == '\n')
                result += '\r';
            result += c;
        }
        return result;
    };
    CatalogueLists lf;
    ASSERT_TRUE(ReadTexts(kShipTable, kFighterTable, lf));
    CatalogueLists crlf;
    ASSERT_TRUE(ReadTexts(toCrLf(kShipTable), toCrLf(kFighterTable), crlf));
    EXPECT_EQ(crlf.mainList, lf.mainList);
    EXPECT_EQ(crlf.craftList, lf.craftList);
}

TEST(ReadTables, ReadsLongRowsWhole) {
    const std::string longShipText(6000, 's');
    const std::string longFighterText(3000, 'f');
    CatalogueLists lists;
    ASSERT_TRUE(ReadTexts(Ship("Concordat", "Long", "FRIGATE", {{148, longShipText}, {153, "7"}}) +
                              Ship("Concordat", "Next", "FRIGATE"),
                          Fighter("Concordat", "Long fighter", {{36, longFighterText}}) +
                              Fighter("Concordat", "Next fighter"),
                          lists));
    EXPECT_EQ(Names(lists.mainList), (Names_{"Long fighter", "Next fighter", "Long", "Next"}));
    auto entry = lists.mainList.begin();
    EXPECT_EQ(entry->text151, longFighterText);
    std::advance(entry, 2);
    EXPECT_EQ(entry->text148, longShipText);
    EXPECT_EQ(entry->col153, 7);
}

TEST(ReadTables, ABlankShipLineIsARowOfAnUnknownRace) {
    // The line feed is the blank line's first column: not empty, so not rejected.
    CatalogueLists lists;
    ASSERT_TRUE(ReadTexts(Ship("Concordat", "Plain", "FRIGATE") + "\n", "", lists));
    EXPECT_EQ(Names(lists.mainList), (Names_{"Plain", ""}));
    EXPECT_EQ(lists.mainList.back().race, -2);
    EXPECT_EQ(lists.mainList.back().hullClass, -1);
}

TEST(ReadTables, ATableWithoutData) {
    // No fighters: the ship naming one is rejected, the others are read.
    CatalogueLists lists;
    ASSERT_TRUE(ReadTexts(Ship("Concordat", "Raptor", "DESTROYER", {{114, "1"}, {115, "Wasp"}}) +
                              Ship("Concordat", "Plain", "FRIGATE"),
                          "Fighter table\nconcordat\tWasp\n", lists));
    EXPECT_EQ(Names(lists.mainList), Names_{"Plain"});
    EXPECT_TRUE(lists.craftList.empty());
}

TEST(ReadTables, FailsWhenATableCannotBeRead) {
    testsupport::TempDir dir;
    testsupport::WindowsPaths windows;
    testsupport::WriteFile(dir / "shiplist.txt", Ship("Concordat", "Plain", "FRIGATE"));
    testsupport::WriteFile(dir / "ftrlist.txt", Fighter("Concordat", "Wasp"));

    CatalogueLists noFighters;
    EXPECT_FALSE(
        ReadTables(noFighters, windows.Of(dir / "shiplist.txt"), windows.Of(dir / "missing.txt")));
    EXPECT_TRUE(noFighters.mainList.empty());
    EXPECT_TRUE(noFighters.craftList.empty());

    CatalogueLists noShips;
    EXPECT_FALSE(
        ReadTables(noShips, windows.Of(dir / "missing.txt"), windows.Of(dir / "ftrlist.txt")));
    EXPECT_TRUE(noShips.mainList.empty());

    // A directory opens on some systems but cannot be read; either way this is a failure.
    CatalogueLists unreadable;
    EXPECT_FALSE(ReadTables(unreadable, windows.Of(dir / "shiplist.txt"), windows.Of(dir.path())));
}

}  // namespace
