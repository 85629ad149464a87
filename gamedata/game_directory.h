#pragma once

#include <string>

// The game's install directory, read from the registry value "Directory" under
// HKEY_LOCAL_MACHINE\Software\Brunvik\Halvane Reach on every call (nothing is cached), and the
// two directories below it that the program reads. Every directory returned ends in a single
// backslash, so a file name can be appended directly. Each function returns true and replaces
// `directory`, or returns false and leaves it as it was when the key or value is missing.
// The value may be of any length.

// Where the game's installer records its directory: a value under HKEY_LOCAL_MACHINE.
inline constexpr char kGameRegistryKey[] = "Software\\Brunvik\\Halvane Reach";
inline constexpr char kGameDirectoryValue[] = "Directory";

// The value's text (up to its first NUL), with a backslash appended unless it ends in one.
bool GetGameDirectory(std::string& directory);
// The game directory followed by "Assets\specs\": where the ship and fighter tables are.
bool GetDataDirectory(std::string& directory);
// The game directory followed by "Assets\Scripts\": where scripts.ini is.
bool GetScriptsDirectory(std::string& directory);
