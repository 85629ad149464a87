#include "gamedata/ship_list_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamedata/tests/table_rows.h"

namespace {

using tablerows::Cell;
using tablerows::Ship;
using tablerows::ShipRow;

// A craft list holding one fighter and one PF.
CatalogueLists CraftLists() {
    CatalogueLists lists;
    ShipSpec fighter;
    fighter.className = "Wasp";
    fighter.bpv = 3;
    fighter.mounts[49].count = 1;
    lists.craftList.push_back(fighter);
    ShipSpec pf;
    pf.className = "Lance PF";
    pf.hullClass = 1;
    pf.bays[0].count = 1;  // a PF's own bays are not carried along
    lists.craftList.push_back(pf);
    return lists;
}

TEST(ParseShipRow, FillsEveryFieldFromItsColumn) {
    // Every integer column holds its own number, so a field read from the wrong column shows.
    std::vector<Cell> cells{{1, "Skarn"}, {2, "DD"},  {3, "Raptor"}, {4, "DESTROYER"},
                            {6, "KM"},    {10, "AA"}, {11, "0.25"}};
    const std::vector<int> plainIntegers{5,   7,   8,   9,   12,  13,  14,  15,  16,  17,  18,
                                         19,  20,  21,  22,  23,  24,  25,  26,  102, 103, 104,
                                         105, 106, 107, 108, 109, 110, 111, 112, 113, 153};
    for (int column : plainIntegers)
        cells.push_back({column, std::to_string(column)});
    for (int column = 122; column <= 147; ++column)
        cells.push_back({column, std::to_string(column)});
    for (int column = 148; column <= 152; ++column)
        cells.push_back({column, "t" + std::to_string(column)});
    cells.push_back({27, "2"});
    cells.push_back({28, "Ph1"});
    cells.push_back({29, "FA"});
    cells.push_back({99, "-1"});
    cells.push_back({100, "mlr"});
    cells.push_back({101, "MLR"});

    ShipSpec spec;
    ASSERT_TRUE(ParseShipRow(ShipRow(cells), spec, false, CatalogueLists()));

    EXPECT_EQ(spec.race, 5);
    EXPECT_EQ(spec.hullType, 1);
    EXPECT_EQ(spec.className, "Raptor");
    EXPECT_EQ(spec.hullClass, 4);
    EXPECT_EQ(spec.letterCode, 3);
    EXPECT_EQ(spec.gradeCode, 0);
    EXPECT_EQ(spec.col11, 0.25f);
    const std::pair<int32_t ShipSpecCore::*, int32_t> integers[] = {
        {&ShipSpecCore::bpv, 5},           {&ShipSpecCore::col07, 7},
        {&ShipSpecCore::col08, 8},         {&ShipSpecCore::col09, 9},
        {&ShipSpecCore::col12, 12},        {&ShipSpecCore::col13, 13},
        {&ShipSpecCore::col14, 14},        {&ShipSpecCore::col15, 15},
        {&ShipSpecCore::marines, 16},      {&ShipSpecCore::marinesMax, 17},
        {&ShipSpecCore::col18, 18},        {&ShipSpecCore::col19, 19},
        {&ShipSpecCore::col20, 20},        {&ShipSpecCore::col25, 25},
        {&ShipSpecCore::col26, 26},        {&ShipSpecCore::col102, 102},
        {&ShipSpecCore::mines, 103},       {&ShipSpecCore::minesMax, 104},
        {&ShipSpecCore::col105, 105},      {&ShipSpecCore::col106, 106},
        {&ShipSpecCore::col107, 107},      {&ShipSpecCore::col108, 108},
        {&ShipSpecCore::col109, 109},      {&ShipSpecCore::col110, 110},
        {&ShipSpecCore::col111, 111},      {&ShipSpecCore::shuttles, 112},
        {&ShipSpecCore::shuttlesMax, 113}, {&ShipSpecCore::col122, 122},
        {&ShipSpecCore::col123, 123},      {&ShipSpecCore::col124, 124},
        {&ShipSpecCore::col125, 125},      {&ShipSpecCore::col126, 126},
        {&ShipSpecCore::col127, 127},      {&ShipSpecCore::col128, 128},
        {&ShipSpecCore::col129, 129},      {&ShipSpecCore::col129Copy, 129},
        {&ShipSpecCore::col130, 130},      {&ShipSpecCore::col131, 131},
        {&ShipSpecCore::col132, 132},      {&ShipSpecCore::col133, 133},
        {&ShipSpecCore::col134, 134},      {&ShipSpecCore::col135, 135},
        {&ShipSpecCore::col136, 136},      {&ShipSpecCore::col137, 137},
        {&ShipSpecCore::col138, 138},      {&ShipSpecCore::col139, 139},
        {&ShipSpecCore::col140, 140},      {&ShipSpecCore::col141, 141},
        {&ShipSpecCore::col142, 142},      {&ShipSpecCore::col143, 143},
        {&ShipSpecCore::col144, 144},      {&ShipSpecCore::repairs, 145},
        {&ShipSpecCore::col146, 146},      {&ShipSpecCore::col147, 147},
        {&ShipSpecCore::col153, 153},
    };
    for (const auto& [field, column] : integers)
        EXPECT_EQ(spec.*field, column) << column;
    // Facings 2 and 6, and 3 and 5, share a column.
    EXPECT_EQ(spec.shields, (std::array<int32_t, 6>{21, 22, 23, 24, 23, 22}));
    EXPECT_EQ(spec.text148, "t148");
    EXPECT_EQ(spec.text152, "t152");  // the line feed stays with column 153
    EXPECT_EQ(spec.ftr03 | spec.ftr24 | spec.ftr26 | spec.ftr28 | spec.ftr30, 0);

    ASSERT_EQ(spec.mounts.size(), 25u);
    EXPECT_EQ(spec.mounts.begin()->first, 49);
    EXPECT_EQ(spec.mounts.rbegin()->first, 73);
    EXPECT_EQ(spec.mounts.at(49), (WeaponMount{43, 2, 8, "Ph1", "FA", 0}));
    EXPECT_EQ(spec.mounts.at(50), (WeaponMount{-1, 0, -1, "", "", 0}));
    EXPECT_EQ(spec.mounts.at(73), (WeaponMount{24, -1, 37, "mlr", "MLR", 0}));
    for (const FighterBay& bay : spec.bays)
        EXPECT_EQ(bay, FighterBay());
}

TEST(ParseShipRow, RejectsAnEmptyRaceAndKeepsAnUnknownOne) {
    ShipSpec empty;
    EXPECT_FALSE(ParseShipRow(Ship("", "X", "FRIGATE"), empty, false, CatalogueLists()));
    ShipSpec unknown;
    EXPECT_TRUE(ParseShipRow(Ship("Klingon", "X", "FRIGATE"), unknown, false, CatalogueLists()));
    EXPECT_EQ(unknown.race, -2);
}

TEST(ParseShipRow, EachPassTakesItsOwnHullClasses) {
    const struct {
        std::string hullClass;
        bool pfPass;
        bool accepted;
    } cases[] = {
        {"PF", true, true},       {"pf", true, true},       {"PF", false, false},
        {"FRIGATE", true, false}, {"NONE", true, false},    {"FRIGATE", false, true},
        {"", false, true},        {"SHUTTLE", false, true},
    };
    for (const auto& c : cases) {
        ShipSpec spec;
        EXPECT_EQ(ParseShipRow(Ship("Ixo", "X", c.hullClass), spec, c.pfPass, CatalogueLists()),
                  c.accepted)
            << c.hullClass << (c.pfPass ? " in the PF pass" : " in the other pass");
    }
}

TEST(ParseShipRow, AShortRowReadsTheMissingColumnsAsEmpty) {
    // The row ends after mount 49's arc, which keeps the line feed and so matches nothing.
    const std::string line = tablerows::Row(29, {{1, "Pellan"},
                                                 {3, "Stub"},
                                                 {4, "FRIGATE"},
                                                 {5, "80"},
                                                 {27, "3"},
                                                 {28, "DisF"},
                                                 {29, "FA"}}) +
                             "\n";
    ShipSpec spec;
    ASSERT_TRUE(ParseShipRow(line, spec, false, CraftLists()));
    EXPECT_EQ(spec.bpv, 80);
    EXPECT_EQ(spec.mounts.at(49), (WeaponMount{7, 3, -1, "DisF", "FA\n", 0}));
    for (int32_t number = 50; number <= 73; ++number) {
        EXPECT_EQ(spec.mounts.at(number), (WeaponMount{-1, 0, -1, "", "", 0})) << number;
    }
    EXPECT_EQ(spec.mounts.size(), 25u);
    EXPECT_EQ(spec.col153, 0);
    EXPECT_EQ(spec.text148, "");
    for (const FighterBay& bay : spec.bays)
        EXPECT_EQ(bay, FighterBay());
}

TEST(ParseShipRow, BaysHoldCopiesOfCraftsFoundByExactName) {
    const CatalogueLists lists = CraftLists();
    ShipSpec spec;
    ASSERT_TRUE(ParseShipRow(Ship("Corvane", "Carrier", "CARRIER",
                                  {{114, "0"},
                                   {115, "Nobody"},
                                   {116, "4"},
                                   {117, "Wasp"},
                                   {118, "-2"},
                                   {119, "Lance PF"}}),
                             spec, false, lists));
    EXPECT_EQ(spec.bays[0], FighterBay());
    EXPECT_EQ(spec.bays[1].count, 4);
    EXPECT_EQ(*spec.bays[1].craft, lists.craftList.front().core());
    EXPECT_EQ(spec.bays[2].count, -2);
    EXPECT_EQ(spec.bays[2].craft->className, "Lance PF");
    EXPECT_EQ(spec.bays[3], FighterBay());

    for (const std::string name : {"wasp", "Wasp ", " Wasp", "Was", ""}) {
        ShipSpec rejected;
        EXPECT_FALSE(ParseShipRow(Ship("Corvane", "Carrier", "CARRIER", {{120, "1"}, {121, name}}),
                                  rejected, false, lists))
            << '"' << name << '"';
    }
}

TEST(FindCraft, CopiesTheFirstCraftOfThatExactName) {
    CatalogueLists lists = CraftLists();
    ShipSpec second;
    second.className = "Wasp";
    second.bpv = 99;
    lists.craftList.push_back(second);

    ShipSpec found;
    ASSERT_TRUE(FindCraft(lists, "Wasp", found));
    EXPECT_EQ(found, lists.craftList.front());
    ShipSpec untouched;
    untouched.bpv = 7;
    EXPECT_FALSE(FindCraft(lists, "WASP", untouched));
    EXPECT_EQ(untouched.bpv, 7);
}

}  // namespace
