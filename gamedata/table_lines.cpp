#include "gamedata/table_lines.h"

#include <algorithm>

#include "gamedata/number_text.h"
#include "gamedata/row_tokenizer.h"
#include "gamedata/table_layout.h"

namespace {

std::string_view WithoutFeed(std::string_view line) {
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    return line;
}

// The 1-based column of a row.
std::string_view Column(std::string_view line, int column) {
    RowTokenizer columns(line);
    for (int skipped = 1; skipped < column; ++skipped)
        columns.nextView();
    return columns.nextView();
}

}  // namespace

bool TableLines::SkipToFirstRow(std::string& line) {
    while (Next(line)) {
        if (StartsWith(line, kFirstRowStart))
            return true;
        if (frameObserver_ != nullptr)
            frameObserver_->LineRead(Report(line, LineFate::kHeader));
    }
    return false;
}

LineReport TableLines::Report(std::string_view line, LineFate fate) const {
    const bool ships = table_ == GameTable::kShips;
    LineReport report;
    report.table = table_;
    report.line = number_;
    report.fate = fate;
    report.text = WithoutFeed(line);
    report.lineFeed = report.text.size() != line.size();
    report.columns = 1 + static_cast<int>(std::count(report.text.begin(), report.text.end(), '\t'));
    report.endLine = StartsWith(report.text, kEndLine);
    if (!report.endLine)
        report.className =
            Column(report.text, ships ? kShipClassNameColumn : kFighterClassNameColumn);
    return report;
}

void TableLines::TellKeyword(KeywordKind kind, int column, int32_t mount, std::string_view keyword,
                             int32_t code) {
    if (!IsUnknownKeyword(kind, keyword, code))
        return;
    UnknownKeyword unknown;
    unknown.kind = kind;
    unknown.column = column;
    unknown.mount = mount;
    unknown.code = code;
    unknown.keyword = keyword;
    observer_->KeywordUnknown(table_, number_, unknown);
}

void TableLines::TellNumber(int column, std::string_view text, int32_t value) {
    if (ReadsAsWritten(text, value))
        return;
    MisreadNumber misread;
    misread.column = column;
    misread.text = text;
    misread.value = value;
    observer_->NumberMisread(table_, number_, misread);
}

void TableObserver::NumberMisread(GameTable, int, const MisreadNumber&) {}

void TableLines::TellAccepted(std::string_view line, const ShipSpec& entry, bool craft) {
    LineReport report = Report(line, LineFate::kAccepted);
    report.raceKeyword = Column(line, kRaceColumn);
    if (table_ == GameTable::kShips)
        report.hullClassKeyword = Column(line, kShipHullClassColumn);
    report.hullClass = entry.hullClass;
    report.entry = &entry;
    report.craft = craft;
    observer_->LineRead(report);
}

void TableLines::TellDropped(std::string_view line, int32_t hullClass, LineReason reason, int bay,
                             std::string_view craftName) {
    LineReport report = Report(line, LineFate::kDropped);
    report.raceKeyword = Column(line, kRaceColumn);
    if (table_ == GameTable::kShips)
        report.hullClassKeyword = Column(line, kShipHullClassColumn);
    report.hullClass = hullClass;
    report.reason = reason;
    report.bay = bay;
    report.craftName = craftName;
    observer_->LineRead(report);
}

void TableLines::TellEndAndRest(std::string& line) {
    LineReport end = Report(line, LineFate::kEndsTable);
    end.reason = end.endLine        ? LineReason::kEndLine
                 : end.text.empty() ? LineReason::kBlankLine
                                    : LineReason::kEmptyRace;
    if (end.reason == LineReason::kEmptyRace)
        end.raceKeyword = Column(line, kRaceColumn);
    frameObserver_->LineRead(end);
    LineFate fate = end.endLine ? LineFate::kBelowEndLine : LineFate::kCutOff;
    while (Next(line)) {
        const LineReport report = Report(line, fate);
        frameObserver_->LineRead(report);
        if (report.endLine)
            fate = LineFate::kBelowEndLine;
    }
}
