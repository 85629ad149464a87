#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gamedata/fleet_slot.h"

// The fleet file's byte layout, written and read field by field in little-endian order so that
// every compiler and platform produces the same bytes:
//   offset 0  int32 version (always 2)
//   offset 4  int32 shipCount
//   offset 8  shipCount records of 104 bytes:
//     0 char[16] shipCode, 16 baseBpv, 20 adjustedBpv, 24 marinesTaken, 28 minesTaken,
//     32 repairsTaken, 36 shuttlesTaken, 40 missileType, 44 missileSpeed, 48 missileReloads,
//     52 reserved, 56 fighterBays, 60 fightersPerBay (int32 each), 64 char[40] fighterType
constexpr int32_t kFleetFileVersion = 2;
constexpr size_t kFleetHeaderSize = 8;
constexpr size_t kFleetSlotSize = 104;
constexpr size_t kMaxSlotsRead = 10;  // records a file may hand back; only three are placed

// One slot of the main dialog as the file sees it.
struct SlotState {
    bool occupied = false;
    FleetSlot slot;
};

// The whole file for the three slots: the header, then one record per occupied slot in slot
// order. Name fields are written up to their terminator and zero after it.
std::string EncodeFleetFile(const std::array<SlotState, 3>& slots);

void EncodeFleetSlot(const FleetSlot& slot, unsigned char (&out)[kFleetSlotSize]);

// A record from `size` bytes of a file (size may be short: missing bytes read as zero).
FleetSlot DecodeFleetSlot(const unsigned char* bytes, size_t size);

// What a Load takes from the file: the count as stored (0 when nothing was read) and up to ten
// records, zero beyond what the file held.
struct FleetFileContents {
    int32_t count = 0;
    std::array<FleetSlot, kMaxSlotsRead> records{};
};

// The most of a file that a Load reads: the header and ten records. Bytes after it are ignored.
constexpr size_t kFleetFileReadLimit = kFleetHeaderSize + kMaxSlotsRead * kFleetSlotSize;

enum class FleetFileKind {
    kTooShort,      // no release number, or a release number of 2 but no count
    kOtherRelease,  // a release number other than 2
    kFleet,
};

// Decodes the first `size` bytes of a fleet file. A file of this release gives its count as
// stored and `count` records, at most ten and ten when the count is negative; a record cut short
// by the end of the bytes is zero-filled, records beyond the end stay zero. Anything else leaves
// `contents` empty (count 0).
FleetFileKind DecodeFleetFile(const unsigned char* bytes, size_t size, FleetFileContents& contents);

// How many slots, from slot 1 on, a count read from the file fills: none for 0, one for 1, two
// for 2, all three for anything else (a stored count above 3 or below 0 fills all three).
int SlotsFilledByCount(int32_t count);

// What a Load of the file that Save writes for these slots takes: the number of occupied slots
// and their records in slot order, name fields zero after their terminator as in the file.
FleetFileContents ContentsOfSlots(const std::array<SlotState, 3>& slots);

// The slots of an empty main dialog after a Load of these contents.
std::array<SlotState, 3> SlotsLoadedFrom(const FleetFileContents& contents);

// The file Save writes after these contents are loaded into an empty main dialog: for contents
// read from a file Kestrivar wrote, that file byte for byte.
std::string EncodeFleetFile(const FleetFileContents& contents);

uint32_t ReadLittleEndian32(const unsigned char* bytes);
void WriteLittleEndian32(unsigned char* bytes, uint32_t value);
