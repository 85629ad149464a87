#include "platform/file_replace.h"
#include "platform/tests/host_file_calls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/file_faults.h"
#include "tests/support/temp_dir.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using testsupport::FileNamesIn;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

TEST(FileReplace, CreatesAndReplacesWholeFilesByteForByte) {
    TempDir dir;
    const std::string path = dir / "Kestrivar.FLT";
    const std::string binary("\x02\0\0\0\r\n\x1A\n\0\xFF", 10);
    ASSERT_TRUE(hostcall::ReplaceFileContents(path, binary));
    EXPECT_EQ(ReadFile(path), binary);
    ASSERT_TRUE(hostcall::ReplaceFileContents(path, "short"));
    EXPECT_EQ(ReadFile(path), "short");
    ASSERT_TRUE(hostcall::ReplaceFileContents(path, ""));
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_EQ(FileNamesIn(dir.path()), std::vector<std::string>{"Kestrivar.FLT"});
}

TEST(FileReplace, FailsWithoutHarmWhenTheFileCannotBeReplaced) {
    TempDir dir;
    WriteFile(dir / "plain-file", "plain");
    fs::create_directory(dir / "folder.FLT");
    WriteFile(dir / "read-only.FLT", "old");
    fs::permissions(dir / "read-only.FLT",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const char* const targets[] = {"no-dir/Kestrivar.FLT", "plain-file/Kestrivar.FLT", "folder.FLT",
                                   "read-only.FLT"};
    for (const char* target : targets)
        EXPECT_FALSE(hostcall::ReplaceFileContents(dir / target, "new")) << target;

    fs::permissions(dir / "read-only.FLT", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ReadFile(dir / "read-only.FLT"), "old");
    EXPECT_EQ(ReadFile(dir / "plain-file"), "plain");
    EXPECT_TRUE(fs::is_directory(dir / "folder.FLT"));
    EXPECT_TRUE(fs::is_empty(dir / "folder.FLT"));
    EXPECT_EQ(FileNamesIn(dir.path()),
              (std::vector<std::string>{"folder.FLT", "plain-file", "read-only.FLT"}));
}

#ifdef _WIN32

// The game may hold its file open without letting others delete it: then the rename is refused,
// and the old file stays with no temporary file left beside it.
TEST(FileReplaceWin32, FailsWhileAnotherProgramHoldsTheFile) {
    TempDir dir;
    const std::string path = dir / "scripts.ini";
    WriteFile(path, "old");
    const HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(hostcall::ReplaceFileContents(path, "new"));
    CloseHandle(held);
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(FileNamesIn(dir.path()), std::vector<std::string>{"scripts.ini"});
}

#else

TEST(FileReplaceWine, KeepsPermissionsAndReplacesALinkItself) {
    TempDir dir;
    const std::string path = dir / "scripts.ini";
    WriteFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(hostcall::ReplaceFileContents(path, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    WriteFile(dir / "elsewhere", "kept");
    fs::create_symlink(dir / "elsewhere", dir / "link.FLT");
    ASSERT_TRUE(hostcall::ReplaceFileContents(dir / "link.FLT", "new"));
    EXPECT_FALSE(fs::is_symlink(dir / "link.FLT"));
    EXPECT_EQ(ReadFile(dir / "link.FLT"), "new");
    EXPECT_EQ(ReadFile(dir / "elsewhere"), "kept");
}

// A full disk, made by a file size limit in a child process (the write then fails with EFBIG
// instead of raising SIGXFSZ); limits bind root too.
TEST(FileReplaceWine, LeavesTheOldFileWhenTheDiskIsFull) {
    TempDir dir;
    const std::string path = dir / "Kestrivar.FLT";
    WriteFile(path, "previous fleet");
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(2);
        ::_exit(hostcall::ReplaceFileContents(path, std::string(100000, 'x')) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the full disk went unnoticed";
    EXPECT_EQ(ReadFile(path), "previous fleet");
    EXPECT_EQ(FileNamesIn(dir.path()), std::vector<std::string>{"Kestrivar.FLT"});
}

// Each step of the replacement failing in turn: the old file stays byte for byte and the
// temporary file goes.
TEST(FileReplaceWine, AnyFailedStepKeepsTheOldFileAndLeavesNoTemporaryFile) {
    using testsupport::FileFault;
    for (const FileFault fault : testsupport::kEveryFileFault) {
        TempDir dir;
        const std::string path = dir / "Kestrivar.FLT";
        WriteFile(path, "previous fleet");
        testsupport::InjectedFileFault injected(fault);
        EXPECT_FALSE(hostcall::ReplaceFileContents(path, std::string(5000, 'n')));
        EXPECT_TRUE(injected.Struck()) << static_cast<int>(fault);
        EXPECT_EQ(ReadFile(path), "previous fleet");
        EXPECT_EQ(FileNamesIn(dir.path()), std::vector<std::string>{"Kestrivar.FLT"});
    }
}

// Where no file may be created beside the target, or the rename is refused for lack of rights,
// the target is overwritten in place: the new bytes land, shorter or longer than the old, and the
// file keeps its permissions. A file that does not exist yet cannot be made that way.
TEST(FileReplaceWine, OverwritesInPlaceWhereNoFileMayBeCreatedBeside) {
    using testsupport::FileFault;
    for (const FileFault fault : testsupport::kEveryInPlaceFault) {
        for (const std::string& bytes : {std::string(5000, 'n'), std::string("new")}) {
            TempDir dir;
            const std::string path = dir / "Kestrivar.FLT";
            WriteFile(path, "previous fleet");
            ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
            testsupport::InjectedFileFault injected(fault);
            EXPECT_TRUE(hostcall::ReplaceFileContents(path, bytes)) << static_cast<int>(fault);
            EXPECT_TRUE(injected.Struck());
            EXPECT_EQ(ReadFile(path), bytes);
            struct stat info {};
            ASSERT_EQ(::stat(path.c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & 07777, 0640u);
            EXPECT_EQ(FileNamesIn(dir.path()), std::vector<std::string>{"Kestrivar.FLT"});
        }
    }
    TempDir dir;
    testsupport::InjectedFileFault injected(FileFault::kNoNewFileBeside);
    EXPECT_FALSE(hostcall::ReplaceFileContents(dir / "Kestrivar.FLT", "new"));
    EXPECT_TRUE(FileNamesIn(dir.path()).empty());
}

// A plain overwrite works there, so the replacement must too.
TEST(FileReplaceWine, OverwritesInPlaceInAReadOnlyDirectory) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    TempDir dir;
    const std::string path = dir / "Kestrivar.FLT";
    WriteFile(path, "old");
    ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
    EXPECT_TRUE(hostcall::ReplaceFileContents(path, "new"));
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_EQ(FileNamesIn(dir.path()), std::vector<std::string>{"Kestrivar.FLT"});
}

#endif

}  // namespace
