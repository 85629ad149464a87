#include "platform/file_presence.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace platform {

bool FileExists(const std::string& windowsPath) {
    const DWORD attributes = GetFileAttributesA(windowsPath.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool RemoveFile(const std::string& windowsPath) {
    return DeleteFileA(windowsPath.c_str()) != FALSE;
}

}  // namespace platform
