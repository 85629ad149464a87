#pragma once

// Makes one kind of file call fail on the writers' temporary files ("<target>.tmp-..."), so that
// tests can watch a writer recover from failures that a real disk gives only now and then: a
// full disk, a write that stops part way, a flush or a close that reports a lost write, a rename
// that is refused, a directory where no new file may be created. Calls on any other file pass
// straight through, but for the one fault that strikes the overwrite of the target itself.
//
// Linux only: the test program itself defines open, write, fsync, close and rename, which takes
// precedence over the C library for every call the program makes through those names; each
// definition hands the call on to the C library unless a fault is armed. The product code has no
// hook of its own for this.

#ifndef _WIN32

namespace testsupport {

enum class FileFault {
    kDiskFull,           // every write fails with ENOSPC before a byte is written
    kWriteStopsPartWay,  // the first write puts half its bytes down, the next one fails (EIO)
    kFlushFails,         // fsync fails (EIO)
    kCloseFails,         // the descriptor is closed, but close reports a lost write (EIO)
    kRenameFails,        // rename of a temporary file fails (EIO); nothing moves
    // No temporary file can be created, and the first write to the target opened for an overwrite
    // in place puts half its bytes down, the next one fails (EIO); later writes, such as putting
    // the old bytes back, succeed.
    kInPlaceWriteStopsPartWay,
};

// Arms a fault for its lifetime. One at a time. With `onlyTemporaryFile` n > 0, only the n-th
// temporary file created while it is armed meets it: a writer that takes several replacements
// for what should be one then fails part way.
class InjectedFileFault {
  public:
    explicit InjectedFileFault(FileFault fault, int onlyTemporaryFile = 0);
    ~InjectedFileFault();
    InjectedFileFault(const InjectedFileFault&) = delete;
    InjectedFileFault& operator=(const InjectedFileFault&) = delete;

    // Whether a call met the fault, so a test can tell an injected failure from another one.
    bool Struck() const;
};

// Counts, while it exists, the renames that no fsync of a directory has followed: a rename is
// durable only once its directory is synced.
class RenameSyncWatch {
  public:
    RenameSyncWatch();
    ~RenameSyncWatch();
    RenameSyncWatch(const RenameSyncWatch&) = delete;
    RenameSyncWatch& operator=(const RenameSyncWatch&) = delete;

    int Renames() const;
    int UnsyncedRenames() const;
};

// Every fault that makes a replacement fail: the old file must stay as it was.
constexpr FileFault kEveryFileFault[] = {
    FileFault::kDiskFull,   FileFault::kWriteStopsPartWay, FileFault::kFlushFails,
    FileFault::kCloseFails, FileFault::kRenameFails,       FileFault::kInPlaceWriteStopsPartWay};

}  // namespace testsupport

#endif
