#include "platform/wine/system_reg.h"

#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/ascii_case.h"
#include "platform/wine/ansi_code_page.h"

namespace platform {

namespace {

// Registry text as wineserver holds it: UTF-16 code units.
using Utf16 = std::u16string;

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";
constexpr std::string_view kRedirectedRoot = "Software\\";
constexpr std::string_view kWow6432Node = "Wow6432Node\\";

// Registry value types, by their numbers.
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegMultiSz = 7;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

uint32_t HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<uint32_t>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<uint32_t>(c - 'a' + 10);
    return static_cast<uint32_t>(c - 'A' + 10);
}

bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

void SkipSpaces(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && IsSpace(line[pos]))
        ++pos;
}

// Little-endian UTF-16 from raw value bytes; an odd last byte is not part of any character.
Utf16 Utf16FromBytes(const std::string& bytes) {
    Utf16 units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(static_cast<char16_t>(low | (high << 8)));
    }
    return units;
}

void AppendCodePoint(uint32_t codePoint, Utf16& out) {
    if (codePoint <= 0xFFFF) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 | (codePoint >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 | (codePoint & 0x3FF)));
}

// Decodes one raw UTF-8 sequence whose lead byte (at least 0x80) is at `pos`, which is left past
// the bytes used. Newer Wine writes characters above 127 this way; an invalid sequence is skipped
// and yields nothing, as Wine does.
void DecodeUtf8(std::string_view line, std::size_t& pos, Utf16& out) {
    const auto lead = static_cast<unsigned char>(line[pos++]);
    int trailing = 0;
    uint32_t codePoint = 0;
    uint32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trailing = 1;
        codePoint = lead & 0x1Fu;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trailing = 2;
        codePoint = lead & 0x0Fu;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trailing = 3;
        codePoint = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return;
    }
    for (int i = 0; i < trailing; ++i) {
        if (pos >= line.size())
            return;
        const unsigned bits = static_cast<unsigned char>(line[pos]) ^ 0x80u;
        if (bits >= 0x40)
            return;
        codePoint = (codePoint << 6) | bits;
        ++pos;
    }
    if (codePoint < minimum || codePoint > 0x10FFFF)
        return;
    AppendCodePoint(codePoint, out);
}

// The control character a letter escape (\n and its kin) stands for; 0 when `c` is none.
char16_t LetterEscape(char c) {
    constexpr std::string_view kLetters = "abefnrtv";
    constexpr char16_t kControls[] = {0x07, 0x08, 0x1B, 0x0C, 0x0A, 0x0D, 0x09, 0x0B};
    const std::size_t index = kLetters.find(c);
    return index == std::string_view::npos ? u'\0' : kControls[index];
}

// Decodes an escaped string (key name, value name or string data) from `pos` up to the first
// unescaped `endChar`, leaving `pos` just past it. False when the line ends first.
bool ParseEscaped(std::string_view line, std::size_t& pos, char endChar, Utf16& out) {
    while (pos < line.size() && line[pos] != endChar) {
        if (line[pos] == '\\') {
            ++pos;
            if (pos >= line.size())
                return false;
            const char c = line[pos];
            const char16_t control = LetterEscape(c);
            if (control != 0) {
                out.push_back(control);
                ++pos;
                continue;
            }
            if (c == 'x') {
                ++pos;
                if (pos >= line.size() || !IsHexDigit(line[pos])) {
                    out.push_back(u'x');
                    continue;
                }
                uint32_t value = 0;
                for (int i = 0; i < 4 && pos < line.size() && IsHexDigit(line[pos]); ++i) {
                    value = value * 16 + HexDigitValue(line[pos++]);
                }
                out.push_back(static_cast<char16_t>(value));
                continue;
            }
            if (IsOctalDigit(c)) {
                uint32_t value = 0;
                for (int i = 0; i < 3 && pos < line.size() && IsOctalDigit(line[pos]); ++i) {
                    value = value * 8 + static_cast<uint32_t>(line[pos++] - '0');
                }
                out.push_back(static_cast<char16_t>(value));
                continue;
            }
            // Any other escaped character stands for itself: \\, \", \[ and \].
        }
        if (static_cast<unsigned char>(line[pos]) < 0x80) {
            out.push_back(static_cast<char16_t>(line[pos++]));
        } else {
            DecodeUtf8(line, pos, out);
        }
    }
    if (pos >= line.size())
        return false;
    ++pos;
    return true;
}

