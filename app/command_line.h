#pragma once

#include <string>

// True when the whole command-line tail (fw::CommandLineTail) is "/VEZIREZARADUD", ignoring the
// case of ASCII letters only.
bool IsSectorAssaultSwitch(const std::string& tail);
