#pragma once

#include <string>
#include <vector>

#include "platform/file_primitives.h"

namespace platform {

// The copies of the old contents of `path` that a replacement left when its process stopped
// before it finished (a crash, a killed process, a power loss): the files named as
// OldContentsPrefixes says, followed by "<process id>-<n>", whose process is not running now. A
// copy named with a running process's id may belong to a replacement under way in another
// program and is left out; the id of the caller's own process counts as stopped, since the
// caller asks before it replaces anything (ids come round again between runs).
std::vector<std::string> FindUnfinishedCopies(FilePrimitives& files, const std::string& path);

// The same for a file named by a Windows path; the copies are named by Windows paths too.
std::vector<std::string> FindUnfinishedCopies(const std::string& windowsPath);

}  // namespace platform
