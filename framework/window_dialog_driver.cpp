#include "framework/window_dialog_driver.h"

namespace fw {

std::vector<std::string> WindowDialogDriver::Items(int id) const {
    std::vector<std::string> items;
    const int count = observed_.ComboGetCount(id);
    for (int i = 0; i < count; ++i) {
        items.push_back(observed_.ComboGetItemText(id, i));
    }
    return items;
}

}  // namespace fw
