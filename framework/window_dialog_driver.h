#pragma once

#include <string>
#include <vector>

#include "framework/backend.h"
#include "framework/ui_driver.h"

namespace fw {

// The observations of a DialogDriver, read through the running window's own primitives, which
// every backend implements the same way; the backends' drivers add the actions.
class WindowDialogDriver : public DialogDriver {
  public:
    explicit WindowDialogDriver(const DialogWindow& window) : observed_(window) {}

    std::string Text(int id) const override { return observed_.GetItemText(id); }
    bool IsVisible(int id) const override { return observed_.IsItemVisible(id); }
    bool IsEnabled(int id) const override { return observed_.IsItemEnabled(id); }
    int Selection(int id) const override { return observed_.ComboGetCurSel(id); }
    std::vector<std::string> Items(int id) const override;
    std::string Caption() const override { return observed_.GetCaption(); }
    bool IsDialogVisible() const override { return observed_.IsWindowVisible(); }
    int ListRowCount(int id) const override { return observed_.ListGetRowCount(id); }
    int ListSelection(int id) const override { return observed_.ListGetCurSel(id); }
    std::string ListText(int id, int row, int column) const override {
        return observed_.ListGetItemText(id, row, column);
    }

  private:
    const DialogWindow& observed_;
};

}  // namespace fw
