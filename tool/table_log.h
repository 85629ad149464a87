#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gamedata/table_observer.h"

// Everything the table readers tell (TableObserver), kept for kvtool's findings.

// One line of a table and its fate (LineReport, with its texts kept).
struct LoggedLine : LineFacts<std::string> {
    using LineFacts::LineFacts;

    bool blank() const { return text.empty(); }
};

struct LoggedKeyword {
    GameTable table = GameTable::kShips;
    int line = 0;
    KeywordKind kind = KeywordKind::kRace;
    int column = 0;
    int32_t mount = 0;
    int32_t code = 0;
    std::string keyword;
};

struct LoggedNumber {
    GameTable table = GameTable::kShips;
    int line = 0;
    int column = 0;
    std::string text;
    int32_t value = 0;
};

// Where the lines of one table stand, from their fates.
struct TableFrame {
    int headerLines = 0;
    int firstRow = 0;  // the first data row; 0 when no line starts one
    int endsAt = 0;    // the line where the data end; 0 when they run to the end of the file
    LineReason endReason = LineReason::kNone;
    int endLine = 0;  // the end line, whether or not the data end there; 0 when there is none
};

class TableLog : public TableObserver {
  public:
    // In the order told: the fighter table, then the ship table's PFs and the lines around its
    // rows, then its other rows.
    std::vector<LoggedLine> lines;
    std::vector<LoggedKeyword> keywords;
    std::vector<LoggedNumber> numbers;

    const TableFrame& Frame(GameTable table) const { return frames_[Index(table)]; }

    void LineRead(const LineReport& report) override;
    void KeywordUnknown(GameTable table, int line, const UnknownKeyword& keyword) override;
    void NumberMisread(GameTable table, int line, const MisreadNumber& number) override;

  private:
    static std::size_t Index(GameTable table) { return table == GameTable::kShips ? 0 : 1; }
    std::array<TableFrame, 2> frames_;
};
