#include "gamedata/game_directory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char kGameKey[] = "Software\\Brunvik\\Halvane Reach";

// The game's key in the real registry, in the 32-bit view where the game's 32-bit installer writes
// it (also from a 64-bit test build), created for one test and deleted after it.
class GameDirectoryWin32 : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0,
                                  KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kGameKey, KEY_WOW64_32KEY, 0);
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "Software\\Brunvik", KEY_WOW64_32KEY, 0);
    }
    void SetDirectory(const std::string& directory) {
        ASSERT_EQ(RegSetValueExA(key_, "Directory", 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(directory.c_str()),
                                 static_cast<DWORD>(directory.size() + 1)),
                  ERROR_SUCCESS);
    }

    HKEY key_ = nullptr;
};

TEST_F(GameDirectoryWin32, BuildsTheDirectoriesFromTheRegistryValue) {
    const std::string longDirectory = "D:\\" + std::string(300, 'g');
    for (const std::string& value :
         {std::string("D:\\Game"), std::string("D:\\Game\\"), longDirectory}) {
        SCOPED_TRACE(value);
        SetDirectory(value);
        const std::string game = value.back() == '\\' ? value : value + "\\";
        std::string directory;
        ASSERT_TRUE(GetGameDirectory(directory));
        EXPECT_EQ(directory, game);
        ASSERT_TRUE(GetDataDirectory(directory));
        EXPECT_EQ(directory, game + "Assets\\specs\\");
        ASSERT_TRUE(GetScriptsDirectory(directory));
        EXPECT_EQ(directory, game + "Assets\\Scripts\\");
    }
}

TEST_F(GameDirectoryWin32, MissingValueOrKeyLeavesTheOutputUnchanged) {
    std::string directory = "unchanged";
    EXPECT_FALSE(GetDataDirectory(directory));
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kGameKey, KEY_WOW64_32KEY, 0);
    EXPECT_FALSE(GetScriptsDirectory(directory));
    EXPECT_FALSE(GetGameDirectory(directory));
    EXPECT_EQ(directory, "unchanged");
}

}  // namespace
