#pragma once

#include <string>

namespace platform {

// Whether a file (not a directory) exists at a Windows path. A file that exists but cannot be
// opened for reading (no permission, held open without sharing) counts as existing, so that a
// caller about to delete it asks first and then learns whether the deletion worked.
bool FileExists(const std::string& windowsPath);

// Deletes the file at a Windows path, as DeleteFileA does: true when it was deleted; false when
// it does not exist, is a directory, is read-only, or cannot be deleted.
bool RemoveFile(const std::string& windowsPath);

}  // namespace platform
