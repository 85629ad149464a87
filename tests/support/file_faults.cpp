#include "tests/support/file_faults.h"

#ifndef _WIN32

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using testsupport::FileFault;

bool g_armed = false;
FileFault g_fault = FileFault::kWriteStopsPartWay;
bool g_struck = false;
bool g_partWritten = false;
int g_inPlaceWrites = 0;      // writes met by kInPlaceWriteStopsPartWay so far
int g_onlyTemporaryFile = 0;  // the one temporary file the fault strikes; 0 for every one
int g_temporaryFiles = 0;     // temporary files created while armed, the last one in use

// The writers name their temporary files "<target>.tmp-<pid>-<n>".
bool IsTemporaryPath(const char* path) {
    return path != nullptr && std::strstr(path, ".tmp-") != nullptr;
}

bool IsTemporaryFile(int fd) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[4096];
    const ssize_t length = ::readlink(link, target, sizeof target - 1);
    if (length <= 0)
        return false;
    target[length] = '\0';
    return IsTemporaryPath(target);
}

bool StrikesThisTemporaryFile() {
    return g_onlyTemporaryFile == 0 || g_onlyTemporaryFile == g_temporaryFiles;
}

bool Strikes(FileFault fault, int fd) {
    return g_armed && g_fault == fault && IsTemporaryFile(fd) && StrikesThisTemporaryFile();
}

bool g_watchingRenames = false;
int g_renames = 0;
int g_unsyncedRenames = 0;

// The descriptor a writer opened for reading and writing an existing file: the target it
// overwrites in place.
int g_inPlaceTarget = -1;

// The C library's definition, which the ones below hide.
template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

namespace testsupport {

InjectedFileFault::InjectedFileFault(FileFault fault, int onlyTemporaryFile) {
    g_fault = fault;
    g_onlyTemporaryFile = onlyTemporaryFile;
    g_temporaryFiles = 0;
    g_struck = false;
    g_partWritten = false;
    g_inPlaceWrites = 0;
    g_inPlaceTarget = -1;
    g_armed = true;
}

InjectedFileFault::~InjectedFileFault() {
    g_armed = false;
}

bool InjectedFileFault::Struck() const {
    return g_struck;
}

RenameSyncWatch::RenameSyncWatch() {
    g_renames = 0;
    g_unsyncedRenames = 0;
    g_watchingRenames = true;
}
RenameSyncWatch::~RenameSyncWatch() {
    g_watchingRenames = false;
}
int RenameSyncWatch::Renames() const {
    return g_renames;
}
int RenameSyncWatch::UnsyncedRenames() const {
    return g_unsyncedRenames;
}

}  // namespace testsupport

extern "C" {

int open(const char* path, int flags, ...) {
    static const auto next = Next<int (*)(const char*, int, ...)>("open");
    mode_t mode = 0;
    if ((flags & O_CREAT) != 0) {
        va_list arguments;
        va_start(arguments, flags);
        mode = static_cast<mode_t>(va_arg(arguments, int));
        va_end(arguments);
    }
    const bool noNewFile = g_fault == FileFault::kInPlaceWriteStopsPartWay;
    if (g_armed && (flags & O_CREAT) != 0 && IsTemporaryPath(path))
        ++g_temporaryFiles;
    if (g_armed && noNewFile && (flags & O_CREAT) != 0 && IsTemporaryPath(path) &&
        StrikesThisTemporaryFile()) {
        g_struck = true;
        errno = EACCES;
        return -1;
    }
    const int fd = next(path, flags, mode);
    if (g_armed && (flags & O_ACCMODE) == O_RDWR && (flags & O_CREAT) == 0)
        g_inPlaceTarget = fd;
    return fd;
}

ssize_t write(int fd, const void* buffer, size_t count) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
    if (g_armed && g_fault == FileFault::kInPlaceWriteStopsPartWay && fd == g_inPlaceTarget) {
        switch (g_inPlaceWrites++) {
            case 0:
                return next(fd, buffer, count > 1 ? count / 2 : count);
            case 1:
                errno = EIO;
                return -1;
            default:
                break;
        }
    }
    if (Strikes(FileFault::kDiskFull, fd)) {
        g_struck = true;
        errno = ENOSPC;
        return -1;
    }
    if (Strikes(FileFault::kWriteStopsPartWay, fd)) {
        g_struck = true;
        if (!g_partWritten && count > 1) {
            g_partWritten = true;
            return next(fd, buffer, count / 2);
        }
        errno = EIO;
        return -1;
    }
    return next(fd, buffer, count);
}

int fsync(int fd) {
    static const auto next = Next<int (*)(int)>("fsync");
    if (Strikes(FileFault::kFlushFails, fd)) {
        g_struck = true;
        errno = EIO;
        return -1;
    }
    struct stat info {};
    if (g_watchingRenames && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
        g_unsyncedRenames = 0;
    return next(fd);
}

int close(int fd) {
    static const auto next = Next<int (*)(int)>("close");
    if (Strikes(FileFault::kCloseFails, fd)) {
        g_struck = true;
        next(fd);
        errno = EIO;
        return -1;
    }
    return next(fd);
}

int rename(const char* from, const char* to) {
    static const auto next = Next<int (*)(const char*, const char*)>("rename");
    if (g_armed && g_fault == FileFault::kRenameFails && IsTemporaryPath(from) &&
        StrikesThisTemporaryFile()) {
        g_struck = true;
        errno = EIO;
        return -1;
    }
    const int result = next(from, to);
    if (g_watchingRenames && result == 0) {
        ++g_renames;
        ++g_unsyncedRenames;
    }
    return result;
}

}  // extern "C"

#endif
