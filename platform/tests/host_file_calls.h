#pragma once

// The platform's file functions take Windows paths; these tests work on host files in temporary
// directories. Each call below hands its host path over as a Windows path (through a temporary
// Wine prefix whose Z: is the host's root, as in a default prefix; on Windows unchanged).

#include <cstddef>
#include <string>

#include "platform/file_presence.h"
#include "platform/file_replace.h"
#include "platform/profile_strings.h"
#include "tests/support/windows_paths.h"

namespace hostcall {

inline size_t GetProfileString(const std::string& section, const std::string& key,
                               const std::string& defaultValue, char* buffer, size_t bufferSize,
                               const std::string& hostPath) {
    testsupport::WindowsPaths windows;
    return platform::GetProfileString(section, key, defaultValue, buffer, bufferSize,
                                      windows.Of(hostPath));
}

inline platform::ReplaceResult WriteProfileString(const std::string& section,
                                                  const std::string& key, const std::string& value,
                                                  const std::string& hostPath) {
    testsupport::WindowsPaths windows;
    return platform::WriteProfileString(section, key, value, windows.Of(hostPath));
}

inline platform::ReplaceResult ReplaceFileContents(const std::string& hostPath,
                                                   const std::string& bytes) {
    testsupport::WindowsPaths windows;
    return platform::ReplaceFileContents(windows.Of(hostPath), bytes);
}

inline bool FileExists(const std::string& hostPath) {
    testsupport::WindowsPaths windows;
    return platform::FileExists(windows.Of(hostPath));
}

inline bool RemoveFile(const std::string& hostPath) {
    testsupport::WindowsPaths windows;
    return platform::RemoveFile(windows.Of(hostPath));
}

}  // namespace hostcall
