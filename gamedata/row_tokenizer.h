#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "gamedata/number_text.h"

// Splits one row of a game table into its columns. Columns are separated by single tab
// characters; there is no quoting and nothing is trimmed. Two adjacent tabs give an empty column,
// and once the row is used up every further column is empty. Any other byte, a NUL included,
// belongs to its column.
//
// The tokenizer views the line it is given: the line must outlive it.
class RowTokenizer {
  public:
    explicit RowTokenizer(std::string_view line)
        : next_(line.data()), end_(line.data() + line.size()) {}

    // The next column as a string.
    std::string next() { return std::string(nextView()); }

    // The next column as a view into the line, for columns that are converted, not kept.
    // Defined here so that the readers, which take some 150 columns a row, can inline it.
    std::string_view nextView() {
        ++column_;
        if (next_ == nullptr)
            return {};
        // Most columns are a few characters long: a plain scan finds their tab sooner than a
        // call to memchr would.
        const char* const begin = next_;
        const char* tab = begin;
        while (tab != end_ && *tab != '\t')
            ++tab;
        // Past the last column every further column is empty.
        next_ = tab == end_ ? nullptr : tab + 1;
        return std::string_view(begin, static_cast<std::size_t>(tab - begin));
    }

    // The 1-based number of the column taken last; 0 before the first.
    int column() const { return column_; }

  private:
    const char* next_;  // first byte of the next column; nullptr once the row is used up
    const char* end_;
    int column_ = 0;
};

// The next column as an integer (ParseIntColumn), shown to `hook(column, text, value)`: the
// readers' one way to read a number column, so that whoever watches sees every one.
template <typename Hook>
int32_t IntColumn(RowTokenizer& columns, Hook& hook) {
    const std::string_view text = columns.nextView();
    const int32_t value = ParseIntColumn(text);
    hook(columns.column(), text, value);
    return value;
}
