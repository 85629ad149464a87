#include "platform/wine/system_reg.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using platform::FindSystemRegValue;

const std::string kHeader32 =
    "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win32\n";
const std::string kHeader64 =
    "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n";
const char kKey[] = "Software\\Maker\\Product";

std::optional<std::string> Find(const std::string& text, const std::string& key,
                                const std::string& name) {
    std::string data = "untouched";
    if (!FindSystemRegValue(text, key, name, data)) {
        EXPECT_EQ(data, "untouched");
        return std::nullopt;
    }
    return data;
}

// A win32 file with one key holding the given value lines.
std::string File(const std::string& valueLines) {
    return kHeader32 + "\n[Software\\\\Maker\\\\Product] 1712345678\n#time=1da8a6f5b3c2d10\n" +
           valueLines + "\n";
}

std::optional<std::string> FindV(const std::string& valueLines) {
    return Find(File(valueLines), kKey, "V");
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes)
        out.push_back(static_cast<char>(b));
    return out;
}

struct DataCase {
    const char* line;
    std::optional<std::string> expected;
};

TEST(SystemReg, DecodesValueData) {
    using namespace std::string_literals;
    const DataCase cases[] = {
        // REG_SZ comes back as RegQueryValueExA returns it: ANSI text plus its NUL.
        {R"("V"="C:\\Games\\Halvane Reach")", "C:\\Games\\Halvane Reach\0"s},
        {R"("V"="")", "\0"s},
        {R"("V"="q\"uote")", "q\"uote\0"s},
        {R"("V"="\a\b\t\n\v\f\r\e")", "\a\b\t\n\v\f\r\x1b\0"s},
        // Octal takes up to three digits; \x up to four.
        {R"("V"="\1\0012\1017")",
         "\x01\x01"
         "2A7\0"s},
        {R"("V"="caf\xe9 \x00e9t\xg")", "caf\xe9 \xe9txg\0"s},
        // The ANSI code page is Windows-1252: typographic characters have bytes 0x80-0x9F,
        // anything else it lacks is '?', once for a surrogate pair.
        {R"("V"="\x20ac\x2019\x178\x80\x263a.")", "\x80\x92\x9f??.\0"s},
        {"\"V\"=\"\xe2\x98\xba \xf0\x9f\x98\x80.\"", "? ?.\0"s},
        // Raw UTF-8, as newer Wine writes it; an invalid sequence is skipped.
        {"\"V\"=\"caf\xc3\xa9\"", "caf\xe9\0"s},
        {"\"V\"=\"a\xe9z\"", "az\0"s},
        {R"("V"="\q")", "q\0"s},
        {R"("V"=str:"plain")", "plain\0"s},
        // A line as Wine 8 wrote it for a value set with RegSetValueExA.
        {R"("V"="C:\\Games\\\"Q\"\t\0017\xe9\x20ac\x178 end")",
         "C:\\Games\\\"Q\"\t\x01"
         "7\xe9\x80\x9f end\0"s},
        {R"("V"=str(2):"%SystemRoot%\\x")", "%SystemRoot%\\x\0"s},
        {R"("V"=str(7):"one\0two\0")", "one\0two\0\0"s},
        {"\"V\"=dword:0000002a", Bytes({0x2a, 0, 0, 0})},
        {"\"V\"=dword:ffffffff", Bytes({0xff, 0xff, 0xff, 0xff})},
        {"\"V\"=hex:00,ff,10", Bytes({0, 0xff, 0x10})},
        {"\"V\"=hex:", ""s},
        {"\"V\"=hex(4):2a,00,00,00", Bytes({0x2a, 0, 0, 0})},
        {"\"V\"=hex(ffff0007):03,00", Bytes({3, 0})},
        // String types written as hex are UTF-16LE, converted like any string; an odd last
        // byte is no character, and an unterminated string stays unterminated.
        {"\"V\"=hex(1):41,00,e9,00,3a,26,00,00", "A\xe9?\0"s},
        {"\"V\"=hex(2):41,00,42", "A"s},
        {"\"V\"=hex(7):61,00,00,00,62,00,00,00,00,00", "a\0b\0\0"s},
        {"\"V\"=hex:01,02,\\\n  03,04,\\\n  05", Bytes({1, 2, 3, 4, 5})},
        // Malformed data: not found.
        {R"("V"="unterminated)", std::nullopt},
        {R"("V"="ends in escape\)", std::nullopt},
        {"\"V\"=dword:", std::nullopt},
        {"\"V\"=dword:zz", std::nullopt},
        {"\"V\"=dword:123456789", std::nullopt},
        {"\"V\"=hex:100", std::nullopt},
        {"\"V\"=hex:01,zz", std::nullopt},
        {"\"V\"=hex:01,\\", std::nullopt},
        {"\"V\"=hex(:01", std::nullopt},
        {"\"V\"=hex(123456789):01", std::nullopt},
        {"\"V\"=Str:\"x\"", std::nullopt},
        {"\"V\"=unknown", std::nullopt},
        {"\"V\" \"x\"", std::nullopt},
    };
    for (const DataCase& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(FindV(c.line), c.expected);
    }
}

