// Save, Load and Remove as the user meets them in the main dialog.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <list>
#include <string>
#include <vector>

#include "app/catalogue_globals.h"
#include "fleet/fleet_documents.h"
#include "fleet/fleet_file_codec.h"
#include "fleet/fleet_text.h"
#include "fleet/kestrivar_dlg.h"
#include "fleet/tests/fleet_test_texts.h"
#include "fleet/tests/kestrivar_dialog_fixture.h"
#include "fleet/tests/test_machine.h"
#include "fleet/unfinished_saves.h"
#include "fleet/vezire_zaradud_settings.h"
#include "framework/constants.h"
#include "framework/headless/headless_dialog_driver.h"
#include "platform/file_primitives.h"
#include "platform/file_system.h"
#include "platform/user_folders.h"
#include "res/resource.h"
#include "tests/support/temp_dir.h"

namespace {

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::WriteFile;

using fleettest::kSaved;

FleetSlot Ship(const char* name, int32_t adjusted) {
    FleetSlot slot;
    SetShipCode(slot, name);
    slot.baseBpv = adjusted - 2;
    slot.adjustedBpv = adjusted;
    slot.missileType = 1;
    slot.missileSpeed = 1;
    return slot;
}

std::string FleetBytes(std::initializer_list<FleetSlot> ships) {
    std::array<SlotState, 3> slots{};
    size_t i = 0;
    for (const FleetSlot& ship : ships)
        slots[i++] = {true, ship};
    return EncodeFleetFile(slots);
}

class MainDialogFleet : public kvtest::KestrivarDialogTest {
  protected:
    FleetFileContents DecodedThreeShips() const {
        FleetFileContents contents;
        DecodeFleetFile(reinterpret_cast<const unsigned char*>(threeShips.data()),
                        threeShips.size(), contents);
        return contents;
    }
    // Runs the main dialog with its script; `pickers` are the scripts of the Pick Ship dialogs
    // it opens, in order.
    int Run(int vezireZaradud, fw::UiDriver::Script script,
            std::vector<fw::UiDriver::Script> pickers = {}) {
        CKestrivarDlg dlg;
        dlg.SetVezireZaradud(vezireZaradud);
        dlg.SetCatalogues(g_shipCatalogue.mainList, g_fighterCatalogue.mainList);
        ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, std::move(script));
        for (auto& picker : pickers)
            ui_.ExpectModal(IDD_PICKSHIP, std::move(picker));
        return dlg.DoModal();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& box : ui_.MessageBoxes())
            texts.push_back(box.text);
        return texts;
    }

    fleettest::TestMachine machine;
    const std::string threeShips =
        FleetBytes({Ship("CV-Kestrel", 64), Ship("CV-Condor", 150), Ship("Unknown-Ship", 7)});
};

TEST_P(MainDialogFleet, LoadFillsTheSlotsAndSaveWritesThemBack) {
    WriteFile(machine.FleetFile(), threeShips);
    EXPECT_EQ(Run(0,
                  [](fw::DialogDriver& d) {
                      d.Click(IDC_LOAD);
                      EXPECT_EQ(d.Text(IDC_SHIP_CODE1), "CV-Kestrel");
                      EXPECT_EQ(d.Text(IDC_BPV2), "150");
                      EXPECT_EQ(d.Text(IDC_SHIP_CODE3), "Unknown-Ship");
                      EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "221");
                      d.Click(IDC_CLEAR2);  // slot 3 keeps its ship
                      EXPECT_EQ(d.Text(IDC_SHIP_CODE3), "Unknown-Ship");
                      EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "71");
                      d.Click(fw::kIdOk);
                  }),
              fw::kIdOk);
    EXPECT_EQ(ReadFile(machine.FleetFile()),
              FleetBytes({Ship("CV-Kestrel", 64), Ship("Unknown-Ship", 7)}));
    EXPECT_THAT(Texts(), ::testing::ElementsAre(kSaved));
}

