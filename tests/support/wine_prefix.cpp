#include "tests/support/wine_prefix.h"

#ifndef _WIN32

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <utility>

namespace fs = std::filesystem;

namespace testsupport {

ScopedEnvironmentVariable::ScopedEnvironmentVariable(std::string name,
                                                     const std::optional<std::string>& value)
    : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str()))
        previous_ = old;
    if (value) {
        setenv(name_.c_str(), value->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() {
    if (previous_) {
        setenv(name_.c_str(), previous_->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

std::string EscapeForSystemReg(const std::string& text, bool keyName) {
    static const char kControlEscapes[] = ".......abtnvfr.............e....";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool nextIsHex =
            i + 1 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1]));
        const bool nextIsOctal = i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '7';
        char buffer[8];
        if (c > 127) {
            std::snprintf(buffer, sizeof buffer, nextIsHex ? "\\x%04x" : "\\x%x", c);
            out += buffer;
        } else if (c < 32) {
            if (kControlEscapes[c] != '.') {
                out += '\\';
                out += kControlEscapes[c];
            } else {
                std::snprintf(buffer, sizeof buffer, nextIsOctal ? "\\%03o" : "\\%o", c);
                out += buffer;
            }
        } else {
            const bool special = c == '\\' || (keyName ? (c == '[' || c == ']') : c == '"');
            if (special)
                out += '\\';
            out += static_cast<char>(c);
        }
    }
    return out;
}

TempWinePrefix::TempWinePrefix(WineArch arch)
    : arch_(arch), winePrefix_("WINEPREFIX", dir_.path()) {
    fs::create_directories(dir_ / "drive_c/windows/temp");  // as in every prefix
    fs::create_directories(dir_ / "dosdevices");
    fs::create_symlink("../drive_c", dir_ / "dosdevices/c:");
    systemReg_ =
        std::string("WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n") +
        (arch == WineArch::kWin64 ? "#arch=win64\n" : "#arch=win32\n");
    Save();
}

void TempWinePrefix::AddStringValue(const std::string& key, const std::string& name,
                                    const std::string& value) {
    AppendSystemReg("\n[" + EscapeForSystemReg(key, true) +
                    "] 1712345678\n#time=1da8a6f5b3c2d10\n\"" + EscapeForSystemReg(name, false) +
                    "\"=\"" + EscapeForSystemReg(value, false) + "\"\n");
}

void TempWinePrefix::SetGameDirectory(const std::string& directory) {
    const char* key = arch_ == WineArch::kWin64 ? "Software\\Wow6432Node\\Brunvik\\Halvane Reach"
                                                : "Software\\Brunvik\\Halvane Reach";
    AddStringValue(key, "Directory", directory);
}

void TempWinePrefix::AppendSystemReg(const std::string& text) {
    systemReg_ += text;
    Save();
}

void TempWinePrefix::WriteSystemReg(const std::string& bytes) {
    systemReg_ = bytes;
    Save();
}

void TempWinePrefix::AddDrive(char letter, const std::string& target) {
    fs::create_symlink(target, dir_ / ("dosdevices/" + std::string(1, letter) + ":"));
}

void TempWinePrefix::Save() {
    WriteFile(dir_ / "system.reg", systemReg_);
}

}  // namespace testsupport

#endif  // _WIN32
