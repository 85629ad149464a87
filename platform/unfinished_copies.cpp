#include "platform/unfinished_copies.h"

#include <algorithm>
#include <cstdint>

#include "platform/file_replace.h"

namespace platform {
namespace {

// Reads "<process id>-<n>" to its end; false for anything else.
bool ReadCopySuffix(const std::string& suffix, std::uint32_t& processId) {
    const size_t dash = suffix.find('-');
    if (dash == 0 || dash == std::string::npos || dash + 1 == suffix.size() || dash > 10)
        return false;
    std::uint64_t id = 0;
    for (size_t i = 0; i < suffix.size(); ++i) {
        const char c = suffix[i];
        if (i == dash)
            continue;
        if (c < '0' || c > '9')
            return false;
        if (i < dash)
            id = id * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (id > UINT32_MAX)
        return false;
    processId = static_cast<std::uint32_t>(id);
    return true;
}

}  // namespace

std::vector<std::string> FindUnfinishedCopies(FilePrimitives& files, const std::string& path) {
    std::vector<std::string> copies;
    const std::uint32_t self = files.ProcessId();
    for (const std::string& prefix : OldContentsPrefixes(files, path)) {
        for (const std::string& found : files.FilesStartingWith(prefix)) {
            std::uint32_t owner = 0;
            if (ReadCopySuffix(found.substr(prefix.size()), owner) &&
                (owner == self || !files.ProcessRunning(owner)))
                copies.push_back(found);
        }
    }
    std::sort(copies.begin(), copies.end());
    return copies;
}

std::vector<std::string> FindUnfinishedCopies(const std::string& windowsPath) {
    return FindUnfinishedCopies(WindowsPathFiles(), windowsPath);
}

}  // namespace platform