TEST_P(MainDialogFleet, LoadReplacesOnlyTheSlotsTheFileReaches) {
    WriteFile(machine.FleetFile(), threeShips);
    Run(0, [this](fw::DialogDriver& d) {
        d.Click(IDC_LOAD);
        WriteFile(machine.FleetFile(), FleetBytes({Ship("CV-Falcon", 90)}));
        d.Click(IDC_LOAD);
        EXPECT_EQ(d.Text(IDC_SHIP_CODE1), "CV-Falcon");
        EXPECT_EQ(d.Text(IDC_SHIP_CODE2), "CV-Condor");
        EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "247");
        // A file that yields no ships leaves every slot as it was.
        WriteFile(machine.FleetFile(), FleetBytes({}));
        d.Click(IDC_LOAD);
        EXPECT_EQ(d.Text(IDC_SHIP_CODE1), "CV-Falcon");
        EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "247");
        d.Close();
    });
    EXPECT_THAT(Texts(), ::testing::IsEmpty());
}

TEST_P(MainDialogFleet, RemoveDeletesTheFileButKeepsTheSlots) {
    WriteFile(machine.FleetFile(), threeShips);
    ui_.AnswerNextMessageBox(fw::kIdYes);
    Run(0, [this](fw::DialogDriver& d) {
        d.Click(IDC_LOAD);
        d.Click(IDC_REMOVE_FLEET);
        EXPECT_FALSE(FileExists(machine.FleetFile()));
        EXPECT_EQ(d.Text(IDC_SHIP_CODE2), "CV-Condor");
        d.Click(fw::kIdOk);  // Save writes the file again
    });
    EXPECT_EQ(ReadFile(machine.FleetFile()), threeShips);
    EXPECT_THAT(Texts(),
                ::testing::ElementsAre(
                    "Are you sure you want to erase your custom fleet settings?",
                    ::testing::StartsWith("Your custom fleet settings have been erased."), kSaved));
}

TEST_P(MainDialogFleet, NormalModeNeverWritesTheMissionSettings) {
    const std::string scriptsIni = machine.InstallGame();
    WriteFile(scriptsIni, "[Mul_HumanVezireZaradud]\r\nDefSats=4\r\n");
    Run(0, [](fw::DialogDriver& d) {
        d.Click(IDC_LOAD);  // the settings are read into the hidden lists
        d.Click(fw::kIdOk);
    });
    EXPECT_EQ(ReadFile(scriptsIni), "[Mul_HumanVezireZaradud]\r\nDefSats=4\r\n");
}

TEST_P(MainDialogFleet, SectorAssaultSaveWithoutChangesWritesZeros) {
    const std::string scriptsIni = machine.InstallGame();
    EXPECT_EQ(Run(1, [](fw::DialogDriver& d) { d.Click(fw::kIdOk); }), fw::kIdOk);
    EXPECT_EQ(ReadFile(scriptsIni),
              "[Mul_HumanVezireZaradud]\r\nDefSats=0\r\nFRDs=0\r\nPlanetType=0\r\n"
              "BaseDamage=0\r\nPlanetDamage=0\r\n");
    EXPECT_EQ(ReadFile(machine.FleetFile()), FleetBytes({}));
}

