#pragma once

#include <string>

namespace platform {

// Replaces the file at a Windows path with `bytes`, or creates it, so that readers see either
// the old file or the whole new one, and never does worse than a plain overwrite would:
// - The bytes go to a uniquely named temporary file beside the target, which is flushed to disk
//   and closed (every step checked) and then put in the target's place. On Windows an existing
//   target is replaced with ReplaceFileA, so it keeps its security descriptor and attributes; a
//   new one is moved in place.
// - Where no file may be created beside the target, or the replacement is refused for lack of
//   rights (a standard account in the drive root, a game under Program Files), the existing file
//   is overwritten in place instead: its old bytes are kept in memory and written back if any
//   step of the overwrite fails.
// On any failure the result is false, the old bytes are what is on disk and no temporary file is
// left. Fails without touching anything when the directory does not exist or the target is a
// directory or read-only (the in-place path never clears the read-only attribute). An existing
// file's permissions are kept (its attributes on Windows); a symbolic link at the path is
// replaced by the new file, not followed.
bool ReplaceFileContents(const std::string& windowsPath, const std::string& bytes);

// The same for a file named by a path of the machine the program runs on: on Windows a Windows
// path as above, elsewhere a host path (not a path inside the Wine prefix), for a console tool
// that is given a file on its command line.
bool ReplaceLocalFileContents(const std::string& localPath, const std::string& bytes);

}  // namespace platform
