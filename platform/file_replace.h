#pragma once

#include <string>
#include <vector>

#include "platform/file_primitives.h"

namespace platform {

// What became of a replacement. Whatever failed, one of three things is true afterwards, and
// `outcome` says which: the new bytes are in place, the old ones are (or, for a file that did
// not exist, still no file is), or the file may be damaged. Every file of ours that stays on disk
// is named in exactly one of the other fields.
struct ReplaceResult {
    enum class Outcome { kReplaced, kUnchanged, kDamaged };

    ReplaceResult() = default;
    explicit ReplaceResult(Outcome ended) : outcome(ended) {}

    Outcome outcome = Outcome::kUnchanged;
    // A complete copy of the file's old bytes, kept because the file may be damaged.
    std::string oldContentsCopy;
    // A file holding the complete new bytes, which could not be put in the file's place.
    std::string newContentsFile;
    // Files of ours that are no longer needed but could not be deleted; the outcome stands.
    std::vector<std::string> undeletedFiles;
    // The first step that failed, in words ("writing the new contents"), and what the system
    // said; both empty when nothing failed.
    std::string failedStep;
    std::string systemError;

    explicit operator bool() const { return outcome == Outcome::kReplaced; }
    bool Damaged() const { return outcome == Outcome::kDamaged; }
};

// Replaces the file at `path` with `bytes`, or creates it, so that readers see either the old
// file or the whole new one, the old bytes are never only in memory, and it never does worse
// than a plain overwrite would:
// - The bytes go to a uniquely named temporary file beside the target ("<path>.tmp-<pid>-<n>"),
//   which is flushed and closed (every step checked) and then put in the target's place. An
//   existing target is replaced keeping its attributes or permissions (on Windows with
//   ReplaceFileA, which keeps its security descriptor too, and a backup name reserved for it,
//   so that a replacement that stops half way leaves the old bytes under a name); a new one is
//   moved in.
// - Where no file may be created beside the target (lack of rights, or a temporary name too long
//   for the file system), or the replacement is refused for lack of rights, the existing file is
//   overwritten in place instead. Before its first byte is written, its old bytes are copied to
//   a file of their own, flushed ("<path>.old-<pid>-<n>" beside it, else "<name>.old-<pid>-<n>"
//   in the temporary directory; without such a copy nothing is overwritten). Should any step of
//   the overwrite fail, the old bytes are written back; the copy goes once the file holds
//   complete contents again, and stays, named in the result, while it may be damaged. A process
//   stopped half way leaves the copy for FindUnfinishedCopies.
// Every name it creates is created exclusively: no existing file is moved over or deleted.
// Fails without touching anything when the directory does not exist or the target is a
// directory or read-only (the in-place route never clears the read-only attribute). A symbolic
// link at the path is replaced by the new file, not followed.
ReplaceResult ReplaceContents(FilePrimitives& files, const std::string& path,
                              const std::string& bytes);

// The beginnings of the names a copy of the old contents of `path` takes ("<path>.old-" beside
// it, "<temporary directory><name>.old-" where no file may be created beside it), each followed
// by "<process id>-<n>". A swap that stops half way parks the old file under the first.
std::vector<std::string> OldContentsPrefixes(FilePrimitives& files, const std::string& path);

// ReplaceContents for a file named by a Windows path such as "C:\\Kestrivar.FLT"; the paths in
// the result are Windows paths too.
ReplaceResult ReplaceFileContents(const std::string& windowsPath, const std::string& bytes);

// The same for a file named by a path of the machine the program runs on: on Windows a Windows
// path as above, elsewhere a host path (not a path inside the Wine prefix), for a console tool
// that is given a file on its command line.
ReplaceResult ReplaceLocalFileContents(const std::string& localPath, const std::string& bytes);

}  // namespace platform
