#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fleet/fleet_file_codec.h"
#include "gamedata/fleet_slot.h"

// The three ship slots of the main dialog. An empty slot always holds the all-zero record, so
// what is shown, totalled and written never depends on a stale record.
class FleetSlots {
  public:
    static constexpr int kCount = 3;

    // Slots are numbered 0 to 2; another index throws std::out_of_range.
    bool IsOccupied(int index) const { return At(index).occupied; }
    const FleetSlot& Slot(int index) const { return At(index).slot; }

    // The slot holds this ship from now on.
    void Place(int index, const FleetSlot& slot);
    // The slot is empty: not occupied, all-zero record.
    void Clear(int index);

    // The sum of adjustedBpv over the occupied slots. Wider than a record's field, so that three
    // values read from a file cannot overflow it.
    int64_t Total() const;

    // What the slot shows: its shipCode and its adjustedBpv in decimal; both empty when empty.
    std::string ShipCodeShown(int index) const;
    std::string BpvShown(int index) const;

    // All three, in slot order, as the fleet file takes them.
    const std::array<SlotState, kCount>& States() const { return slots_; }

  private:
    const SlotState& At(int index) const;
    SlotState& At(int index);

    std::array<SlotState, kCount> slots_;
};