// A read-only scripts.ini: the player is told after the fleet file's outcome, and the dialog
// still closes as Save always does.
TEST_P(MainDialogFleet, SectorAssaultSaveThatCannotWriteTheSettingsSaysSo) {
    const std::string scriptsIni = machine.InstallGame();
    WriteFile(scriptsIni, "[Mul_HumanVezireZaradud]\r\nDefSats=4\r\n");
    const auto write = std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                       std::filesystem::perms::others_write;
    std::filesystem::permissions(scriptsIni, write, std::filesystem::perm_options::remove);
    EXPECT_EQ(Run(1, [](fw::DialogDriver& d) { d.Click(fw::kIdOk); }), fw::kIdOk);
    std::filesystem::permissions(scriptsIni, write, std::filesystem::perm_options::add);
    std::string windowsPath;
    ASSERT_TRUE(VezireZaradudSettings::GetFilePath(windowsPath));
    EXPECT_THAT(Texts(),
                ::testing::ElementsAre(kSaved, "Aack, could not write to " + windowsPath + "!"));
    EXPECT_EQ(ReadFile(scriptsIni), "[Mul_HumanVezireZaradud]\r\nDefSats=4\r\n");
}

TEST_P(MainDialogFleet, SectorAssaultLoadAppliesTheSettingsAndTheVisibilityRules) {
    const std::string scriptsIni = machine.InstallGame();
    const std::string stored =
        "[Mul_HumanVezireZaradud]\r\nDefSats=7\r\nFRDs=2\r\nPlanetType=5\r\n"
        "BaseDamage=25\r\nPlanetDamage=40\r\n";
    WriteFile(scriptsIni, stored);
    WriteFile(machine.FleetFile(), threeShips);
    Run(1, [](fw::DialogDriver& d) {
        EXPECT_FALSE(d.IsVisible(IDC_BASE_DAMAGE));
        d.Click(IDC_LOAD);
        EXPECT_EQ(d.Selection(IDC_DEFSATS), 7);
        EXPECT_EQ(d.Selection(IDC_FRDS), 2);
        EXPECT_EQ(d.Selection(IDC_PLANET), -1);       // 5 is not an item
        EXPECT_TRUE(d.IsVisible(IDC_PLANET_DAMAGE));  // no selection counts as a planet
        EXPECT_TRUE(d.IsVisible(IDC_BASE_DAMAGE));    // slot 1 holds a base
        EXPECT_EQ(d.Text(IDC_BASE_DAMAGE), "25");
        EXPECT_EQ(d.Text(IDC_SHIP_CODE3), "Unknown-Ship");  // slots 2 and 3 load too
        d.Click(IDC_CLEAR1);
        EXPECT_FALSE(d.IsVisible(IDC_BASE_DAMAGE));
        d.Click(fw::kIdOk);
    });
    // The Planet list had no selection, so its key keeps its stored value.
    EXPECT_EQ(ReadFile(scriptsIni),
              "[Mul_HumanVezireZaradud]\r\nDefSats=7\r\nFRDs=2\r\nPlanetType=5\r\n"
              "BaseDamage=25\r\nPlanetDamage=40\r\n");
    EXPECT_EQ(ReadFile(machine.FleetFile()),
              FleetBytes({Ship("CV-Condor", 150), Ship("Unknown-Ship", 7)}));
}

TEST_P(MainDialogFleet, AnInvalidPercentageKeepsTheDialogOpenAfterTheFleetIsWritten) {
    machine.InstallGame();
    WriteFile(machine.FleetFile(), threeShips);
    EXPECT_EQ(Run(1,
                  [this](fw::DialogDriver& d) {
                      d.Click(IDC_LOAD);
                      d.Type(IDC_BASE_DAMAGE, "lots");
                      d.Click(fw::kIdOk);
                      EXPECT_TRUE(d.IsDialogVisible());
                      EXPECT_EQ(ReadFile(machine.FleetFile()), threeShips);
                      d.Type(IDC_BASE_DAMAGE, "-5");
                      // A refused text in a field that then hides is dropped with it.
                      d.Select(IDC_PLANET, 1);
                      d.Type(IDC_PLANET_DAMAGE, "50%");
                      d.Select(IDC_PLANET, 0);
                      d.Click(fw::kIdOk);
                  }),
              fw::kIdOk);
    EXPECT_THAT(Texts(), ::testing::ElementsAre(kSaved, "Please enter an integer.",
                                                "Please enter an integer.", kSaved));
}

