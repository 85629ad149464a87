#pragma once

#include <memory>

#include "framework/backend.h"
#include "framework/win_types.h"

namespace fw {

class CDialog;

// Paints a dialog from a WM_PAINT handler: begins the paint on construction, ends it on
// destruction.
class CPaintDC {
  public:
    explicit CPaintDC(CDialog* dialog);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    void EraseIconBackground() { context_->EraseIconBackground(); }
    void DrawIcon(int x, int y, IconHandle icon) { context_->DrawIcon(x, y, icon); }

  private:
    std::unique_ptr<PaintContext> context_;
};

}  // namespace fw
