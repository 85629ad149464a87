#pragma once

#include <cstdint>
#include <string_view>

// Numbers in the game's tables are read the way the C library's atoi and atof read them in the
// "C" locale: leading white space skipped, an optional sign, then as much of a number as the text
// holds; a text with no number at the start gives 0. Unlike atoi and atof these never consult the
// current locale and have a defined result for every input.

// atoi: decimal digits after the optional sign. A value beyond the 32-bit range is clamped to
// INT32_MAX or INT32_MIN, as the Windows C library's atoi does (the C standard leaves it
// undefined).
int32_t ParseInt(std::string_view text);

// ParseInt for the readers, which convert some 150 columns a row: a column of at most nine plain
// digits, by far the most common, is converted here in line; anything else goes to ParseInt.
inline int32_t ParseIntColumn(std::string_view text) {
    if (text.empty())
        return 0;
    if (text.size() > 9)
        return ParseInt(text);
    int32_t value = 0;
    for (const char c : text) {
        const auto digit = static_cast<unsigned char>(c - '0');
        if (digit > 9)
            return ParseInt(text);
        value = value * 10 + digit;
    }
    return value;
}

// Whether ParseInt took the whole of `text` as written when it gave `value`: blanks (the line
// end a row's last column keeps among them) around an optional sign and digits, within the 32-bit
// range; an empty text, which the game's tables leave for 0, too. "62a", "62.5", "1e3", "two" and
// "99999999999" are read as something else than written.
bool ReadsAsWritten(std::string_view text, int32_t value);

// atof, narrowed to a 32-bit float: decimal and hexadecimal ("0x") forms with an optional
// exponent, "inf", "infinity" and "nan" in any case. A value too large for a double gives an
// infinity of its sign, one too small gives 0, as strtod does.
float ParseFloat(std::string_view text);
