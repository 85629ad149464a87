#include "platform/registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char kKey[] = "Software\\Kestrivar Tests\\Registry";

// Creates the test key under HKEY_LOCAL_MACHINE in the 32-bit view, the one the program reads
// (also from a 64-bit test build), and deletes it again.
class Win32Registry : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0,
                                  KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_32KEY, 0);
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "Software\\Kestrivar Tests", KEY_WOW64_32KEY, 0);
    }
    void Set(const char* name, DWORD type, const std::string& bytes) {
        ASSERT_EQ(RegSetValueExA(key_, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }

    HKEY key_ = nullptr;
};

TEST_F(Win32Registry, ReturnsTheStoredBytesOfAnyLength) {
    const std::string longText(5000, 'x');
    Set("Short", REG_SZ, std::string("D:\\Game") + '\0');
    Set("Long", REG_SZ, longText + '\0');
    Set("Exact", REG_BINARY, std::string(256, '\x5a'));
    Set("Number", REG_DWORD, std::string("\x2a\0\0\0", 4));
    const struct {
        const char* name;
        std::string expected;
    } cases[] = {
        {"Short", std::string("D:\\Game") + '\0'},
        {"long", longText + '\0'},
        {"Exact", std::string(256, '\x5a')},
        {"Number", std::string("\x2a\0\0\0", 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string data;
        EXPECT_TRUE(platform::ReadLocalMachineValue(kKey, c.name, data));
        EXPECT_EQ(data, c.expected);
    }
}

TEST_F(Win32Registry, MissingKeyOrValueLeavesDataUnchanged) {
    std::string data = "before";
    EXPECT_FALSE(platform::ReadLocalMachineValue(kKey, "Missing", data));
    EXPECT_FALSE(platform::ReadLocalMachineValue("Software\\Kestrivar Tests\\None", "Short", data));
    EXPECT_EQ(data, "before");
}

}  // namespace
