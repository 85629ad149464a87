#pragma once

#include <string>

namespace fw {

// The command-line tail as the Windows C run-time hands it to WinMain: the text after the
// program's own name, with every leading character of code 32 or below removed. A name that
// starts with a double quote runs to the closing quote (or the end); any other name ends at the
// first character of code 32 or below. Trailing blanks stay.
std::string CommandLineTail(const std::string& commandLine);

}  // namespace fw
