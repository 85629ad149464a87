#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"

namespace {

TEST(CommandLine, TailAndModeFromTheWholeCommandLine) {
    struct Case {
        std::string commandLine;
        std::string tail;
        bool sectorAssault;
    };
    const Case cases[] = {
        {"Kestrivar.exe /VEZIREZARADUD", "/VEZIREZARADUD", true},
        {"Kestrivar.exe /vezirezaradud", "/vezirezaradud", true},
        {"Kestrivar.exe /VezireZaradud", "/VezireZaradud", true},
        {"Kestrivar.exe \t  /VEZIREZARADUD", "/VEZIREZARADUD", true},
        {"Kestrivar.exe /VEZIREZARADUD ", "/VEZIREZARADUD ", false},
        {"Kestrivar.exe /VEZIREZARADUD extra", "/VEZIREZARADUD extra", false},
        {"Kestrivar.exe /VEZIREZARADU", "/VEZIREZARADU", false},
        {"Kestrivar.exe -VEZIREZARADUD", "-VEZIREZARADUD", false},
        {"Kestrivar.exe", "", false},
        {"Kestrivar.exe   ", "", false},
        {"", "", false},
        {"\"C:\\Program Files\\Kestrivar\\Kestrivar.exe\" /VEZIREZARADUD", "/VEZIREZARADUD", true},
        {"\"C:\\Program Files\\Kestrivar.exe\"/vezirezaradud", "/vezirezaradud", true},
        {"\"C:\\Program Files\\Kestrivar.exe", "", false},
        {"\"\" /VEZIREZARADUD", "/VEZIREZARADUD", true},
        {"C:\\Kestrivar\\Kestrivar.exe\t/VEZIREZARADUD", "/VEZIREZARADUD", true},
        // Bytes of 128 and above are text, not blanks, in the name and in the tail.
        {"K\xE9strivar.exe \xA0/VEZIREZARADUD", "\xA0/VEZIREZARADUD", false},
        // Case folding is ASCII only: a Latin-1 capital is not a letter of the switch.
        {"Kestrivar.exe /V\xC9ZIREZARADUD", "/V\xC9ZIREZARADUD", false},
    };
    for (const Case& tc : cases) {
        const std::string tail = CommandLineTail(tc.commandLine);
        EXPECT_EQ(tail, tc.tail) << tc.commandLine;
        EXPECT_EQ(IsSectorAssaultSwitch(tail), tc.sectorAssault) << tc.commandLine;
    }
}

}  // namespace
