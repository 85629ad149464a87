#include "platform/file_primitives.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace platform {
namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

FilePrimitives::Error ErrorOf(int error) {
    switch (error) {
        case 0:
            return FilePrimitives::Error::kNone;
        case EEXIST:
            return FilePrimitives::Error::kExists;
        // The directory forbids it (no write permission, an immutable directory): a Windows
        // account that may change a file but not create one beside it meets the same in the
        // drive root.
        case EACCES:
        case EPERM:
            return FilePrimitives::Error::kLackOfRights;
        case ENAMETOOLONG:
            return FilePrimitives::Error::kNameTooLong;
        default:
            return FilePrimitives::Error::kOther;
    }
}

int Descriptor(FilePrimitives::Handle file) {
    return static_cast<int>(file);
}

// Makes a rename durable. The file is already in place when this runs, and some file systems
// cannot sync a directory, so its outcome does not decide anything.
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

// POSIX files, named by host paths, or by Windows paths inside the Wine prefix.
class PosixFiles final : public FilePrimitives {
  public:
    explicit PosixFiles(bool windowsPaths) : windowsPaths_(windowsPaths) {}

    bool Examine(const std::string& path, Target& target) override {
        target = Target{};
        const std::string host = Host(path);
        struct stat existing {};
        if (host.empty())
            return false;
        if (::stat(host.c_str(), &existing) != 0)
            return errno == ENOENT;
        target.exists = true;
        // A file without any write permission is read-only, and Windows refuses to replace it.
        target.refused = !S_ISREG(existing.st_mode) || (existing.st_mode & kAnyWriteBit) == 0;
        target.kept = existing.st_mode & 07777;
        return true;
    }

    // A new file gets the usual 0666 less the umask; one that replaces another takes over its
    // permissions.
    Error CreateNew(const std::string& path, const Target& like, Handle& file) override {
        const std::string host = Host(path);
        const int fd = ::open(host.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              like.exists ? S_IRUSR | S_IWUSR : 0666);
        if (fd < 0)
            return ErrorOf(errno);
        if (like.exists && ::fchmod(fd, static_cast<mode_t>(like.kept)) != 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(host.c_str());
            errno = error;
            return ErrorOf(error);
        }
        file = fd;
        return Error::kNone;
    }

    Error OpenExisting(const std::string& path, Handle& file) override {
        const int fd = ::open(Host(path).c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            return ErrorOf(errno);
        file = fd;
        return Error::kNone;
    }

    bool ReadAll(Handle file, std::string& bytes) override {
        bytes.clear();
        char chunk[8192];
        for (;;) {
            const ssize_t got = ::read(Descriptor(file), chunk, sizeof chunk);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return false;
            if (got == 0)
                return true;
            bytes.append(chunk, static_cast<size_t>(got));
        }
    }

    bool Rewind(Handle file) override { return ::lseek(Descriptor(file), 0, SEEK_SET) == 0; }

    bool Write(Handle file, const std::string& bytes) override {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t written =
                ::write(Descriptor(file), bytes.data() + done, bytes.size() - done);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            done += static_cast<size_t>(written);
        }
        return true;
    }

    bool SetEnd(Handle file) override {
        const off_t end = ::lseek(Descriptor(file), 0, SEEK_CUR);
        return end >= 0 && ::ftruncate(Descriptor(file), end) == 0;
    }

    bool Flush(Handle file) override { return ::fsync(Descriptor(file)) == 0; }

    bool Close(Handle file) override { return ::close(Descriptor(file)) == 0; }

    // rename is atomic: it either replaces the target or leaves both names as they were.
    Swap Replace(const std::string& target, const std::string& replacement, const std::string&,
                 Error& error) override {
        error = Move(replacement, target);
        return error == Error::kNone ? Swap::kReplaced : Swap::kRefused;
    }

    Error Move(const std::string& from, const std::string& to) override {
        const std::string host = Host(to);
        if (std::rename(Host(from).c_str(), host.c_str()) != 0)
            return ErrorOf(errno);
        SyncDirectoryOf(host);
        return Error::kNone;
    }

    bool Delete(const std::string& path) override { return ::unlink(Host(path).c_str()) == 0; }

    std::uint32_t ProcessId() override { return static_cast<std::uint32_t>(::getpid()); }

    std::string TemporaryDirectory() override {
        if (windowsPaths_)
            return "C:\\windows\\temp\\";
        const char* const variable = std::getenv("TMPDIR");
        const std::string directory = variable != nullptr && *variable != '\0' ? variable : "/tmp";
        return directory.back() == '/' ? directory : directory + "/";
    }

    std::string LastErrorText() override { return std::strerror(errno); }

    std::vector<std::string> FilesStartingWith(const std::string& pathPrefix) override {
        std::vector<std::string> paths;
        const std::string host = Host(pathPrefix);
        if (host.empty())
            return paths;
        const size_t slash = host.rfind('/');
        const std::string directory = slash == std::string::npos ? "." : host.substr(0, slash + 1);
        const std::string start = slash == std::string::npos ? host : host.substr(slash + 1);
        DIR* const listing = ::opendir(directory.c_str());
        if (listing == nullptr)
            return paths;
        // The names found are given back on the path the prefix was given on.
        const std::string given = pathPrefix.substr(0, pathPrefix.size() - start.size());
        while (const dirent* entry = ::readdir(listing)) {
            const std::string name = entry->d_name;
            struct stat info {};
            if (name.compare(0, start.size(), start) == 0 &&
                ::stat((directory + name).c_str(), &info) == 0 && S_ISREG(info.st_mode))
                paths.push_back(given + name);
        }
        ::closedir(listing);
        return paths;
    }

    bool ProcessRunning(std::uint32_t processId) override {
        return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
    }

  private:
    std::string Host(const std::string& path) const {
        return windowsPaths_ ? HostPath(path) : path;
    }

    const bool windowsPaths_;
};

}  // namespace

FilePrimitives& WindowsPathFiles() {
    static PosixFiles files(true);
    return files;
}

FilePrimitives& LocalFiles() {
    static PosixFiles files(false);
    return files;
}

}  // namespace platform
