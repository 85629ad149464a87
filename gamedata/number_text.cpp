#include "gamedata/number_text.h"

#include <charconv>
#include <cstddef>
#include <limits>

namespace {

// isspace in the "C" locale.
bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips leading white space and an optional sign; returns the rest and whether the sign was '-'.
std::string_view SkipSpaceAndSign(std::string_view text, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    return text.substr(i);
}

// For a number that from_chars found out of range: whether it is too large (true) or too small
// (false). `matched` is the number's text without sign or "0x" prefix. The position of its first
// non-zero digit relative to the point, plus the exponent, tells on which side of 1 it lies.
bool IsTooLarge(std::string_view matched, bool hex) {
    const char exponentMark = hex ? 'p' : 'e';
    const long long digitWeight = hex ? 4 : 1;  // exponent units per digit
    long long position = 0;                     // digits from the first non-zero digit to the point
    bool seenNonZero = false;
    bool seenPoint = false;
    std::size_t i = 0;
    for (; i < matched.size(); ++i) {
        const char c = matched[i];
        if (c == '.') {
            seenPoint = true;
        } else if (c == exponentMark || c == exponentMark - 'a' + 'A') {
            break;
        } else if (!seenPoint) {
            if (seenNonZero || c != '0') {
                seenNonZero = true;
                ++position;
            }
        } else if (!seenNonZero) {
            if (c != '0') {
                seenNonZero = true;
            } else {
                --position;
            }
        }
    }
    long long exponent = 0;
    bool exponentNegative = false;
    if (i < matched.size()) {
        const std::string_view digits = SkipSpaceAndSign(matched.substr(i + 1), exponentNegative);
        for (char c : digits) {
            if (!IsDigit(c))
                break;
            if (exponent < 1000000000)
                exponent = exponent * 10 + (c - '0');
        }
    }
    if (exponentNegative)
        exponent = -exponent;
    return position * digitWeight + exponent > 0;
}

}  // namespace

int32_t ParseInt(std::string_view text) {
    // Written out in one loop rather than through SkipSpaceAndSign: the readers call this for
    // most columns of every row.
    const char* c = text.data();
    const char* const end = c + text.size();
    while (c != end && IsCSpace(*c))
        ++c;
    bool negative = false;
    if (c != end && (*c == '+' || *c == '-')) {
        negative = *c == '-';
        ++c;
    }
    // Accumulate in 64 bits and stop growing once past the 32-bit range.
    constexpr long long kBeyondRange = 1LL << 32;
    long long value = 0;
    for (; c != end && IsDigit(*c); ++c) {
        if (value < kBeyondRange)
            value = value * 10 + (*c - '0');
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

float ParseFloat(std::string_view text) {
    bool negative = false;
    std::string_view subject = SkipSpaceAndSign(text, negative);
    bool hex = false;
    if (subject.size() >= 2 && subject[0] == '0' && (subject[1] == 'x' || subject[1] == 'X')) {
        hex = true;
        subject.remove_prefix(2);
    }
    // from_chars accepts a '-' of its own; after the sign has been taken, atof reads none.
    if (!subject.empty() && subject[0] == '-')
        return 0.0f;

    double magnitude = 0.0;
    const char* const first = subject.data();
    const char* const last = first + subject.size();
    const std::chars_format format = hex ? std::chars_format::hex : std::chars_format::general;
    const std::from_chars_result result = std::from_chars(first, last, magnitude, format);
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view matched(first, static_cast<std::size_t>(result.ptr - first));
        magnitude = IsTooLarge(matched, hex) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        // No number: "0x" without hexadecimal digits still reads as the 0 before the x.
        magnitude = 0.0;
    }
    return static_cast<float>(negative ? -magnitude : magnitude);
}

bool ReadsAsWritten(std::string_view text, int32_t value) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return value == 0;
    const bool negative = text.front() == '-';
    if (text.front() == '-' || text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 12)
        return false;
    int64_t written = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        written = written * 10 + (c - '0');
    }
    return (negative ? -written : written) == value;
}