// A Save stopped half way left copies of the old contents; the next start offers them back.
TEST_P(MainDialogFleet, TheNextStartOffersWhatAnUnfinishedSaveLeft) {
    const std::string scriptsIni = machine.InstallGame();
    const std::string self = ".old-" + std::to_string(platform::WindowsPathFiles().ProcessId());
    WriteFile(machine.FleetFile(), "half a new fleet");
    WriteFile(machine.FleetFile() + self + "-0", threeShips);
    WriteFile(machine.FleetFile() + self + "-1", threeShips);  // what the file holds once put back
    WriteFile(machine.FleetFile() + self + "-2", "");  // a swap's backup name, taken before a stop
    WriteFile(scriptsIni, "[Mul_HumanVezireZaradud]\r\nDefSats=3\r\n");
    WriteFile(scriptsIni + self + "-0", "[Mul_HumanVezireZaradud]\r\nDefSats=1\r\n");
    ui_.AnswerNextMessageBox(fw::kIdYes);
    ui_.AnswerNextMessageBox(fw::kIdNo);
    OfferUnfinishedSaves();
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[0],
              "A Save of C:\\Kestrivar.FLT did not finish, so the file may be damaged. "
              "What it held before is in:\nC:\\Kestrivar.FLT" +
                  self +
                  "-0\n\nPut that back? Yes puts it back; No keeps C:\\Kestrivar.FLT as it is "
                  "and deletes the copy; Cancel leaves both until Kestrivar starts again.");
    EXPECT_EQ(ReadFile(scriptsIni), "[Mul_HumanVezireZaradud]\r\nDefSats=3\r\n");
    EXPECT_FALSE(FileExists(scriptsIni + self + "-0"));
    for (const char* n : {"-0", "-1", "-2"})
        EXPECT_FALSE(FileExists(machine.FleetFile() + self + n)) << n;
    Run(0, [](fw::DialogDriver& d) {
        d.Click(IDC_LOAD);
        EXPECT_EQ(d.Text(IDC_SHIP_CODE1), "CV-Kestrel");
        d.Close();
    });
}

