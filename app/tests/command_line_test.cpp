#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"

namespace {

TEST(CommandLine, SectorAssaultSwitchIsTheWholeTail) {
    struct Case {
        std::string tail;
        bool sectorAssault;
    };
    const Case cases[] = {
        {"/VEZIREZARADUD", true},
        {"/vezirezaradud", true},
        {"/VezireZaradud", true},
        {"/VEZIREZARADUD ", false},
        {" /VEZIREZARADUD", false},
        {"/VEZIREZARADUD extra", false},
        {"/VEZIREZARADU", false},
        {"-VEZIREZARADUD", false},
        {"", false},
        {"\xA0/VEZIREZARADUD", false},
        // Case folding is ASCII only: a Latin-1 capital is not a letter of the switch.
        {"/V\xC9ZIREZARADUD", false},
    };
    for (const Case& tc : cases) {
        EXPECT_EQ(IsSectorAssaultSwitch(tc.tail), tc.sectorAssault) << tc.tail;
    }
}

}  // namespace