TEST(SystemReg, NamesMatchWithoutRegardToAsciiCase) {
    const std::string text = kHeader32 +
                             "\n[Software\\\\Maker\\\\Product] 1\n"
                             "\"Directory\"=\"D:\\\\Game\"\n"
                             "@=\"default\"\n"
                             "\n[Software\\\\Maker\\\\Product\\\\Sub\\[1\\]\\xe9] 1\n"
                             "\"caf\\xe9\"=\"sub\"\n";
    EXPECT_EQ(Find(text, "SOFTWARE\\maker\\PRODUCT", "directory"), std::string("D:\\Game\0", 8));
    EXPECT_EQ(Find(text, kKey, ""), std::string("default\0", 8));
    EXPECT_EQ(Find(text, "software\\maker\\product\\SUB[1]\xe9", "CAF\xe9"),
              std::string("sub\0", 4));
    // Only ASCII letters fold: É (0xc9) is not é (0xe9).
    EXPECT_EQ(Find(text, "software\\maker\\product\\sub[1]\xc9", "caf\xe9"), std::nullopt);
    EXPECT_EQ(Find(text, "Software\\Maker", "Directory"), std::nullopt);
    EXPECT_EQ(Find(text, "Software\\Maker\\Product\\Other", "Directory"), std::nullopt);
    EXPECT_EQ(Find(text, kKey, "Director"), std::nullopt);
}

TEST(SystemReg, LaterDefinitionsWinAndKeysMerge) {
    const std::string text = kHeader32 +
                             "[Software\\\\Maker\\\\Product] 1\n\"V\"=\"first\"\n\"W\"=\"w\"\n"
                             "[Software\\\\Other] 1\n\"V\"=\"other\"\n"
                             "[software\\\\maker\\\\product] 2\n\"v\"=\"second\"\n";
    EXPECT_EQ(Find(text, kKey, "V"), std::string("second\0", 7));
    EXPECT_EQ(Find(text, kKey, "W"), std::string("w\0", 2));
    // A malformed later definition leaves no value, as wineserver leaves an empty one.
    EXPECT_EQ(Find(text + "[Software\\\\Maker\\\\Product]\n\"V\"=dword:\n", kKey, "V"),
              std::nullopt);
}

TEST(SystemReg, Win64PrefixPrefersTheWow6432NodeView) {
    const std::string plain = "\n[Software\\\\Maker\\\\Product] 1\n\"V\"=\"plain\"\n";
    const std::string redirected =
        "\n[Software\\\\Wow6432Node\\\\Maker\\\\Product] 1\n\"V\"=\"wow\"\n";
    const std::string noArch = "WINE REGISTRY Version 2\n";
    const std::string wow("wow\0", 4);
    const std::string plainData("plain\0", 6);

    EXPECT_EQ(Find(kHeader64 + plain + redirected, kKey, "V"), wow);
    EXPECT_EQ(Find(kHeader64 + redirected + plain, kKey, "v"), wow);
    EXPECT_EQ(Find(kHeader64 + plain, kKey, "V"), plainData);
    EXPECT_EQ(Find(kHeader64 + redirected, "software\\maker\\product", "V"), wow);
    // A redirected key without the value falls back to the plain path.
    EXPECT_EQ(
        Find(kHeader64 + plain + "[Software\\\\Wow6432Node\\\\Maker\\\\Product] 1\n", kKey, "V"),
        plainData);
    // Asking for the Wow6432Node path itself is not redirected twice.
    EXPECT_EQ(Find(kHeader64 + redirected, "Software\\Wow6432Node\\Maker\\Product", "V"), wow);
    // Keys outside Software are not redirected.
    EXPECT_EQ(Find(kHeader64 + "[System\\\\X] 1\n\"V\"=\"s\"\n", "System\\X", "V"),
              std::string("s\0", 2));

    // Win32 prefixes, and files without #arch, have only the plain path.
    EXPECT_EQ(Find(kHeader32 + redirected + plain, kKey, "V"), plainData);
    EXPECT_EQ(Find(kHeader32 + redirected, kKey, "V"), std::nullopt);
    EXPECT_EQ(Find(noArch + redirected + plain, kKey, "V"), plainData);
    EXPECT_EQ(Find(noArch + redirected, kKey, "V"), std::nullopt);
}

