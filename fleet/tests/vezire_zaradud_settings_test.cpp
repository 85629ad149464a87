#include "fleet/vezire_zaradud_settings.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "fleet/tests/test_machine.h"
#include "tests/support/file_faults.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::WriteFile;
using Values = std::array<int32_t, 5>;  // DefSats, FRDs, PlanetType, BaseDamage, PlanetDamage

Values ValuesOf(const VezireZaradudSettings& s) {
    return {s.GetDefSats(), s.GetFRDs(), s.GetPlanetType(), s.GetBaseDamage(), s.GetPlanetDamage()};
}

VezireZaradudSettings SettingsWith(const Values& v) {
    VezireZaradudSettings s;
    s.SetDefSats(v[0]);
    s.SetFRDs(v[1]);
    s.SetPlanetType(v[2]);
    s.SetBaseDamage(v[3]);
    s.SetPlanetDamage(v[4]);
    return s;
}

// The game installed on a test machine, with its scripts directory but no scripts.ini yet.
class VezireZaradudSettingsTest : public ::testing::Test {
  protected:
    fleettest::TestMachine machine_;
    const std::string ini_ = machine_.InstallGame();
};

TEST_F(VezireZaradudSettingsTest, WithoutAFileReadGivesZerosAndWriteCreatesIt) {
    VezireZaradudSettings settings = SettingsWith({9, 9, 9, 9, 9});
    EXPECT_TRUE(settings.Read());
    EXPECT_EQ(ValuesOf(settings), (Values{0, 0, 0, 0, 0}));

    EXPECT_TRUE(SettingsWith({8, 3, 2, -5, 100}).Write());
    EXPECT_EQ(ReadFile(ini_),
              "[Mul_HumanVezireZaradud]\r\n"
              "DefSats=8\r\n"
              "FRDs=3\r\n"
              "PlanetType=2\r\n"
              "BaseDamage=-5\r\n"
              "PlanetDamage=100\r\n");
    EXPECT_TRUE(settings.Read());
    EXPECT_EQ(ValuesOf(settings), (Values{8, 3, 2, -5, 100}));
}

