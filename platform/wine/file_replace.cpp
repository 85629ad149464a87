#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "platform/file_system.h"

namespace platform {
namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

// The directory forbids it (no write permission, an immutable directory): a Windows account
// that may change a file but not create one beside it meets the same in the drive root.
bool IsLackOfRights(int error) {
    return error == EACCES || error == EPERM;
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<size_t>(written);
    }
    return true;
}

bool ReadAll(int fd, std::string& bytes) {
    bytes.clear();
    char chunk[8192];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        bytes.append(chunk, static_cast<size_t>(got));
    }
}

// Puts `bytes` in place of the file's whole content and flushes it.
bool Overwrite(int fd, const std::string& bytes) {
    return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, bytes) &&
           ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// Makes the rename itself durable. The new file is already in place when this runs, and some
// file systems cannot sync a directory, so its outcome does not decide the replacement.
void SyncDirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string directory =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Creates a new file "<target>.tmp-<pid>-<n>" that no one else has; -1 when none can be made,
// with errno telling why.
int CreateTemporaryBeside(const std::string& target, mode_t mode, std::string& temporaryPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = target + ".tmp-" + std::to_string(::getpid()) + "-" +
                        std::to_string(counter.fetch_add(1));
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Overwrites an existing file where it stands. Its old bytes are read first and written back
// when any step of the overwrite fails, so that the file is never left half written.
bool OverwriteInPlace(const std::string& target, const std::string& bytes) {
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    std::string old;
    if (!ReadAll(fd, old)) {
        ::close(fd);
        return false;
    }
    bool ok = Overwrite(fd, bytes);
    if (!ok)
        Overwrite(fd, old);
    // A failed close may mean a lost write: put the old bytes back through a new descriptor.
    if (::close(fd) != 0 && ok) {
        ok = false;
        const int again = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
        if (again >= 0) {
            Overwrite(again, old);
            ::close(again);
        }
    }
    return ok;
}

}  // namespace

bool ReplaceFileContents(const std::string& windowsPath, const std::string& bytes) {
    const std::string target = HostPath(windowsPath);
    return !target.empty() && ReplaceLocalFileContents(target, bytes);
}

bool ReplaceLocalFileContents(const std::string& target, const std::string& bytes) {
    if (target.empty() || target.back() == '/')
        return false;

    // A new file gets the usual 0666 less the umask; a replaced one keeps its permissions.
    // A file without any write permission is read-only, and Windows refuses to replace it.
    struct stat existing {};
    bool exists = false;
    if (::stat(target.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode) || (existing.st_mode & kAnyWriteBit) == 0)
            return false;
        exists = true;
    } else if (errno != ENOENT) {
        return false;
    }

    std::string temporary;
    const int fd = CreateTemporaryBeside(target, exists ? S_IRUSR | S_IWUSR : 0666, temporary);
    if (fd < 0)
        return exists && IsLackOfRights(errno) && OverwriteInPlace(target, bytes);
    bool ok = (!exists || ::fchmod(fd, existing.st_mode & 07777) == 0) && WriteAll(fd, bytes) &&
              ::fsync(fd) == 0;
    // close is called exactly once whatever happened before; its failure may mean lost data.
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return exists && IsLackOfRights(error) && OverwriteInPlace(target, bytes);
    }
    SyncDirectoryOf(target);
    return true;
}

}  // namespace platform
