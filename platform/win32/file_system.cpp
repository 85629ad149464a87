#include "platform/file_system.h"

namespace platform {

// Placeholder until the path mapping lands: paths are taken as they are.
std::string HostPath(const std::string& windowsPath) {
    return windowsPath;
}

FILE* OpenFile(const std::string& windowsPath, const char* mode) {
    return std::fopen(HostPath(windowsPath).c_str(), mode);
}

}  // namespace platform