TEST_F(VezireZaradudSettingsTest, ReadTakesEachValueAsAtoiDoesFromAtMost63Characters) {
    // 61 zeros and "42" are the first 63 characters; the rest would make it overflow.
    const std::string longValue = std::string(61, '0') + "42" + std::string(137, '9');
    struct Case {
        std::string text;
        Values values;
    };
    const Case cases[] = {
        {"[Mul_HumanVezireZaradud]\r\nDefSats=-1\r\nFRDs=\r\nPlanetType=" + longValue +
             "\r\nBaseDamage=25 %\r\nPlanetDamage=abc\r\n",
         {-1, 0, 42, 25, 0}},
        {"[mul_humanvezirezaradud]\nplanettype = 2\nFRDs=+3\nBaseDamage=99999999999\n",
         {0, 3, 2, 2147483647, 0}},
        {"[Other]\r\nDefSats=4\r\n", {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        WriteFile(ini_, c.text);
        VezireZaradudSettings settings = SettingsWith({9, 9, 9, 9, 9});
        EXPECT_TRUE(settings.Read());
        EXPECT_EQ(ValuesOf(settings), c.values) << c.text;
    }
}

// The game's own file: every byte but the five values stays as it was.
TEST_F(VezireZaradudSettingsTest, WriteChangesOnlyTheFiveValuesOfTheGamesFile) {
    const std::string original =
        ReadFile(std::string(KV_SOURCE_DIR) + "/demo/HalvaneReach/Assets/Scripts/scripts.ini");
    const std::string stored =
        "\r\nDefSats=2\r\nFRDs=1\r\nPlanetType=1\r\nBaseDamage=25\r\nPlanetDamage=50\r\n";
    const size_t at = original.find(stored);
    ASSERT_NE(at, std::string::npos) << "the demo scripts.ini has changed";
    WriteFile(ini_, original);

    VezireZaradudSettings settings;
    EXPECT_TRUE(settings.Read());
    EXPECT_EQ(ValuesOf(settings), (Values{2, 1, 1, 25, 50}));

    EXPECT_TRUE(SettingsWith({8, 0, 2, -5, 0}).Write());
    std::string expected = original;
    expected.replace(
        at, stored.size(),
        "\r\nDefSats=8\r\nFRDs=0\r\nPlanetType=2\r\nBaseDamage=-5\r\nPlanetDamage=0\r\n");
    EXPECT_EQ(ReadFile(ini_), expected);
}

TEST_F(VezireZaradudSettingsTest, KeysLeftOutOfAWriteKeepTheirStoredValues) {
    WriteFile(ini_, "[Mul_HumanVezireZaradud]\r\nDefSats=5\r\nPlanetType=1\r\n");
    const VezireZaradudSettings settings = SettingsWith({7, -1, 0, 30, 40});
    EXPECT_TRUE(
        settings.WriteKeys(VezireZaradudSettings::kAllKeys & ~(VezireZaradudSettings::kDefSatsKey |
                                                               VezireZaradudSettings::kFRDsKey)));
    const std::string after =
        "[Mul_HumanVezireZaradud]\r\nDefSats=5\r\nPlanetType=0\r\nBaseDamage=30\r\n"
        "PlanetDamage=40\r\n";
    EXPECT_EQ(ReadFile(ini_), after);
    EXPECT_TRUE(SettingsWith({1, 1, 1, 1, 1}).WriteKeys(0));
    EXPECT_EQ(ReadFile(ini_), after);
}

TEST_F(VezireZaradudSettingsTest, WriteToAReadOnlyFileFailsAndChangesNothing) {
    const std::string before = "[Mul_HumanVezireZaradud]\r\nDefSats=5\r\n";
    WriteFile(ini_, before);
    const fs::perms write =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(ini_, write, fs::perm_options::remove);
    const bool written = static_cast<bool>(SettingsWith({1, 2, 0, 3, 4}).Write());
    fs::permissions(ini_, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFile(ini_), before);
}

#ifndef _WIN32
// The game's file survives any failed step of a write byte for byte, with no temporary file
// left beside it.
TEST_F(VezireZaradudSettingsTest, WriteThatFailsAtAnyStepChangesNothing) {
    using testsupport::FileFault;
    const std::string before = "; mission settings\r\n[Mul_HumanVezireZaradud]\r\nDefSats=5\r\n";
    WriteFile(ini_, before);
    for (const FileFault fault : testsupport::kEveryFileFault) {
        testsupport::InjectedFileFault injected(fault);
        EXPECT_FALSE(SettingsWith({1, 2, 0, 3, 4}).Write());
        EXPECT_TRUE(injected.Struck()) << static_cast<int>(fault);
    }
    EXPECT_EQ(ReadFile(ini_), before);
    EXPECT_EQ(testsupport::FileNamesIn(fs::path(ini_).parent_path().string()),
              std::vector<std::string>{"scripts.ini"});
}

// The five keys go in one replacement: a write that took one per key would meet this fault on
// its second and leave the first key stored alone.
TEST_F(VezireZaradudSettingsTest, WriteStoresAllFiveKeysInOneReplacement) {
    testsupport::InjectedFileFault injected(testsupport::FileFault::kRenameFails, 2);
    EXPECT_TRUE(SettingsWith({8, 3, 2, -5, 100}).Write());
    VezireZaradudSettings settings;
    EXPECT_TRUE(settings.Read());
    EXPECT_EQ(ValuesOf(settings), (Values{8, 3, 2, -5, 100}));
}
#endif

TEST(VezireZaradudSettingsWithoutGame, ReadAndWriteFailWhenTheGameIsNotInstalled) {
    fleettest::TestMachine machine;
    VezireZaradudSettings settings;
    EXPECT_FALSE(settings.Read());
    EXPECT_EQ(ValuesOf(settings), (Values{0, 0, 0, 0, 0}));
    EXPECT_FALSE(SettingsWith({1, 2, 0, 3, 4}).Write());
#ifndef _WIN32
    // Where the game would be, had it an entry: nothing is created there.
    const std::string scripts = machine.DriveC() + "/Games/Halvane Reach/Assets/Scripts";
    fs::create_directories(scripts);
    EXPECT_FALSE(SettingsWith({1, 2, 0, 3, 4}).Write());
    EXPECT_TRUE(fs::is_empty(scripts));
#endif
}

}  // namespace
