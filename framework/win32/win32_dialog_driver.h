#pragma once

#include <string>
#include <vector>

#include "framework/ui_driver.h"
#include "framework/win32/win32_api.h"
#include "framework/win32/win32_dialog_window.h"
#include "framework/window_dialog_driver.h"

namespace fw {
namespace win32 {

class Win32UiDriver;

// The user's hands on one running Win32 dialog: each action is the message a user's action
// produces, sent to the real window, after the same reachability checks as on the headless
// backend. Once an action returns, the messages it left queued (a close box posts its IDCANCEL)
// are delivered, so the next action sees everything settled; an exception that a handler threw
// during the action comes out of the action, as on the headless backend.
class Win32DialogDriver : public WindowDialogDriver {
  public:
    Win32DialogDriver(Win32UiDriver& driver, Win32DialogWindow& window);

    int TemplateId() const override { return window_.TemplateId(); }
    void Click(int id) override;
    fw::LRESULT Spin(int id, int iDelta) override;
    void Type(int id, const std::string& text) override;
    void Select(int id, int index) override;
    void SysCommand(unsigned id) override;
    void PressKey(int id, int virtualKey) override;
    void TypeInList(int id, const std::string& text) override;
    void ClickColumnHeader(int id, int column) override;
    void ClickRow(int id, int row) override;
    void DoubleClickRow(int id, int row) override;
    void DropFiles(const std::vector<std::string>& paths) override;
    void Close() override;

    int Focus() const override;

    Win32DialogWindow& Window() const { return window_; }

  private:
    // Throws unless the user could act on the dialog: it runs, is enabled (not under another
    // modal window) and visible.
    HWND Reachable() const;
    // Throws unless the user could act on the control as this kind; returns it.
    HWND Reachable(int id, ControlKind kind) const;
    // Sends (or posts) the message, delivers what it left queued, rethrows a handler's
    // exception.
    ::LRESULT Act(HWND target, UINT message, WPARAM wParam, ::LPARAM lParam, bool post = false);
    void Settle();

    Win32UiDriver& driver_;
    Win32DialogWindow& window_;
};

// Throws FrameworkError when the driver is not a Win32 one.
Win32DialogDriver& AsWin32(DialogDriver& driver);

}  // namespace win32
}  // namespace fw
