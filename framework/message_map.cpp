#include "framework/message_map.h"

namespace fw {
namespace {

bool Handles(const MessageMapEntry& entry, const Message& message) {
    if (entry.message != message.message) {
        return false;
    }
    if (message.message == kWmCommand || message.message == kWmNotify) {
        return entry.code == message.code && entry.id == message.id;
    }
    return true;
}

}  // namespace

const MessageMapEntry* FindMessageMapEntry(const MessageMap* map, const Message& message) {
    for (; map != nullptr; map = map->base != nullptr ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->message != kWmNull; ++entry) {
            if (Handles(*entry, message)) {
                return entry;
            }
        }
    }
    return nullptr;
}

}  // namespace fw