// The file's lines as wineserver reads them: split at '\n' with one '\r' before it dropped; a
// NUL byte ends the line's content.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool Next(std::string_view& line) {
        if (pos_ >= text_.size())
            return false;
        const std::size_t newline = text_.find('\n', pos_);
        const std::size_t end = newline == std::string_view::npos ? text_.size() : newline;
        line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (newline != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::size_t nul = line.find('\0');
        if (nul != std::string_view::npos)
            line = line.substr(0, nul);
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Up to eight hex digits, as a value type or a dword is written.
bool ParseHexNumber(std::string_view line, std::size_t& pos, uint32_t& value) {
    const std::size_t start = pos;
    value = 0;
    while (pos < line.size() && IsHexDigit(line[pos])) {
        if (pos - start == 8)
            return false;
        value = value * 16 + HexDigitValue(line[pos++]);
    }
    return pos > start;
}

// Comma-separated hex bytes; a line ending in a backslash continues on the next line.
bool ParseHexBytes(std::string_view line, std::size_t pos, LineReader& lines, std::string& out) {
    for (;;) {
        while (pos < line.size() && IsHexDigit(line[pos])) {
            uint32_t value = 0;
            while (pos < line.size() && IsHexDigit(line[pos])) {
                value = value * 16 + HexDigitValue(line[pos++]);
                if (value > 0xFF)
                    return false;
            }
            out.push_back(static_cast<char>(static_cast<unsigned char>(value)));
            SkipSpaces(line, pos);
            if (pos < line.size() && line[pos] == ',')
                ++pos;
            SkipSpaces(line, pos);
        }
        SkipSpaces(line, pos);
        if (pos == line.size())
            return true;
        if (line[pos] != '\\' || !lines.Next(line))
            return false;
        pos = 0;
        SkipSpaces(line, pos);
    }
}

// How the data of a value is written in the file.
enum class Format { kQuotedString, kDword, kHexBytes };

// The tag after '=' that gives the value's type and how its data is written.
bool ParseTypeTag(std::string_view line, std::size_t& pos, uint32_t& type, Format& format) {
    struct Tag {
        std::string_view text;
        uint32_t type;
        Format format;
    };
    static constexpr Tag kTags[] = {
        {"\"", kRegSz, Format::kQuotedString},
        {"str:\"", kRegSz, Format::kQuotedString},
        {"str(2):\"", kRegExpandSz, Format::kQuotedString},
        {"str(7):\"", kRegMultiSz, Format::kQuotedString},
        {"hex:", kRegBinary, Format::kHexBytes},
        {"dword:", kRegDword, Format::kDword},
    };
    const std::string_view rest = line.substr(pos);
    for (const Tag& tag : kTags) {
        if (rest.substr(0, tag.text.size()) == tag.text) {
            pos += tag.text.size();
            type = tag.type;
            format = tag.format;
            return true;
        }
    }
    // hex(N): raw bytes of any type N.
    if (rest.substr(0, 4) != "hex(")
        return false;
    pos += 4;
    if (!ParseHexNumber(line, pos, type))
        return false;
    if (line.substr(pos, 2) != "):")
        return false;
    pos += 2;
    format = Format::kHexBytes;
    return true;
}

bool IsStringType(uint32_t type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

// The data of a value line from `pos` (just past '='), consuming continuation lines. Empty when
// the data is malformed.
std::optional<std::string> ParseValueData(std::string_view line, std::size_t pos,
                                          LineReader& lines) {
    uint32_t type = 0;
    Format format = Format::kHexBytes;
    if (!ParseTypeTag(line, pos, type, format))
        return std::nullopt;
    switch (format) {
        case Format::kQuotedString: {
            Utf16 text;
            if (!ParseEscaped(line, pos, '"', text))
                return std::nullopt;
            text.push_back(u'\0');
            return AnsiFromUtf16(text);
        }
        case Format::kDword: {
            SkipSpaces(line, pos);
            uint32_t value = 0;
            if (!ParseHexNumber(line, pos, value))
                return std::nullopt;
            std::string bytes(4, '\0');
            for (std::size_t i = 0; i < 4; ++i) {
                bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
            }
            return bytes;
        }
        case Format::kHexBytes:
            break;
    }
    std::string bytes;
    if (!ParseHexBytes(line, pos, lines, bytes))
        return std::nullopt;
    if (IsStringType(type))
        return AnsiFromUtf16(Utf16FromBytes(bytes));
    return bytes;
}

// A value line: `"name"=<data>` or `@=<data>`. False when the name part cannot be read, in which
// case the line is skipped; otherwise `data` is the parsed data, empty when malformed.
bool ParseValueLine(std::string_view line, LineReader& lines, std::string& name,
                    std::optional<std::string>& data) {
    std::size_t pos = 1;
    if (line[0] == '@') {
        name.clear();
    } else {
        Utf16 units;
        if (!ParseEscaped(line, pos, '"', units))
            return false;
        name = AnsiFromUtf16(units);
    }
    SkipSpaces(line, pos);
    if (pos >= line.size() || line[pos] != '=')
        return false;
    ++pos;
    SkipSpaces(line, pos);
    data = ParseValueData(line, pos, lines);
    return true;
}

enum class Arch { kUnknown, kWin32, kWin64 };

// A '#' line before the first key. False when the file must be rejected, as wineserver rejects
// an unknown or contradictory architecture.
bool ReadGlobalOption(std::string_view line, Arch& arch) {
    constexpr std::string_view kArch = "#arch=";
    if (line.substr(0, kArch.size()) != kArch)
        return true;
    const std::string_view name = line.substr(kArch.size());
    Arch found = Arch::kUnknown;
    if (name == "win32") {
        found = Arch::kWin32;
    } else if (name == "win64") {
        found = Arch::kWin64;
    } else {
        return false;
    }
    if (arch != Arch::kUnknown && arch != found)
        return false;
    arch = found;
    return true;
}

// Where a 32-bit program's view of `subKey` lives in a 64-bit prefix; empty when it is not
// redirected.
std::string RedirectedPath(std::string_view subKey) {
    if (!StartsWithIgnoringAsciiCase(subKey, kRedirectedRoot))
        return std::string();
    const std::string_view rest = subKey.substr(kRedirectedRoot.size());
    if (rest.empty() || StartsWithIgnoringAsciiCase(rest, kWow6432Node))
        return std::string();
    std::string path(kRedirectedRoot);
    path += kWow6432Node;
    path += rest;
    return path;
}

}  // namespace

bool FindSystemRegValue(std::string_view fileText, std::string_view subKey,
                        std::string_view valueName, std::string& data) {
    LineReader lines(fileText);
    std::string_view line;
    if (!lines.Next(line) || line != kHeader)
        return false;

    const std::string redirected = RedirectedPath(subKey);

    // Which of the two candidate keys the lines being read belong to.
    enum class Section { kNone, kOther, kPlain, kRedirected };
    Section section = Section::kNone;
    Arch arch = Arch::kUnknown;
    std::optional<std::string> plainValue;
    std::optional<std::string> redirectedValue;

    while (lines.Next(line)) {
        std::size_t start = 0;
        SkipSpaces(line, start);
        line.remove_prefix(start);
        if (line.empty())
            continue;
        switch (line[0]) {
            case '[': {
                std::size_t pos = 1;
                Utf16 units;
                if (!ParseEscaped(line, pos, ']', units)) {
                    // The values below a malformed key line belong to no key.
                    section = Section::kNone;
                    break;
                }
                const std::string key = AnsiFromUtf16(units);
                if (EqualsIgnoringAsciiCase(key, subKey)) {
                    section = Section::kPlain;
                } else if (!redirected.empty() && EqualsIgnoringAsciiCase(key, redirected)) {
                    section = Section::kRedirected;
                } else {
                    section = Section::kOther;
                }
                break;
            }
            case '@':
            case '"': {
                if (section == Section::kNone)
                    break;
                // Values of other keys are parsed only to consume their continuation lines as
                // wineserver does; a line without a backslash has none.
                if (section == Section::kOther && line.find('\\') == std::string_view::npos) {
                    break;
                }
                std::string name;
                std::optional<std::string> value;
                if (!ParseValueLine(line, lines, name, value))
                    break;
                if (!EqualsIgnoringAsciiCase(name, valueName))
                    break;
                if (section == Section::kPlain)
                    plainValue = std::move(value);
                if (section == Section::kRedirected)
                    redirectedValue = std::move(value);
                break;
            }
            case '#':
                if (section == Section::kNone && !ReadGlobalOption(line, arch))
                    return false;
                break;
            default:
                // Comments (';') and anything unrecognised.
                break;
        }
    }

    if (arch == Arch::kWin64 && redirectedValue) {
        data = *redirectedValue;
        return true;
    }
    if (plainValue) {
        data = *plainValue;
        return true;
    }
    return false;
}

}  // namespace platform