// Fleets of the player's own: Save As in either format, Open whatever the name, Cancel, a drop,
// and files Load or Paste would refuse; only Save writes the game's file.
TEST_P(MainDialogFleet, SaveAsAndOpenKeepFleetsOfThePlayersOwn) {
    WriteFile(machine.FleetFile(), threeShips);
    const std::string documents = platform::DocumentsFolder();
    const std::string folder = documents + "\\" + kFleetsFolderName;
    std::filesystem::remove_all(platform::HostPath(folder));  // a file there would be overwritten
    std::filesystem::create_directories(platform::HostPath(documents));
    const std::string text = folder + "\\Campaign.txt";
    const std::string binary = folder + "\\Arena.flt";
    const std::string renamed = folder + "\\Renamed.flt";
    const std::string otherRelease = folder + "\\Old.flt";
    ui_.AnswerNextFileDialog({folder + "\\Campaign", 1, ""});  // the type's extension added
    ui_.AnswerNextFileDialog({binary, 0, ""});
    ui_.AnswerNextFileDialog({folder + "\\Arena", 0, ""});  // a name taken: not replaced
    ui_.AnswerNextMessageBox(fw::kIdNo);
    ui_.AnswerNextFileDialog({});  // the dialog again, cancelled
    ui_.AnswerNextFileDialog({});  // Open, cancelled
    ui_.AnswerNextFileDialog({text, 0, ""});
    Run(0, [&](fw::DialogDriver& d) {
        d.Click(IDC_LOAD);
        d.SysCommand(IDM_SAVE_FLEET_AS);
        d.Click(IDC_CLEAR3);
        d.SysCommand(IDM_SAVE_FLEET_AS);
        d.SysCommand(IDM_SAVE_FLEET_AS);
        for (int clear : {IDC_CLEAR1, IDC_CLEAR2})
            d.Click(clear);
        d.SysCommand(IDM_OPEN_FLEET);
        EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "0");
        d.SysCommand(IDM_OPEN_FLEET);
        EXPECT_EQ(d.Text(IDC_SHIP_CODE3), "Unknown-Ship");
        EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "221");
        WriteFile(platform::HostPath(renamed), ReadFile(platform::HostPath(text)));
        WriteFile(platform::HostPath(otherRelease), fleettest::Le(1) + fleettest::Le(0));
        for (int clear : {IDC_CLEAR1, IDC_CLEAR2, IDC_CLEAR3})
            d.Click(clear);
        for (const std::vector<std::string>& drop :
             {std::vector<std::string>{binary}, {otherRelease}, {text, binary}}) {
            d.DropFiles(drop);
            EXPECT_EQ(d.Text(IDC_SHIP_CODE1), "CV-Kestrel");
            EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "214");
        }
        d.DropFiles({renamed});
        EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "221");
        d.DropFiles({binary});  // slot 3 stays, as Load leaves it
        EXPECT_EQ(d.Text(IDC_SHIP_CODE3), "Unknown-Ship");
        d.Click(IDC_CLEAR3);
        d.Click(fw::kIdOk);
    });
    EXPECT_EQ(ReadFile(platform::HostPath(binary)),
              FleetBytes({Ship("CV-Kestrel", 64), Ship("CV-Condor", 150)}));
    EXPECT_EQ(ReadFile(platform::HostPath(text)), FormatFleetText(DecodedThreeShips(), "\r\n"));
    EXPECT_EQ(ReadFile(machine.FleetFile()), ReadFile(platform::HostPath(binary)));
    EXPECT_THAT(Texts(), ::testing::ElementsAre("Arena.flt already exists.\nDo you want to "
                                                "replace it?",
                                                "Could not open " + otherRelease +
                                                    ":\nKestrivar and Script are incompatible "
                                                    "releases.",
                                                kOneFleetAtATimeMessage, kSaved));
    const std::vector<fw::FileDialogRequest> asked = ui_.FileDialogs();
    ASSERT_EQ(asked.size(), 6u);
    EXPECT_TRUE(asked[0].save);
    EXPECT_EQ(asked[0].directory, folder);
    EXPECT_EQ(asked[1].fileName, "Campaign.txt");
    EXPECT_EQ(asked[1].typeIndex, 1);
    EXPECT_EQ(asked[3].fileName, "Arena.flt");
    EXPECT_FALSE(asked[4].save);
    std::filesystem::remove_all(platform::HostPath(folder));
}

KV_INSTANTIATE_UI_TEST_SUITE_P(MainDialogFleet);

}  // namespace

namespace {

// Select runs the Pick Ship dialog over the program's catalogue.
class MainDialogSelect : public MainDialogFleet {
  protected:
    void SetUp() override {
        MainDialogFleet::SetUp();
        saved_ = g_shipCatalogue.mainList;
        g_shipCatalogue.mainList.clear();
        for (auto [name, bpv] :
             {std::pair<const char*, int32_t>{"CV-Kestrel", 62}, {"CV-Condor", 142}}) {
            ShipSpec ship;
            ship.race = 16;
            ship.hullClass = 3;
            ship.className = name;
            ship.bpv = bpv;
            ship.marines = 2;
            ship.marinesMax = 6;
            g_shipCatalogue.mainList.push_back(ship);
        }
    }
    void TearDown() override {
        g_shipCatalogue.mainList = saved_;
        MainDialogFleet::TearDown();
    }

    // The picker's script: step `forward` ships on, add `marines` marines, then OK.
    static fw::UiDriver::Script Pick(int forward, int marines) {
        return [forward, marines](fw::DialogDriver& d) {
            for (int i = 0; i < forward; ++i)
                d.Spin(IDC_SHIP_SPIN, -1);
            for (int i = 0; i < marines; ++i)
                d.Spin(IDC_MARINES_SPIN, -1);
            d.Click(fw::kIdOk);
        };
    }

