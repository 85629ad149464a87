#include "framework/combo_box.h"

#include "framework/dialog.h"
#include "framework/framework_error.h"

namespace fw {

DialogWindow& CComboBox::Window() const {
    if (dialog_ == nullptr) {
        throw FrameworkError("combo box used before DDX_Control bound it");
    }
    return dialog_->Window();
}

int CComboBox::GetCount() const {
    return Window().ComboGetCount(id_);
}
int CComboBox::GetCurSel() const {
    return Window().ComboGetCurSel(id_);
}
int CComboBox::SetCurSel(int index) {
    return Window().ComboSetCurSel(id_, index);
}
std::string CComboBox::GetLBText(int index) const {
    return Window().ComboGetItemText(id_, index);
}

}  // namespace fw
