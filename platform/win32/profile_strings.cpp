#include "platform/profile_strings.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>

#include "platform/profile_text.h"

// windows.h has just defined these names again as macros for the win.ini functions.
#undef GetProfileString
#undef WriteProfileString

namespace platform {

size_t GetProfileString(const std::string& section, const std::string& key,
                        const std::string& defaultValue, char* buffer, size_t bufferSize,
                        const std::string& windowsPath) {
    if (buffer == nullptr || bufferSize == 0)
        return 0;
    const DWORD size = static_cast<DWORD>(std::min<size_t>(bufferSize, MAXDWORD));
    return GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                    size, windowsPath.c_str());
}

bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& windowsPath) {
    // Line breaks in a name or value would write extra lines into a file shared with the game.
    if (!IsStorableProfileEntry(section, key, value))
        return false;
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                      windowsPath.c_str()) != FALSE;
}

}  // namespace platform
