#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "gamedata/code_tables.h"
#include "gamedata/line_reader.h"
#include "gamedata/table_observer.h"

// The lines of one table as a reader walks them: reads and counts them, and tells an optional
// observer the fate of each (TableObserver). Without an observer every telling is the test of a
// pointer, so that the readers run one loop whether anyone observes or not.
class TableLines {
  public:
    // `tellsFrame` false: the lines around the rows (header, end of the data and what follows it)
    // are not told, as in the ship table's second pass, which meets them a second time.
    TableLines(LineReader& reader, GameTable table, TableObserver* observer, bool tellsFrame = true)
        : reader_(reader),
          table_(table),
          observer_(observer),
          frameObserver_(tellsFrame ? observer : nullptr) {}

    // Reads the next line into `line`, its line feed included when it has one, and counts it.
    bool Next(std::string& line) {
        if (!reader_.readLine(line))
            return false;
        ++number_;
        return true;
    }

    // Reads lines up to the first data row, the first that starts with "Concordat", and leaves
    // that row in `line`; each line above it is a header line. False when no line starts a row.
    bool SkipToFirstRow(std::string& line);

    // What the row parsers show each keyword column to, once it is looked up, and each number
    // column, once it is read.
    void operator()(KeywordKind kind, int column, int32_t mount, std::string_view keyword,
                    int32_t code) {
        if (observer_ != nullptr)
            TellKeyword(kind, column, mount, keyword, code);
    }
    void operator()(int column, std::string_view text, int32_t value) {
        if (observer_ != nullptr)
            TellNumber(column, text, value);
    }

    // Fates of the row in `line`, which may still carry its line feed.
    void Accepted(std::string_view line, const ShipSpec& entry, bool craft) {
        if (observer_ != nullptr)
            TellAccepted(line, entry, craft);
    }
    void Dropped(std::string_view line, int32_t hullClass, LineReason reason, int bay = 0,
                 std::string_view craftName = {}) {
        if (observer_ != nullptr)
            TellDropped(line, hullClass, reason, bay, craftName);
    }

    // The data end at the line in `line`: the end line, or the fighter table's first rejected
    // row. Tells it and, reading on to the end of the file, every line after it: cut off until
    // the end line when the data ended above it, below the end line after it.
    void EndsTable(std::string& line) {
        if (frameObserver_ != nullptr)
            TellEndAndRest(line);
    }

  private:
    LineReport Report(std::string_view line, LineFate fate) const;
    void TellKeyword(KeywordKind kind, int column, int32_t mount, std::string_view keyword,
                     int32_t code);
    void TellNumber(int column, std::string_view text, int32_t value);
    void TellAccepted(std::string_view line, const ShipSpec& entry, bool craft);
    void TellDropped(std::string_view line, int32_t hullClass, LineReason reason, int bay,
                     std::string_view craftName);
    void TellEndAndRest(std::string& line);

    LineReader& reader_;
    GameTable table_;
    TableObserver* observer_;       // rows and keywords
    TableObserver* frameObserver_;  // the lines around the rows
    int number_ = 0;                // of the line last read
};
