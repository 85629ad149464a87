#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gamedata/table_observer.h"

// Everything the table readers report (TableObserver), kept for kvtool's findings.

enum class LineFate { kAccepted, kDropped, kNotRead };

// One row the reader parsed for the catalogue, or one line after the end of the data.
struct LoggedLine {
    GameTable table = GameTable::kShips;
    int line = 0;
    LineFate fate = LineFate::kAccepted;
    std::string className;
    int32_t hullClass = 0;            // rows
    const ShipSpec* entry = nullptr;  // accepted rows: the record in the catalogue's main list
    DropReason reason = DropReason::kEmptyRace;  // dropped rows
    int bay = 0;
    std::string craftName;
    bool blank = false;  // lines not read
    bool endLine = false;
};

struct LoggedKeyword {
    GameTable table = GameTable::kShips;
    int line = 0;
    std::string className;
    KeywordKind kind = KeywordKind::kRace;
    int column = 0;
    int32_t mount = 0;
    int32_t code = 0;
    std::string keyword;
};

// The frame of one table: its header and where its data end.
struct TableFrame {
    int headerLines = 0;
    bool dataFound = false;
    int endLine = 0;  // 0: the data run to the end of the file
    DataEnd endKind = DataEnd::kEndLine;
    std::string endClassName;
};

class TableLog : public TableObserver {
  public:
    // In the order reported: the fighter table, then the ship table's PFs and the lines after
    // its end, then its other rows.
    std::vector<LoggedLine> lines;
    std::vector<LoggedKeyword> keywords;

    const TableFrame& Frame(GameTable table) const { return frames_[Index(table)]; }

    void HeaderLines(GameTable table, int count, bool dataFollow) override;
    void RowAccepted(GameTable table, int line, const ShipSpec& entry) override;
    void RowDropped(GameTable table, int line, const DroppedRow& row) override;
    void KeywordUnknown(GameTable table, int line, const UnknownKeyword& keyword) override;
    void DataEnded(GameTable table, int line, DataEnd kind, std::string_view className) override;
    void LineNotRead(GameTable table, int line, const UnreadLine& unread) override;

  private:
    static std::size_t Index(GameTable table) { return table == GameTable::kShips ? 0 : 1; }
    std::array<TableFrame, 2> frames_;
};
