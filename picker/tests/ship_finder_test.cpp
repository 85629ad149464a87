#include "picker/ship_finder.h"

#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

namespace {

ShipSpec Ship(const char* name, int32_t race, int32_t hullClass, int32_t bpv) {
    ShipSpec ship;
    ship.className = name;
    ship.race = race;
    ship.hullClass = hullClass;
    ship.bpv = bpv;
    return ship;
}

// Corvane 16, Vorrak 1, Quellar 4; 99 is no race. Frigate 3, Light Cruiser 6, Heavy Cruiser 7;
// a PF (1) has no label.
const std::vector<FinderRow>& Rows() {
    static const std::vector<FinderRow> rows = FinderRows(std::list<ShipSpec>{
        Ship("CV-Kestrel", 16, 3, 62), Ship("V-Cruiser", 1, 7, 120), Ship("cv-Osprey", 16, 6, 100),
        Ship("Q-Lancer", 4, 3, 62), Ship("X-Thing", 99, 1, 5)});
    return rows;
}

// The positions of the rows, in the order given.
std::vector<int> Positions(const std::vector<size_t>& order) {
    std::vector<int> positions;
    for (size_t index : order)
        positions.push_back(Rows()[index].position);
    return positions;
}

TEST(ShipFinder, RowsShowTheSequenceAsThePickerNamesIt) {
    const std::vector<std::vector<std::string>> expected = {
        {"CV-Kestrel", "Corvane", "Frigate", "62", "1"},
        {"V-Cruiser", "Vorrak", "Heavy Cruiser", "120", "2"},
        {"cv-Osprey", "Corvane", "Light Cruiser", "100", "3"},
        {"Q-Lancer", "Quellar", "Frigate", "62", "4"},
        {"X-Thing", "", "", "5", "5"},
    };
    ASSERT_EQ(Rows().size(), expected.size());
    for (size_t row = 0; row < expected.size(); ++row) {
        for (int column = 0; column < kFinderColumnCount; ++column) {
            EXPECT_EQ(FinderCellText(Rows()[row], static_cast<FinderColumn>(column)),
                      expected[row][static_cast<size_t>(column)])
                << "row " << row << ", column " << column;
        }
    }
    EXPECT_EQ(FinderCountText(2, 150), "2 of 150 ships");
}

TEST(ShipFinder, EveryTypedWordOccursInTheNameRaceOrHullClassOrBoundsTheBpv) {
    const std::vector<size_t> sequence = {0, 1, 2, 3, 4};
    const struct {
        const char* typed;
        std::vector<int> positions;
    } cases[] = {
        {"", {1, 2, 3, 4, 5}},
        {" \t ", {1, 2, 3, 4, 5}},
        {"cruiser", {2, 3}},        // a name and two hull classes
        {"CV-", {1, 3}},            // letter case ignored both ways
        {"frigate CORVANE", {1}},   // every word, in any field and order
        {"  corvane   osp ", {3}},  // blanks around and between words
        {"kestrel zzz", {}},        // one word without a match
        {"62", {}},                 // the point value is not searched
        {"kestrelcorvane", {}},     // a word never runs across two fields
        // Point values by range, alone or with words.
        {"<100", {1, 4, 5}},
        {"<=100", {1, 3, 4, 5}},
        {">100", {2}},
        {">=62 frigate", {1, 4}},
        {"90-120", {2, 3}},
        {"120-90", {2, 3}},
        {"<=5", {5}},
        {"<99999999999", {1, 2, 3, 4, 5}},
        {">99999999999", {}},
        {"cv- >=100", {3}},
        {"<-5", {}},  // not a range: a text no row holds
        {"62-", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Positions(FilterRows(Rows(), sequence, c.typed)), c.positions)
            << "typed \"" << c.typed << "\"";
    }
    // The order given is kept.
    EXPECT_EQ(Positions(FilterRows(Rows(), {3, 2, 0}, "cv")), (std::vector<int>{3, 1}));
}

TEST(ShipFinder, SortKeepsSequenceOrderForEqualKeysBothWays) {
    const struct {
        FinderColumn column;
        bool descending;
        std::vector<int> positions;
    } cases[] = {
        {FinderColumn::kBpv, false, {5, 1, 4, 3, 2}},
        {FinderColumn::kBpv, true, {2, 3, 1, 4, 5}},
        {FinderColumn::kClassName, false, {1, 3, 4, 2, 5}},  // without regard to case
        {FinderColumn::kRace, false, {5, 1, 3, 4, 2}},       // no race first
        {FinderColumn::kHullClass, true, {3, 2, 1, 4, 5}},
        {FinderColumn::kPosition, true, {5, 4, 3, 2, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Positions(SortedRows(Rows(), c.column, c.descending)), c.positions)
            << "column " << static_cast<int>(c.column) << (c.descending ? " descending" : "");
    }
}

}  // namespace
