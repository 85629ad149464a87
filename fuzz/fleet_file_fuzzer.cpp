// Arbitrary bytes as the fleet file, decoded as Load decodes them (DecodeFleetFile), the slots
// a Load fills by the count placed, those slots encoded into a new file, which is decoded again.
// Inputs that do not start with this release's number are decoded a second time with it put in
// front, so that the records of every input reach the decoder.
//
// Checks: only a file of this release gives a count; a name read back from a record is at most
// its field's size (16 and 40 bytes); records the file does not hold read as zero; the file
// written holds the header (version 2, the number of occupied slots) and one record per
// occupied slot; reading the written file gives the same slots (same names, same numbers); and
// writing those again gives the same bytes. Slots are compared by their names' text, not their
// raw fields: bytes after a name's terminator are not part of it, and the writer zeroes them.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fleet/fleet_file_codec.h"
#include "fuzz/support/require.h"
#include "gamedata/fleet_slot.h"

using fuzzsupport::Require;

namespace {

using Slots = std::array<SlotState, 3>;

// Decodes a file and places the records into slots as Load does.
Slots ReadSlots(const unsigned char* bytes, size_t size) {
    FleetFileContents contents;
    const FleetFileKind kind = DecodeFleetFile(bytes, size, contents);
    Require(kind == FleetFileKind::kFleet || contents.count == 0,
            "only a file of this release gives a count");
    const size_t held = size > kFleetHeaderSize
                            ? (size - kFleetHeaderSize + kFleetSlotSize - 1) / kFleetSlotSize
                            : 0;
    Slots slots;
    for (size_t i = 0; i < contents.records.size(); ++i) {
        const FleetSlot& slot = contents.records[i];
        Require(ShipCodeText(slot).size() <= FleetSlot::kShipCodeSize &&
                    FighterTypeText(slot).size() <= FleetSlot::kFighterTypeSize,
                "a name read back fits its field");
        Require(i < held || slot == FleetSlot{}, "a record the file does not hold reads as zero");
    }
    const int filled = SlotsFilledByCount(contents.count);
    for (int i = 0; i < filled; ++i) {
        slots[static_cast<size_t>(i)].occupied = true;
        slots[static_cast<size_t>(i)].slot = contents.records[static_cast<size_t>(i)];
    }
    return slots;
}

bool SameSlot(const FleetSlot& a, const FleetSlot& b) {
    FleetSlot left = a;
    FleetSlot right = b;
    // Names compare by their text: clear the raw fields, then compare the numbers with ==.
    const bool sameNames =
        ShipCodeText(a) == ShipCodeText(b) && FighterTypeText(a) == FighterTypeText(b);
    std::fill(std::begin(left.shipCode), std::end(left.shipCode), '\0');
    std::fill(std::begin(right.shipCode), std::end(right.shipCode), '\0');
    std::fill(std::begin(left.fighterType), std::end(left.fighterType), '\0');
    std::fill(std::begin(right.fighterType), std::end(right.fighterType), '\0');
    return sameNames && left == right;
}

// Reads the file, writes what it read and reads that again.
void RoundTrip(const unsigned char* bytes, size_t size) {
    const Slots read = ReadSlots(bytes, size);

    const std::string written = EncodeFleetFile(read);

    size_t occupied = 0;
    for (const SlotState& state : read)
        occupied += state.occupied ? 1 : 0;
    const auto* const writtenBytes = reinterpret_cast<const unsigned char*>(written.data());
    Require(written.size() == kFleetHeaderSize + occupied * kFleetSlotSize,
            "the file written has a header and one record per occupied slot");
    Require(ReadLittleEndian32(writtenBytes) == static_cast<uint32_t>(kFleetFileVersion) &&
                ReadLittleEndian32(writtenBytes + 4) == occupied,
            "the header holds the release and the number of records");

    const Slots reread = ReadSlots(writtenBytes, written.size());
    // Occupied slots come back in order, closing up any gap; a file read fills slots 1..n.
    for (size_t i = 0; i < read.size(); ++i) {
        Require(reread[i].occupied == (i < occupied), "records fill the first slots in order");
    }
    size_t next = 0;
    for (const SlotState& state : read) {
        if (!state.occupied)
            continue;
        Require(SameSlot(reread[next].slot, state.slot), "a slot written reads back the same");
        ++next;
    }
    Require(EncodeFleetFile(reread) == written, "writing what was read back gives the same bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RoundTrip(data, size);
    if (size < 4 || ReadLittleEndian32(data) != static_cast<uint32_t>(kFleetFileVersion)) {
        std::vector<unsigned char> thisRelease(4);
        WriteLittleEndian32(thisRelease.data(), static_cast<uint32_t>(kFleetFileVersion));
        thisRelease.insert(thisRelease.end(), data, data + size);
        RoundTrip(thisRelease.data(), thisRelease.size());
    }
    return 0;
}
