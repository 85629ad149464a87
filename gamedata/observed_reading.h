#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gamedata/code_tables.h"
#include "gamedata/line_reader.h"
#include "gamedata/table_observer.h"

// Helpers of the readers' observed passes (see TableObserver). The passes without an observer do
// not use them: they count no lines and look at no keyword they do not need.

// What the row parsers show each keyword column to when nobody observes: nothing.
struct IgnoreKeywords {
    void operator()(KeywordKind, int, int32_t, std::string_view, int32_t) const {}
};

// An observer that is told everything and keeps nothing: for the ship table's second pass,
// which reports its rows but not the frame the first pass has reported.
class NullObserver : public TableObserver {
  public:
    void HeaderLines(GameTable, int, bool) override {}
    void RowAccepted(GameTable, int, const ShipSpec&) override {}
    void RowDropped(GameTable, int, const DroppedRow&) override {}
    void KeywordUnknown(GameTable, int, const UnknownKeyword&) override {}
    void DataEnded(GameTable, int, DataEnd, std::string_view) override {}
    void LineNotRead(GameTable, int, const UnreadLine&) override {}
};

// Collects a row's unknown keywords while it is parsed, to be reported once its class name is
// known (the race column comes before it).
class KeywordCollector {
  public:
    void operator()(KeywordKind kind, int column, int32_t mount, std::string_view keyword,
                    int32_t code);
    // Reports what was collected and starts again empty.
    void Report(TableObserver& observer, GameTable table, int line, std::string_view className);

  private:
    struct Unknown {
        KeywordKind kind;
        int column;
        int32_t mount;
        int32_t code;
        std::string keyword;
    };
    std::vector<Unknown> unknown_;
};

// Reads the next line and counts it.
inline bool NextLine(LineReader& reader, std::string& line, int& lineNumber) {
    if (!reader.readLine(line))
        return false;
    ++lineNumber;
    return true;
}

// Reads lines until the first data row, counting them, and leaves that row in `line`. Reports
// the header lines.
bool SkipToFirstRowObserved(LineReader& reader, std::string& line, int& lineNumber, GameTable table,
                            TableObserver& observer);

// The class-name column of a line of either table (column 3 of a ship row, 2 of a fighter row).
std::string_view ClassNameColumn(std::string_view line, GameTable table);

// Reports the line in `line` as the end of the data, then every line after it to the end of
// the file as not read.
void ReportDataEnd(LineReader& reader, std::string& line, int& lineNumber, GameTable table,
                   DataEnd kind, TableObserver& observer);
