#pragma once

#include <vector>

#include "framework/headless/headless_window.h"
#include "framework/ui_driver.h"
#include "framework/window_dialog_driver.h"

namespace fw {
namespace headless {

class HeadlessBackend;

// DialogDriver on a headless window, plus what only the headless backend can observe (drawing,
// icons, the system menu). Scenario code that must also run on Win32 sticks to DialogDriver;
// headless-only tests reach the extras with AsHeadless.
class HeadlessDialogDriver : public WindowDialogDriver {
  public:
    HeadlessDialogDriver(HeadlessBackend& backend, HeadlessWindow& window);

    int TemplateId() const override;
    void Click(int id) override;
    LRESULT Spin(int id, int iDelta) override;
    void Type(int id, const std::string& text) override;
    void Select(int id, int index) override;
    void SysCommand(unsigned id) override;
    void PressKey(int id, int virtualKey) override;
    void ClickColumnHeader(int id, int column) override;
    void ClickRow(int id, int row) override;
    void TypeInList(int id, const std::string& text) override;
    void DoubleClickRow(int id, int row) override;
    void DropFiles(const std::vector<std::string>& paths) override;
    void Close() override;

    int Focus() const override;

    // Headless only.
    // The user puts the focus on a control (a click into an edit, Tab to a button).
    void MoveFocus(int id);
    // Ctrl+letter (with Shift held: Ctrl+Shift+letter) on the focused control: an edit keeps
    // it for its own text, anywhere else it chooses the dialog's shortcut command.
    void PressCtrlKey(char letter, bool shift = false);
    std::vector<PaintOp> Paint();
    LRESULT QueryDragIcon();
    bool IsIconic() const;
    IconHandle Icon(bool bigIcon) const;
    std::vector<SystemMenuItem> SystemMenu() const;

  private:
    // Throws unless the user could act on the dialog: it runs, is visible and on top.
    HeadlessWindow& Reachable();
    // Throws unless the user could act on the control as this kind.
    HeadlessControl& Reachable(int id, ControlKind kind);
    void Command(int id, int code);

    HeadlessBackend& backend_;
    HeadlessWindow& window_;
};

// Throws FrameworkError when the driver is not a headless one.
HeadlessDialogDriver& AsHeadless(DialogDriver& driver);

}  // namespace headless
}  // namespace fw
