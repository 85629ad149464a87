#include "gamedata/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace {

std::vector<std::string> ReadAllLines(const std::string& bytes) {
    testsupport::TempDir dir;
    const std::string path = dir / "lines.txt";
    testsupport::WriteFile(path, bytes);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    EXPECT_NE(file, nullptr);
    if (file == nullptr)
        return {};
    LineReader reader(file);
    std::vector<std::string> lines;
    std::string line;
    while (reader.readLine(line))
        lines.push_back(line);
    EXPECT_FALSE(reader.failed());
    std::fclose(file);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineReader, SplitsAtLineFeedsAndDropsTheCarriageReturnBeforeThem) {
    EXPECT_EQ(ReadAllLines(""), Lines{});
    EXPECT_EQ(ReadAllLines("a\nb\n"), (Lines{"a\n", "b\n"}));
    EXPECT_EQ(ReadAllLines("a\r\nb\r\n"), (Lines{"a\n", "b\n"}));
    EXPECT_EQ(ReadAllLines("a\nlast"), (Lines{"a\n", "last"}));
    EXPECT_EQ(ReadAllLines("\n\r\n"), (Lines{"\n", "\n"}));
    // Only a carriage return right before a line feed is dropped.
    EXPECT_EQ(ReadAllLines("a\rb\r\r\nc\r"), (Lines{"a\rb\r\n", "c\r"}));
}

TEST(LineReader, ReadsLongLinesWhole) {
    const std::string longLine(200000, 'x');
    EXPECT_EQ(ReadAllLines(longLine + "\r\n" + longLine), (Lines{longLine + "\n", longLine}));
    // A carriage return and its line feed on either side of a buffer boundary.
    for (std::size_t length : {65535u, 65536u, 65537u}) {
        const std::string line(length, 'y');
        EXPECT_EQ(ReadAllLines(line + "\r\nz\n"), (Lines{line + "\n", "z\n"})) << length;
    }
}

TEST(LineReader, RewindStartsAgain) {
    testsupport::TempDir dir;
    const std::string path = dir / "lines.txt";
    testsupport::WriteFile(path, "one\ntwo\n");
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    LineReader reader(file);
    std::string line;
    while (reader.readLine(line)) {
    }
    ASSERT_TRUE(reader.rewind());
    ASSERT_TRUE(reader.readLine(line));
    EXPECT_EQ(line, "one\n");
    std::fclose(file);
}

}  // namespace
