#include "gamedata/fighter_list_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamedata/tests/table_rows.h"

namespace {

using tablerows::Cell;
using tablerows::FighterRow;

TEST(ParseFighterRow, FillsTheFieldsOfItsColumnsAndTheFixedValues) {
    std::vector<Cell> cells{{1, "Tessik"}, {2, "Hornet II"}, {3, "3"}};
    for (int column = 24; column <= 33; ++column)
        cells.push_back({column, std::to_string(column)});
    cells.insert(cells.end(), {{4, "2"},
                               {5, "Ph3"},
                               {6, "FH"},
                               {7, "-7"},  // mount 49
                               {20, "1"},
                               {21, "DroB"},
                               {22, "RA"},
                               {23, "9"},  // mount 53
                               {34, "FTR"},
                               {35, "t35"},
                               {36, "t36"}});

    FighterSpec spec;
    ASSERT_TRUE(ParseFighterRow(FighterRow(cells), spec));

    FighterSpec expected;
    expected.race = 3;
    expected.className = "Hornet II";
    expected.ftr03 = 3;
    expected.ftr24 = 24;
    expected.col108 = 25;
    expected.ftr26 = 26;
    expected.col14 = 27;
    expected.ftr28 = 28;
    expected.bpv = 29;
    expected.ftr30 = 30;
    expected.col07 = 31;
    expected.col08 = 32;
    expected.col09 = 33;
    expected.text150 = "FTR";
    expected.text149 = "t35";
    expected.text151 = "t36";
    expected.hullType = 22;
    expected.hullClass = 0;
    expected.letterCode = -1;
    expected.marines = 1;
    expected.marinesMax = 1;
    expected.col107 = 6;
    expected.mounts[49] = WeaponMount{45, 2, 12, "Ph3", "FH", -7};
    for (int32_t number = 50; number <= 52; ++number) {
        expected.mounts[number] = WeaponMount{-1, 0, -1, "", "", 0};
    }
    expected.mounts[53] = WeaponMount{31, 1, 26, "DroB", "RA", 9};
    for (int32_t number = 54; number <= 73; ++number)
        expected.mounts[number] = WeaponMount();
    EXPECT_EQ(spec, expected);
}

TEST(ParseFighterRow, OnlyExactlyXshMakesAShuttle) {
    const struct {
        std::string column34;
        int32_t hullType;
    } cases[] = {{"XSH", 23}, {"xsh", 22}, {"XSH ", 22}, {"XSHX", 22}, {"XS", 22}, {"", 22}};
    for (const auto& c : cases) {
        FighterSpec spec;
        ASSERT_TRUE(ParseFighterRow(FighterRow({{1, "Ixo"}, {34, c.column34}}), spec));
        EXPECT_EQ(spec.hullType, c.hullType) << '"' << c.column34 << '"';
        EXPECT_EQ(spec.hullClass, 0);
    }
}

TEST(ParseFighterRow, RejectsAnEmptyRaceAndAcceptsAShortRow) {
    FighterSpec blank;
    EXPECT_FALSE(ParseFighterRow("", blank));
    FighterSpec endLine;
    EXPECT_FALSE(ParseFighterRow("\tThis is the last line.  End of File.", endLine));

    FighterSpec shortRow;
    ASSERT_TRUE(ParseFighterRow("Nomads\tDrone\t1\t2\tPh1", shortRow));
    EXPECT_EQ(shortRow.race, -2);
    EXPECT_EQ(shortRow.mounts.at(49), (WeaponMount{43, 2, -1, "Ph1", "", 0}));
    EXPECT_EQ(shortRow.mounts.at(50), (WeaponMount{-1, 0, -1, "", "", 0}));
    EXPECT_EQ(shortRow.mounts.size(), 25u);
    EXPECT_EQ(shortRow.bpv, 0);
    EXPECT_EQ(shortRow.hullType, 22);
    EXPECT_EQ(shortRow.text151, "");
}

}  // namespace