  private:
    std::list<ShipSpec> saved_;
};

TEST_P(MainDialogSelect, SlotsFillInOrderAndReopenWithTheirLoadout) {
    const auto reopen = [](fw::DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_SHIP_CODE), "CV-Condor");  // the slot's ship and loadout
        EXPECT_EQ(d.Text(IDC_MARINES), "4");
        d.Close();
    };
    Run(0,
        [](fw::DialogDriver& d) {
            d.Click(IDC_SELECT3);
            EXPECT_EQ(d.Text(IDC_SHIP_CODE1), "CV-Condor");
            EXPECT_EQ(d.Text(IDC_BPV1), "146");
            d.Click(IDC_SELECT1);  // Cancel keeps the slot
            EXPECT_EQ(d.Text(IDC_BPV1), "146");
            d.Click(IDC_SELECT3);
            EXPECT_EQ(d.Text(IDC_SHIP_CODE2), "CV-Kestrel");
            EXPECT_EQ(d.Text(IDC_SHIP_CODE3), "");
            EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "208");
            d.Close();
        },
        // Select 3 on a fresh dialog picks for slot 1; then slot 1 reopens; then Select 3 with
        // slot 2 empty picks for slot 2.
        {Pick(1, 2), reopen, Pick(0, 0)});
}

TEST_P(MainDialogSelect, APickForSlotOneShowsBaseDamageAndResetsTypedText) {
    Run(1,
        [](fw::DialogDriver& d) {
            d.Click(IDC_SELECT1);
            EXPECT_TRUE(d.IsVisible(IDC_BASE_DAMAGE));
            d.Type(IDC_BASE_DAMAGE, "50");
            d.Click(IDC_SELECT1);
            EXPECT_EQ(d.Text(IDC_BASE_DAMAGE), "0");  // the member's value, not the typed text
            d.Close();
        },
        {Pick(0, 0), Pick(1, 0)});
}

KV_INSTANTIATE_UI_TEST_SUITE_P(MainDialogSelect);

}  // namespace

namespace {

// Copy Fleet as Text and Paste Fleet, from the system menu and with Ctrl+C and Ctrl+V, on the
// headless backend's clipboard.
class MainDialogClipboard : public kvtest::KestrivarHeadlessDialogTest {
  protected:
    int Run(int vezireZaradud, fw::UiDriver::Script script) {
        CKestrivarDlg dlg;
        dlg.SetVezireZaradud(vezireZaradud);
        ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, std::move(script));
        return dlg.DoModal();
    }
    std::string Clipboard() { return Headless().ClipboardText().value_or("(none)"); }

    fleettest::TestMachine machine;
};

TEST_F(MainDialogClipboard, CopyPutsWhatSaveWouldWriteOnTheClipboard) {
    WriteFile(machine.FleetFile(),
              FleetBytes({Ship("CV-Kestrel", 64), Ship("CV-Condor", 150), Ship("V CA, ok", 7)}));
    Run(0, [this](fw::DialogDriver& d) {
        fw::headless::HeadlessDialogDriver& h = fw::headless::AsHeadless(d);
        d.SysCommand(IDM_COPY_FLEET);
        EXPECT_EQ(Clipboard(), "Kestrivar fleet\r\nTotal BPV 0\r\n");
        d.Click(IDC_LOAD);
        d.Click(IDC_CLEAR2);  // a gap, which Save closes
        h.PressCtrlKey('C');
        EXPECT_EQ(Clipboard(),
                  "Kestrivar fleet\r\n"
                  "CV-Kestrel (BPV 62, adjusted 64)\r\n"
                  "\"V CA, ok\" (BPV 5, adjusted 7)\r\n"
                  "Total BPV 71\r\n");
        d.Close();
    });
}

