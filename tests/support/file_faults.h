#pragma once

// Makes one kind of file call fail on the writers' temporary files ("<target>.tmp-..."), so that
// tests can watch a writer recover from failures that a real disk gives only now and then: a
// full disk, a write that stops part way, a flush or a close that reports a lost write, a rename
// that is refused. Calls on any other file pass straight through.
//
// Linux only: the test program itself defines write, fsync, close and rename, which takes
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
    kRenameFails,        // rename of a temporary file is refused (EACCES); nothing moves
};

// Arms a fault for its lifetime. One at a time.
class InjectedFileFault {
  public:
    explicit InjectedFileFault(FileFault fault);
    ~InjectedFileFault();
    InjectedFileFault(const InjectedFileFault&) = delete;
    InjectedFileFault& operator=(const InjectedFileFault&) = delete;

    // Whether a call met the fault, so a test can tell an injected failure from another one.
    bool Struck() const;
};

// Every fault, for tests that go through them all.
constexpr FileFault kEveryFileFault[] = {FileFault::kDiskFull, FileFault::kWriteStopsPartWay,
                                         FileFault::kFlushFails, FileFault::kCloseFails,
                                         FileFault::kRenameFails};

}  // namespace testsupport

#endif
