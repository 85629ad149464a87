#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The handful of file calls the replacement routine is made of, one implementation per
// operating system. They only move bytes and report what the system said; every decision (which
// route, what to undo, what to tell the caller) is the routine's, made once for every system.
// Paths are whatever the implementation names files by: Windows paths, or host paths.
class FilePrimitives {
  public:
    // An open file: a HANDLE on Windows, a descriptor elsewhere.
    using Handle = std::intptr_t;

    // Why a file could not be created, opened or moved, as far as the routine cares.
    enum class Error { kNone, kExists, kLackOfRights, kNameTooLong, kInUse, kOther };

    // The file a replacement is about to replace.
    struct Target {
        bool exists = false;
        // A directory, or a file marked read-only: Windows refuses to replace or overwrite it.
        bool refused = false;
        // Its attributes (Windows) or permission bits (POSIX), for the new file to take over.
        std::uint32_t kept = 0;
    };

    // How a replacement of an existing file by a finished one ended.
    enum class Swap {
        kReplaced,             // the new file is in place; no other name holds the old one
        kReplacedOldAtBackup,  // the new file is in place; the backup name holds the old one
        kRefused,              // nothing moved; `error` says why
        kOldAtBackup,          // stopped half way: the target name is free, the old file is under
                               // the backup name and the new one under its own name
    };

    virtual ~FilePrimitives() = default;

    // False when the path cannot be examined: no such directory, or not a path at all.
    virtual bool Examine(const std::string& path, Target& target) = 0;
    // Creates a file that did not exist, for writing, with the attributes or permissions of
    // `like` when it exists.
    virtual Error CreateNew(const std::string& path, const Target& like, Handle& file) = 0;
    // Opens an existing file for reading and writing, without following a symbolic link.
    virtual Error OpenExisting(const std::string& path, Handle& file) = 0;
    // Reads the file from where it stands to its end.
    virtual bool ReadAll(Handle file, std::string& bytes) = 0;
    virtual bool Rewind(Handle file) = 0;
    // Writes all of `bytes`, however many calls the system needs.
    virtual bool Write(Handle file, const std::string& bytes) = 0;
    // Ends the file where the file pointer stands.
    virtual bool SetEnd(Handle file) = 0;
    // Puts what was written on disk.
    virtual bool Flush(Handle file) = 0;
    // Closes the handle in every case; false when the system reports a write lost on the way.
    virtual bool Close(Handle file) = 0;
    // Puts `replacement` in place of the existing `target`, keeping the target's identity where
    // the system can; `backup` is a free name the system may park the old file under.
    virtual Swap Replace(const std::string& target, const std::string& replacement,
                         const std::string& backup, Error& error) = 0;
    // Renames `from` to `to`, replacing a file there, and makes the rename durable.
    virtual Error Move(const std::string& from, const std::string& to) = 0;
    virtual bool Delete(const std::string& path) = 0;
    // Makes names of this process's own files unique among processes.
    virtual std::uint32_t ProcessId() = 0;
    // A directory the user may create files in, ending in its separator, for a copy of the old
    // bytes where none can be made beside the target.
    virtual std::string TemporaryDirectory() = 0;
    // The system's words for why the last call above failed ("Access denied").
    virtual std::string LastErrorText() = 0;
    // The files (not directories) whose path begins with `pathPrefix`: a directory and the
    // beginning of a name in it.
    virtual std::vector<std::string> FilesStartingWith(const std::string& pathPrefix) = 0;
    // Whether a process of this id is running now.
    virtual bool ProcessRunning(std::uint32_t processId) = 0;
};

// The operating system's own primitives. WindowsPathFiles names files by Windows paths (under
// Wine, inside the prefix); LocalFiles by the paths of the machine the program runs on (the same
// object on Windows).
FilePrimitives& WindowsPathFiles();
FilePrimitives& LocalFiles();

}  // namespace platform
