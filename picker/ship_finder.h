#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "gamedata/ship_spec.h"

// Find Ship's rules: the picker's sequence as rows of a list, sorted by a column and narrowed by
// typed words. Plain functions, so the dialog only moves their results into its controls.

// One ship of the sequence as Find Ship lists it.
struct FinderRow {
    std::string className;
    std::string race;       // the race's keyword as the tables write it
    std::string hullClass;  // the label the picker shows; empty for a class without one
    int32_t bpv = 0;
    int position = 0;  // 1 for the sequence's first ship
    // The three texts a typed word is looked for in, in lower case, each after a line feed (a
    // word holds no line feed, so no match runs across two of them).
    std::string searchText;
};

enum class FinderColumn { kClassName, kRace, kHullClass, kBpv, kPosition };
constexpr int kFinderColumnCount = 5;

// The rows of a sequence, in its order.
std::vector<FinderRow> FinderRows(const std::list<ShipSpec>& sequence);

// The column's text of a row, as the list shows it.
std::string FinderCellText(const FinderRow& row, FinderColumn column);

// Indices of `rows` ordered by the column: text without regard to ASCII letter case, numbers by
// value. Equal keys keep sequence order, descending as well as ascending.
std::vector<size_t> SortedRows(const std::vector<FinderRow>& rows, FinderColumn column,
                               bool descending);

// One blank-separated word of a typed text: a text to find, in lower case, or a range of point
// values ("<100", "<=100", ">150", ">=150", "90-120", both ends counted in the range).
struct SearchTerm {
    std::string text;  // empty for a range
    int32_t lowestBpv = 0;
    int32_t highestBpv = 0;
};
std::vector<SearchTerm> SearchTerms(const std::string& typed);

// Whether every text occurs in the row's class name, race or hull class, and the row's point
// value lies in every range. No terms: true.
bool RowMatches(const FinderRow& row, const std::vector<SearchTerm>& terms);

// The entries of `order` (indices of `rows`) whose rows match the typed text, in that order.
std::vector<size_t> FilterRows(const std::vector<FinderRow>& rows, const std::vector<size_t>& order,
                               const std::string& typed);

// "3 of 150 ships".
std::string FinderCountText(size_t shown, size_t total);
