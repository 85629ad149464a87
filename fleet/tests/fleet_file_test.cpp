#include "fleet/fleet_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "fleet/tests/fleet_test_texts.h"
#include "fleet/tests/test_machine.h"
#include "framework/dialog.h"
#include "framework/headless/headless_backend.h"
#include "framework/headless/kestrivar_resources.h"
#include "framework/headless/resource_script.h"
#include "res/resource.h"
#include "tests/support/file_faults.h"
#include "tests/support/temp_dir.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testsupport::ReadFile;
using testsupport::WriteFile;

using fleettest::Le;
using fleettest::Padded;

// A ship whose every field differs from the others and from the other samples' fields.
FleetSlot Ship(int n, const char* code, const char* fighter) {
    FleetSlot slot;
    EXPECT_TRUE(SetShipCode(slot, code));
    EXPECT_TRUE(SetFighterType(slot, fighter));
    slot.baseBpv = 100 * n + 1;
    slot.adjustedBpv = -(100 * n + 2);
    slot.marinesTaken = 100 * n + 3;
    slot.minesTaken = 100 * n + 4;
    slot.repairsTaken = 100 * n + 5;
    slot.shuttlesTaken = 100 * n + 6;
    slot.missileType = 4;
    slot.missileSpeed = 3;
    slot.missileReloads = 0x00070000 + n;
    slot.fighterBays = 100 * n + 8;
    slot.fightersPerBay = 100 * n + 9;
    return slot;
}

// Ship(n, code, fighter) as the game reads it from the file.
std::string ShipRecord(int n, const char* code, const char* fighter) {
    const uint32_t b = 100u * static_cast<uint32_t>(n);
    return Padded(code, 16) + Le(b + 1) + Le(static_cast<uint32_t>(-static_cast<int32_t>(b + 2))) +
           Le(b + 3) + Le(b + 4) + Le(b + 5) + Le(b + 6) + Le(4) + Le(3) +
           Le(0x00070000u + static_cast<uint32_t>(n)) + Le(0) + Le(b + 8) + Le(b + 9) +
           Padded(fighter, 40);
}

const FleetSlot kEmpty{};

// Entries of a directory that a replacement of the fleet file could have left behind.
std::vector<std::string> TemporaryFilesIn(const std::string& directory) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.rfind("Kestrivar.FLT.", 0) == 0)
            names.push_back(name);
    }
    return names;
}

void MakeReadOnly(const std::string& path, bool readOnly) {
    const fs::perms write =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(path, readOnly ? write : fs::perms::owner_write,
                    readOnly ? fs::perm_options::remove : fs::perm_options::add);
}

// The texts the user reads, spelled out apart from the code.
using fleettest::kSaved;
const char kNotWritten[] = "Aack, could not write to C:\\Kestrivar.FLT!";
const char kErased[] =
    "Your custom fleet settings have been erased.\n"
    "Your in-game fleet selection will be used in your next match.";

// The fleet file on drive C: of a test machine, with the program's real dialog templates on the
// headless backend to own the message boxes.
class FleetFileTest : public ::testing::Test {
  protected:
    FleetFileTest()
        : ui_(fw::headless::ParseResourceScript(fw::headless::KestrivarResourceText()->script,
                                                fw::headless::KestrivarResourceText()->header)),
          use_(ui_) {}

    void TearDown() override { EXPECT_THAT(ui_.Unused(), IsEmpty()); }

    // Runs `action` while a dialog on the main template is open, as its handlers do.
    void WithOwner(const std::function<void(fw::CDialog&)>& action) {
        fw::CDialog owner(IDD_KESTRIVAR_DIALOG);
        ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [&](fw::DialogDriver& d) {
            action(owner);
            d.Close();
        });
        owner.DoModal();
    }

    static fw::MessageBoxRecord Owned(const std::string& text, int answer = fw::kIdOk,
                                      const std::string& caption = "Kestrivar",
                                      unsigned flags = fw::kMbOk) {
        return {text, caption, flags, answer, IDD_KESTRIVAR_DIALOG};
    }

    fleettest::TestMachine machine_;
    const std::string path_ = machine_.FleetFile();
    fw::headless::HeadlessBackend ui_;
    fw::ScopedBackend use_;
};

