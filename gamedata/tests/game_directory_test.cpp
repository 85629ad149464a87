#include "gamedata/game_directory.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/wine_prefix.h"

namespace {

using testsupport::TempWinePrefix;
using testsupport::WineArch;

struct Directories {
    std::string game;
    std::string data;
    std::string scripts;
};

Directories ReadAll() {
    Directories d{"unset", "unset", "unset"};
    EXPECT_TRUE(GetGameDirectory(d.game));
    EXPECT_TRUE(GetDataDirectory(d.data));
    EXPECT_TRUE(GetScriptsDirectory(d.scripts));
    return d;
}

TEST(GameDirectory, EndsInOneBackslashBeforeTheSubdirectories) {
    const std::string longDirectory = "D:\\" + std::string(1000, 'g');
    const struct {
        const char* what;
        std::string value;
        std::string game;
    } cases[] = {
        {"plain", "D:\\Game", "D:\\Game\\"},
        {"trailing backslash", "D:\\Game\\", "D:\\Game\\"},
        {"empty", "", "\\"},
        {"text ends at a NUL", std::string("D:\\Game\0junk", 12), "D:\\Game\\"},
        {"forward slashes are kept", "D:/Game/", "D:/Game/\\"},
        {"1000 characters", longDirectory, longDirectory + "\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempWinePrefix prefix;
        prefix.SetGameDirectory(c.value);
        const Directories d = ReadAll();
        EXPECT_EQ(d.game, c.game);
        EXPECT_EQ(d.data, c.game + "Assets\\specs\\");
        EXPECT_EQ(d.scripts, c.game + "Assets\\Scripts\\");
    }
}

TEST(GameDirectory, ReadsTheKeyThe32BitInstallerWroteInA64BitPrefix) {
    TempWinePrefix prefix(WineArch::kWin64);
    prefix.SetGameDirectory("C:\\Program Files (x86)\\Halvane Reach");
    EXPECT_EQ(ReadAll().data, "C:\\Program Files (x86)\\Halvane Reach\\Assets\\specs\\");
}

TEST(GameDirectory, MissingKeyOrValueLeavesTheOutputUnchanged) {
    TempWinePrefix prefix;
    const auto expectNothing = [] {
        std::string game = "game", data = "data", scripts = "scripts";
        EXPECT_FALSE(GetGameDirectory(game));
        EXPECT_FALSE(GetDataDirectory(data));
        EXPECT_FALSE(GetScriptsDirectory(scripts));
        EXPECT_EQ(game, "game");
        EXPECT_EQ(data, "data");
        EXPECT_EQ(scripts, "scripts");
    };
    {
        SCOPED_TRACE("no key");
        expectNothing();
    }
    {
        SCOPED_TRACE("key without the value");
        prefix.AddStringValue("Software\\Brunvik\\Halvane Reach", "Version", "1.3");
        expectNothing();
    }
}

}  // namespace
