// Arbitrary bytes read two ways: as a fleet's text, as Paste reads the clipboard
// (ParseFleetText), and as a fleet file, as Load reads it (DecodeFleetFile).
//
// Checks, for the text: a refusal names its line; an accepted text gives a count and as many
// records as that count places, zero beyond them; the text written for what was read (with LF
// and with CR LF line ends) reads back to the same count and records, and writing those again
// gives the same text. For the file: whatever a Load takes from it goes to text and back (LF
// and CR LF) to the same count, and to the file Save writes after that Load, byte for byte. And
// as Open Fleet reads a file of the player's own (CheckOpen).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fleet/fleet_documents.h"
#include "fleet/fleet_file_codec.h"
#include "fleet/fleet_text.h"
#include "fuzz/support/require.h"
#include "gamedata/fleet_slot.h"

using fuzzsupport::Require;

namespace {

void CheckRecords(const FleetFileContents& contents) {
    const size_t placed = static_cast<size_t>(SlotsFilledByCount(contents.count));
    for (size_t i = placed; i < contents.records.size(); ++i)
        Require(contents.records[i] == FleetSlot{}, "no record beyond those the count places");
}

void CheckRoundTrip(const FleetFileContents& contents, const char* lineEnd) {
    const std::string written = FormatFleetText(contents, lineEnd);
    FleetFileContents again;
    std::string error;
    Require(ParseFleetText(written, again, error), "the text written for a fleet read is read");
    Require(again.count == contents.count && again.records == contents.records,
            "the text written reads back to the same fleet");
    Require(FormatFleetText(again, lineEnd) == written, "writing it again gives the same text");
}

void CheckText(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    FleetFileContents contents;
    std::string error;
    if (!ParseFleetText(text, contents, error)) {
        Require(error.compare(0, 5, "line ") == 0 || error == TooLongForFleetText(size) ||
                    error == kFleetTextIsUtf16,
                "a refusal names its line");
        return;
    }
    CheckRecords(contents);
    CheckRoundTrip(contents, "\n");
    CheckRoundTrip(contents, "\r\n");
}

void CheckFile(const uint8_t* data, size_t size) {
    FleetFileContents loaded;
    if (DecodeFleetFile(data, size, loaded) != FleetFileKind::kFleet)
        return;
    const std::string saved = EncodeFleetFile(loaded);
    for (const char* lineEnd : {"\n", "\r\n"}) {
        FleetFileContents pasted;
        std::string error;
        Require(ParseFleetText(FormatFleetText(loaded, lineEnd), pasted, error),
                "the text of any file Load accepts is read");
        Require(pasted.count == loaded.count, "the text keeps the count as stored");
        Require(EncodeFleetFile(pasted) == saved, "the text gives the file Save writes back");
    }
}

// Open of the bytes as a file of the player's own: it reads them as the reader of the format it
// tells reads them; and whatever it takes, Save As writes in either format a file that it tells
// to be of that format and reads back to the same fleet.
void CheckOpen(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    FleetFileContents opened;
    std::string why;
    const bool accepted = ReadFleetDocument(bytes, opened, why);
    FleetFileContents read;
    std::string error;
    if (FleetFormatOf(bytes) == FleetFormat::kFleetText)
        Require(bytes.empty() || accepted == ParseFleetText(bytes, read, error),
                "Open takes a text as Paste does");
    else
        Require(accepted == (DecodeFleetFile(data, size, read) == FleetFileKind::kFleet),
                "Open takes a file as Load does");
    if (!accepted)
        return;
    const std::array<SlotState, 3> slots = SlotsLoadedFrom(opened);
    for (FleetFormat format : {FleetFormat::kFleetFile, FleetFormat::kFleetText}) {
        const std::string saved = FleetDocumentBytes(format, slots);
        Require(FleetFormatOf(saved) == format, "a fleet saved as one format opens as it");
        FleetFileContents back;
        Require(ReadFleetDocument(saved, back, why) &&
                    FleetDocumentBytes(format, SlotsLoadedFrom(back)) == saved,
                "a fleet saved opens to the same fleet");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckText(data, size);
    CheckFile(data, size);
    CheckOpen(data, size);
    return 0;
}
