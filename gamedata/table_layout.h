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

// Where the tables are below the game directory, and their files.
constexpr char kSpecsDirectory[] = "Assets\\specs\\";
constexpr char kShipTableFile[] = "shiplist.txt";
constexpr char kFighterTableFile[] = "ftrlist.txt";

// The keyword and name columns the readers, the line observer and kvtool look at (1-based).
constexpr int kRaceColumn = 1;  // both tables
constexpr int kShipClassNameColumn = 3;
constexpr int kShipHullClassColumn = 4;
constexpr int kFighterClassNameColumn = 2;

// Number columns whose values people see through the program (1-based).
constexpr int kShipBpvColumn = 5;
constexpr int kShipMarinesColumn = 16;      // the standard figure, then the most
constexpr int kShipFirstShieldColumn = 21;  // four facings
constexpr int kShipFirstMountColumn = 27;   // three columns a mount: count, weapon, arc
constexpr int kShipMinesColumn = 103;       // the standard figure, then the most
constexpr int kShipShuttlesColumn = 112;    // the standard figure, then the most
constexpr int kShipFirstBayColumn = 114;    // two columns a bay: count, craft
constexpr int kShipRepairsColumn = 145;
constexpr int kFighterFirstMountColumn = 4;  // four columns a mount: count, weapon, arc, extra
constexpr int kFighterBpvColumn = 29;
