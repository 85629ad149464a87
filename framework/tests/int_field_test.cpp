#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "framework/int_text.h"

namespace {

struct IntFieldCase {
    std::string text;
    std::optional<int> value;  // nullopt: refused
};
void PrintTo(const IntFieldCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class IntFieldTest : public ::testing::TestWithParam<IntFieldCase> {};

TEST_P(IntFieldTest, ReadsOrRefuses) {
    const IntFieldCase& c = GetParam();
    EXPECT_EQ(fw::ParseIntField(c.text), c.value);
}

const std::string kBlanks30(30, ' ');

INSTANTIATE_TEST_SUITE_P(
    Accepted, IntFieldTest,
    ::testing::Values(IntFieldCase{"0", 0}, IntFieldCase{"00", 0}, IntFieldCase{"-5", -5},
                      IntFieldCase{"+5", 5}, IntFieldCase{" 7 ", 7}, IntFieldCase{"\t12\t", 12},
                      IntFieldCase{"-05", -5}, IntFieldCase{"2147483647", 2147483647},
                      IntFieldCase{"-2147483648", -2147483647 - 1},
                      // Only the first 31 characters count: what follows is never read.
                      IntFieldCase{kBlanks30 + "7abc", 7},
                      IntFieldCase{std::string(30, '0') + "42", 4},
                      IntFieldCase{"5" + std::string(40, ' ') + "x", 5}));

INSTANTIATE_TEST_SUITE_P(
    Refused, IntFieldTest,
    ::testing::Values(IntFieldCase{"", std::nullopt}, IntFieldCase{"   ", std::nullopt},
                      IntFieldCase{"abc", std::nullopt}, IntFieldCase{"+0", std::nullopt},
                      IntFieldCase{"-0", std::nullopt}, IntFieldCase{"-00", std::nullopt},
                      IntFieldCase{" +000 ", std::nullopt}, IntFieldCase{"1 2", std::nullopt},
                      IntFieldCase{"12x", std::nullopt}, IntFieldCase{"+", std::nullopt},
                      IntFieldCase{"- 5", std::nullopt}, IntFieldCase{"--5", std::nullopt},
                      IntFieldCase{"1.5", std::nullopt}, IntFieldCase{"0x10", std::nullopt},
                      IntFieldCase{"\n5", std::nullopt},
                      // Out of the int range: refused, never clamped or wrapped.
                      IntFieldCase{"2147483648", std::nullopt},
                      IntFieldCase{"-2147483649", std::nullopt},
                      IntFieldCase{"99999999999999999999", std::nullopt},
                      IntFieldCase{kBlanks30 + "x7", std::nullopt}));

TEST(IntField, FormatsWithPercentD) {
    EXPECT_EQ(fw::FormatIntField(0), "0");
    EXPECT_EQ(fw::FormatIntField(-17), "-17");
    EXPECT_EQ(fw::FormatIntField(-2147483647 - 1), "-2147483648");
}

}  // namespace
