#include "platform/file_system.h"

namespace platform {

// On Windows a Windows path is the host path.
std::string HostPath(const std::string& windowsPath) {
    return windowsPath;
}

std::string HostPathBelow(const std::string& hostDirectory, const std::string& relativePath) {
    if (hostDirectory.empty())
        return relativePath;
    const char last = hostDirectory.back();
    if (last == '\\' || last == '/' || last == ':')
        return hostDirectory + relativePath;
    return hostDirectory + "\\" + relativePath;
}

FILE* OpenFile(const std::string& windowsPath, const char* mode) {
    return std::fopen(windowsPath.c_str(), mode);
}

}  // namespace platform
