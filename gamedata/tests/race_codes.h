#pragma once

#include <cstdint>

// The race code of the Corvane in the game's tables, spelled out apart from the code tables.
inline constexpr int32_t kCorvane = 16;
