#pragma once

#include <cstdint>
#include <string_view>

#include "gamedata/code_tables.h"
#include "gamedata/ship_spec.h"

// What the table readers can tell about the lines they read, for people who edit the tables: the
// game drops rows without a word, and so does the program. A reader given an observer tells it
// the fate of every line of the table, each line exactly once, and the unknown keywords of the
// rows it parses. Line numbers count from 1, as editors do. Texts are views into the line being
// read: valid during the call only.
//
// The ship table is read twice (PFs first, then the other ships): each row is told in the pass
// that reads it for the catalogue, and the lines around the rows (the header, the end line and
// what follows it) in the first pass.

enum class GameTable { kShips, kFighters };

enum class LineFate {
    kHeader,        // above the first data row: not a row
    kAccepted,      // a row read into the catalogue
    kDropped,       // a row the ship reader rejects; it reads on with the next line
    kEndsTable,     // where the data end: the end line, or the fighter table's first rejected row
    kCutOff,        // never read: the fighter table ended above its end line
    kBelowEndLine,  // never read: below the end line
};

// Why a row is dropped, or what the line that ends the data is.
enum class LineReason {
    kNone,
    kEmptyRace,     // the first column is empty
    kUnknownCraft,  // a bay with a count names a craft that is not known at that point
    kEndLine,       // the end line
    kBlankLine,     // an empty line (the fighter reader takes it for a row with an empty race)
};

// The fate of one line and what it holds, its texts as `Text`: views into the line while it is
// told (LineReport), or copies that a log keeps (kvtool's LoggedLine). One struct, so that the
// facts a reader tells and the facts a report reads cannot drift apart.
template <typename Text>
struct LineFacts {
    GameTable table = GameTable::kShips;
    int line = 0;
    LineFate fate = LineFate::kHeader;
    Text text;              // the line without its line feed
    bool lineFeed = false;  // the line ends with a line feed (a last line may not)
    int columns = 0;        // tab-separated columns of `text`
    bool endLine = false;   // `text` starts with the end line
    Text className;         // the class-name column of `text`; empty on the end line

    // Rows parsed: kAccepted, kDropped, and the fighter table's row that kEndsTable.
    Text raceKeyword;                       // the race column as the reader looked it up
    Text hullClassKeyword;                  // ship rows: the hull-class column, likewise
    int32_t hullClass = 0;                  // its code; 0 in the fighter table
    LineReason reason = LineReason::kNone;  // kDropped and kEndsTable
    int bay = 0;                            // kUnknownCraft: the bay, 1 to 4
    Text craftName;                         // kUnknownCraft: the name the bay gives
    // kAccepted: the record in the catalogue's main list. It stays where it is when the list is
    // sorted or narrowed, until it is removed.
    const ShipSpec* entry = nullptr;
    bool craft = false;  // kAccepted: the row went to the craft list too, for bays to name

    LineFacts() = default;
    // The same facts with their texts held as another type.
    template <typename Other>
    explicit LineFacts(const LineFacts<Other>& other)
        : table(other.table),
          line(other.line),
          fate(other.fate),
          text(other.text),
          lineFeed(other.lineFeed),
          columns(other.columns),
          endLine(other.endLine),
          className(other.className),
          raceKeyword(other.raceKeyword),
          hullClassKeyword(other.hullClassKeyword),
          hullClass(other.hullClass),
          reason(other.reason),
          bay(other.bay),
          craftName(other.craftName),
          entry(other.entry),
          craft(other.craft) {}
};

using LineReport = LineFacts<std::string_view>;

// A keyword that none of its lookup's keywords matches (an empty column is not one).
struct UnknownKeyword {
    KeywordKind kind = KeywordKind::kRace;
    int column = 0;     // 1-based
    int32_t mount = 0;  // weapon and arc keywords: the mount number (49 to 73), else 0
    int32_t code = 0;   // what the lookup gives it
    std::string_view keyword;
};

// A number column of a row that was not read as written (ReadsAsWritten): "62a" read as 62.
struct MisreadNumber {
    int column = 0;  // 1-based
    std::string_view text;
    int32_t value = 0;
};

class TableObserver {
  public:
    virtual ~TableObserver() = default;

    // The fate of one line; every line of both tables is told once.
    virtual void LineRead(const LineReport& report) = 0;
    // An unknown keyword of the row being parsed, told before the row's fate.
    virtual void KeywordUnknown(GameTable table, int line, const UnknownKeyword& keyword) = 0;
    // A number column of the row being parsed that was read as something else than written,
    // told before the row's fate. The columns of a row the reader rejects early (on its race or
    // hull class) are not parsed and not told. Base: nothing.
    virtual void NumberMisread(GameTable table, int line, const MisreadNumber& number);
};