TEST(SystemReg, ContinuationLinesBelongToTheirValue) {
    // The line after a trailing backslash is hex data even when it looks like a value.
    EXPECT_EQ(FindV("\"X\"=hex:00,\\\n\"V\"=\"swallowed\""), std::nullopt);
    EXPECT_EQ(FindV("\"X\"=hex:00,\\\n  01\n\"V\"=\"kept\""), std::string("kept\0", 5));
    // ...but a string value ending in a backslash does not continue.
    EXPECT_EQ(FindV("\"X\"=\"dir\\\\\"\n\"V\"=\"kept\""), std::string("kept\0", 5));
}

TEST(SystemReg, ReadsCrlfFilesAndIndentedLines) {
    const std::string text = File("  \"V\"=\"x\"\n\t\"W\"=hex:01,\\\n   02");
    std::string crlf;
    for (char c : text) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(Find(crlf, kKey, "V"), std::string("x\0", 2));
    EXPECT_EQ(Find(crlf, kKey, "W"), Bytes({1, 2}));
}

TEST(SystemReg, ValuesOfAnyLength) {
    const std::string longText(100000, 'x');
    EXPECT_EQ(FindV("\"V\"=\"" + longText + "\""), longText + '\0');
    std::string hex = "\"V\"=hex:";
    for (int i = 0; i < 5000; ++i)
        hex += (i % 20 == 19) ? "ab,\\\n  " : "ab,";
    const std::optional<std::string> hexData = FindV(hex + "cd");
    ASSERT_TRUE(hexData.has_value());
    EXPECT_EQ(hexData->size(), 5001u);
}

TEST(SystemReg, UnreadableFilesFindNothing) {
    const std::string value = "\n[Software\\\\Maker\\\\Product] 1\n\"V\"=\"x\"\n";
    const std::string badFiles[] = {
        "",
        value,                                              // no header
        "WINE REGISTRY Version 1\n" + value,                // other format
        " WINE REGISTRY Version 2\n" + value,               // not exactly the header
        "WINE REGISTRY Version 2\n#arch=win16\n" + value,   // unknown architecture
        "WINE REGISTRY Version 2\n#arch=win32 \n" + value,  // not exactly an architecture
        "WINE REGISTRY Version 2\n#arch=win32\n#arch=win64\n" + value,
        "WINE REGISTRY Version 2\n\"V\"=\"no key yet\"\n",
        kHeader32 + "[Software\\\\Maker\\\\Product\n\"V\"=\"y\"\n",  // unterminated key
        std::string("\0\xff\n[\n\"\n\\\n@", 10),
    };
    for (const std::string& text : badFiles) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Find(text, kKey, "V"), std::nullopt);
    }
    // Values below a malformed key line belong to no key, not to the key before it.
    EXPECT_EQ(Find(kHeader32 + value + "[Software\\\\Maker\\\\Product\n\"V\"=\"y\"\n", kKey, "V"),
              std::string("x\0", 2));
}

// Every cut of a file using every construct parses without reading out of bounds (the sanitizer
// build checks the reads).
TEST(SystemReg, SurvivesEveryTruncation) {
    const std::string text = kHeader64 +
                             "[Software\\\\Wow6432Node\\\\Maker\\\\Product\\[x\\]] 1\n"
                             "#time=1d\n@=\"\\x263a\\101\\q\xc3\xa9\xf0\x9f\x98\x80\"\n"
                             "\"V\"=hex(7):41,00,\\\n  00,00\n\"D\"=dword:0000002a\n"
                             "\"S\"=str(7):\"a\\0b\\0\"\n";
    for (std::size_t length = 0; length <= text.size(); ++length) {
        std::string data;
        FindSystemRegValue(text.substr(0, length), "Software\\Maker\\Product[x]", "V", data);
        FindSystemRegValue(text.substr(0, length), "Software\\Maker\\Product[x]", "", data);
    }
    std::string data;
    EXPECT_TRUE(FindSystemRegValue(text, "Software\\Maker\\Product[x]", "V", data));
    EXPECT_EQ(data, std::string("A", 1) + '\0');
}

}  // namespace
