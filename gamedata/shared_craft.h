#pragma once

#include <memory>
#include <utility>

struct ShipSpecCore;

// The craft a bay carries, as a read-only core shared by every bay that names the same craft.
// It behaves like a copy of the core: nothing can change a core once it is shared, and storing
// another core puts a fresh one in its place, so no other bay ever sees the change. What it saves
// is the copy itself: a bay costs a reference count instead of a whole record with its mounts.
//
// An empty bay shares nothing and reads as a default-constructed core.
class SharedCraft {
  public:
    SharedCraft() = default;
    explicit SharedCraft(std::shared_ptr<const ShipSpecCore> core) : core_(std::move(core)) {}

    // Stores a copy of `core`.
    SharedCraft& operator=(const ShipSpecCore& core);

    const ShipSpecCore& operator*() const;
    const ShipSpecCore* operator->() const { return &**this; }

    // Whether two bays carry equal crafts; shared cores are equal without a look inside.
    bool operator==(const SharedCraft& other) const;
    bool operator!=(const SharedCraft& other) const { return !(*this == other); }

  private:
    std::shared_ptr<const ShipSpecCore> core_;
};
