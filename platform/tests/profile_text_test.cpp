#include "platform/profile_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/tests/profile_edit_check.h"

namespace {

using platform::SetProfileValue;
using namespace std::string_literals;

struct EditCase {
    const char* what;
    std::string text;
    std::string section;
    std::string key;
    std::string value;
    std::string expected;
};

TEST(ProfileText, SetEditsOneLineOrAddsLinesAndKeepsEveryOtherByte) {
    const std::string longValue(200, '7');
    const EditCase cases[] = {
        {"empty text becomes a new CRLF file", "", "App", "key", "string",
         "[App]\r\nkey=string\r\n"},
        {"replace a value", "[S]\r\na=1\r\nb=2\r\n", "S", "a", "9", "[S]\r\na=9\r\nb=2\r\n"},
        {"names match in another case, the key keeps its spelling",
         "[Mul_HumanVezireZaradud]\r\nDefSats=3\r\n", "mul_humanvezirezaradud", "DEFSATS", "-1",
         "[Mul_HumanVezireZaradud]\r\nDefSats=-1\r\n"},
        {"the whole key line becomes key=value", "[S]\r\n  a =  1  ;x\r\nb=2\r\n", " S ", " a ",
         "25 %", "[S]\r\na=25 %\r\nb=2\r\n"},
        {"the set line keeps its own line ending", "[S]\r\na=1\nb=2\r\n", "S", "a", "3",
         "[S]\r\na=3\nb=2\r\n"},
        {"a key without '=' gets its value", "[S]\r\nflag\r\n", "S", "flag", "1",
         "[S]\r\nflag=1\r\n"},
        {"only the first of duplicate keys changes", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "5",
         "[S]\r\nk=5\r\nK=2\r\n"},
        {"new key after the section's last entry, before its trailing blank lines",
         "; top\r\n[A]\r\nx=1\r\n; about B\r\n\r\n  \r\n[B]\r\ny=2\r\n", "A", "z", "3",
         "; top\r\n[A]\r\nx=1\r\n; about B\r\nz=3\r\n\r\n  \r\n[B]\r\ny=2\r\n"},
        {"new key in an empty section goes right after the header", "[A] ; note\r\n\r\n[B]\r\n",
         "A", "z", "3", "[A] ; note\r\nz=3\r\n\r\n[B]\r\n"},
        {"new key goes into the first of duplicate sections", "[A]\r\nx=1\r\n[a]\r\ny=2\r\n", "A",
         "y", "3", "[A]\r\nx=1\r\ny=3\r\n[a]\r\ny=2\r\n"},
        {"new key after a last line without line ending", "[A]\r\nx=1", "A", "y", "2",
         "[A]\r\nx=1\r\ny=2\r\n"},
        {"new section at the end, no blank line before it", "[A]\r\nx=1\r\n\r\n", "B", "k", "v",
         "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
        {"new section after a last line without line ending", "[A]\r\nx=1", "B", "k", "v",
         "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        {"an LF file stays LF", "[A]\nx=1\n", "A", "y", "2", "[A]\nx=1\ny=2\n"},
        {"a CR file stays CR", "[A]\rx=1", "B", "k", "v", "[A]\rx=1\r[B]\rk=v\r"},
        {"a new key ends as the line before it, so a lone CR never joins a following LF",
         "[A]\rx=1\n\n[B]\r[C]\r", "A", "y", "2", "[A]\rx=1\ny=2\n\n[B]\r[C]\r"},
        {"a new section takes the most common line ending", "[A]\nx=1\r\ny=2\n", "B", "k", "v",
         "[A]\nx=1\r\ny=2\n[B]\nk=v\n"},
        {"a '[' line without ']' is an ordinary line", "[A]\r\n[B\r\n", "A", "k", "v",
         "[A]\r\n[B\r\nk=v\r\n"},
        {"a UTF-8 byte order mark stays in front", "\xEF\xBB\xBF[A]\r\nx=1\r\n", "A", "x", "2",
         "\xEF\xBB\xBF[A]\r\nx=2\r\n"},
        {"a 200-character value", "[A]\r\nx=1\r\n", "A", "x", longValue,
         "[A]\r\nx=" + longValue + "\r\n"},
        {"a value with blanks is written as it is", "", "A", "x", " 5 ", "[A]\r\nx= 5 \r\n"},
    };
    for (const EditCase& c : cases) {
        EXPECT_EQ(SetProfileValue(c.text, c.section, c.key, c.value), c.expected) << c.what;
        EXPECT_EQ(platformtest::ProfileEditFault(c.text, c.section, c.key, c.value, {}), "")
            << c.what;
    }
}

TEST(ProfileText, SetRefusesWhatWouldNotReadBackAsOneEntry) {
    const std::string text = "[A]\r\nx=1\r\n";
    const struct {
        std::string section, key, value;
    } refused[] = {
        {"A", "x", "1\r\n[B]"}, {"A", "x", "1\n"}, {"A", "x", std::string("1\0", 2)},
        {"A\r", "x", "1"},      {"A", "x\n", "1"}, {"", "x", "1"},
        {" ", "x", "1"},        {"A", "", "1"},    {"A", "\t", "1"},
        {"A", "a=b", "1"},      {"A", "[x]", "1"}, {"A", ";x", "1"},
    };
    for (const auto& r : refused) {
        EXPECT_FALSE(platform::IsStorableProfileEntry(r.section, r.key, r.value))
            << r.section << "/" << r.key;
        EXPECT_EQ(SetProfileValue(text, r.section, r.key, r.value), std::nullopt);
    }
    EXPECT_EQ(SetProfileValue("\xFF\xFE[\0A\0]\0"s, "A", "x", "1"), std::nullopt);
}

TEST(ProfileText, DefaultAndBufferFollowTheProfileFunctions) {
    EXPECT_EQ(platform::ProfileDefault("dflt  "), "dflt");
    EXPECT_EQ(platform::ProfileDefault("  dflt\t "), "  dflt\t");
    EXPECT_EQ(platform::ProfileDefault("   "), "");

    char buffer[8];
    const struct {
        size_t size;
        const char* expected;
    } cuts[] = {{8, "abcdef"}, {7, "abcdef"}, {6, "abcde"}, {2, "a"}, {1, ""}};
    for (const auto& cut : cuts) {
        std::fill(std::begin(buffer), std::end(buffer), 'X');
        EXPECT_EQ(platform::CopyProfileString("abcdef", buffer, cut.size),
                  std::string(cut.expected).size());
        EXPECT_STREQ(buffer, cut.expected);
    }
    buffer[0] = 'X';
    EXPECT_EQ(platform::CopyProfileString("abc", buffer, 0), 0u);
    EXPECT_EQ(buffer[0], 'X');
    EXPECT_EQ(platform::CopyProfileString("abc", nullptr, 8), 0u);
}

// Random files built from the awkward pieces (duplicate and broken headers, comments, keys
// without '=', blank lines, mixed line endings, a missing last line ending): setting any key
// must leave every other line and every other value alone.
TEST(ProfileText, SettingOneKeyLeavesEverythingElseAlone) {
    const char* const lines[] = {"[A]",
                                 "[a]",
                                 " [ B ] x",
                                 "[C",
                                 "x=1",
                                 " X = 2",
                                 "y",
                                 "y=\"q\"",
                                 "; x=3",
                                 "",
                                 "  \t",
                                 "z=a=b",
                                 "=5",
                                 "[]",
                                 "\x1A"
                                 "z=4"};
    const char* const endings[] = {"\r\n", "\n", "\r", "\r\n"};
    const char* const sections[] = {"A", "b", "C", "New", " a "};
    const char* const keys[] = {"x", "Y", "z", "new", " X "};
    const char* const values[] = {"0", "-5", "", "25 %", "\"q\"", "a=b"};
    std::vector<platformtest::ProfileProbe> probes;
    for (const char* section : sections) {
        for (const char* key : keys)
            probes.emplace_back(section, key);
    }

    std::mt19937 random(20240611);
    auto pick = [&random](auto& table) {
        return table[std::uniform_int_distribution<size_t>(0, std::size(table) - 1)(random)];
    };
    for (int round = 0; round < 3000; ++round) {
        std::string text = round % 7 == 0 ? "\xEF\xBB\xBF" : "";
        const int count = std::uniform_int_distribution<int>(0, 9)(random);
        for (int i = 0; i < count; ++i)
            text += std::string(pick(lines)) + pick(endings);
        if (round % 3 == 0 && !text.empty())
            text.pop_back();
        const std::string fault =
            platformtest::ProfileEditFault(text, pick(sections), pick(keys), pick(values), probes);
        ASSERT_EQ(fault, "") << "text: " << testing::PrintToString(text);
    }
}

}  // namespace
