#pragma once

#include <string>

namespace platform {

// Replaces the file at a Windows path with `bytes`, or creates it, so that readers see either
// the old file or the whole new one. The bytes go to a uniquely named temporary file beside
// it, which is flushed to disk and closed (every step checked) and then renamed over the
// target. On any failure the temporary file is removed, the old file stays as it was and the
// result is false. Fails without touching anything when the directory does not exist or the
// target is a directory or read-only. An existing file's permissions are kept (its attributes
// on Windows); a symbolic link at the path is replaced by the new file, not followed.
bool ReplaceFileContents(const std::string& windowsPath, const std::string& bytes);

}  // namespace platform