// Ctrl+O opens a fleet, Ctrl+Shift+S saves it as; Ctrl+S alone is no shortcut.
TEST_F(MainDialogClipboard, ShortcutsOpenTheFileDialogs) {
    ui_.AnswerNextFileDialog({});
    ui_.AnswerNextFileDialog({});
    Run(0, [](fw::DialogDriver& d) {
        fw::headless::HeadlessDialogDriver& h = fw::headless::AsHeadless(d);
        h.PressCtrlKey('S');
        h.PressCtrlKey('S', true);
        h.PressCtrlKey('O');
        d.Close();
    });
    const std::vector<fw::FileDialogRequest> asked = ui_.FileDialogs();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].title, "Save Fleet As");
    EXPECT_EQ(asked[1].title, "Open Fleet");
}

// Paste follows Load: the slots the count reaches, the total, the visibility rules; nothing
// written, and a text that is no fleet changes nothing. Ctrl+V in an edit is the edit's.
TEST_F(MainDialogClipboard, PasteFillsTheSlotsAsLoadDoes) {
    const std::string scriptsIni = machine.InstallGame();
    Run(1, [this](fw::DialogDriver& d) {
        fw::headless::HeadlessDialogDriver& h = fw::headless::AsHeadless(d);
        d.SysCommand(IDM_PASTE_FLEET);  // the clipboard is empty
        Headless().SetClipboardText(
            "Kestrivar fleet\n> CV-Kestrel (BPV 62, adjusted 64)\nB (BPV 1, adjusted 2)\n"
            "C (BPV 3, adjusted 4)\n");
        h.PressCtrlKey('V');
        EXPECT_EQ(d.Text(IDC_SHIP_CODE3), "C");
        Headless().SetClipboardText("Kestrivar fleet\nV-SB (BPV 300, adjusted 310)\n");
        d.SysCommand(IDM_PASTE_FLEET);
        EXPECT_EQ(d.Text(IDC_SHIP_CODE1), "V-SB");
        EXPECT_EQ(d.Text(IDC_SHIP_CODE2), "B");  // beyond the count: kept
        EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "316");
        EXPECT_TRUE(d.IsVisible(IDC_BASE_DAMAGE));  // slot 1 holds a base

        Headless().SetClipboardText("Kestrivar fleet\nV-SB (BPV 300, adjusted 310): 9 mines\nX");
        h.MoveFocus(IDC_BASE_DAMAGE);
        h.PressCtrlKey('V');  // no message: the edit's own paste
        d.SysCommand(IDM_PASTE_FLEET);
        Headless().SetClipboardText(std::string(kMaxFleetTextSize + 1, '\n'));
        d.SysCommand(IDM_PASTE_FLEET);
        Headless().SetClipboardInUse(true);
        d.SysCommand(IDM_PASTE_FLEET);
        Headless().SetClipboardInUse(false);
        EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "316");
        d.Close();
    });
    const std::vector<fw::MessageBoxRecord> boxes = ui_.MessageBoxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].text, "The clipboard holds no text.");
    EXPECT_EQ(boxes[1].text,
              "The text on the clipboard is not a fleet:\n"
              "line 3: \"X\" is not a ship line: NAME (BPV n, adjusted n)");
    EXPECT_EQ(boxes[1].caption, "Paste Fleet");
    EXPECT_EQ(boxes[1].flags, fw::kMbOk | fw::kMbIconExclamation);
    EXPECT_EQ(boxes[2].text, "The text on the clipboard is too long to be a fleet (65537 bytes).");
    EXPECT_EQ(
        boxes[3].text,
        "The clipboard cannot be opened: another program is using it. Try again in a moment.");
    EXPECT_FALSE(FileExists(machine.FleetFile()));
    EXPECT_FALSE(FileExists(scriptsIni));
}

}  // namespace
