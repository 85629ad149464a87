#include "framework/ui_driver.h"

namespace fw {

std::ostream& operator<<(std::ostream& out, const MessageBoxRecord& record) {
    return out << "{text \"" << record.text << "\", caption \"" << record.caption << "\", flags 0x"
               << std::hex << record.flags << std::dec << ", answer " << record.answer << ", owner "
               << record.ownerTemplate << "}";
}

}  // namespace fw
