#include "platform/file_presence.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"

namespace platform {

bool FileExists(const std::string& windowsPath) {
    const std::string path = HostPath(windowsPath);
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool RemoveFile(const std::string& windowsPath) {
    const std::string path = HostPath(windowsPath);
    struct stat info {};
    if (path.empty() || ::lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    // A file without any write permission is read-only, and Windows refuses to delete it.
    // A symbolic link is removed itself, whatever it leads to.
    if (S_ISREG(info.st_mode) && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return false;
    return ::unlink(path.c_str()) == 0;
}

}  // namespace platform
