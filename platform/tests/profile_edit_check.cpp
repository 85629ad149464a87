#include "platform/tests/profile_edit_check.h"

#include <algorithm>
#include <optional>

#include "platform/profile_text.h"

namespace platformtest {
namespace {

const std::string kByteOrderMark = "\xEF\xBB\xBF";
const char* const kBlanks = "\t\n\v\f\r \x1A";

std::string Trimmed(const std::string& s) {
    const size_t begin = s.find_first_not_of(kBlanks);
    if (begin == std::string::npos)
        return std::string();
    return s.substr(begin, s.find_last_not_of(kBlanks) - begin + 1);
}

std::string Folded(const std::string& s) {
    std::string folded = Trimmed(s);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

struct Piece {
    std::string content;
    std::string ending;
    bool operator==(const Piece& other) const {
        return content == other.content && ending == other.ending;
    }
};

std::vector<Piece> Pieces(const std::string& text) {
    std::vector<Piece> pieces;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        size_t next = end;
        if (next < text.size())
            next += text.compare(next, 2, "\r\n") == 0 ? 2 : 1;
        pieces.push_back({text.substr(pos, end - pos), text.substr(end, next - end)});
        pos = next;
    }
    return pieces;
}

bool IsUtf16(const std::string& text) {
    return text.compare(0, 2, "\xFF\xFE") == 0 || text.compare(0, 2, "\xFE\xFF") == 0;
}

bool IsPlainValue(const std::string& value) {
    return Trimmed(value) == value &&
           !(value.size() >= 2 && (value[0] == '"' || value[0] == '\'') &&
             value.back() == value[0]);
}

std::string LineFault(const std::string& text, const std::string& edited,
                      const std::string& section, const std::string& key,
                      const std::string& value) {
    const bool marked = text.compare(0, 3, kByteOrderMark) == 0;
    if (marked != (edited.compare(0, 3, kByteOrderMark) == 0))
        return "byte order mark added or lost";
    const std::vector<Piece> before = Pieces(marked ? text.substr(3) : text);
    const std::vector<Piece> after = Pieces(marked ? edited.substr(3) : edited);

    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix + prefix < before.size() && suffix + prefix < after.size() &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const std::vector<Piece> removed(before.begin() + prefix, before.end() - suffix);
    std::vector<Piece> added(after.begin() + prefix, after.end() - suffix);

    if (removed.size() > 1)
        return "more than one line changed";
    if (removed.size() == 1) {
        const Piece& old = removed[0];
        if (added.empty())
            return "a line vanished";
        const Piece& first = added[0];
        if (old.ending.empty() && prefix + 1 == before.size() && first.content == old.content &&
            !first.ending.empty()) {
            // The last line got the line ending it lacked.
        } else {
            const size_t equals = first.content.find('=');
            if (first.ending != old.ending)
                return "the set line lost its own line ending";
            if (equals == std::string::npos ||
                Folded(first.content.substr(0, equals)) != Folded(key) ||
                first.content.substr(equals + 1) != value)
                return "a line other than the key's changed: '" + old.content + "'";
        }
        added.erase(added.begin());
    }
    for (const Piece& line : added) {
        if (line.ending.empty())
            return "an added line has no line ending";
        if (line.content != "[" + Trimmed(section) + "]" &&
            line.content != Trimmed(key) + "=" + value)
            return "unexpected added line '" + line.content + "'";
    }
    if (added.size() > 2)
        return "too many lines added";
    return std::string();
}

}  // namespace

std::string ProfileEditFault(const std::string& text, const std::string& section,
                             const std::string& key, const std::string& value,
                             const std::vector<ProfileProbe>& probes) {
    using platform::FindProfileValue;
    const std::optional<std::string> edited = platform::SetProfileValue(text, section, key, value);
    const bool storable = platform::IsStorableProfileEntry(section, key, value) && !IsUtf16(text);
    if (!edited)
        return storable ? "a storable entry was refused" : std::string();
    if (!storable)
        return "an entry that cannot be stored was written";

    const std::optional<std::string> readBack = FindProfileValue(*edited, section, key);
    if (!readBack)
        return "the key does not read back";
    if (IsPlainValue(value) && *readBack != value)
        return "the key reads back as '" + *readBack + "'";
    for (const ProfileProbe& probe : probes) {
        if (Folded(probe.first) == Folded(section) && Folded(probe.second) == Folded(key))
            continue;
        if (FindProfileValue(text, probe.first, probe.second) !=
            FindProfileValue(*edited, probe.first, probe.second))
            return "[" + probe.first + "] " + probe.second + " changed";
    }
    return LineFault(text, *edited, section, key, value);
}

}  // namespace platformtest
