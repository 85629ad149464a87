#pragma once

#include <string>

namespace platform {

// The user's Documents folder as a Windows path ("C:\\users\\me\\Documents"), where Windows
// programs keep what the user makes; empty when the system names none.
std::string DocumentsFolder();

// Creates the folder at a Windows path (its parent must exist). True when a folder is there
// afterwards, made now or before.
bool CreateFolder(const std::string& windowsPath);

}  // namespace platform
