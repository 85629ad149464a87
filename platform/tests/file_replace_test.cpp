#include "platform/file_replace.h"
#include "platform/tests/host_file_calls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
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

// A name that fits where the temporary name beside it would not (longer than MAX_PATH on
// Windows, than a name's 255 bytes elsewhere): the file is overwritten in place, as a plain
// overwrite would.
TEST(FileReplace, OverwritesInPlaceWhereTheTemporaryNameDoesNotFit) {
    TempDir dir;
#ifdef _WIN32
    const size_t room = MAX_PATH - 2 - dir.path().size();
#else
    const size_t room = 250;
#endif
    const std::string path = dir / std::string(room, 'f');
    WriteFile(path, "old");
    EXPECT_TRUE(hostcall::ReplaceFileContents(path, "new"));
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_EQ(FileNamesIn(dir.path()).size(), 1u);
}

// The system's own file primitives with some calls failing: the n-th call of one primitive
// returns the error given, after doing what a real failure of that call may have done.
class StrikingFiles final : public platform::FilePrimitives {
  public:
    enum Step {
        kCreateNew,
        kOpenExisting,
        kReadAll,
        kRewind,
        kWrite,
        kSetEnd,
        kFlush,
        kClose,
        kReplace,
        kMove,
        kDelete,
        kStepCount
    };
    // A strike of kReplace with this error stops half way, as ReplaceFileA may: the old file
    // is under the backup name and the new one under its own.
    static constexpr Error kHalfDone = Error::kExists;
    struct Fault {
        Step step;
        int call;
        Error error;
    };

    explicit StrikingFiles(std::vector<Fault> faults) : faults_(std::move(faults)) {}

