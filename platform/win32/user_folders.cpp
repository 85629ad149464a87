#include "platform/user_folders.h"

#include <windows.h>
// shlobj.h needs windows.h first.
#include <shlobj.h>

namespace platform {

std::string DocumentsFolder() {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::string();
    return path;
}

bool CreateFolder(const std::string& windowsPath) {
    if (CreateDirectoryA(windowsPath.c_str(), nullptr))
        return true;
    const DWORD attributes = GetFileAttributesA(windowsPath.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace platform
