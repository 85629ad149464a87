#pragma once

#include <string>

namespace platform {

// Kestrivar is an ANSI program: its paths and registry texts are bytes in the Windows ANSI code
// page, while Wine keeps registry text as UTF-16 and names host files in UTF-8. Under Wine the
// ANSI code page follows the locale; these conversions assume Windows-1252, the code page of the
// Western locales the game ships for: Latin-1 plus the typographic characters at 0x80-0x9F.

// ANSI text from UTF-16 code units, as WideCharToMultiByte gives it: '?' for each character the
// code page lacks (a surrogate pair is one character).
std::string AnsiFromUtf16(const std::u16string& units);

// The UTF-8 spelling of ANSI text, as Wine names the host file for an ANSI file name.
std::string Utf8FromAnsi(const std::string& ansi);

}  // namespace platform
