#include "gamedata/shared_craft.h"

#include <memory>

#include "gamedata/ship_spec.h"

SharedCraft& SharedCraft::operator=(const ShipSpecCore& core) {
    core_ = std::make_shared<const ShipSpecCore>(core);
    return *this;
}

const ShipSpecCore& SharedCraft::operator*() const {
    static const ShipSpecCore kEmptyBay;
    return core_ ? *core_ : kEmptyBay;
}

bool SharedCraft::operator==(const SharedCraft& other) const {
    return core_ == other.core_ || **this == *other;
}
