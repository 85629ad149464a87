// Arbitrary bytes as a fleet's text, read as Paste reads the clipboard (ParseFleetText).
//
// Checks: a refusal names its line; an accepted text gives a count and as many records as that
// count places, zero beyond them; every name fits its field with room for the terminator (at
// most 15 and 39 characters) and holds no control character; the missile type is 0, 1 or 4 and
// the speed 0 to 3; the text written for what was read (with LF and with CR LF line ends) reads
// back to the same count and records, and writing those again gives the same text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fleet/fleet_file_codec.h"
#include "fleet/fleet_slot.h"
#include "fleet/fleet_text.h"
#include "fuzz/support/require.h"

using fuzzsupport::Require;

namespace {

bool HasControlCharacter(const std::string& name) {
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return true;
    }
    return false;
}

void CheckRecords(const FleetFileContents& contents) {
    const size_t placed = static_cast<size_t>(SlotsFilledByCount(contents.count));
    for (size_t i = 0; i < contents.records.size(); ++i) {
        const FleetSlot& record = contents.records[i];
        if (i >= placed) {
            Require(record == FleetSlot{}, "no record beyond those the count places");
            continue;
        }
        Require(record.shipCode[FleetSlot::kShipCodeSize - 1] == '\0' &&
                    record.fighterType[FleetSlot::kFighterTypeSize - 1] == '\0',
                "a name read fits its field with its terminator");
        Require(!HasControlCharacter(ShipCodeText(record)) &&
                    !HasControlCharacter(FighterTypeText(record)),
                "a name read holds no control character");
        Require(record.missileType == 0 || record.missileType == 1 || record.missileType == 4,
                "the missile type is 0, 1 or 4");
        Require(record.missileSpeed >= 0 && record.missileSpeed <= 3,
                "the missile speed is 0 to 3");
    }
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    FleetFileContents contents;
    std::string error;
    if (!ParseFleetText(text, contents, error)) {
        Require(error.compare(0, 5, "line ") == 0, "a refusal names its line");
        return 0;
    }
    CheckRecords(contents);
    CheckRoundTrip(contents, "\n");
    CheckRoundTrip(contents, "\r\n");
    return 0;
}
