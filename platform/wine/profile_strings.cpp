#include "platform/profile_strings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_replace.h"
#include "platform/file_system.h"
#include "platform/profile_text.h"

namespace platform {
namespace {

enum class ReadResult { kRead, kMissing, kFailed };

// The whole file; kMissing when it or its directory does not exist.
ReadResult ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    if (path.empty())
        return ReadResult::kMissing;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return (errno == ENOENT || errno == ENOTDIR) ? ReadResult::kMissing : ReadResult::kFailed;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    char chunk[8192];
    while (ok) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        bytes.append(chunk, static_cast<size_t>(got));
    }
    ::close(fd);
    return ok ? ReadResult::kRead : ReadResult::kFailed;
}

}  // namespace

size_t GetProfileString(const std::string& section, const std::string& key,
                        const std::string& defaultValue, char* buffer, size_t bufferSize,
                        const std::string& windowsPath) {
    std::string text;
    std::optional<std::string> value;
    if (ReadWholeFile(HostPath(windowsPath), text) == ReadResult::kRead)
        value = FindProfileValue(text, section, key);
    return CopyProfileString(value ? *value : ProfileDefault(defaultValue), buffer, bufferSize);
}

bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& windowsPath) {
    const std::string path = HostPath(windowsPath);
    if (path.empty())
        return false;
    std::string text;
    if (ReadWholeFile(path, text) == ReadResult::kFailed)
        return false;
    const std::optional<std::string> edited = SetProfileValue(text, section, key, value);
    if (!edited)
        return false;
    // The file already says this (Wine does not rewrite it either).
    if (*edited == text)
        return true;
    return ReplaceFileContents(windowsPath, *edited);
}

}  // namespace platform
