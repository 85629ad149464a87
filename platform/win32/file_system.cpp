#include "platform/file_system.h"

namespace platform {

// On Windows a Windows path is the host path.
std::string HostPath(const std::string& windowsPath) {
    return windowsPath;
}

FILE* OpenFile(const std::string& windowsPath, const char* mode) {
    return std::fopen(windowsPath.c_str(), mode);
}

}  // namespace platform
