#include <gtest/gtest.h>

#include <string>

#include "framework/command_line_tail.h"

namespace {

TEST(CommandLineTail, IsWhatFollowsTheProgramName) {
    struct Case {
        std::string commandLine;
        std::string tail;
    };
    const Case cases[] = {
        {"Kestrivar.exe /VEZIREZARADUD", "/VEZIREZARADUD"},
        {"Kestrivar.exe \t  /VEZIREZARADUD", "/VEZIREZARADUD"},
        {"Kestrivar.exe /VEZIREZARADUD ", "/VEZIREZARADUD "},  // trailing blanks stay
        {"Kestrivar.exe /VEZIREZARADUD extra", "/VEZIREZARADUD extra"},
        {"Kestrivar.exe", ""},
        {"Kestrivar.exe   ", ""},
        {"", ""},
        {"\"C:\\Program Files\\Kestrivar\\Kestrivar.exe\" /VEZIREZARADUD", "/VEZIREZARADUD"},
        {"\"C:\\Program Files\\Kestrivar.exe\"/vezirezaradud", "/vezirezaradud"},
        {"\"C:\\Program Files\\Kestrivar.exe", ""},  // unclosed quote: all of it is the name
        {"\"\" /VEZIREZARADUD", "/VEZIREZARADUD"},
        {"C:\\Kestrivar\\Kestrivar.exe\t/VEZIREZARADUD", "/VEZIREZARADUD"},
        {"Kestrivar.exe\x01\x1f/x", "/x"},  // control characters separate like blanks
        // Bytes of 128 and above are text, not blanks, in the name and in the tail.
        {"K\xE9strivar.exe \xA0/VEZIREZARADUD", "\xA0/VEZIREZARADUD"},
    };
    for (const Case& tc : cases) {
        EXPECT_EQ(fw::CommandLineTail(tc.commandLine), tc.tail) << tc.commandLine;
    }
}

}  // namespace
