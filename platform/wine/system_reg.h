#pragma once

#include <string>
#include <string_view>

namespace platform {

// Looks up one HKEY_LOCAL_MACHINE value in the text of a Wine prefix's system.reg, as a 32-bit
// program sees it. `subKey` is relative to HKEY_LOCAL_MACHINE ("Software\\Maker\\Product");
// an empty `valueName` is the key's default value ("@" in the file).
//
// The file is read the way wineserver loads it: the first line must be "WINE REGISTRY Version 2";
// key and value names match without regard to ASCII case; a key listed twice is one key and the
// last definition of a value wins. In a "#arch=win64" prefix a key under "Software\\" is looked
// up first below "Software\\Wow6432Node\\", where a 32-bit program is redirected, and then at
// its plain path; otherwise (win32, or no #arch line) only the plain path is used.
//
// On success `data` receives the bytes RegQueryValueExA would return: for string types (REG_SZ,
// REG_EXPAND_SZ, REG_MULTI_SZ, including those written as hex(1)/hex(2)/hex(7)) the text
// converted to ANSI, with its terminating NUL when it has one; for every other type the raw bytes
// (a dword as four little-endian bytes). Text is converted to the ANSI code page as AnsiFromUtf16
// does (Windows-1252; '?' for characters it lacks).
//
// Anything the parser cannot make sense of (a wrong header, an unknown #arch, a malformed key
// line, a malformed value) means "not found" for what it affects; the result is then false and
// `data` is unchanged. Never throws on bad input.
bool FindSystemRegValue(std::string_view fileText, std::string_view subKey,
                        std::string_view valueName, std::string& data);

}  // namespace platform
