#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace fw {
namespace win32 {

struct DialogInitItem {
    int controlId = 0;
    std::string text;

    bool operator==(const DialogInitItem& other) const {
        return controlId == other.controlId && text == other.text;
    }
};

// Reads a dialog's combo-box init data (resource type 240, the DLGINIT block of the resource
// script): unaligned records of a little-endian WORD control id followed by the item's bytes
// and a NUL, closed by a WORD 0 (or by the end of the data). Items come in the order they are
// added. Throws FrameworkError for a record cut off by the end of the data.
std::vector<DialogInitItem> ParseDialogInit(const unsigned char* data, std::size_t size);

}  // namespace win32
}  // namespace fw
