#pragma once

#include <cstdint>
#include <string>

// What the fleet tests compare against, spelled out apart from the code: the bytes of the file
// and the texts the user reads.
namespace fleettest {

// Little-endian bytes of a 32-bit value.
inline std::string Le(uint32_t v) {
    return std::string{static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff),
                       static_cast<char>((v >> 16) & 0xff), static_cast<char>(v >> 24)};
}

// `text` followed by zero bytes up to `size`.
inline std::string Padded(const std::string& text, size_t size) {
    return text + std::string(size - text.size(), '\0');
}

inline constexpr char kSaved[] = "Fleet saved... you will now play this fleet in your next battle.";

}  // namespace fleettest
