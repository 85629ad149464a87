#pragma once

#include <string>

namespace platform {

// The Wine prefix that stands in for the Windows machine: $WINEPREFIX when it is set, else
// ~/.wine. Empty when there is none to use: Wine itself refuses a relative $WINEPREFIX or home, and
// without $HOME and a password entry there is no home directory to look in. The directory is not
// checked for existence; readers simply find nothing in a missing prefix.
std::string WinePrefixDirectory();

}  // namespace platform
