#include "framework/win32/dialog_init.h"

#include "framework/framework_error.h"

namespace fw {
namespace win32 {

std::vector<DialogInitItem> ParseDialogInit(const unsigned char* data, std::size_t size) {
    std::vector<DialogInitItem> items;
    std::size_t pos = 0;
    // Records start at any byte: the WORD is put together from its bytes, never read through a
    // pointer that may be misaligned.
    while (size - pos >= 2) {
        const int id = data[pos] | (data[pos + 1] << 8);
        pos += 2;
        if (id == 0) {
            break;
        }
        const std::size_t start = pos;
        while (pos < size && data[pos] != 0) {
            ++pos;
        }
        if (pos == size) {
            throw FrameworkError("combo-box init data ends inside the item of control " +
                                 std::to_string(id));
        }
        items.push_back(
            {id, std::string(reinterpret_cast<const char*>(data + start), pos - start)});
        ++pos;  // the NUL
    }
    return items;
}

}  // namespace win32
}  // namespace fw
