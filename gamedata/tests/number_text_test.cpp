#include "gamedata/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

TEST(NumberText, ParseIntReadsLikeAtoi) {
    const struct {
        std::string text;
        int32_t value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"42", 42},
        {"  -12x", -12},
        {"+7", 7},
        {"\n\v\f\r 5", 5},
        {"153\n", 153},
        {"- 5", 0},
        {"+-3", 0},
        {"0x1A", 0},
        {"1.9", 1},
        {"007", 7},
        {"\n", 0},
        {"-0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int32_t>::min()},
        {"999999999", 999999999},
        {"1234567890", 1234567890},
        {"12/4", 12},
        {"9:", 9},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseInt(c.text), c.value) << '"' << c.text << '"';
        EXPECT_EQ(ParseIntColumn(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(NumberText, ParseIntClampsBeyondTheRange) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(ParseInt("2147483648"), kMax);
    EXPECT_EQ(ParseInt("4294967296"), kMax);
    EXPECT_EQ(ParseInt("99999999999999999999999999"), kMax);
    EXPECT_EQ(ParseInt("-2147483649"), kMin);
    EXPECT_EQ(ParseInt("-99999999999999999999999999"), kMin);
}

TEST(NumberText, ParseFloatReadsLikeAtof) {
    const struct {
        std::string text;
        float value;
    } cases[] = {
        {"", 0.0f},    {"x", 0.0f},      {"1.5", 1.5f},    {" -2.25e1", -22.5f},
        {".5", 0.5f},  {"3.", 3.0f},     {"1,5", 1.0f},    {"2e", 2.0f},
        {"+-1", 0.0f}, {"0x1p3", 8.0f},  {"-0X.8", -0.5f}, {"0x", 0.0f},
        {"0.1", 0.1f}, {"1e-400", 0.0f}, {"7\n", 7.0f},    {"1e3x", 1000.0f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseFloat(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, ParseFloatGivesInfinityAndNan) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(ParseFloat("1e400"), kInf);
    EXPECT_EQ(ParseFloat("-1e400"), -kInf);
    EXPECT_EQ(ParseFloat("0x1p99999"), kInf);
    EXPECT_EQ(ParseFloat("1" + std::string(400, '0')), kInf);
    EXPECT_EQ(ParseFloat("0." + std::string(400, '0') + "1"), 0.0f);
    EXPECT_EQ(ParseFloat("1e39"), kInf);  // a double, but beyond a float
    EXPECT_EQ(ParseFloat(" INF"), kInf);
    EXPECT_EQ(ParseFloat("-infinity"), -kInf);
    EXPECT_TRUE(std::isnan(ParseFloat("nan")));
}

}  // namespace