TEST_F(FleetFileTest, SaveWritesTheHeaderAndTheOccupiedSlotsByteForByte) {
    const FleetSlot one = Ship(1, "V-CA", "Wasp");
    const FleetSlot two = Ship(2, "Corvane Lance", "");
    const FleetSlot three = Ship(3, "V-DN", "Hornet Mk II");
    const std::string header = Le(2);
    struct Case {
        std::array<SlotState, 3> slots;
        std::string bytes;
    };
    const Case cases[] = {
        {{}, header + Le(0)},
        {{{{true, one}, {}, {}}}, header + Le(1) + ShipRecord(1, "V-CA", "Wasp")},
        {{{{true, one}, {false, two}, {true, three}}},
         header + Le(2) + ShipRecord(1, "V-CA", "Wasp") + ShipRecord(3, "V-DN", "Hornet Mk II")},
        {{{{true, one}, {true, two}, {true, three}}},
         header + Le(3) + ShipRecord(1, "V-CA", "Wasp") + ShipRecord(2, "Corvane Lance", "") +
             ShipRecord(3, "V-DN", "Hornet Mk II")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        WithOwner([&](fw::CDialog& owner) { EXPECT_TRUE(SaveFleet(owner, c.slots)); });
        EXPECT_EQ(ReadFile(path_), c.bytes);
    }
    EXPECT_THAT(TemporaryFilesIn(machine_.DriveC()), IsEmpty());
    EXPECT_EQ(ui_.MessageBoxes(), std::vector<fw::MessageBoxRecord>(4, Owned(kSaved)));

    // Slots 1 and 3 come back in slots 1 and 2.
    ASSERT_TRUE(WriteFleetFile({{{true, one}, {}, {true, three}}}));
    const FleetFileContents back = ReadFleetFile();
    EXPECT_EQ(back.count, 2);
    EXPECT_EQ(SlotsFilledByCount(back.count), 2);
    EXPECT_EQ(back.records[0], one);
    EXPECT_EQ(back.records[1], three);
    EXPECT_EQ(back.records[2], kEmpty);
}

// Every refusal leaves what was at the path as it was, leaves no temporary file and tells the
// user the fleet was not saved.
TEST_F(FleetFileTest, SaveThatCannotReplaceTheFileKeepsTheOldOneAndSaysSo) {
    const std::array<SlotState, 3> slots{{{true, Ship(1, "V-CA", "")}, {}, {}}};
    const std::string previous = Le(2) + Le(0);

    fs::create_directory(path_);
    WithOwner([&](fw::CDialog& owner) { EXPECT_FALSE(SaveFleet(owner, slots)); });
    EXPECT_TRUE(fs::is_directory(path_));
    EXPECT_TRUE(fs::is_empty(path_));
    fs::remove(path_);

    WriteFile(path_, previous);
    MakeReadOnly(path_, true);
    WithOwner([&](fw::CDialog& owner) { EXPECT_FALSE(SaveFleet(owner, slots)); });
    MakeReadOnly(path_, false);
    EXPECT_EQ(ReadFile(path_), previous);

    EXPECT_THAT(TemporaryFilesIn(machine_.DriveC()), IsEmpty());
    EXPECT_EQ(ui_.MessageBoxes(), std::vector<fw::MessageBoxRecord>(2, Owned(kNotWritten)));
}

// A write that failed tells what became of the file and every file of ours left beside it; a
// plain failure keeps the short message, and a Save that left a file of ours says so too.
TEST(CouldNotWriteMessage, NamesEveryFileTheUserMustKnowAbout) {
    using Outcome = platform::ReplaceResult::Outcome;
    platform::ReplaceResult damaged(Outcome::kDamaged);
    damaged.failedStep = "could not write the new contents";
    damaged.systemError = "Disk full";
    EXPECT_EQ(CouldNotWriteMessage(kFleetFilePath, platform::ReplaceResult(Outcome::kUnchanged)),
              kFleetWriteFailedMessage);
    EXPECT_EQ(CouldNotWriteMessage(kFleetFilePath, damaged),
              "Aack, could not write to C:\\Kestrivar.FLT!\nCould not write the new contents: Disk "
              "full. The file may be damaged, and no copy of its old contents is left.");
    damaged.oldContentsCopy = "C:\\Kestrivar.FLT.old-12-0";
    damaged.newContentsFile = "C:\\Kestrivar.FLT.tmp-12-1";
    damaged.undeletedFiles = {"C:\\Kestrivar.FLT.old-12-2"};
    EXPECT_EQ(CouldNotWriteMessage(kFleetFilePath, damaged),
              "Aack, could not write to C:\\Kestrivar.FLT!\nCould not write the new contents: Disk "
              "full. The file may be damaged; its old contents are in C:\\Kestrivar.FLT.old-12-0. "
              "The new contents are in C:\\Kestrivar.FLT.tmp-12-1. The file "
              "C:\\Kestrivar.FLT.old-12-2 is no longer needed but could not be deleted.");
    platform::ReplaceResult saved(Outcome::kReplaced);
    EXPECT_EQ(SavedMessage(saved), kFleetSavedMessage);
    saved.undeletedFiles = {"C:\\Kestrivar.FLT.old-12-2"};
    EXPECT_EQ(SavedMessage(saved), std::string(kFleetSavedMessage) +
                                       "\nThe file C:\\Kestrivar.FLT.old-12-2 is no longer "
                                       "needed but could not be deleted.");
}

#ifndef _WIN32

TEST_F(FleetFileTest, SaveFailsWithoutADriveC) {
    const std::array<SlotState, 3> slots{};
    // drive_c is gone: dosdevices/c: is a dangling link.
    fs::remove_all(machine_.DriveC());
    EXPECT_FALSE(WriteFleetFile(slots));
    EXPECT_FALSE(fs::exists(machine_.DriveC()));
    // No C: at all.
    fs::remove(machine_.Prefix().path() + "/dosdevices/c:");
    WithOwner([&](fw::CDialog& owner) { EXPECT_FALSE(SaveFleet(owner, slots)); });
    EXPECT_THAT(ui_.MessageBoxes(), ElementsAre(Owned(kNotWritten)));
}

// A full disk, a write cut short, a flush or close that reports a lost write, a refused rename:
// each keeps the fleet file the game would read, leaves no temporary file and tells the user.
TEST_F(FleetFileTest, SaveThatFailsAtAnyStepKeepsTheOldFileAndSaysSo) {
    using testsupport::FileFault;
    const std::string previous = Le(2) + Le(1) + ShipRecord(9, "OLD", "");
    WriteFile(path_, previous);
    const std::array<SlotState, 3> slots{{{true, Ship(1, "V-CA", "Wasp")}, {}, {}}};
    for (const FileFault fault : testsupport::kEveryFileFault) {
        testsupport::InjectedFileFault injected(fault);
        WithOwner([&](fw::CDialog& owner) { EXPECT_FALSE(SaveFleet(owner, slots)); });
        EXPECT_TRUE(injected.Struck()) << static_cast<int>(fault);
    }
    EXPECT_EQ(ReadFile(path_), previous);
    EXPECT_THAT(TemporaryFilesIn(machine_.DriveC()), IsEmpty());
    EXPECT_EQ(ui_.MessageBoxes(), std::vector<fw::MessageBoxRecord>(
                                      std::size(testsupport::kEveryFileFault), Owned(kNotWritten)));
}

// A full disk, made by a file size limit in a child process (writes past it fail with EFBIG
// once SIGXFSZ is ignored). The child saves within the open dialog and reports by its exit
// status: 0 when the save failed with the failure message.
TEST_F(FleetFileTest, SaveOnAFullDiskKeepsTheOldFileAndSaysSo) {
    const std::string previous = Le(2) + Le(1) + ShipRecord(9, "OLD", "");
    WriteFile(path_, previous);
    const std::array<SlotState, 3> slots{
        {{true, Ship(1, "V-CA", "")}, {true, Ship(2, "V-CL", "")}, {true, Ship(3, "V-DD", "")}}};
    int status = -1;
    WithOwner([&](fw::CDialog& owner) {
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{100, 100};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                ::_exit(2);
            const bool saved = SaveFleet(owner, slots);
            const std::vector<fw::MessageBoxRecord> boxes = ui_.MessageBoxes();
            const bool told = boxes.size() == 1 && boxes[0] == Owned(kNotWritten);
            ::_exit(!saved && told ? 0 : 1);
        }
        ASSERT_EQ(::waitpid(child, &status, 0), child);
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the full disk went unnoticed or unreported";
    EXPECT_EQ(ReadFile(path_), previous);
    EXPECT_THAT(TemporaryFilesIn(machine_.DriveC()), IsEmpty());
}

#endif

TEST_F(FleetFileTest, ReadTakesTheCountAsStoredAndUpToTenRecords) {
    const std::string r1 = ShipRecord(1, "V-CA", "Wasp");
    const std::string r2 = ShipRecord(2, "V-CL", "");
    const std::string r3 = ShipRecord(3, "V-DD", "");
    const std::string r4 = ShipRecord(4, "V-FF", "");
    const std::string r5 = ShipRecord(5, "V-BB", "");
    std::string elevenRecords;
    for (int i = 0; i < 11; ++i)
        elevenRecords += r5;
    struct Case {
        const char* name;
        std::string bytes;
        int32_t count;
        int filled;
        std::vector<FleetSlot> records;  // the rest must be zero
    };
    const FleetSlot s5 = Ship(5, "V-BB", "");
    const Case cases[] = {
        {"three",
         Le(2) + Le(3) + r1 + r2 + r3,
         3,
         3,
         {Ship(1, "V-CA", "Wasp"), Ship(2, "V-CL", ""), Ship(3, "V-DD", "")}},
        {"five, of which three are placed",
         Le(2) + Le(5) + r1 + r2 + r3 + r4 + r5,
         5,
         3,
         {Ship(1, "V-CA", "Wasp"), Ship(2, "V-CL", ""), Ship(3, "V-DD", ""), Ship(4, "V-FF", ""),
          s5}},
        {"negative: ten read, all three slots filled",
         Le(2) + Le(0xFFFFFFFFu) + r1 + r2,
         -1,
         3,
         {Ship(1, "V-CA", "Wasp"), Ship(2, "V-CL", "")}},
        {"more than ten stored", Le(2) + Le(11) + elevenRecords, 11, 3,
         std::vector<FleetSlot>(10, s5)},
        {"header only", Le(2) + Le(2), 2, 2, {}},
        {"one", Le(2) + Le(1) + r1 + r2, 1, 1, {Ship(1, "V-CA", "Wasp")}},
        {"zero", Le(2) + Le(0) + r1, 0, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(path_, c.bytes);
        const FleetFileContents contents = ReadFleetFile();
        EXPECT_EQ(contents.count, c.count);
        EXPECT_EQ(SlotsFilledByCount(contents.count), c.filled);
        for (size_t i = 0; i < kMaxSlotsRead; ++i)
            EXPECT_EQ(contents.records[i], i < c.records.size() ? c.records[i] : kEmpty) << i;
    }
    EXPECT_THAT(ui_.MessageBoxes(), IsEmpty());
}

TEST_F(FleetFileTest, ReadOfAnotherReleaseSaysSoAndLoadsNothing) {
    const std::string records = ShipRecord(1, "V-CA", "") + ShipRecord(2, "V-CL", "");
    // A release number is enough to tell, even without a count after it.
    for (const std::string& file : {Le(1) + Le(2) + records, Le(3) + Le(2) + records, Le(7)}) {
        WriteFile(path_, file);
        const FleetFileContents contents = ReadFleetFile();
        EXPECT_EQ(contents.count, 0) << file.size();
        EXPECT_EQ(contents.records[0], kEmpty) << file.size();
    }
    const fw::MessageBoxRecord box{"Kestrivar and Script are incompatible releases.", "Error",
                                   fw::kMbOk | fw::kMbIconExclamation, fw::kIdOk, 0};
    EXPECT_THAT(ui_.MessageBoxes(), ElementsAre(box, box, box));
}

TEST_F(FleetFileTest, ReadOfAMissingOrUnreadableFileLoadsNothingSilently) {
    EXPECT_EQ(ReadFleetFile().count, 0);
    const std::string cases[] = {"", Le(2).substr(0, 3), Le(2), Le(2) + Le(3).substr(0, 2)};
    for (const std::string& bytes : cases) {
        WriteFile(path_, bytes);
        EXPECT_EQ(ReadFleetFile().count, 0) << bytes.size() << " bytes";
    }
    fs::remove(path_);
    fs::create_directory(path_);
    EXPECT_EQ(ReadFleetFile().count, 0);
    EXPECT_THAT(ui_.MessageBoxes(), IsEmpty());
}

TEST_F(FleetFileTest, ReadTakesARecordCutShortAsFarAsItGoes) {
    const std::string second = ShipRecord(2, "V-CL", "Wasp");
    // Name and eight numbers whole, then the low two bytes of missileReloads.
    WriteFile(path_, Le(2) + Le(3) + ShipRecord(1, "V-CA", "") + second.substr(0, 50));
    const FleetFileContents contents = ReadFleetFile();
    EXPECT_EQ(contents.count, 3);
    EXPECT_EQ(contents.records[0], Ship(1, "V-CA", ""));
    FleetSlot cut = Ship(2, "V-CL", "");
    cut.missileReloads = 2;
    cut.fighterBays = 0;
    cut.fightersPerBay = 0;
    EXPECT_EQ(contents.records[1], cut);
    EXPECT_EQ(contents.records[2], kEmpty);
}

TEST_F(FleetFileTest, ReadKeepsNamesWithoutTerminatorsWithinTheirFields) {
    const std::string record =
        std::string(16, 'S') + std::string(48, '\x7F') + std::string(40, 'F');
    WriteFile(path_, Le(2) + Le(1) + record);
    const FleetFileContents contents = ReadFleetFile();
    ASSERT_EQ(contents.count, 1);
    EXPECT_EQ(ShipCodeText(contents.records[0]), std::string(16, 'S'));
    EXPECT_EQ(FighterTypeText(contents.records[0]), std::string(40, 'F'));
    EXPECT_EQ(contents.records[0].reserved, 0x7F7F7F7F);
}

TEST_F(FleetFileTest, RemoveWithoutAFileOnlySaysTheSettingsAreErased) {
    WithOwner([](fw::CDialog& owner) { RemoveFleetFile(owner); });
    EXPECT_THAT(ui_.MessageBoxes(), ElementsAre(Owned(kErased)));
}

TEST_F(FleetFileTest, RemoveAsksAndDeletesOnlyOnYes) {
    const std::string fleet = Le(2) + Le(1) + ShipRecord(1, "V-CA", "");
    WriteFile(path_, fleet);
    ui_.AnswerNextMessageBox(fw::kIdNo);
    WithOwner([](fw::CDialog& owner) { RemoveFleetFile(owner); });
    EXPECT_EQ(ReadFile(path_), fleet);

    ui_.AnswerNextMessageBox(fw::kIdYes);
    WithOwner([](fw::CDialog& owner) { RemoveFleetFile(owner); });
    EXPECT_FALSE(fs::exists(path_));
    EXPECT_EQ(ReadFleetFile().count, 0);

    const fw::MessageBoxRecord question =
        Owned("Are you sure you want to erase your custom fleet settings?", fw::kIdNo, "Question",
              fw::kMbYesNo | fw::kMbIconQuestion);
    fw::MessageBoxRecord yes = question;
    yes.answer = fw::kIdYes;
    EXPECT_THAT(ui_.MessageBoxes(),
                ElementsAre(question, Owned("Your custom fleet settings were not erased."), yes,
                            Owned(kErased)));
}

TEST_F(FleetFileTest, RemoveThatCannotDeleteTheFileSaysSo) {
    const std::string fleet = Le(2) + Le(0);
    WriteFile(path_, fleet);
    MakeReadOnly(path_, true);
    ui_.AnswerNextMessageBox(fw::kIdYes);
    WithOwner([](fw::CDialog& owner) { RemoveFleetFile(owner); });
    MakeReadOnly(path_, false);
    EXPECT_EQ(ReadFile(path_), fleet);
    ASSERT_EQ(ui_.MessageBoxes().size(), 2u);
    EXPECT_EQ(ui_.MessageBoxes()[1], Owned("Aack, could not erase C:\\Kestrivar.FLT!"));
}

}  // namespace