    bool Examine(const std::string& path, Target& target) override {
        return real_.Examine(path, target);
    }
    Error CreateNew(const std::string& path, const Target& like, Handle& file) override {
        const Error error = Strike(kCreateNew);
        return error != Error::kNone ? error : real_.CreateNew(path, like, file);
    }
    Error OpenExisting(const std::string& path, Handle& file) override {
        const Error error = Strike(kOpenExisting);
        return error != Error::kNone ? error : real_.OpenExisting(path, file);
    }
    bool ReadAll(Handle file, std::string& bytes) override {
        return !Strikes(kReadAll) && real_.ReadAll(file, bytes);
    }
    bool Rewind(Handle file) override { return !Strikes(kRewind) && real_.Rewind(file); }
    // A failed write puts half its bytes down first.
    bool Write(Handle file, const std::string& bytes) override {
        if (!Strikes(kWrite))
            return real_.Write(file, bytes);
        real_.Write(file, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    bool SetEnd(Handle file) override { return !Strikes(kSetEnd) && real_.SetEnd(file); }
    bool Flush(Handle file) override { return !Strikes(kFlush) && real_.Flush(file); }
    // A failed close still closes.
    bool Close(Handle file) override { return real_.Close(file) && !Strikes(kClose); }
    Swap Replace(const std::string& target, const std::string& replacement,
                 const std::string& backup, Error& error) override {
        error = Strike(kReplace);
        if (error == kHalfDone)
            return real_.Move(target, backup) == Error::kNone ? Swap::kOldAtBackup : Swap::kRefused;
        return error != Error::kNone ? Swap::kRefused
                                     : real_.Replace(target, replacement, backup, error);
    }
    Error Move(const std::string& from, const std::string& to) override {
        const Error error = Strike(kMove);
        return error != Error::kNone ? error : real_.Move(from, to);
    }
    bool Delete(const std::string& path) override {
        return !Strikes(kDelete) && real_.Delete(path);
    }
    std::uint32_t ProcessId() override { return real_.ProcessId(); }
    std::string TemporaryDirectory() override { return real_.TemporaryDirectory(); }

  private:
    Error Strike(Step step) {
        ++calls_[step];
        for (const Fault& fault : faults_)
            if (fault.step == step && fault.call == calls_[step])
                return fault.error;
        return Error::kNone;
    }
    bool Strikes(Step step) { return Strike(step) != Error::kNone; }

    platform::FilePrimitives& real_ = platform::LocalFiles();
    std::vector<Fault> faults_;
    int calls_[kStepCount] = {};
};

// Every step of every route failing in turn, on its first, second or third call, once or from
// then on: whatever
// failed, the caller is told the truth of what is on disk (the new bytes, the old ones, or the
// file may be damaged and a copy of its old bytes is where the result says), and no file of
// ours is left that the result does not name.
TEST(FileReplace, EveryFailedStepEndsAsTheCallerIsTold) {
    using Error = platform::FilePrimitives::Error;
    using Fault = StrikingFiles::Fault;
    const std::string oldBytes = "previous fleet", newBytes(5000, 'n');
    struct Route {
        const char* name;
        bool exists;
        std::vector<Fault> faults;
    } const routes[] = {
        {"new file", false, {}},
        {"temporary file", true, {}},
        {"in place, no file beside", true, {{StrikingFiles::kCreateNew, 1, Error::kLackOfRights}}},
        {"in place, name too long", true, {{StrikingFiles::kCreateNew, 1, Error::kNameTooLong}}},
        {"in place, replace refused", true, {{StrikingFiles::kReplace, 1, Error::kLackOfRights}}},
        {"replace stops half way", true, {{StrikingFiles::kReplace, 1, StrikingFiles::kHalfDone}}},
    };
    std::map<std::string, int> outcomes;
    for (const Route& route : routes) {
        for (int step = -1; step < StrikingFiles::kStepCount; ++step) {
            for (int call = 1; call <= (step >= 0 ? 6 : 1); ++call) {
                // Calls 1 to 3 fail alone; 4 to 6 stand for calls 1 to 3 failing and every call
                // of the step after them (the restore, the copy).
                std::vector<Fault> faults = route.faults;
                for (int n = call; step >= 0 && n <= (call <= 3 ? call : call + 9); ++n)
                    faults.push_back(
                        {StrikingFiles::Step(step), call <= 3 ? n : n - 3, Error::kOther});
                const std::string trace = std::string(route.name) + ", step " +
                                          std::to_string(step) + ", call " + std::to_string(call);
                TempDir dir;
                const std::string path = dir / "Kestrivar.FLT";
                if (route.exists)
                    WriteFile(path, oldBytes);
                StrikingFiles files(faults);
                const platform::ReplaceResult result =
                    platform::ReplaceContents(files, path, newBytes);
                std::vector<std::string> expected;
                // A damaged file may be gone as well.
                if (result ? true : result.Damaged() ? fs::exists(path) : route.exists)
                    expected.push_back("Kestrivar.FLT");
                if (!result.Damaged()) {
                    EXPECT_EQ(ReadFile(path), result         ? newBytes
                                              : route.exists ? oldBytes
                                                             : "")
                        << trace;
                }
                if (!result.oldContentsCopy.empty()) {
                    EXPECT_TRUE(result.Damaged()) << trace;
                    EXPECT_EQ(ReadFile(result.oldContentsCopy), oldBytes) << trace;
                    if (fs::path(result.oldContentsCopy).parent_path() == fs::path(dir.path()))
                        expected.push_back(fs::path(result.oldContentsCopy).filename().string());
                    else
                        fs::remove(result.oldContentsCopy);
                }
                if (!result.leftoverFile.empty())
                    expected.push_back(fs::path(result.leftoverFile).filename().string());
                std::sort(expected.begin(), expected.end());
                EXPECT_EQ(FileNamesIn(dir.path()), expected) << trace;
                EXPECT_TRUE(step != -1 || result) << trace;
                ++outcomes[std::to_string(static_cast<int>(result.outcome)) +
                           (result.oldContentsCopy.empty() ? "" : "+copy") +
                           (result.leftoverFile.empty() ? "" : "+leftover")];
            }
        }
    }
    // Each way of ending is met somewhere in the matrix.
    for (const char* ending : {"0", "1", "2", "2+copy", "0+leftover"})
        EXPECT_GT(outcomes[ending], 0) << ending;
}

// The cases whose ending is not left to chance.
TEST(FileReplace, FailuresThatKeepOrSaveTheOldBytes) {
    using Error = platform::FilePrimitives::Error;
    using Outcome = platform::ReplaceResult::Outcome;
    using S = StrikingFiles;
    const StrikingFiles::Fault noFileBeside{S::kCreateNew, 1, Error::kLackOfRights};
    const StrikingFiles::Fault halfDone{S::kReplace, 1, S::kHalfDone};
    struct Case {
        const char* name;
        std::vector<StrikingFiles::Fault> faults;
        Outcome outcome;
        bool copyBeside;
    } const cases[] = {
        {"in place: the flush fails, the old bytes go back",
         {noFileBeside, {S::kFlush, 1, Error::kOther}},
         Outcome::kUnchanged,
         false},
        {"in place: the close fails, the old bytes go back",
         {noFileBeside, {S::kClose, 1, Error::kOther}},
         Outcome::kUnchanged,
         false},
        {"in place: putting the old bytes back fails too",
         {noFileBeside, {S::kWrite, 1, Error::kOther}, {S::kWrite, 2, Error::kOther}},
         Outcome::kDamaged,
         true},
        {"half way: the new file moves in", {halfDone}, Outcome::kReplaced, false},
        {"half way: the old file moves back",
         {halfDone, {S::kMove, 1, Error::kOther}},
         Outcome::kUnchanged,
         false},
        {"half way: neither moves, the old file stays under the backup name",
         {halfDone, {S::kMove, 1, Error::kOther}, {S::kMove, 2, Error::kOther}},
         Outcome::kDamaged,
         true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir / "Kestrivar.FLT";
        WriteFile(path, "previous fleet");
        StrikingFiles files(c.faults);
        const platform::ReplaceResult result = platform::ReplaceContents(files, path, "new");
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        EXPECT_EQ(!result.oldContentsCopy.empty(), c.copyBeside) << c.name;
        EXPECT_TRUE(!c.copyBeside || ReadFile(result.oldContentsCopy) == "previous fleet");
        EXPECT_TRUE(!c.copyBeside ||
                    fs::path(result.oldContentsCopy).parent_path() == fs::path(dir.path()))
            << c.name;
    }
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
