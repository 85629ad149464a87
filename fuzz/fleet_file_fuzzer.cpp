// Arbitrary bytes as the fleet file: the header's ship count, then up to ten 104-byte records
// decoded the way Load takes them (a short file gives zero bytes for what it lacks; a negative
// count or one above ten reads ten), the first three placed into slots by the count; those
// slots are encoded into a new file, which is decoded again.
//
// Checks: a name read back from a record is at most its field's size (16 and 40 bytes); the file
// written holds the header (version 2, the number of occupied slots) and one record per
// occupied slot; reading the written file gives the same slots (same names, same numbers); and
// writing those again gives the same bytes. Slots are compared by their names' text, not their
// raw fields: bytes after a name's terminator are not part of it, and the writer zeroes them.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fleet/fleet_file_codec.h"
#include "fleet/fleet_slot.h"
#include "fuzz/support/require.h"

using fuzzsupport::Require;

namespace {

using Slots = std::array<SlotState, 3>;

// The slots a file fills. The release number is not checked here: that is the reader's first
// step, and records are decoded whatever it says so that the codec sees every input.
Slots ReadSlots(const unsigned char* bytes, size_t size) {
    unsigned char header[kFleetHeaderSize] = {};
    std::copy(bytes, bytes + std::min(size, kFleetHeaderSize), header);
    const auto count = static_cast<int32_t>(ReadLittleEndian32(header + 4));
    const size_t recordsRead = count < 0 || static_cast<size_t>(count) > kMaxSlotsRead
                                   ? kMaxSlotsRead
                                   : static_cast<size_t>(count);

    Slots slots;
    for (size_t i = 0; i < slots.size() && i < recordsRead; ++i) {
        const size_t offset = kFleetHeaderSize + i * kFleetSlotSize;
        const size_t available = size > offset ? std::min(size - offset, kFleetSlotSize) : 0;
        static const unsigned char kNothing[1] = {};
        const FleetSlot slot =
            DecodeFleetSlot(available > 0 ? bytes + offset : kNothing, available);
        Require(ShipCodeText(slot).size() <= FleetSlot::kShipCodeSize &&
                    FighterTypeText(slot).size() <= FleetSlot::kFighterTypeSize,
                "a name read back fits its field");
        // A count of 1 fills slot 1, a count of 2 slots 1 and 2; any other non-zero count, a
        // negative one too, fills all three.
        slots[i].occupied = count != 0 && !(count > 0 && static_cast<size_t>(count) <= i);
        slots[i].slot = slot;
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Slots read = ReadSlots(data, size);
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
    return 0;
}
