#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace fw {

// Only the first 31 characters of an integer field are read.
constexpr std::size_t kIntFieldMaxChars = 31;

// Reads an integer field: within the first 31 characters, optional blanks or tabs, an optional
// sign, one or more decimal digits, optional blanks or tabs, and nothing else. Refused (no
// value): an empty or blank field, any other character, a zero with a sign in front ("+0",
// "-00"), and a value outside the 32-bit int range.
std::optional<int> ParseIntField(const std::string& text);

// "%d".
std::string FormatIntField(int value);

}  // namespace fw
