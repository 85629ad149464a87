#pragma once

// The windows of the program that kvdrive drives, found from outside through the image name
// of its process: top-level windows by caption, message boxes, control texts.

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/script.h"

namespace kvdrive {

// A command that cannot be carried out, with what was seen instead.
struct Failure {
    std::string reason;
};

std::string ClassName(HWND window);

// A top-level window's caption. For another process's window this reads the stored title and
// sends no message, so it answers even while that program is busy.
std::string Caption(HWND window);

// A message box is a dialog whose text is the static control with id 0xFFFF.
bool IsMessageBox(HWND window);
std::string MessageBoxText(HWND box);

bool IsVisible(HWND window);

// A control's text through WM_GETTEXT, which the other process answers.
std::string ReadText(HWND control);

class Target {
  public:
    explicit Target(std::string imageName);

    const std::string& ImageName() const { return imageName_; }
    bool Running() const;

    // The program's top-level windows, visible or not, topmost first.
    std::vector<HWND> Windows() const;

    // Its top-level windows that `ref` names.
    std::vector<HWND> Find(const WindowRef& ref, bool visibleOnly) const;

    // What is on screen, for failure messages.
    std::string DescribeScreen() const;

  private:
    std::vector<DWORD> ProcessIds() const;

    std::string imageName_;
};

}  // namespace kvdrive
