#include "gamedata/observed_reading.h"

#include "gamedata/row_tokenizer.h"
#include "gamedata/table_layout.h"

void KeywordCollector::operator()(KeywordKind kind, int column, int32_t mount,
                                  std::string_view keyword, int32_t code) {
    if (IsUnknownKeyword(kind, keyword, code))
        unknown_.push_back({kind, column, mount, code, std::string(keyword)});
}

void KeywordCollector::Report(TableObserver& observer, GameTable table, int line,
                              std::string_view className) {
    for (const Unknown& unknown : unknown_) {
        UnknownKeyword report;
        report.className = className;
        report.kind = unknown.kind;
        report.column = unknown.column;
        report.mount = unknown.mount;
        report.code = unknown.code;
        report.keyword = unknown.keyword;
        observer.KeywordUnknown(table, line, report);
    }
    unknown_.clear();
}

bool SkipToFirstRowObserved(LineReader& reader, std::string& line, int& lineNumber, GameTable table,
                            TableObserver& observer) {
    while (NextLine(reader, line, lineNumber)) {
        if (StartsWith(line, kFirstRowStart)) {
            observer.HeaderLines(table, lineNumber - 1, true);
            return true;
        }
    }
    observer.HeaderLines(table, lineNumber, false);
    return false;
}

std::string_view ClassNameColumn(std::string_view line, GameTable table) {
    RowTokenizer columns(line);
    if (table == GameTable::kShips) {
        columns.nextView();  // race
        columns.nextView();  // hull type
    } else {
        columns.nextView();  // race
    }
    return columns.nextView();
}

void ReportDataEnd(LineReader& reader, std::string& line, int& lineNumber, GameTable table,
                   DataEnd kind, TableObserver& observer) {
    const auto withoutFeed = [](std::string_view text) {
        if (!text.empty() && text.back() == '\n')
            text.remove_suffix(1);
        return text;
    };
    observer.DataEnded(table, lineNumber, kind, ClassNameColumn(withoutFeed(line), table));
    while (NextLine(reader, line, lineNumber)) {
        const std::string_view text = withoutFeed(line);
        UnreadLine unread;
        unread.className = ClassNameColumn(text, table);
        unread.blank = text.empty();
        unread.endLine = StartsWith(text, kEndLine);
        observer.LineNotRead(table, lineNumber, unread);
    }
}
