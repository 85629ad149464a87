#include "platform/registry.h"

namespace platform {

// Placeholder until the registry reader lands: no registry, every read fails.
bool ReadLocalMachineValue(const std::string&, const std::string&, std::string&) {
    return false;
}

}  // namespace platform
