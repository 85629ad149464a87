#include "platform/profile_strings.h"
#include "platform/tests/host_file_calls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

// The reading table holds what GetPrivateProfileStringA returns on Windows. Both builds run the
// same editor, over the Win32 file functions on Windows and the Wine-prefix platform natively.
namespace {

namespace fs = std::filesystem;
using testsupport::FileNamesIn;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

const char kSampleIni[] =
    "; settings\r\n"
    "[Plain]\r\n"
    "Key=value\r\n"
    "  Spaced   =   padded value  \r\n"
    "Empty=\r\n"
    "Equals=b=c\r\n"
    "Inline=5 ;x\r\n"
    "Double=\"quoted  \"\r\n"
    "Single='q'\r\n"
    "Mismatched=\"q'\r\n"
    "OneQuote=\"\r\n"
    "NameOnly\r\n"
    "Dup=first\r\n"
    "dup=second\r\n"
    "Tabbed\t=\tx\t\r\n"
    "Long=abcdefghij\r\n"
    "[NoClose\r\n"
    "AfterNoClose=still plain\r\n"
    "\r\n"
    "[ Spaced Section ]  trailing\r\n"
    "k=in spaced\r\n"
    "[Twice]\r\n"
    "k=first section\r\n"
    "[twice]\r\n"
    "k=second section\r\n"
    "other=only in second\r\n";

struct ReadCase {
    const char* section;
    const char* key;
    const char* defaultValue;
    size_t bufferSize;
    const char* expected;
};

std::string Get(const std::string& path, const ReadCase& c) {
    char buffer[64];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    const size_t copied =
        hostcall::GetProfileString(c.section, c.key, c.defaultValue, buffer, c.bufferSize, path);
    const std::string text(buffer);
    EXPECT_EQ(copied, text.size()) << c.section << "/" << c.key;
    return text;
}

TEST(ProfileStrings, GetReadsAsTheWindowsFunction) {
    TempDir dir;
    const std::string path = dir / "sample.ini";
    WriteFile(path, kSampleIni);
    const ReadCase cases[] = {
        {"Plain", "Key", "d", 64, "value"},
        {"pLAIN", "KEY", "d", 64, "value"},
        {" Plain\t", " Key ", "d", 64, "value"},
        {"Plain", "Spaced", "d", 64, "padded value"},
        {"Plain", "Empty", "d", 64, ""},
        {"Plain", "Equals", "d", 64, "b=c"},
        {"Plain", "Inline", "d", 64, "5 ;x"},
        {"Plain", "Double", "d", 64, "quoted  "},
        {"Plain", "Single", "d", 64, "q"},
        {"Plain", "Mismatched", "d", 64, "\"q'"},
        {"Plain", "OneQuote", "d", 64, "\""},
        {"Plain", "NameOnly", "d", 64, "d"},
        {"Plain", "Dup", "d", 64, "first"},
        {"Plain", "Tabbed", "d", 64, "x"},
        {"Plain", "AfterNoClose", "d", 64, "still plain"},
        {"NoClose", "AfterNoClose", "d", 64, "d"},
        {"Spaced Section", "k", "d", 64, "in spaced"},
        {"Twice", "k", "d", 64, "first section"},
        {"Twice", "other", "d", 64, "d"},
        {"Plain", "Missing", "dflt  ", 64, "dflt"},
        {"Plain", "Missing", "", 64, ""},
        {"Missing", "Key", " d", 64, " d"},
        {"Plain", "Long", "d", 11, "abcdefghij"},
        {"Plain", "Long", "d", 5, "abcd"},
        {"Plain", "Long", "d", 2, "a"},
        {"Plain", "Long", "d", 1, ""},
        {"Plain", "Missing", "defaults", 4, "def"},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(Get(path, c), c.expected)
            << c.section << "/" << c.key << " size " << c.bufferSize;
}

TEST(ProfileStrings, GetReadsEveryLineEndingAndFallsBackWhenThereIsNoFile) {
    TempDir dir;
    const char* const endings[] = {"\r\n", "\n", "\r"};
    for (const std::string ending : endings) {
        const std::string path = dir / "endings.ini";
        WriteFile(path, "[S]" + ending + "a=1" + ending + "b=2" + ending + "[T]" + ending + "c=3");
        EXPECT_EQ(Get(path, {"S", "a", "d", 64, ""}), "1");
        EXPECT_EQ(Get(path, {"S", "b", "d", 64, ""}), "2");
        EXPECT_EQ(Get(path, {"T", "c", "d", 64, ""}), "3");
    }
    WriteFile(dir / "mixed.ini", "[S]\na=1\r\nb=2\rc=3");
    EXPECT_EQ(Get(dir / "mixed.ini", {"S", "c", "d", 64, ""}), "3");

    EXPECT_EQ(Get(dir / "absent.ini", {"S", "a", "dflt ", 64, ""}), "dflt");
    EXPECT_EQ(Get(dir / "no-dir/absent.ini", {"S", "a", "dflt", 64, ""}), "dflt");
    EXPECT_EQ(Get(dir.path(), {"S", "a", "dflt", 64, ""}), "dflt");
}

TEST(ProfileStrings, WriteCreatesTheFileAndEditsIt) {
    TempDir dir;
    const std::string path = dir / "scripts.ini";
    ASSERT_TRUE(hostcall::WriteProfileString("App", "key", "string", path));
    EXPECT_EQ(ReadFile(path), "[App]\r\nkey=string\r\n");

    WriteFile(path, "[Other]\r\nDefSats=keep\r\n[Mul_HumanVezireZaradud]\r\nDefSats=1\r\n");
    EXPECT_TRUE(hostcall::WriteProfileString("Mul_HumanVezireZaradud", "defsats", "-5", path));
    EXPECT_TRUE(hostcall::WriteProfileString("Mul_HumanVezireZaradud", "FRDs", "3", path));
    EXPECT_EQ(Get(path, {"Mul_HumanVezireZaradud", "DefSats", "", 64, ""}), "-5");
    EXPECT_EQ(Get(path, {"Mul_HumanVezireZaradud", "FRDs", "", 64, ""}), "3");
    EXPECT_EQ(Get(path, {"Other", "DefSats", "", 64, ""}), "keep");
}

TEST(ProfileStrings, WriteFailsWithoutHarmWhenTheFileCannotBeWritten) {
    TempDir dir;
    WriteFile(dir / "plain-file", "x");
    EXPECT_FALSE(hostcall::WriteProfileString("S", "k", "v", dir / "no-dir/scripts.ini"));
    EXPECT_FALSE(fs::exists(dir / "no-dir"));
    EXPECT_FALSE(hostcall::WriteProfileString("S", "k", "v", dir / "plain-file/scripts.ini"));
    EXPECT_EQ(ReadFile(dir / "plain-file"), "x");

    fs::create_directory(dir / "folder.ini");
    EXPECT_FALSE(hostcall::WriteProfileString("S", "k", "v", dir / "folder.ini"));
    EXPECT_TRUE(fs::is_directory(dir / "folder.ini"));

    const std::string path = dir / "scripts.ini";
    const std::string original = "[S]\r\nk=1\r\n";
    WriteFile(path, original);
    EXPECT_FALSE(hostcall::WriteProfileString("S", "k", "1\r\n[T]\r\nx=2", path));
    EXPECT_EQ(ReadFile(path), original);
}

TEST(ProfileStrings, WriteRefusesAReadOnlyFile) {
    TempDir dir;
    const std::string path = dir / "scripts.ini";
    const std::string original = "[S]\r\nk=1\r\n";
    WriteFile(path, original);
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(hostcall::WriteProfileString("S", "k", "2", path));
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ReadFile(path), original);
}

// Edited in place where Wine's own WritePrivateProfileStringA would rewrite the whole file.
TEST(ProfileStrings, WriteKeepsEveryOtherByte) {
    TempDir dir;
    const std::string path = dir / "scripts.ini";
    const std::string before =
        "; Game script settings\r\n"
        "[Mul_HumanVezireZaradud]\r\n"
        "DefSats = 2\r\n"
        "Custom=kept ; as is\r\n"
        "\r\n"
        "[Other]\n"
        "FRDs=9\n";
    WriteFile(path, before);
    const char* const keys[] = {"DefSats", "FRDs", "PlanetType", "BaseDamage", "PlanetDamage"};
    const char* const values[] = {"8", "0", "2", "-5", "100"};
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(
            hostcall::WriteProfileString("Mul_HumanVezireZaradud", keys[i], values[i], path));
    EXPECT_EQ(ReadFile(path),
              "; Game script settings\r\n"
              "[Mul_HumanVezireZaradud]\r\n"
              "DefSats=8\r\n"
              "Custom=kept ; as is\r\n"
              "FRDs=0\r\n"
              "PlanetType=2\r\n"
              "BaseDamage=-5\r\n"
              "PlanetDamage=100\r\n"
              "\r\n"
              "[Other]\n"
              "FRDs=9\n");
    EXPECT_EQ(FileNamesIn(dir.path()), std::vector<std::string>{"scripts.ini"});
}

TEST(ProfileStrings, WriteLeavesAUtf16FileAlone) {
    TempDir dir;
    const std::string path = dir / "scripts.ini";
    const std::string wide("\xFF\xFE[\0S\0]\0\r\0\n\0", 12);
    WriteFile(path, wide);
    EXPECT_FALSE(hostcall::WriteProfileString("S", "k", "1", path));
    EXPECT_EQ(ReadFile(path), wide);
}

#ifndef _WIN32

TEST(ProfileStringsWine, WriteKeepsThePermissionsAndLeavesAnUnchangedFileAlone) {
    TempDir dir;
    const std::string path = dir / "scripts.ini";
    WriteFile(path, "[S]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(hostcall::WriteProfileString("S", "k", "2", path));
    EXPECT_EQ(ReadFile(path), "[S]\r\nk=2\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    // Writing the value the file already holds does not replace the file.
    const ino_t inode = info.st_ino;
    EXPECT_TRUE(hostcall::WriteProfileString("S", "K", "2", path));
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_ino, inode);
}

// An existing file is overwritten in place where no new file may be made; a new one cannot be.
TEST(ProfileStringsWine, WriteInAReadOnlyDirectoryChangesOnlyAnExistingFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    TempDir dir;
    const std::string path = dir / "scripts.ini";
    WriteFile(path, "[S]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
    EXPECT_TRUE(hostcall::WriteProfileString("S", "k", "2", path));
    EXPECT_FALSE(hostcall::WriteProfileString("S", "k", "2", dir / "new.ini"));
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(ReadFile(path), "[S]\r\nk=2\r\n");
    EXPECT_EQ(FileNamesIn(dir.path()), std::vector<std::string>{"scripts.ini"});
}

#endif

}  // namespace
