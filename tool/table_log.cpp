#include "tool/table_log.h"

namespace {

// What every logged line records: where it stands, what became of it and its class name.
LoggedLine Logged(GameTable table, int line, LineFate fate, std::string_view className) {
    LoggedLine logged;
    logged.table = table;
    logged.line = line;
    logged.fate = fate;
    logged.className = className;
    return logged;
}

}  // namespace

void TableLog::HeaderLines(GameTable table, int count, bool dataFollow) {
    TableFrame& frame = frames_[Index(table)];
    frame.headerLines = count;
    frame.dataFound = dataFollow;
}

void TableLog::RowAccepted(GameTable table, int line, const ShipSpec& entry) {
    LoggedLine logged = Logged(table, line, LineFate::kAccepted, entry.className);
    logged.hullClass = entry.hullClass;
    logged.entry = &entry;
    lines.push_back(std::move(logged));
}

void TableLog::RowDropped(GameTable table, int line, const DroppedRow& row) {
    LoggedLine logged = Logged(table, line, LineFate::kDropped, row.className);
    logged.hullClass = row.hullClass;
    logged.reason = row.reason;
    logged.bay = row.bay;
    logged.craftName = row.craftName;
    lines.push_back(std::move(logged));
}

void TableLog::KeywordUnknown(GameTable table, int line, const UnknownKeyword& keyword) {
    keywords.push_back({table, line, std::string(keyword.className), keyword.kind, keyword.column,
                        keyword.mount, keyword.code, std::string(keyword.keyword)});
}

void TableLog::DataEnded(GameTable table, int line, DataEnd kind, std::string_view className) {
    TableFrame& frame = frames_[Index(table)];
    frame.endLine = line;
    frame.endKind = kind;
    frame.endClassName = className;
}

void TableLog::LineNotRead(GameTable table, int line, const UnreadLine& unread) {
    LoggedLine logged = Logged(table, line, LineFate::kNotRead, unread.className);
    logged.blank = unread.blank;
    logged.endLine = unread.endLine;
    lines.push_back(std::move(logged));
}
