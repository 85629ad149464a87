#pragma once

#include <string>

namespace platform {

// Reads one value under HKEY_LOCAL_MACHINE\<subKey> as the 32-bit view of the registry sees it
// (the view the game's 32-bit installer wrote). On success `data` receives the value's bytes
// exactly as stored, whatever their length and registry type, and the result is true. On any
// failure (no key, no value, unreadable registry) the result is false and `data` is unchanged.
bool ReadLocalMachineValue(const std::string& subKey, const std::string& valueName,
                           std::string& data);

}  // namespace platform
