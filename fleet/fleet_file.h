#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fleet/fleet_file_codec.h"
#include "gamedata/fleet_slot.h"
#include "platform/file_replace.h"

namespace fw {
class CDialog;
}

// The one fleet file the game's mission scripts read at the start of a battle, and the three
// things the main dialog does with it: Save, Load and Remove. Each opens, uses and closes the
// file within one call.

constexpr char kFleetFilePath[] = "C:\\Kestrivar.FLT";

// The texts the user sees. MessageBoxA breaks a line at "\n", so two sentences meant for two
// lines are joined by it.
constexpr char kFleetSavedMessage[] =
    "Fleet saved... you will now play this fleet in your next battle.";
constexpr char kFleetWriteFailedMessage[] = "Aack, could not write to C:\\Kestrivar.FLT!";
// What a failed write of a file the program writes says, the file named by its full Windows
// path; when the file may be damaged or a file of ours is left, what became of it and where.
std::string CouldNotWriteMessage(const std::string& windowsPath,
                                 const platform::ReplaceResult& result = {});
// What a successful Save says, with any file of ours it could not delete.
std::string SavedMessage(const platform::ReplaceResult& result);
constexpr char kIncompatibleReleaseMessage[] = "Kestrivar and Script are incompatible releases.";
constexpr char kIncompatibleReleaseCaption[] = "Error";
constexpr char kRemoveQuestion[] = "Are you sure you want to erase your custom fleet settings?";
constexpr char kRemoveQuestionCaption[] = "Question";
constexpr char kFleetErasedMessage[] =
    "Your custom fleet settings have been erased.\n"
    "Your in-game fleet selection will be used in your next match.";
constexpr char kFleetNotErasedMessage[] = "Your custom fleet settings were not erased.";
constexpr char kFleetEraseFailedMessage[] = "Aack, could not erase C:\\Kestrivar.FLT!";

// Writes the header and one record per occupied slot, in slot order. The new file replaces the
// old one only once all of it is on disk; on any failure the previous file (if any) is left as
// it was, or the result says where its old bytes are (platform::ReplaceFileContents).
platform::ReplaceResult WriteFleetFile(const std::array<SlotState, 3>& slots);

// Save as the main dialog does it: WriteFleetFile, then the message that tells the user whether
// the fleet will be played, in a box owned by `owner`. Returns WriteFleetFile's result.
bool SaveFleet(fw::CDialog& owner, const std::array<SlotState, 3>& slots);

// Up to `limit` bytes from the start of the file at a Windows path, in `bytes`. False when it
// cannot be opened or a read fails; `bytes` then holds what was read.
bool ReadFileStart(const std::string& windowsPath, size_t limit, std::string& bytes);

// Reads the fleet file. A missing file, or one too short for the version or the count, gives
// count 0 silently. A file of another release shows "Kestrivar and Script are incompatible
// releases." (caption "Error", owned by no window) and gives count 0. Otherwise the contents
// as DecodeFleetFile gives them.
FleetFileContents ReadFleetFile();

// "Remove Custom Fleet Settings": asks before deleting an existing file and reports the
// outcome, all in boxes owned by `owner`. With no file there, it only reports that the settings
// are erased. A deletion that fails says so.
void RemoveFleetFile(fw::CDialog& owner);
