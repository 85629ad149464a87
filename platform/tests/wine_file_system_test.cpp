#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/user_folders.h"
#include "tests/support/wine_prefix.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::TempWinePrefix;
using testsupport::WriteFile;

class WineFileSystem : public ::testing::Test {
  protected:
    WineFileSystem() : driveC_(fs::canonical(prefix_.DriveC()).string()) {
        WriteFile(driveC_ + "/Games/Halvane Reach/Assets/specs/shiplist.txt", "ships");
        WriteFile(driveC_ + "/Kestrivar.FLT", "fleet");
        WriteFile(driveC_ + "/Spi\xc3\xa9le/Readme", "utf-8 name");
        WriteFile(driveC_ + "/Fleet\xe2\x80\x99s/Notes", "utf-8 name");
    }

    TempWinePrefix prefix_;
    std::string driveC_;  // with every link resolved, as HostPath gives it
};

TEST_F(WineFileSystem, MapsDriveCThroughItsLink) {
    const struct {
        const char* windowsPath;
        const char* expected;  // below drive_c
    } cases[] = {
        {"C:\\Kestrivar.FLT", "/Kestrivar.FLT"},
        {"c:\\kestrivar.flt", "/Kestrivar.FLT"},
        {"C:\\GAMES\\halvane reach\\ASSETS\\Specs\\ShipList.TXT",
         "/Games/Halvane Reach/Assets/specs/shiplist.txt"},
        {"C:/Games/Halvane Reach\\Assets//specs\\", "/Games/Halvane Reach/Assets/specs"},
        // Components that do not exist keep their spelling, and so does all below them.
        {"C:\\games\\New Folder\\FLEET.flt", "/Games/New Folder/FLEET.flt"},
        {"C:\\Games\\Halvane Reach\\Assets\\Scripts\\scripts.ini",
         "/Games/Halvane Reach/Assets/Scripts/scripts.ini"},
        // "." and ".." by text, never above the root of the drive.
        {"C:\\Games\\.\\..\\Kestrivar.FLT", "/Kestrivar.FLT"},
        {"C:\\..\\..\\Kestrivar.FLT", "/Kestrivar.FLT"},
        {"C:\\Missing\\..\\games", "/Games"},
        {"C:", ""},
        {"C:\\", ""},
        // ANSI (Windows-1252) names find the UTF-8 names Wine gives host files.
        {"C:\\spi\xe9le\\README", "/Spi\xc3\xa9le/Readme"},
        {"C:\\FLEET\x92S\\notes", "/Fleet\xe2\x80\x99s/Notes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.windowsPath);
        EXPECT_EQ(platform::HostPath(c.windowsPath), driveC_ + c.expected);
    }
}

TEST_F(WineFileSystem, PathBelowAHostDirectoryMatchesItsComponentsTheSameWay) {
    const std::string game = driveC_ + "/Games/Halvane Reach";
    EXPECT_EQ(platform::HostPathBelow(game, "ASSETS\\Specs\\ShipList.TXT"),
              game + "/Assets/specs/shiplist.txt");
    EXPECT_EQ(platform::HostPathBelow(game + "/", "Assets\\..\\..\\x"), game + "/x");
    EXPECT_EQ(platform::HostPathBelow(game, "Assets\\new\\Specs"), game + "/Assets/new/Specs");
}

TEST_F(WineFileSystem, PathEndsAtItsFirstNul) {
    using namespace std::string_literals;
    EXPECT_EQ(platform::HostPath("C:..\0"s), driveC_);
    EXPECT_EQ(platform::HostPath("C:\\Kestrivar.FLT\0\\..\\x"s), driveC_ + "/Kestrivar.FLT");
    EXPECT_EQ(platform::HostPath("\0C:\\Kestrivar.FLT"s), "");
}

TEST_F(WineFileSystem, ExactSpellingWinsOverOtherCase) {
    WriteFile(driveC_ + "/Fleet.flt", "upper");
    WriteFile(driveC_ + "/fleet.flt", "lower");
    EXPECT_EQ(platform::HostPath("C:\\fleet.flt"), driveC_ + "/fleet.flt");
    EXPECT_EQ(platform::HostPath("C:\\Fleet.flt"), driveC_ + "/Fleet.flt");
}

TEST_F(WineFileSystem, PathsWithoutAKnownDriveMapToNothing) {
    for (const char* path : {"", "C", "\\Kestrivar.FLT", "Kestrivar.FLT", "1:\\x",
                             "\\\\server\\share\\x", "D:\\Kestrivar.FLT", "Z:\\tmp"}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(platform::HostPath(path), "");
        EXPECT_EQ(platform::OpenFile(path, "rb"), nullptr);
    }
    prefix_.AddDrive('d', prefix_.path() + "/no-such-directory");
    EXPECT_EQ(platform::HostPath("D:\\x"), "");
}

TEST_F(WineFileSystem, OtherDrivesFollowTheirLinks) {
    prefix_.AddDrive('z', "/");
    EXPECT_EQ(platform::HostPath("Z:\\"), "/");
    EXPECT_EQ(platform::HostPath("z:\\..\\"), "/");
    const std::string driveCFromZ = "Z:" + driveC_;
    EXPECT_EQ(platform::HostPath(driveCFromZ + "/KESTRIVAR.flt"), driveC_ + "/Kestrivar.FLT");
}

TEST_F(WineFileSystem, OpenFileReadsAndCreatesFiles) {
    FILE* file = platform::OpenFile("C:\\KESTRIVAR.FLT", "rb");
    ASSERT_NE(file, nullptr);
    char buffer[8] = {};
    EXPECT_EQ(std::fread(buffer, 1, sizeof buffer, file), 5u);
    std::fclose(file);
    EXPECT_EQ(std::string(buffer), "fleet");

    file = platform::OpenFile("c:\\games\\New.FLT", "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("new", file);
    std::fclose(file);
    EXPECT_EQ(ReadFile(driveC_ + "/Games/New.FLT"), "new");

    EXPECT_EQ(platform::OpenFile("C:\\No Such Folder\\x.flt", "wb"), nullptr);
}

// The user's Documents as the prefix's user.reg names it, else where Wine makes it; a folder is
// made once and found there afterwards.
TEST_F(WineFileSystem, DocumentsComeFromUserRegAndFoldersAreMadeOnce) {
    testsupport::ScopedEnvironmentVariable user("USER", std::string("pilot"));
    EXPECT_EQ(platform::DocumentsFolder(), "C:\\users\\pilot\\Documents");
    WriteFile(
        prefix_.path() + "/user.reg",
        "WINE REGISTRY Version 2\n\n"
        "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1\n"
        "\"Personal\"=\"C:\\\\users\\\\pilot\\\\My Documents\"\n");
    EXPECT_EQ(platform::DocumentsFolder(), "C:\\users\\pilot\\My Documents");
    EXPECT_FALSE(platform::CreateFolder("C:\\users\\pilot\\Fleets"));  // no parent
    fs::create_directories(driveC_ + "/users/pilot");
    EXPECT_TRUE(platform::CreateFolder("C:\\users\\pilot\\Fleets"));
    EXPECT_TRUE(platform::CreateFolder("C:\\Users\\Pilot\\FLEETS"));
    EXPECT_TRUE(fs::is_directory(driveC_ + "/users/pilot/Fleets"));
    EXPECT_FALSE(platform::CreateFolder("C:\\Kestrivar.FLT"));  // a file is there
}

}  // namespace
