#include "framework/int_text.h"

#include <climits>
#include <cstdio>

namespace fw {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<int> ParseIntField(const std::string& text) {
    const std::string field = text.substr(0, kIntFieldMaxChars);
    std::size_t i = 0;
    while (i < field.size() && IsBlank(field[i])) {
        ++i;
    }
    bool hasSign = false;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        hasSign = true;
        negative = field[i] == '-';
        ++i;
    }
    const std::size_t firstDigit = i;
    long long magnitude = 0;
    const long long limit = static_cast<long long>(INT_MAX) + 1;  // |INT_MIN|
    while (i < field.size() && IsDigit(field[i])) {
        if (magnitude <= limit) {  // stop growing once out of range; 31 digits would overflow
            magnitude = magnitude * 10 + (field[i] - '0');
        }
        ++i;
    }
    if (i == firstDigit) {
        return std::nullopt;
    }
    while (i < field.size() && IsBlank(field[i])) {
        ++i;
    }
    if (i != field.size()) {
        return std::nullopt;
    }
    // "+0" and "-0" are refused: the field reader only trusts a zero that starts with a digit.
    if (magnitude == 0 && hasSign) {
        return std::nullopt;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX || value < INT_MIN) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string FormatIntField(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d", value);
    return buffer;
}

}  // namespace fw
