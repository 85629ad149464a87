#include "platform/file_replace.h"
#include "platform/tests/host_file_calls.h"
#include "platform/unfinished_copies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
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
// returns the error given, after doing what a real failure of that call may have done. A
// "stop" ends the process's work at the n-th call of any primitive, as a power loss would: the
// call throws, and every file written since its last flush loses what it held.
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
        kExamine,
        kTemporaryDirectory,  // a strike: no temporary directory
        kProcessId,           // a strike: another process's id
        kNameTaken,           // a strike: someone else's file is at the name about to be created
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
    struct Stopped {};
    static constexpr char kSomeoneElses[] = "someone else's";

    StrikingFiles(std::vector<Fault> faults, std::string temporaryDirectory, int stopAtCall = 0)
        : faults_(std::move(faults)),
          temporary_(std::move(temporaryDirectory)),
          stopAtCall_(stopAtCall) {}
    // What a stopped process held open is closed by the system.
    ~StrikingFiles() override {
        for (const auto& open : open_)
            real_.Close(open.first);
    }

    bool Examine(const std::string& path, Target& target) override {
        return !Strikes(kExamine) && real_.Examine(path, target);
    }
    Error CreateNew(const std::string& path, const Target& like, Handle& file) override {
        if (Strikes(kNameTaken))
            testsupport::WriteFile(planted_.emplace_back(path), kSomeoneElses);
        const Error error = Strike(kCreateNew);
        if (error != Error::kNone)
            return error;
        const Error created = real_.CreateNew(path, like, file);
        if (created == Error::kNone)
            open_[file] = path;
        return created;
    }
    Error OpenExisting(const std::string& path, Handle& file) override {
        const Error error = Strike(kOpenExisting);
        if (error != Error::kNone)
            return error;
        const Error opened = real_.OpenExisting(path, file);
        if (opened == Error::kNone)
            open_[file] = path;
        return opened;
    }
    bool ReadAll(Handle file, std::string& bytes) override {
        return !Strikes(kReadAll) && real_.ReadAll(file, bytes);
    }
    bool Rewind(Handle file) override { return !Strikes(kRewind) && real_.Rewind(file); }
    // A failed write puts half its bytes down first.
    bool Write(Handle file, const std::string& bytes) override {
        const bool struck = Strikes(kWrite);
        unflushed_.insert(open_[file]);
        if (!struck)
            return real_.Write(file, bytes);
        real_.Write(file, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    bool SetEnd(Handle file) override {
        const bool struck = Strikes(kSetEnd);
        unflushed_.insert(open_[file]);
        return !struck && real_.SetEnd(file);
    }
    bool Flush(Handle file) override {
        if (Strikes(kFlush) || !real_.Flush(file))
            return false;
        unflushed_.erase(open_[file]);
        return true;
    }
    // A failed close still closes.
    bool Close(Handle file) override {
        const bool struck = Strikes(kClose);
        open_.erase(file);
        return real_.Close(file) && !struck;
    }
    Swap Replace(const std::string& target, const std::string& replacement,
                 const std::string& backup, Error& error) override {
        // A backup name the routine has not taken for itself may be someone else's file.
        if (!fs::exists(backup))
            testsupport::WriteFile(planted_.emplace_back(backup), kSomeoneElses);
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
    std::uint32_t ProcessId() override {
        return Strikes(kProcessId) ? real_.ProcessId() + 1 : real_.ProcessId();
    }
    std::string TemporaryDirectory() override {
        return Strikes(kTemporaryDirectory) ? std::string() : temporary_;
    }
    std::string LastErrorText() override { return struck_ ? "struck" : real_.LastErrorText(); }
    std::vector<std::string> FilesStartingWith(const std::string& pathPrefix) override {
        return real_.FilesStartingWith(pathPrefix);
    }
    bool ProcessRunning(std::uint32_t processId) override {
        return real_.ProcessRunning(processId);
    }

    // The files kNameTaken put where the routine was about to create one.
    const std::vector<std::string>& Planted() const { return planted_; }

  private:
    Error Strike(Step step) {
        if (++callsInAll_ == stopAtCall_) {
            // The system closes what the process held open; what was not flushed is lost.
            for (const auto& open : open_)
                real_.Close(open.first);
            open_.clear();
            for (const std::string& lost : unflushed_)
                if (fs::exists(lost))
                    WriteFile(lost, "lost");
            throw Stopped{};
        }
        ++calls_[step];
        struck_ = false;
        for (const Fault& fault : faults_)
            if (fault.step == step && fault.call == calls_[step]) {
                struck_ = true;
                return fault.error;
            }
        return Error::kNone;
    }
    bool Strikes(Step step) { return Strike(step) != Error::kNone; }

    platform::FilePrimitives& real_ = platform::LocalFiles();
    std::vector<Fault> faults_;
    std::string temporary_;
    int stopAtCall_;
    int callsInAll_ = 0;
    int calls_[kStepCount] = {};
    bool struck_ = false;
    std::map<Handle, std::string> open_;
    std::set<std::string> unflushed_;  // written since their last flush
    std::vector<std::string> planted_;
};

using Fault = StrikingFiles::Fault;
using FileError = platform::FilePrimitives::Error;

// The ways a replacement goes, each set off by the fault that chooses it.
struct Route {
    const char* name;
    bool exists;
    std::vector<Fault> faults;
};
const Route kRoutes[] = {
    {"new file", false, {}},
    {"temporary file", true, {}},
    {"in place, no file beside", true, {{StrikingFiles::kCreateNew, 1, FileError::kLackOfRights}}},
    {"in place, nothing beside",
     true,
     {{StrikingFiles::kCreateNew, 1, FileError::kLackOfRights},
      {StrikingFiles::kCreateNew, 2, FileError::kLackOfRights}}},
    {"in place, name too long", true, {{StrikingFiles::kCreateNew, 1, FileError::kNameTooLong}}},
    {"in place, replace refused", true, {{StrikingFiles::kReplace, 1, FileError::kLackOfRights}}},
    {"in place, file in use", true, {{StrikingFiles::kReplace, 1, FileError::kInUse}}},
    {"replace stops half way", true, {{StrikingFiles::kReplace, 1, StrikingFiles::kHalfDone}}},
};
const std::string kOldBytes = "previous fleet, longer than the new";
const std::string kNewBytes = "new fleet";

// One replacement of "Kestrivar.FLT" with the faults given, in a directory of its own and with a
// temporary directory of its own.
class Replacing {
  public:
    Replacing(const Route& route, std::vector<Fault> faults, int stopAtCall = 0)
        : path_(dir_ / "Kestrivar.FLT"), exists_(route.exists) {
        faults.insert(faults.begin(), route.faults.begin(), route.faults.end());
        if (exists_)
            WriteFile(path_, kOldBytes);
        files_.emplace(std::move(faults), temp_.path() + "/", stopAtCall);
    }

    platform::ReplaceResult Run() { return platform::ReplaceContents(*files_, path_, kNewBytes); }
    // Runs until the stop; false when the replacement ended first.
    bool RunToStop() {
        try {
            Run();
        } catch (const StrikingFiles::Stopped&) {
            files_.reset();
            return true;
        }
        return false;
    }

    // Whatever failed, the caller is told the truth of what is on disk (the new bytes, the old
    // ones, or the file may be damaged and a copy of the old bytes is where the result says),
    // and no file of ours is left that the result does not name.
    void CheckEnding(const platform::ReplaceResult& result, const std::string& trace) {
        std::vector<std::string> expected = files_->Planted();
        for (const std::string& planted : files_->Planted())
            EXPECT_EQ(ReadFile(planted), StrikingFiles::kSomeoneElses) << trace;
        // A damaged file may be gone as well.
        if (result ? true : result.Damaged() ? fs::exists(path_) : exists_)
            expected.push_back(path_);
        if (!result.Damaged()) {
            EXPECT_EQ(ReadFile(path_), result ? kNewBytes : exists_ ? kOldBytes : "") << trace;
        }
        if (!result.oldContentsCopy.empty()) {
            EXPECT_TRUE(result.Damaged()) << trace;
            EXPECT_EQ(ReadFile(result.oldContentsCopy), kOldBytes) << trace;
            expected.push_back(result.oldContentsCopy);
        }
        if (!result.newContentsFile.empty()) {
            EXPECT_EQ(ReadFile(result.newContentsFile), kNewBytes) << trace;
            expected.push_back(result.newContentsFile);
        }
        expected.insert(expected.end(), result.undeletedFiles.begin(), result.undeletedFiles.end());
        EXPECT_EQ(result.failedStep.empty(), static_cast<bool>(result)) << trace;
        EXPECT_EQ(Files(), Sorted(expected)) << trace;
    }

    // After a stop, the file holds its old or its new bytes, or the next start finds a copy of
    // the old ones.
    void CheckStopped(const std::string& trace) {
        if (!exists_ || ReadFile(path_) == kOldBytes || ReadFile(path_) == kNewBytes)
            return;
        StrikingFiles nextStart({}, temp_.path() + "/");
        bool found = false;
        for (const std::string& copy : platform::FindUnfinishedCopies(nextStart, path_))
            found = found || ReadFile(copy) == kOldBytes;
        EXPECT_TRUE(found) << trace << ": the file holds \"" << ReadFile(path_) << "\"";
    }

  private:
    std::vector<std::string> Files() const {
        std::vector<std::string> files;
        for (const TempDir* directory : {&dir_, &temp_})
            for (const std::string& name : FileNamesIn(directory->path()))
                files.push_back(*directory / name);
        return Sorted(files);
    }
    static std::vector<std::string> Sorted(std::vector<std::string> paths) {
        for (std::string& path : paths)
            path = fs::path(path).lexically_normal().string();
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    TempDir dir_;
    TempDir temp_;
    std::string path_;
    bool exists_;
    std::optional<StrikingFiles> files_;
};

// Every step of every route failing in turn, on its first, second or third call, once or from
// then on, and every pair of steps failing on their first calls.
TEST(FileReplace, EveryFailedStepEndsAsTheCallerIsTold) {
    std::map<std::string, int> outcomes;
    const auto run = [&](const Route& route, const std::vector<Fault>& faults,
                         const std::string& trace) {
        Replacing replacing(route, faults);
        const platform::ReplaceResult result = replacing.Run();
        replacing.CheckEnding(result, trace);
        ++outcomes[std::to_string(static_cast<int>(result.outcome)) +
                   (result.oldContentsCopy.empty() ? "" : "+copy") +
                   (result.undeletedFiles.empty() ? "" : "+undeleted")];
    };
    for (const Route& route : kRoutes) {
        run(route, {}, route.name);
        for (int step = 0; step < StrikingFiles::kStepCount; ++step) {
            for (int call = 1; call <= 6; ++call) {
                // Calls 1 to 3 fail alone; 4 to 6 stand for calls 1 to 3 failing and every call
                // of the step after them (the restore, the copy).
                std::vector<Fault> faults;
                for (int n = call; n <= (call <= 3 ? call : call + 9); ++n)
                    faults.push_back(
                        {StrikingFiles::Step(step), call <= 3 ? n : n - 3, FileError::kOther});
                run(route, faults,
                    std::string(route.name) + ", step " + std::to_string(step) + ", call " +
                        std::to_string(call));
            }
            for (int second = step + 1; second < StrikingFiles::kStepCount; ++second)
                run(route,
                    {{StrikingFiles::Step(step), 1, FileError::kOther},
                     {StrikingFiles::Step(second), 1, FileError::kOther}},
                    std::string(route.name) + ", steps " + std::to_string(step) + " and " +
                        std::to_string(second));
        }
    }
    // Each way of ending is met somewhere in the matrix.
    for (const char* ending : {"0", "1", "2+copy", "0+undeleted", "1+undeleted"})
        EXPECT_GT(outcomes[ending], 0) << ending;
}

// The process stopped at every call of every route, and of every route with a step failing.
TEST(FileReplace, AStopAtAnyCallLeavesTheOldBytesWhereTheNextStartFindsThem) {
    for (const Route& route : kRoutes) {
        for (int step = -1; step < StrikingFiles::kStepCount; ++step) {
            std::vector<Fault> faults;
            if (step >= 0)
                faults.push_back({StrikingFiles::Step(step), 1, FileError::kOther});
            for (int stop = 1;; ++stop) {
                Replacing replacing(route, faults, stop);
                if (!replacing.RunToStop())
                    break;
                replacing.CheckStopped(std::string(route.name) + ", step " + std::to_string(step) +
                                       ", stop at call " + std::to_string(stop));
            }
        }
    }
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
        // In place, the first write, flush and close are the copy's.
        {"in place: the flush fails, the old bytes go back",
         {noFileBeside, {S::kFlush, 2, Error::kOther}},
         Outcome::kUnchanged,
         false},
        {"in place: the close fails, the old bytes go back",
         {noFileBeside, {S::kClose, 2, Error::kOther}},
         Outcome::kUnchanged,
         false},
        {"in place: putting the old bytes back fails too",
         {noFileBeside, {S::kWrite, 2, Error::kOther}, {S::kWrite, 3, Error::kOther}},
         Outcome::kDamaged,
         true},
        {"in place: the copy goes to the temporary directory",
         {noFileBeside, {S::kCreateNew, 2, Error::kLackOfRights}},
         Outcome::kReplaced,
         false},
        {"in place: no copy can be made, so nothing is overwritten",
         {noFileBeside, {S::kCreateNew, 2, Error::kOther}, {S::kCreateNew, 3, Error::kOther}},
         Outcome::kUnchanged,
         false},
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
        TempDir temp;
        StrikingFiles files(c.faults, temp.path() + "/");
        const platform::ReplaceResult result = platform::ReplaceContents(files, path, "new");
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        EXPECT_EQ(ReadFile(path), result.outcome == Outcome::kUnchanged ? "previous fleet"
                                  : result                              ? "new"
                                                                        : ReadFile(path))
            << c.name;
        EXPECT_EQ(!result.oldContentsCopy.empty(), c.copyBeside) << c.name;
        EXPECT_TRUE(!c.copyBeside || ReadFile(result.oldContentsCopy) == "previous fleet");
        EXPECT_TRUE(!c.copyBeside ||
                    fs::path(result.oldContentsCopy).parent_path() == fs::path(dir.path()))
            << c.name;
    }
}

#ifdef _WIN32

// The game may hold its file open without letting others write it: then nothing can replace it,
// and the old file stays with no temporary file left beside it.
TEST(FileReplaceWin32, AFileHeldOpenByAnotherProgramIsReplacedWhereAPlainOverwriteWould) {
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

    // Held open as the C runtime opens files, for reading and writing but not deleting: the
    // file cannot be swapped, and is overwritten in place as a plain overwrite would.
    const HANDLE shared =
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(shared, INVALID_HANDLE_VALUE);
    const platform::ReplaceResult written = hostcall::ReplaceFileContents(path, "new");
    CloseHandle(shared);
    EXPECT_TRUE(written) << written.failedStep << ": " << written.systemError;
    EXPECT_EQ(ReadFile(path), "new");
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

// Each rename is made durable: its directory is synced after it.
TEST(FileReplaceWine, SyncsTheDirectoryAfterEachRename) {
    TempDir dir;
    const std::string path = dir / "Kestrivar.FLT";
    for (const char* bytes : {"new file", "replacing it"}) {
        testsupport::RenameSyncWatch watch;
        ASSERT_TRUE(hostcall::ReplaceFileContents(path, bytes));
        EXPECT_EQ(watch.Renames(), 1) << bytes;
        EXPECT_EQ(watch.UnsyncedRenames(), 0) << bytes;
    }
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
