#include "tool/table_log.h"

#include <utility>

void TableLog::LineRead(const LineReport& report) {
    TableFrame& frame = frames_[Index(report.table)];
    if (report.fate == LineFate::kHeader) {
        ++frame.headerLines;
    } else if (frame.firstRow == 0 || report.line < frame.firstRow) {
        frame.firstRow = report.line;
    }
    if (report.fate == LineFate::kEndsTable) {
        frame.endsAt = report.line;
        frame.endReason = report.reason;
    }
    if (report.endLine && report.fate != LineFate::kHeader &&
        report.fate != LineFate::kBelowEndLine)
        frame.endLine = report.line;

    lines.emplace_back(report);
}

void TableLog::KeywordUnknown(GameTable table, int line, const UnknownKeyword& keyword) {
    keywords.push_back({table, line, keyword.kind, keyword.column, keyword.mount, keyword.code,
                        std::string(keyword.keyword)});
}

void TableLog::NumberMisread(GameTable table, int line, const MisreadNumber& number) {
    numbers.push_back({table, line, number.column, std::string(number.text), number.value});
}
