#include "framework/headless/headless_dialog_driver.h"

#include "framework/framework_error.h"
#include "framework/headless/headless_backend.h"
#include "framework/list_find.h"

namespace fw {
namespace headless {
HeadlessDialogDriver::HeadlessDialogDriver(HeadlessBackend& backend, HeadlessWindow& window)
    : WindowDialogDriver(window), backend_(backend), window_(window) {}

HeadlessWindow& HeadlessDialogDriver::Reachable() {
    const std::string dialog = "dialog " + std::to_string(window_.Template().id);
    if (window_.Ended()) {
        throw FrameworkError(dialog + " has ended");
    }
    if (!backend_.IsTopWindow(window_)) {
        throw FrameworkError(dialog + " is disabled under another modal dialog");
    }
    if (!window_.IsWindowVisible()) {
        throw FrameworkError(dialog + " is hidden");
    }
    return window_;
}

HeadlessControl& HeadlessDialogDriver::Reachable(int id, ControlKind kind) {
    HeadlessControl& control = Reachable().Control(id);
    const std::string name =
        "control " + std::to_string(id) + " of dialog " + std::to_string(window_.Template().id);
    if (control.source->kind != kind) {
        throw FrameworkError(name + " is a " + ControlKindName(control.source->kind) + ", not a " +
                             ControlKindName(kind));
    }
    if (!control.visible) {
        throw FrameworkError(name + " is hidden");
    }
    if (!control.enabled) {
        throw FrameworkError(name + " is disabled");
    }
    return control;
}

void HeadlessDialogDriver::Command(int id, int code) {
    Message command;
    command.message = kWmCommand;
    command.id = id;
    command.code = code;
    window_.Send(command);
}

int HeadlessDialogDriver::TemplateId() const {
    return window_.Template().id;
}

void HeadlessDialogDriver::Click(int id) {
    Reachable(id, ControlKind::kButton);
    Command(id, kBnClicked);
}

LRESULT HeadlessDialogDriver::Spin(int id, int iDelta) {
    Reachable(id, ControlKind::kUpDown);
    NMUPDOWN notification;
    return window_.Send(UpDownNotification(id, iDelta, notification));
}

void HeadlessDialogDriver::Type(int id, const std::string& text) {
    HeadlessControl& edit = Reachable(id, ControlKind::kEdit);
    if (edit.source->HasStyle("ES_READONLY")) {
        throw FrameworkError("edit " + std::to_string(id) + " is read-only");
    }
    edit.text = text;
    Command(id, kEnChange);
}

void HeadlessDialogDriver::Select(int id, int index) {
    HeadlessControl& combo = Reachable(id, ControlKind::kComboBox);
    if (index < 0 || index >= static_cast<int>(combo.items.size())) {
        throw FrameworkError("combo box " + std::to_string(id) + " has no item " +
                             std::to_string(index));
    }
    combo.selection = index;
    Command(id, kCbnSelChange);
}

void HeadlessDialogDriver::SysCommand(unsigned id) {
    HeadlessWindow& window = Reachable();
    if (!window.HasSystemMenu()) {
        throw FrameworkError("dialog " + std::to_string(TemplateId()) + " has no system menu");
    }
    if ((id & 0xFFF0u) < kScSize) {
        bool inMenu = false;
        for (const SystemMenuItem& item : window.SystemMenu()) {
            inMenu = inMenu || (item.commandId != 0 && item.commandId == id);
        }
        if (!inMenu) {
            throw FrameworkError("system command " + std::to_string(id) +
                                 " is not in the system menu");
        }
    }
    Message command;
    command.message = kWmSysCommand;
    command.id = static_cast<int>(id);
    window.Send(command);
}

void HeadlessDialogDriver::PressKey(int id, int virtualKey) {
    const HeadlessControl& control = Reachable().Control(id);
    Reachable(id, control.source->kind);
    window_.KeyDown(id, virtualKey);
}

// As the list view of Common Controls searches: the first letter from the row after the
// selection, each further letter of the burst from the selection on, around the end.
void HeadlessDialogDriver::TypeInList(int id, const std::string& text) {
    HeadlessControl& list = Reachable(id, ControlKind::kListView);
    ListFind find;
    for (char c : text) {
        find.text += c;
        find.start = list.selection + (find.text.size() == 1 ? 1 : 0);
        const int row = FindListRow(window_.Dialog(), id, list.rowCount, find);
        if (row >= 0)
            window_.SelectRow(id, row);
    }
}

void HeadlessDialogDriver::DoubleClickRow(int id, int row) {
    HeadlessControl& list = Reachable(id, ControlKind::kListView);
    if (row < 0 || row >= list.rowCount) {
        throw FrameworkError("list view " + std::to_string(id) + " has no row " +
                             std::to_string(row));
    }
    window_.SelectRow(id, row);
    window_.Send(ListNotification(id, kNmDblClk, row));
}

void HeadlessDialogDriver::ClickColumnHeader(int id, int column) {
    const HeadlessControl& list = Reachable(id, ControlKind::kListView);
    if (column < 0 || column >= static_cast<int>(list.columns.size())) {
        throw FrameworkError("list view " + std::to_string(id) + " has no column " +
                             std::to_string(column));
    }
    window_.Send(ListNotification(id, kLvnColumnClick, column));
}

void HeadlessDialogDriver::ClickRow(int id, int row) {
    HeadlessControl& list = Reachable(id, ControlKind::kListView);
    if (row < -1 || row >= list.rowCount) {
        throw FrameworkError("list view " + std::to_string(id) + " has no row " +
                             std::to_string(row));
    }
    window_.SetItemFocus(id);
    window_.SelectRow(id, row);
}

// Explorer refuses the drop over a window that does not accept files.
void HeadlessDialogDriver::DropFiles(const std::vector<std::string>& paths) {
    HeadlessWindow& window = Reachable();
    if (!window.AcceptsDroppedFiles()) {
        throw FrameworkError("dialog " + std::to_string(TemplateId()) + " accepts no files");
    }
    Message drop;
    drop.message = kWmDropFiles;
    drop.files = &paths;
    window.Send(drop);
}

void HeadlessDialogDriver::Close() {
    Reachable();
    Command(kIdCancel, kBnClicked);
}

int HeadlessDialogDriver::Focus() const {
    return window_.FocusId();
}

void HeadlessDialogDriver::MoveFocus(int id) {
    const HeadlessControl& control = Reachable().Control(id);
    Reachable(id, control.source->kind);
    window_.SetItemFocus(id);
}

void HeadlessDialogDriver::PressCtrlKey(char letter, bool shift) {
    HeadlessWindow& window = Reachable();
    const int focus = window.FocusId();
    if (focus != 0 && window.Control(focus).source->kind == ControlKind::kEdit &&
        EditKeepsCtrlKey(letter)) {
        return;  // the edit's own copy and paste, which this backend does not model
    }
    const unsigned command = window.Dialog().CtrlKeyCommand(letter, shift);
    if (command == 0) {
        return;
    }
    Message sysCommand;
    sysCommand.message = kWmSysCommand;
    sysCommand.id = static_cast<int>(command);
    window.Send(sysCommand);
}

std::vector<PaintOp> HeadlessDialogDriver::Paint() {
    return window_.Paint();
}

LRESULT HeadlessDialogDriver::QueryDragIcon() {
    Message query;
    query.message = kWmQueryDragIcon;
    return window_.Send(query);
}

bool HeadlessDialogDriver::IsIconic() const {
    return window_.IsIconic();
}
IconHandle HeadlessDialogDriver::Icon(bool bigIcon) const {
    return window_.Icon(bigIcon);
}
std::vector<SystemMenuItem> HeadlessDialogDriver::SystemMenu() const {
    return window_.SystemMenu();
}

HeadlessDialogDriver& AsHeadless(DialogDriver& driver) {
    auto* headless = dynamic_cast<HeadlessDialogDriver*>(&driver);
    if (headless == nullptr) {
        throw FrameworkError("this check needs the headless backend");
    }
    return *headless;
}

}  // namespace headless
}  // namespace fw
