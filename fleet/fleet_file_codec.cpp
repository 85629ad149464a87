#include "fleet/fleet_file_codec.h"

#include <algorithm>

#include <cstring>

namespace {

constexpr size_t kShipCodeOffset = 0;
constexpr size_t kFirstIntOffset = 16;
constexpr size_t kFighterTypeOffset = 64;

// The twelve integer fields in file order, from offset 16 to 63.
template <typename Slot>
auto IntFields(Slot& slot) {
    return std::array<decltype(&slot.baseBpv), 12>{
        &slot.baseBpv,        &slot.adjustedBpv,   &slot.marinesTaken, &slot.minesTaken,
        &slot.repairsTaken,   &slot.shuttlesTaken, &slot.missileType,  &slot.missileSpeed,
        &slot.missileReloads, &slot.reserved,      &slot.fighterBays,  &slot.fightersPerBay};
}

void EncodeField(unsigned char* out, const char* field, size_t size) {
    const std::string text = FieldText(field, size);
    std::memset(out, 0, size);
    std::memcpy(out, text.data(), text.size());
}

}  // namespace

uint32_t ReadLittleEndian32(const unsigned char* bytes) {
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
           uint32_t{bytes[3]} << 24;
}

void WriteLittleEndian32(unsigned char* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

void EncodeFleetSlot(const FleetSlot& slot, unsigned char (&out)[kFleetSlotSize]) {
    EncodeField(out + kShipCodeOffset, slot.shipCode, FleetSlot::kShipCodeSize);
    size_t offset = kFirstIntOffset;
    for (const int32_t* field : IntFields(slot)) {
        WriteLittleEndian32(out + offset, static_cast<uint32_t>(*field));
        offset += 4;
    }
    EncodeField(out + kFighterTypeOffset, slot.fighterType, FleetSlot::kFighterTypeSize);
}

FleetSlot DecodeFleetSlot(const unsigned char* bytes, size_t size) {
    unsigned char record[kFleetSlotSize] = {};
    std::memcpy(record, bytes, size < kFleetSlotSize ? size : kFleetSlotSize);
    FleetSlot slot;
    std::memcpy(slot.shipCode, record + kShipCodeOffset, FleetSlot::kShipCodeSize);
    size_t offset = kFirstIntOffset;
    for (int32_t* field : IntFields(slot)) {
        *field = static_cast<int32_t>(ReadLittleEndian32(record + offset));
        offset += 4;
    }
    std::memcpy(slot.fighterType, record + kFighterTypeOffset, FleetSlot::kFighterTypeSize);
    return slot;
}

std::string EncodeFleetFile(const std::array<SlotState, 3>& slots) {
    int32_t count = 0;
    for (const SlotState& state : slots)
        count += state.occupied ? 1 : 0;
    unsigned char header[kFleetHeaderSize];
    WriteLittleEndian32(header, static_cast<uint32_t>(kFleetFileVersion));
    WriteLittleEndian32(header + 4, static_cast<uint32_t>(count));
    std::string bytes(reinterpret_cast<const char*>(header), kFleetHeaderSize);
    for (const SlotState& state : slots) {
        if (!state.occupied)
            continue;
        unsigned char record[kFleetSlotSize];
        EncodeFleetSlot(state.slot, record);
        bytes.append(reinterpret_cast<const char*>(record), kFleetSlotSize);
    }
    return bytes;
}

FleetFileKind DecodeFleetFile(const unsigned char* bytes, size_t size,
                              FleetFileContents& contents) {
    contents = FleetFileContents();
    // The release number is judged as soon as it is there, even if the count is not.
    if (size < 4)
        return FleetFileKind::kTooShort;
    if (static_cast<int32_t>(ReadLittleEndian32(bytes)) != kFleetFileVersion)
        return FleetFileKind::kOtherRelease;
    if (size < kFleetHeaderSize)
        return FleetFileKind::kTooShort;
    const auto count = static_cast<int32_t>(ReadLittleEndian32(bytes + 4));
    const size_t wanted = count < 0 || static_cast<size_t>(count) > kMaxSlotsRead
                              ? kMaxSlotsRead
                              : static_cast<size_t>(count);
    for (size_t i = 0; i < wanted; ++i) {
        const size_t offset = kFleetHeaderSize + i * kFleetSlotSize;
        if (offset >= size)
            break;  // the end of the file: the rest stay zero
        contents.records[i] =
            DecodeFleetSlot(bytes + offset, std::min(size - offset, kFleetSlotSize));
    }
    contents.count = count;
    return FleetFileKind::kFleet;
}

int SlotsFilledByCount(int32_t count) {
    return count >= 0 && count <= 2 ? count : 3;
}

FleetFileContents ContentsOfSlots(const std::array<SlotState, 3>& slots) {
    FleetFileContents contents;
    for (const SlotState& state : slots) {
        if (!state.occupied)
            continue;
        unsigned char record[kFleetSlotSize];
        EncodeFleetSlot(state.slot, record);
        contents.records[static_cast<size_t>(contents.count++)] =
            DecodeFleetSlot(record, kFleetSlotSize);
    }
    return contents;
}

std::array<SlotState, 3> SlotsLoadedFrom(const FleetFileContents& contents) {
    std::array<SlotState, 3> slots{};
    for (int i = 0; i < SlotsFilledByCount(contents.count); ++i)
        slots[static_cast<size_t>(i)] = {true, contents.records[static_cast<size_t>(i)]};
    return slots;
}

std::string EncodeFleetFile(const FleetFileContents& contents) {
    return EncodeFleetFile(SlotsLoadedFrom(contents));
}
