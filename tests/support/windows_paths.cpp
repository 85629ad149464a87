#include "tests/support/windows_paths.h"

#ifndef _WIN32
#include "tests/support/wine_prefix.h"
#endif

namespace testsupport {

#ifdef _WIN32

struct WindowsPaths::Prefix {};
WindowsPaths::WindowsPaths() = default;
WindowsPaths::~WindowsPaths() = default;
std::string WindowsPaths::Of(const std::string& hostPath) const {
    return hostPath;
}

#else

struct WindowsPaths::Prefix {
    TempWinePrefix wine;
};

WindowsPaths::WindowsPaths() : prefix_(new Prefix) {
    prefix_->wine.AddDrive('z', "/");
}
WindowsPaths::~WindowsPaths() = default;

std::string WindowsPaths::Of(const std::string& hostPath) const {
    std::string windowsPath = "Z:" + hostPath;
    for (char& c : windowsPath) {
        if (c == '/')
            c = '\\';
    }
    return windowsPath;
}

#endif

}  // namespace testsupport
