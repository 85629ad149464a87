#pragma once

#include <cstdint>
#include <string_view>

#include "gamedata/code_tables.h"
#include "gamedata/ship_spec.h"

// What the table readers can tell about the lines they read, for people who edit the tables: the
// game drops rows without a word, and so does the program. A reader given an observer reports
// every line of the table it reads once: header lines as a count, each row accepted or dropped
// (with the reason), the unknown keywords of the rows it parses, where the data end, and each
// line after that end. Line numbers count from 1, as editors do. Texts are views into the line
// being read: valid during the call only.
//
// The ship table is read twice (PFs first, then the other ships); each row is reported in the
// pass that reads it for the catalogue, and the frame (header, end, lines after it) in the first.

enum class GameTable { kShips, kFighters };

enum class DropReason {
    kEmptyRace,     // the first column is empty
    kUnknownCraft,  // a bay with a count names a craft that is not known at that point
};

// A row the reader rejects.
struct DroppedRow {
    std::string_view className;
    int32_t hullClass = 0;  // the code of its hull-class column; 0 in the fighter table
    DropReason reason = DropReason::kEmptyRace;
    int bay = 0;                 // kUnknownCraft: the bay, 1 to 4
    std::string_view craftName;  // kUnknownCraft: the name the bay gives
};

// A keyword that none of its lookup's keywords matches (an empty column is not one).
struct UnknownKeyword {
    std::string_view className;
    KeywordKind kind = KeywordKind::kRace;
    int column = 0;     // 1-based
    int32_t mount = 0;  // weapon and arc keywords: the mount number (49 to 73), else 0
    int32_t code = 0;   // what the lookup gives it
    std::string_view keyword;
};

// Where a table's data end. The ship table's data end at the end line; the fighter table's at its
// first rejected row, which is normally the end line too.
enum class DataEnd { kEndLine, kBlankLine, kEmptyRace };

// A line after the end of the data, which no reader looks at.
struct UnreadLine {
    std::string_view className;  // the class-name column, empty for a line without one
    bool blank = false;
    bool endLine = false;  // the end line (when the fighter table ended before it)
};

class TableObserver {
  public:
    virtual ~TableObserver() = default;

    // The lines above the first data row; `dataFollow` false when no line starts a row, in which
    // case `count` is every line of the file and nothing else is reported for the table.
    virtual void HeaderLines(GameTable table, int count, bool dataFollow) = 0;
    // `entry` is the record in the catalogue's main list: it stays where it is when the list is
    // sorted or narrowed, until it is removed.
    virtual void RowAccepted(GameTable table, int line, const ShipSpec& entry) = 0;
    virtual void RowDropped(GameTable table, int line, const DroppedRow& row) = 0;
    virtual void KeywordUnknown(GameTable table, int line, const UnknownKeyword& keyword) = 0;
    // `className` is the class-name column of the line that ends the data.
    virtual void DataEnded(GameTable table, int line, DataEnd kind, std::string_view className) = 0;
    virtual void LineNotRead(GameTable table, int line, const UnreadLine& unread) = 0;
};
