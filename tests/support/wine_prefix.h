#pragma once

// Temporary Wine prefixes for the tests of the Wine-prefix platform. Linux (POSIX) only: the
// Windows test build uses the real registry and file system instead.
#ifndef _WIN32

#include <optional>
#include <string>

#include "tests/support/temp_dir.h"

namespace testsupport {

// Sets an environment variable (or unsets it, for nullopt) for the object's lifetime and puts
// back what was there before.
class ScopedEnvironmentVariable {
  public:
    ScopedEnvironmentVariable(std::string name, const std::optional<std::string>& value);
    ~ScopedEnvironmentVariable();
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

  private:
    std::string name_;
    std::optional<std::string> previous_;
};

enum class WineArch { kWin32, kWin64 };

// A registry text escaped the way Wine writes it into system.reg: backslash and quote (and for
// key names the brackets) escaped, control characters as \n-style or octal escapes, bytes above
// 127 as \x escapes of the Latin-1 character. (Wine would write a byte 0x80-0x9F as its
// Windows-1252 character; a test that needs one writes that escape itself.)
std::string EscapeForSystemReg(const std::string& text, bool keyName);

// A fresh Wine prefix in a temporary directory, the way wineboot lays one out: system.reg with a
// header and the chosen #arch line, dosdevices/c: linked to ../drive_c, and drive_c/.
// WINEPREFIX points at it for the object's lifetime and is restored afterwards.
class TempWinePrefix {
  public:
    explicit TempWinePrefix(WineArch arch = WineArch::kWin32);

    const std::string& path() const { return dir_.path(); }
    // Host path of drive C's root ("<prefix>/drive_c").
    std::string DriveC() const { return dir_ / "drive_c"; }

    // Adds a key block with one REG_SZ value to system.reg, written as Wine writes it.
    // `key` is relative to HKEY_LOCAL_MACHINE, with single backslashes.
    void AddStringValue(const std::string& key, const std::string& name, const std::string& value);
    // Adds the game's key with its "Directory" value where the game's 32-bit installer leaves
    // it: below Software\Wow6432Node in a win64 prefix, at the plain path in a win32 one.
    void SetGameDirectory(const std::string& directory);
    // Appends raw lines to system.reg.
    void AppendSystemReg(const std::string& text);
    // Replaces system.reg with exactly these bytes.
    void WriteSystemReg(const std::string& bytes);
    // Links dosdevices/<letter>: to `target`.
    void AddDrive(char letter, const std::string& target);

  private:
    void Save();

    TempDir dir_;
    WineArch arch_;
    std::string systemReg_;
    ScopedEnvironmentVariable winePrefix_;
};

}  // namespace testsupport

#endif  // _WIN32
