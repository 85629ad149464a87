#pragma once

#include <cstdio>
#include <string>

namespace platform {

// The host file behind a Windows path such as "C:\\Kestrivar.FLT". On Windows this is the path
// itself; under a Wine prefix it is the file the drive letter's dosdevices link leads to, with
// each existing component matched exactly, then without regard to case. Components that do not
// exist yet keep their spelling. Empty when the path cannot be mapped (no such drive). As for the
// Windows functions, the path ends at its first NUL byte.
std::string HostPath(const std::string& windowsPath);

// The host file at `relativePath`, a Windows path without a drive ("Assets\\specs\\x.txt"),
// below the host directory `hostDirectory`: on Windows the two joined by a backslash; elsewhere
// each component is matched as HostPath matches it. For a game installed in a directory given
// as a host path rather than through the registry.
std::string HostPathBelow(const std::string& hostDirectory, const std::string& relativePath);

// fopen on the host file behind a Windows path; nullptr when it cannot be mapped or opened.
FILE* OpenFile(const std::string& windowsPath, const char* mode);

}  // namespace platform
