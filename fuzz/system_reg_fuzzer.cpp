// Arbitrary text as a Wine prefix's system.reg, searched for a few fixed values (the game's
// directory at its plain and its redirected path, a default value, a key name that is only a
// prefix of others) and for one key and value named by the text itself: the first "[...]" and the
// first "\"...\"" in it, so that the search reaches the value-parsing code often.
//
// Checks, for every lookup: a failed lookup leaves `data` as it was; the same lookup with key
// and value names in other letter cases gives the same result; and, for a text without carriage
// returns, the same text with CR LF line ends gives the same result.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/support/require.h"
#include "platform/ascii_case.h"
#include "platform/wine/system_reg.h"

using fuzzsupport::Require;

namespace {

struct Lookup {
    std::string subKey;
    std::string valueName;
};

const Lookup kFixedLookups[] = {
    {"Software\\Brunvik\\Halvane Reach", "Directory"},
    {"Software\\Wow6432Node\\Brunvik\\Halvane Reach", "Directory"},
    {"Software\\Brunvik\\Halvane Reach", ""},
    {"Software\\Brunvik", "Directory"},
};

// The text between `open` and the first `close` after it, each doubled backslash taken as one,
// as key names are written ("[Software\\Brunvik]" is the key Software\Brunvik); other escapes
// are left as they stand.
std::string Between(std::string_view text, char open, char close) {
    const std::size_t start = text.find(open);
    if (start == std::string_view::npos)
        return std::string();
    const std::size_t stop = text.find(close, start + 1);
    if (stop == std::string_view::npos)
        return std::string();
    const std::string_view raw = text.substr(start + 1, stop - start - 1);
    std::string name;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        name += raw[i];
        if (raw[i] == '\\' && i + 1 < raw.size() && raw[i + 1] == '\\')
            ++i;
    }
    return name;
}

std::string Flipped(std::string text, bool upper) {
    for (char& c : text)
        c = upper ? AsciiUpper(c) : AsciiLower(c);
    return text;
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

struct Result {
    bool found = false;
    std::string data;

    bool operator==(const Result& other) const {
        return found == other.found && data == other.data;
    }
};

Result Find(std::string_view text, const Lookup& lookup) {
    // A sentinel that no lookup produces on failure: `data` must come back untouched.
    static const std::string kUntouched = "\x01untouched";
    Result result;
    result.data = kUntouched;
    result.found = platform::FindSystemRegValue(text, lookup.subKey, lookup.valueName, result.data);
    if (!result.found)
        Require(result.data == kUntouched, "a failed lookup leaves data unchanged");
    return result;
}

void CheckLookup(std::string_view text, const Lookup& lookup) {
    const Result result = Find(text, lookup);
    const Lookup upper{Flipped(lookup.subKey, true), Flipped(lookup.valueName, false)};
    Require(Find(text, upper) == result, "key and value names match without regard to case");
    if (text.find('\r') == std::string_view::npos) {
        Require(Find(WithCrLf(text), lookup) == result, "CR LF line ends read as LF");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Lookup& lookup : kFixedLookups)
        CheckLookup(text, lookup);
    CheckLookup(text, Lookup{Between(text, '[', ']'), Between(text, '"', '"')});
    return 0;
}
