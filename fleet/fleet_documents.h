#pragma once

#include <array>
#include <string>

#include "fleet/fleet_file_codec.h"
#include "platform/file_replace.h"

// Fleets the player keeps as files of their own, beside the one the game reads: in the game's
// binary format (what Save writes) or as the fleet's text (what Copy Fleet as Text writes).
// Open tells the two apart by their content, so a renamed file still opens.

enum class FleetFormat { kFleetFile, kFleetText };

// The types Save As offers, in FleetFormat's order: a description and the files' pattern.
struct FleetFileType {
    const char* description;
    const char* extension;  // without the dot
};
constexpr FleetFileType kFleetFileTypes[] = {{"Fleet files (*.flt)", "flt"},
                                             {"Fleet text (*.txt)", "txt"}};

constexpr char kFleetsFolderName[] = "Kestrivar Fleets";
constexpr char kOpenFleetCaption[] = "Open Fleet";
constexpr char kSaveFleetAsCaption[] = "Save Fleet As";
constexpr char kOneFleetAtATimeMessage[] =
    "One fleet opens at a time: drop a single .flt or .txt file.";

// "<Documents>\Kestrivar Fleets", made when it is missing; the Documents folder itself when it
// cannot be made; empty when the system names no Documents folder.
std::string FleetsFolder();

// The fleet's text when the bytes start with its title line (after what its reader forgives) or
// a UTF-16 character; the game's format when they start with its release number, or hold
// control bytes (binary numbers, another binary format) in their first eight bytes where a text
// would hold letters; otherwise text (which its reader refuses with a line number).
FleetFormat FleetFormatOf(const std::string& bytes);

// The format a Save As to this path writes: a name ending in ".flt" or ".txt" (in any case)
// names it, whatever type is chosen; any other name takes the chosen type's.
FleetFormat FleetFormatForName(const std::string& path, FleetFormat chosen);

// What Save As writes: the file Save writes, or the text Copy Fleet as Text puts on the
// clipboard (CR LF line ends).
std::string FleetDocumentBytes(FleetFormat format, const std::array<SlotState, 3>& slots);

// Reads a fleet from the bytes of a file as Open does. False with why it is no fleet: the
// reasons Load and Paste give (a text's line and fault, another release), or that the file is
// empty, too short, too long or some other kind of file (its "release" no small number).
bool ReadFleetDocument(const std::string& bytes, FleetFileContents& contents, std::string& why);

// Open of the file at a Windows path: ReadFleetDocument on its bytes, or why it could not be read.
bool OpenFleetDocument(const std::string& windowsPath, FleetFileContents& contents,
                       std::string& why);

// "Could not open <path>:\n<why>".
std::string CouldNotOpenMessage(const std::string& windowsPath, const std::string& why);

// Save As: the fleet in the format, in place of the file at a Windows path, through the same
// replacement as Save.
platform::ReplaceResult SaveFleetDocument(const std::string& windowsPath, FleetFormat format,
                                          const std::array<SlotState, 3>& slots);
