#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fleet/fleet_slot.h"

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

uint32_t ReadLittleEndian32(const unsigned char* bytes);
void WriteLittleEndian32(unsigned char* bytes, uint32_t value);
