#pragma once

#include <vector>

#include "framework/dialog.h"

namespace fw {

// For backends: attaches a dialog to its window and keeps the window on the stack of running
// dialogs for the length of one modal run, undoing both however the run ends.
template <typename Window>
class RunScope {
  public:
    RunScope(CDialog& dialog, Window& window, std::vector<Window*>& running)
        : dialog_(dialog), running_(running) {
        dialog_.AttachWindow(&window);
        running_.push_back(&window);
    }
    ~RunScope() {
        running_.pop_back();
        dialog_.AttachWindow(nullptr);
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

  private:
    CDialog& dialog_;
    std::vector<Window*>& running_;
};

}  // namespace fw
