#include "platform/file_system.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstdlib>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/wine/ansi_code_page.h"
#include "platform/wine/wine_prefix.h"

namespace platform {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string Join(const std::string& directory, const std::string& name) {
    if (!directory.empty() && directory.back() == '/')
        return directory + name;
    return directory + "/" + name;
}

bool Exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// The spelling under which `directory` holds `name`: the name itself when it exists as given,
// else the first entry equal to it without regard to ASCII case, else the name unchanged.
std::string MatchEntry(const std::string& directory, const std::string& name) {
    if (Exists(Join(directory, name)))
        return name;
    DIR* listing = opendir(directory.c_str());
    if (listing == nullptr)
        return name;
    std::string match = name;
    while (const dirent* entry = readdir(listing)) {
        const std::string candidate = entry->d_name;
        if (EqualsIgnoringAsciiCase(candidate, name)) {
            match = candidate;
            break;
        }
    }
    closedir(listing);
    return match;
}

// The host directory a drive letter's dosdevices link leads to, with every link resolved; empty
// when the prefix has no such drive.
std::string DriveRoot(char letter) {
    const std::string prefix = WinePrefixDirectory();
    if (prefix.empty())
        return std::string();
    const std::string link = prefix + "/dosdevices/" + AsciiLower(letter) + ":";
    char* resolved = realpath(link.c_str(), nullptr);
    if (resolved == nullptr)
        return std::string();
    std::string root = resolved;
    std::free(resolved);
    struct stat info;
    if (stat(root.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::string();
    return root;
}

// The components of the path after "X:", with "." dropped and ".." taking back the component
// before it. Windows resolves ".." by text, and never above the root of the drive.
std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (pos < path.size()) {
        while (pos < path.size() && IsSeparator(path[pos]))
            ++pos;
        const std::size_t start = pos;
        while (pos < path.size() && !IsSeparator(path[pos]))
            ++pos;
        const std::string part = path.substr(start, pos - start);
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    return parts;
}

// The host file below an existing host directory that the components of `path` name, each
// matched by MatchEntry. Once a component is missing, nothing below it can exist: the rest keep
// their spelling.
std::string ResolveBelow(std::string host, const std::string& path) {
    bool exists = true;
    for (const std::string& part : Components(path)) {
        const std::string name = Utf8FromAnsi(part);
        const std::string spelled = exists ? MatchEntry(host, name) : name;
        host = Join(host, spelled);
        if (exists)
            exists = Exists(host);
    }
    return host;
}

}  // namespace

std::string HostPath(const std::string& path) {
    // The Windows functions take the path as a C string: it ends at the first NUL byte. Mapping
    // the bytes after it would hand the host a name that stops at the NUL somewhere else, such
    // as "drive_c/.." for "C:..\0".
    const std::string windowsPath = path.substr(0, path.find('\0'));
    if (windowsPath.size() < 2 || !IsAsciiLetter(windowsPath[0]) || windowsPath[1] != ':') {
        return std::string();
    }
    const std::string root = DriveRoot(windowsPath[0]);
    if (root.empty())
        return root;
    return ResolveBelow(root, windowsPath.substr(2));
}

std::string HostPathBelow(const std::string& hostDirectory, const std::string& relativePath) {
    return ResolveBelow(hostDirectory.empty() ? "." : hostDirectory,
                        relativePath.substr(0, relativePath.find('\0')));
}

FILE* OpenFile(const std::string& windowsPath, const char* mode) {
    const std::string host = HostPath(windowsPath);
    if (host.empty())
        return nullptr;
    return std::fopen(host.c_str(), mode);
}

}  // namespace platform
