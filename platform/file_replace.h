#pragma once

#include <string>

#include "platform/file_primitives.h"

namespace platform {

// What became of a replacement. Whatever failed, one of three things is true afterwards, and
// `outcome` says which: the new bytes are in place, the old ones are (or, for a file that did
// not exist, still no file is), or the file may be damaged and `oldContentsCopy` names a full
// copy of its old bytes (empty when no copy could be made either).
struct ReplaceResult {
    enum class Outcome { kReplaced, kUnchanged, kDamaged };

    ReplaceResult() = default;
    explicit ReplaceResult(Outcome ended) : outcome(ended) {}

    Outcome outcome = Outcome::kUnchanged;
    std::string oldContentsCopy;
    // A temporary file of ours that could not be deleted; the outcome stands all the same.
    std::string leftoverFile;

    explicit operator bool() const { return outcome == Outcome::kReplaced; }
    bool Damaged() const { return outcome == Outcome::kDamaged; }
};

// Replaces the file at `path` with `bytes`, or creates it, so that readers see either the old
// file or the whole new one, and never does worse than a plain overwrite would:
// - The bytes go to a uniquely named temporary file beside the target ("<path>.tmp-<pid>-<n>"),
//   which is flushed and closed (every step checked) and then put in the target's place. An
//   existing target is replaced keeping its attributes or permissions (on Windows with
//   ReplaceFileA, which keeps its security descriptor too, and a backup name, so that a
//   replacement that stops half way leaves the old bytes under a name); a new one is moved in.
// - Where no file may be created beside the target (lack of rights, or a temporary name too long
//   for the file system), or the replacement is refused for lack of rights, the existing file is
//   overwritten in place instead: its old bytes are kept in memory and written back if any step
//   of the overwrite, the close included, fails. Where even that fails, the old bytes are saved
//   to a copy beside the target or in the temporary directory, and the result names it.
// Fails without touching anything when the directory does not exist or the target is a
// directory or read-only (the in-place route never clears the read-only attribute). A symbolic
// link at the path is replaced by the new file, not followed.
ReplaceResult ReplaceContents(FilePrimitives& files, const std::string& path,
                              const std::string& bytes);

// ReplaceContents for a file named by a Windows path such as "C:\\Kestrivar.FLT"; the paths in
// the result are Windows paths too.
ReplaceResult ReplaceFileContents(const std::string& windowsPath, const std::string& bytes);

// The same for a file named by a path of the machine the program runs on: on Windows a Windows
// path as above, elsewhere a host path (not a path inside the Wine prefix), for a console tool
// that is given a file on its command line.
ReplaceResult ReplaceLocalFileContents(const std::string& localPath, const std::string& bytes);

}  // namespace platform
