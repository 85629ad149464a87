#include "fleet/fleet_slots.h"

#include <stdexcept>

const SlotState& FleetSlots::At(int index) const {
    if (index < 0 || index >= kCount) {
        throw std::out_of_range("fleet slot " + std::to_string(index));
    }
    return slots_[static_cast<size_t>(index)];
}

SlotState& FleetSlots::At(int index) {
    return const_cast<SlotState&>(static_cast<const FleetSlots&>(*this).At(index));
}

void FleetSlots::Place(int index, const FleetSlot& slot) {
    SlotState& state = At(index);
    state.occupied = true;
    state.slot = slot;
}

void FleetSlots::Clear(int index) {
    At(index) = SlotState{};
}

int64_t FleetSlots::Total() const {
    int64_t total = 0;
    for (const SlotState& state : slots_) {
        if (state.occupied) {
            total += state.slot.adjustedBpv;
        }
    }
    return total;
}

std::string FleetSlots::ShipCodeShown(int index) const {
    const SlotState& state = At(index);
    return state.occupied ? ShipCodeText(state.slot) : std::string();
}

std::string FleetSlots::BpvShown(int index) const {
    const SlotState& state = At(index);
    return state.occupied ? std::to_string(state.slot.adjustedBpv) : std::string();
}
