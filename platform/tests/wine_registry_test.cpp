#include "platform/registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/wine/wine_prefix.h"
#include "tests/support/wine_prefix.h"

namespace {

using testsupport::ScopedEnvironmentVariable;
using testsupport::TempDir;
using testsupport::TempWinePrefix;
using testsupport::WineArch;

const char kGameKey[] = "Software\\Brunvik\\Halvane Reach";

TEST(WineRegistry, ReadsSystemRegOfThePrefix) {
    TempWinePrefix prefix(WineArch::kWin64);
    prefix.SetGameDirectory("C:\\Program Files\\Halvane \"Reach\"\xe9");
    std::string data;
    ASSERT_TRUE(platform::ReadLocalMachineValue(kGameKey, "Directory", data));
    EXPECT_EQ(data, std::string("C:\\Program Files\\Halvane \"Reach\"\xe9") + '\0');
}

TEST(WineRegistry, NothingToReadLeavesDataUnchanged) {
    TempDir elsewhere;
    const struct {
        const char* what;
        std::optional<std::string> winePrefix;
    } cases[] = {
        {"missing prefix", elsewhere / "no-such-prefix"},
        {"prefix without system.reg", elsewhere.path()},
        {"relative WINEPREFIX", std::string("relative/prefix")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedEnvironmentVariable winePrefix("WINEPREFIX", c.winePrefix);
        std::string data = "before";
        EXPECT_FALSE(platform::ReadLocalMachineValue(kGameKey, "Directory", data));
        EXPECT_EQ(data, "before");
    }

    TempWinePrefix prefix;
    prefix.SetGameDirectory("D:\\Game");
    std::string data = "before";
    EXPECT_FALSE(platform::ReadLocalMachineValue(kGameKey, "Other", data));
    EXPECT_FALSE(platform::ReadLocalMachineValue("Software\\Brunvik", "Directory", data));
    std::filesystem::remove(prefix.path() + "/system.reg");
    EXPECT_FALSE(platform::ReadLocalMachineValue(kGameKey, "Directory", data));
    EXPECT_EQ(data, "before");
}

TEST(WinePrefix, WinePrefixElseHomeDotWine) {
    TempDir home;
    ScopedEnvironmentVariable homeVariable("HOME", home.path());
    {
        ScopedEnvironmentVariable winePrefix("WINEPREFIX", std::nullopt);
        EXPECT_EQ(platform::WinePrefixDirectory(), home.path() + "/.wine");
    }
    {
        ScopedEnvironmentVariable winePrefix("WINEPREFIX", std::string("/opt/prefix"));
        EXPECT_EQ(platform::WinePrefixDirectory(), "/opt/prefix");
    }
    {
        ScopedEnvironmentVariable winePrefix("WINEPREFIX", std::string("opt/prefix"));
        EXPECT_EQ(platform::WinePrefixDirectory(), "");
    }
}

}  // namespace
