#pragma once

#include <string>

#include "platform/file_replace.h"

namespace platform {

// The sentences that tell the user what a replacement left behind: the step that failed with
// the system's words, whether the file is as it was or may be damaged, and every file they must
// know about (a copy of the old contents, the new contents, a file that could not be deleted).
// Empty for a replacement that left nothing to tell.
std::string ReplaceReport(const ReplaceResult& result);

}  // namespace platform
