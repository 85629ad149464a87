#include "bench/scratch_space.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <stdlib.h>  // mkdtemp, setenv (POSIX)
#endif

namespace bench {

namespace fs = std::filesystem;

ScratchSpace::ScratchSpace() {
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error)
        return;
#ifdef _WIN32
    for (int attempt = 0; attempt < 1000 && path_.empty(); ++attempt) {
        const fs::path candidate = base / ("kestrivar-bench-" + std::to_string(std::rand()));
        if (fs::create_directory(candidate, error))
            path_ = candidate.string();
    }
    ok_ = !path_.empty();
#else
    std::string pattern = (base / "kestrivar-bench-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr)
        return;
    path_ = buffer.data();
    ok_ = UsePrefix(prefixPath());
#endif
}

ScratchSpace::~ScratchSpace() {
    if (path_.empty())
        return;
    std::error_code error;
    fs::remove_all(path_, error);
}

std::string ScratchSpace::WindowsPathOf(const std::string& hostPath) {
#ifdef _WIN32
    return hostPath;
#else
    std::string windowsPath = "Z:" + hostPath;
    for (char& c : windowsPath) {
        if (c == '/')
            c = '\\';
    }
    return windowsPath;
#endif
}

bool ScratchSpace::UsePrefix(const std::string& prefixDirectory) {
#ifdef _WIN32
    (void)prefixDirectory;
    return true;
#else
    std::error_code error;
    const fs::path dosdevices = fs::path(prefixDirectory) / "dosdevices";
    fs::create_directories(dosdevices, error);
    if (error)
        return false;
    const fs::path driveZ = dosdevices / "z:";
    if (!fs::exists(fs::symlink_status(driveZ, error))) {
        fs::create_directory_symlink("/", driveZ, error);
        if (error)
            return false;
    }
    return setenv("WINEPREFIX", prefixDirectory.c_str(), 1) == 0;
#endif
}

}  // namespace bench
