#include "fuzz/support/fuzz_wine_prefix.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "fuzz/support/require.h"

namespace fs = std::filesystem;

namespace fuzzsupport {

namespace {

// mkdtemp below the temporary directory, made absolute: Wine (and the platform code) ignores a
// relative WINEPREFIX.
std::string MakeTempDirectory() {
    const std::string pattern =
        (fs::absolute(fs::temp_directory_path()) / "kv-fuzz-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Require(mkdtemp(name.data()) != nullptr, "a temporary directory can be created");
    return fs::canonical(name.data()).string();
}

}  // namespace

FuzzWinePrefix::FuzzWinePrefix() : path_(MakeTempDirectory()) {
    fs::create_directories(path_ + "/drive_c");
    fs::create_directories(path_ + "/dosdevices");
    AddDrive('c', "../drive_c");
    WriteHostFile(path_ + "/system.reg",
                  "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n"
                  "#arch=win32\n");
    setenv("WINEPREFIX", path_.c_str(), 1);
}

FuzzWinePrefix::~FuzzWinePrefix() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string FuzzWinePrefix::DriveC() const {
    return fs::canonical(path_ + "/drive_c").string();
}

void FuzzWinePrefix::AddDrive(char letter, const std::string& target) const {
    fs::create_symlink(target, path_ + "/dosdevices/" + std::string(1, letter) + ":");
}

void FuzzWinePrefix::MakeDirectory(const std::string& relativePath) const {
    fs::create_directories(path_ + "/" + relativePath);
}

void WriteHostFile(const std::string& hostPath, const std::string& bytes) {
    std::FILE* file = std::fopen(hostPath.c_str(), "wb");
    Require(file != nullptr, "a scratch file can be opened for writing");
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    Require(written && closed, "a scratch file can be written");
}

}  // namespace fuzzsupport
