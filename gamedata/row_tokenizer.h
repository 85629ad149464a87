#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Splits one row of a game table into its columns. Columns are separated by single tab
// characters; there is no quoting and nothing is trimmed. Two adjacent tabs give an empty column,
// and once the row is used up every further column is empty. Any other byte, a NUL included,
// belongs to its column.
//
// The tokenizer views the line it is given: the line must outlive it.
class RowTokenizer {
  public:
    explicit RowTokenizer(std::string_view line) : line_(line) {}

    // The next column as a string.
    std::string next() { return std::string(nextView()); }

    // The next column as a view into the line, for columns that are converted, not kept.
    std::string_view nextView();

  private:
    std::string_view line_;
    std::size_t position_ = 0;
};
