#include "picker/ship_finder.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "gamedata/code_tables.h"
#include "picker/labels.h"
#include "picker/loadout.h"

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

void LowerInPlace(std::string& text) {
    for (char& c : text)
        c = LowerAscii(c);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// -1, 0 or 1 as `a` sorts before, with or after `b` without regard to ASCII letter case.
int CompareText(const std::string& a, const std::string& b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(LowerAscii(a[i]));
        const auto y = static_cast<unsigned char>(LowerAscii(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

template <typename T>
int CompareNumber(T a, T b) {
    return a == b ? 0 : (a < b ? -1 : 1);
}

int CompareRows(const FinderRow& a, const FinderRow& b, FinderColumn column) {
    switch (column) {
        case FinderColumn::kClassName:
            return CompareText(a.className, b.className);
        case FinderColumn::kRace:
            return CompareText(a.race, b.race);
        case FinderColumn::kHullClass:
            return CompareText(a.hullClass, b.hullClass);
        case FinderColumn::kBpv:
            return CompareNumber(a.bpv, b.bpv);
        case FinderColumn::kPosition:
            return CompareNumber(a.position, b.position);
    }
    return 0;
}

// A run of decimal digits that is the whole of `text`, as a point value; larger values stand
// for the largest.
bool ReadBpv(const std::string& text, int32_t& value) {
    if (text.empty() || text.size() > 12)
        return false;
    int64_t read = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        read = read * 10 + (c - '0');
    }
    value = static_cast<int32_t>(std::min<int64_t>(read, INT32_MAX));
    return true;
}

// A word of digits after a comparison, or two joined by a dash, is a range of point values;
// any other word is a text to find.
SearchTerm SearchTermOf(const std::string& word) {
    SearchTerm range;
    range.lowestBpv = INT32_MIN;
    range.highestBpv = INT32_MAX;
    int32_t value = 0;
    struct Comparison {
        const char* sign;
        int32_t SearchTerm::*bound;
        int32_t step;  // what a strict comparison moves the bound by
    };
    for (const Comparison& comparison :
         {Comparison{"<=", &SearchTerm::highestBpv, 0}, Comparison{">=", &SearchTerm::lowestBpv, 0},
          Comparison{"<", &SearchTerm::highestBpv, -1},
          Comparison{">", &SearchTerm::lowestBpv, 1}}) {
        const std::string sign = comparison.sign;
        if (word.compare(0, sign.size(), sign) == 0 && ReadBpv(word.substr(sign.size()), value)) {
            const int64_t bound = static_cast<int64_t>(value) + comparison.step;
            if (bound > INT32_MAX) {
                range.highestBpv = INT32_MIN;  // above the largest value: no ship
                return range;
            }
            range.*comparison.bound = static_cast<int32_t>(bound);
            return range;
        }
    }
    const size_t dash = word.find('-');
    int32_t high = 0;
    if (dash != std::string::npos && ReadBpv(word.substr(0, dash), value) &&
        ReadBpv(word.substr(dash + 1), high)) {
        range.lowestBpv = std::min(value, high);
        range.highestBpv = std::max(value, high);
        return range;
    }
    SearchTerm text;
    text.text = word;
    LowerInPlace(text.text);
    return text;
}

}  // namespace

std::vector<FinderRow> FinderRows(const std::list<ShipSpec>& sequence) {
    std::vector<FinderRow> rows;
    rows.reserve(sequence.size());
    for (const ShipSpec& ship : sequence) {
        FinderRow row;
        row.className = ship.className;
        if (const char* race = RaceKeyword(ship.race))
            row.race = race;
        if (const char* label = HullClassLabel(ship.hullClass))
            row.hullClass = label;
        row.bpv = ship.bpv;
        row.position = static_cast<int>(rows.size()) + 1;
        row.searchText.reserve(3 + row.className.size() + row.race.size() + row.hullClass.size());
        for (const std::string* text : {&row.className, &row.race, &row.hullClass}) {
            row.searchText += '\n';
            row.searchText += *text;
        }
        LowerInPlace(row.searchText);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string FinderCellText(const FinderRow& row, FinderColumn column) {
    switch (column) {
        case FinderColumn::kClassName:
            return row.className;
        case FinderColumn::kRace:
            return row.race;
        case FinderColumn::kHullClass:
            return row.hullClass;
        case FinderColumn::kBpv:
            return DecimalText(row.bpv);
        case FinderColumn::kPosition:
            return DecimalText(row.position);
    }
    return std::string();
}

std::vector<size_t> SortedRows(const std::vector<FinderRow>& rows, FinderColumn column,
                               bool descending) {
    std::vector<size_t> order(rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const int compared = CompareRows(rows[a], rows[b], column);
        return descending ? compared > 0 : compared < 0;
    });
    return order;
}

std::vector<SearchTerm> SearchTerms(const std::string& typed) {
    std::vector<SearchTerm> terms;
    size_t i = 0;
    while (i < typed.size()) {
        while (i < typed.size() && IsBlank(typed[i]))
            ++i;
        const size_t start = i;
        while (i < typed.size() && !IsBlank(typed[i]))
            ++i;
        if (i > start)
            terms.push_back(SearchTermOf(typed.substr(start, i - start)));
    }
    return terms;
}

bool RowMatches(const FinderRow& row, const std::vector<SearchTerm>& terms) {
    return std::all_of(terms.begin(), terms.end(), [&](const SearchTerm& term) {
        if (term.text.empty())
            return row.bpv >= term.lowestBpv && row.bpv <= term.highestBpv;
        return row.searchText.find(term.text) != std::string::npos;
    });
}

std::vector<size_t> FilterRows(const std::vector<FinderRow>& rows, const std::vector<size_t>& order,
                               const std::string& typed) {
    const std::vector<SearchTerm> terms = SearchTerms(typed);
    if (terms.empty())
        return order;
    std::vector<size_t> shown;
    for (size_t index : order) {
        if (RowMatches(rows[index], terms))
            shown.push_back(index);
    }
    return shown;
}

std::string FinderCountText(size_t shown, size_t total) {
    return std::to_string(shown) + " of " + std::to_string(total) + " ships";
}
