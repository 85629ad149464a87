#include "gamedata/row_tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Columns(const std::string& line, int count) {
    RowTokenizer tokenizer(line);
    std::vector<std::string> columns;
    for (int i = 0; i < count; ++i)
        columns.push_back(tokenizer.next());
    return columns;
}

using Columns_ = std::vector<std::string>;

TEST(RowTokenizer, SplitsAtEveryTabAndNothingElse) {
    EXPECT_EQ(Columns("a\tbc\td", 3), (Columns_{"a", "bc", "d"}));
    EXPECT_EQ(Columns("a\t\tb", 3), (Columns_{"a", "", "b"}));
    EXPECT_EQ(Columns("\ta", 2), (Columns_{"", "a"}));
    EXPECT_EQ(Columns(" a , b \t c", 2), (Columns_{" a , b ", " c"}));
    EXPECT_EQ(Columns("x\ty\n", 2), (Columns_{"x", "y\n"}));
    EXPECT_EQ(Columns(std::string("a\0b\tc", 5), 2), (Columns_{std::string("a\0b", 3), "c"}));
}

TEST(RowTokenizer, GivesEmptyColumnsPastTheEnd) {
    EXPECT_EQ(Columns("", 3), (Columns_{"", "", ""}));
    EXPECT_EQ(Columns("a", 4), (Columns_{"a", "", "", ""}));
    EXPECT_EQ(Columns("a\t", 4), (Columns_{"a", "", "", ""}));
    EXPECT_EQ(Columns("\t\t", 5), (Columns_{"", "", "", "", ""}));
}

}  // namespace
