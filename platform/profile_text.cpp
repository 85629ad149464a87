#include "platform/profile_text.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace platform {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kCrLf = "\r\n";

bool IsProfileBlank(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0x1A;
}

std::string_view Trim(std::string_view s) {
    size_t begin = 0;
    size_t end = s.size();
    while (begin < end && IsProfileBlank(s[begin]))
        ++begin;
    while (end > begin && IsProfileBlank(s[end - 1]))
        --end;
    return s.substr(begin, end - begin);
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

enum class LineKind { kBlank, kHeader, kComment, kEntry };

// One line of the text. Views point into the text being read.
struct Line {
    size_t begin = 0;  // first byte of the line
    size_t end = 0;    // one past its last byte before the line ending
    size_t next = 0;   // one past its line ending (== end for a last line without one)
    LineKind kind = LineKind::kBlank;
    std::string_view name;  // header: the section name; entry: the key as spelled
    bool hasValue = false;
    std::string_view value;
};

Line Classify(std::string_view text, size_t begin, size_t end, size_t next) {
    Line line;
    line.begin = begin;
    line.end = end;
    line.next = next;
    const std::string_view content = Trim(text.substr(begin, end - begin));
    if (content.empty())
        return line;
    if (content.front() == '[') {
        const size_t close = content.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::kHeader;
            line.name = Trim(content.substr(1, close - 1));
            return line;
        }
    }
    if (content.front() == ';') {
        line.kind = LineKind::kComment;
        return line;
    }
    line.kind = LineKind::kEntry;
    const size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        line.name = content;
        return line;
    }
    line.name = Trim(content.substr(0, equals));
    line.hasValue = true;
    line.value = Trim(content.substr(equals + 1));
    return line;
}

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    size_t pos = text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark
                     ? kUtf8ByteOrderMark.size()
                     : 0;
    while (pos < text.size()) {
        size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        size_t next = end;
        if (next < text.size())
            next += text.substr(next, 2) == kCrLf ? 2 : 1;
        lines.push_back(Classify(text, pos, end, next));
        pos = next;
    }
    return lines;
}

// The lines of the first section of a name: its header's index and one past its last line.
struct SectionSpan {
    size_t header = 0;
    size_t end = 0;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view name) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::kHeader || !SameName(lines[i].name, name))
            continue;
        size_t end = i + 1;
        while (end < lines.size() && lines[end].kind != LineKind::kHeader)
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

// Index of the first line of the section holding the key; lines.size() when there is none.
size_t FindKey(const std::vector<Line>& lines, const SectionSpan& section, std::string_view key) {
    for (size_t i = section.header + 1; i < section.end; ++i) {
        if (lines[i].kind == LineKind::kEntry && SameName(lines[i].name, key))
            return i;
    }
    return lines.size();
}

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string_view MostCommonLineEnding(std::string_view text, const std::vector<Line>& lines) {
    size_t crlf = 0;
    size_t lf = 0;
    size_t cr = 0;
    for (const Line& line : lines) {
        const std::string_view ending = text.substr(line.end, line.next - line.end);
        if (ending == kCrLf)
            ++crlf;
        else if (ending == "\n")
            ++lf;
        else if (ending == "\r")
            ++cr;
    }
    if (crlf >= lf && crlf >= cr)
        return kCrLf;
    return lf >= cr ? "\n" : "\r";
}

bool StartsWithUtf16ByteOrderMark(const std::string& text) {
    return text.compare(0, 2, "\xFF\xFE") == 0 || text.compare(0, 2, "\xFE\xFF") == 0;
}

bool HoldsLineBreakOrNul(const std::string& s) {
    return s.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

}  // namespace

std::optional<std::string> FindProfileValue(const std::string& text, const std::string& section,
                                            const std::string& key) {
    const std::vector<Line> lines = SplitLines(text);
    const std::optional<SectionSpan> span = FindSection(lines, Trim(section));
    if (!span)
        return std::nullopt;
    const size_t index = FindKey(lines, *span, Trim(key));
    if (index == lines.size() || !lines[index].hasValue)
        return std::nullopt;
    return std::string(StripQuotes(lines[index].value));
}

bool IsStorableProfileEntry(const std::string& section, const std::string& key,
                            const std::string& value) {
    if (HoldsLineBreakOrNul(section) || HoldsLineBreakOrNul(key) || HoldsLineBreakOrNul(value))
        return false;
    const std::string_view trimmedSection = Trim(section);
    const std::string_view trimmedKey = Trim(key);
    return !trimmedSection.empty() && !trimmedKey.empty() &&
           trimmedKey.find('=') == std::string_view::npos && trimmedKey.front() != '[' &&
           trimmedKey.front() != ';';
}

std::optional<std::string> SetProfileValue(const std::string& text, const std::string& section,
                                           const std::string& key, const std::string& value) {
    if (!IsStorableProfileEntry(section, key, value) || StartsWithUtf16ByteOrderMark(text))
        return std::nullopt;
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    const std::vector<Line> lines = SplitLines(text);
    const std::string_view ending = MostCommonLineEnding(text, lines);

    std::string result;
    result.reserve(text.size() + sectionName.size() + keyName.size() + value.size() + 8);
    const std::optional<SectionSpan> span = FindSection(lines, sectionName);
    if (!span) {
        result = text;
        if (!lines.empty() && lines.back().next == lines.back().end)
            result += ending;
        result.append("[").append(sectionName).append("]").append(ending);
        result.append(keyName).append("=").append(value).append(ending);
        return result;
    }

    const size_t index = FindKey(lines, *span, keyName);
    if (index != lines.size()) {
        const Line& line = lines[index];
        result.assign(text, 0, line.begin);
        result.append(line.name).append("=").append(value);
        result.append(text, line.end, std::string::npos);
        return result;
    }

    size_t last = span->header;
    for (size_t i = span->header + 1; i < span->end; ++i) {
        if (lines[i].kind != LineKind::kBlank)
            last = i;
    }
    // The new line ends as the line before it does: a lone CR put in front of a following LF
    // would join it into one CRLF and swallow a line.
    const Line& anchor = lines[last];
    const std::string_view anchorEnding =
        anchor.next == anchor.end
            ? ending
            : std::string_view(text).substr(anchor.end, anchor.next - anchor.end);
    result.assign(text, 0, anchor.next);
    if (anchor.next == anchor.end)
        result += ending;
    result.append(keyName).append("=").append(value).append(anchorEnding);
    result.append(text, anchor.next, std::string::npos);
    return result;
}

std::string ProfileDefault(const std::string& defaultValue) {
    const size_t last = defaultValue.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : defaultValue.substr(0, last + 1);
}

size_t CopyProfileString(const std::string& value, char* buffer, size_t bufferSize) {
    if (buffer == nullptr || bufferSize == 0)
        return 0;
    const size_t count = std::min(value.size(), bufferSize - 1);
    std::memcpy(buffer, value.data(), count);
    buffer[count] = '\0';
    return count;
}

}  // namespace platform
