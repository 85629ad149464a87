#pragma once

#include <string_view>

// The frame around the rows of the game's ship and fighter tables. Both tables carry header lines
// above their data; the data begin at the first line that starts with the first race's keyword,
// exactly as written. The ship table's data end at the end line.
constexpr std::string_view kFirstRowStart = "Concordat";
constexpr std::string_view kEndLine = "\tThis is the last line.  End of File.";

inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The columns of a complete row; the readers read missing columns as empty.
constexpr int kShipTableColumns = 153;
constexpr int kFighterTableColumns = 36;
