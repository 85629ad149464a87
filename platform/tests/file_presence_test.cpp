#include "platform/file_presence.h"
#include "platform/tests/host_file_calls.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;
using testsupport::WriteFile;

TEST(FilePresence, OnlyFilesExistAndOnlyWritableFilesAreRemoved) {
    TempDir dir;
    const std::string file = dir / "Kestrivar.FLT";
    const std::string locked = dir / "locked.FLT";
    WriteFile(file, "fleet");
    WriteFile(locked, "fleet");
    fs::create_directory(dir / "folder.FLT");
    // No permission at all: it cannot be opened (except by root) but it is there, and it is
    // read-only, which Windows refuses to delete.
    fs::permissions(locked, fs::perms::none);

    EXPECT_TRUE(hostcall::FileExists(file));
    EXPECT_TRUE(hostcall::FileExists(locked));
    EXPECT_FALSE(hostcall::FileExists(dir / "absent.FLT"));
    EXPECT_FALSE(hostcall::FileExists(dir / "no-dir/Kestrivar.FLT"));
    EXPECT_FALSE(hostcall::FileExists(dir / "folder.FLT"));

    EXPECT_FALSE(hostcall::RemoveFile(locked));
    EXPECT_TRUE(fs::exists(locked));
    EXPECT_FALSE(hostcall::RemoveFile(dir / "folder.FLT"));
    EXPECT_TRUE(fs::is_directory(dir / "folder.FLT"));
    EXPECT_FALSE(hostcall::RemoveFile(dir / "absent.FLT"));

    EXPECT_TRUE(hostcall::RemoveFile(file));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_FALSE(hostcall::FileExists(file));
    fs::permissions(locked, fs::perms::owner_all);
}

}  // namespace
