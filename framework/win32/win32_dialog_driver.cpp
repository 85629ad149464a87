#include "framework/win32/win32_dialog_driver.h"

#include <exception>

#include <shlobj.h>

#include "framework/constants.h"
#include "framework/framework_error.h"
#include "framework/win32/win32_ui_driver.h"

namespace fw {
namespace win32 {
namespace {

// Enough for every message an action can leave behind; more means something keeps posting.
constexpr int kMaxSettleMessages = 1000;

LONG StyleOf(HWND window) {
    return GetWindowLongA(window, GWL_STYLE);
}

}  // namespace

Win32DialogDriver::Win32DialogDriver(Win32UiDriver& driver, Win32DialogWindow& window)
    : WindowDialogDriver(window), driver_(driver), window_(window) {}

HWND Win32DialogDriver::Reachable() const {
    const std::string dialog = "dialog " + std::to_string(window_.TemplateId());
    if (window_.Ended()) {
        throw FrameworkError(dialog + " has ended");
    }
    if (!IsWindowEnabled(window_.Handle())) {
        throw FrameworkError(dialog + " is disabled under another modal dialog");
    }
    if (!::IsWindowVisible(window_.Handle())) {
        throw FrameworkError(dialog + " is hidden");
    }
    return window_.Handle();
}

HWND Win32DialogDriver::Reachable(int id, ControlKind kind) const {
    Reachable();
    HWND control = window_.Control(id);
    const ControlKind actual = window_.Kind(id);
    const std::string name = window_.Describe(id);
    if (actual != kind) {
        throw FrameworkError(name + " is a " + ControlKindName(actual) + ", not a " +
                             ControlKindName(kind));
    }
    if ((StyleOf(control) & WS_VISIBLE) == 0) {
        throw FrameworkError(name + " is hidden");
    }
    if (!IsWindowEnabled(control)) {
        throw FrameworkError(name + " is disabled");
    }
    return control;
}

::LRESULT Win32DialogDriver::Act(HWND target, UINT message, WPARAM wParam, ::LPARAM lParam,
                                 bool post) {
    // Ends the action on every way out and takes back what a handler threw meanwhile.
    struct ActionScope {
        Win32DialogWindow& window;
        std::exception_ptr& failure;
        ~ActionScope() { failure = window.EndAction(); }
    };

    driver_.Activity();
    ::LRESULT result = 0;
    std::exception_ptr failure;
    {
        window_.BeginAction();
        ActionScope action{window_, failure};
        if (post) {
            PostMessageA(target, message, wParam, lParam);
        } else {
            result = SendMessageA(target, message, wParam, lParam);
        }
        if (!window_.ActionFailed()) {
            Settle();
        }
    }
    driver_.Activity();
    if (failure) {
        std::rethrow_exception(failure);
    }
    return result;
}

void Win32DialogDriver::Settle() {
    MSG msg;
    for (int delivered = 0; !window_.Ended(); ++delivered) {
        if (delivered == kMaxSettleMessages) {
            throw FrameworkError("dialog " + std::to_string(window_.TemplateId()) +
                                 " keeps receiving messages after an action");
        }
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            return;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the modal loops to see
            return;
        }
        // As the dialog's modal loop does: the message filter first (the dialog's shortcuts).
        if (CallMsgFilterA(&msg, MSGF_DIALOGBOX)) {
            continue;
        }
        if (!IsDialogMessageA(window_.Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

// The drop Explorer hands a window that accepts files: a DROPFILES header and the names, each
// ended by a NUL, with one more NUL at the end. The window frees it (DragFinish).
void Win32DialogDriver::DropFiles(const std::vector<std::string>& paths) {
    HWND dialog = Reachable();
    if ((GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) == 0) {
        throw FrameworkError("dialog " + std::to_string(window_.TemplateId()) +
                             " accepts no files");
    }
    std::string names;
    for (const std::string& path : paths) {
        names += path;
        names.push_back('\0');
    }
    names.push_back('\0');
    HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    if (drop == nullptr) {
        throw FrameworkError("no memory for a drop");
    }
    auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    names.copy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.size());
    GlobalUnlock(drop);
    Act(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

void Win32DialogDriver::Click(int id) {
    HWND button = Reachable(id, ControlKind::kButton);
    Act(window_.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
        reinterpret_cast<::LPARAM>(button));
}

// The notification as the control sends it when an arrow is pressed: its own position and
// the proposed change. The handler's result is what the control would act on.
fw::LRESULT Win32DialogDriver::Spin(int id, int iDelta) {
    HWND spin = Reachable(id, ControlKind::kUpDown);
    ::NMUPDOWN notification = {};
    notification.hdr.hwndFrom = spin;
    notification.hdr.idFrom = static_cast<UINT_PTR>(id);
    notification.hdr.code = UDN_DELTAPOS;
    notification.iPos = static_cast<int>(SendMessageA(spin, UDM_GETPOS32, 0, 0));
    notification.iDelta = iDelta;
    return Act(window_.Handle(), WM_NOTIFY, static_cast<WPARAM>(id),
               reinterpret_cast<::LPARAM>(&notification));
}

void Win32DialogDriver::Type(int id, const std::string& text) {
    HWND edit = Reachable(id, ControlKind::kEdit);
    if ((StyleOf(edit) & ES_READONLY) != 0) {
        throw FrameworkError("edit " + std::to_string(id) + " is read-only");
    }
    // The edit control tells the dialog itself (EN_CHANGE).
    Act(edit, WM_SETTEXT, 0, reinterpret_cast<::LPARAM>(text.c_str()));
}

void Win32DialogDriver::Select(int id, int index) {
    HWND combo = Reachable(id, ControlKind::kComboBox);
    if (index < 0 || index >= window_.ComboGetCount(id)) {
        throw FrameworkError("combo box " + std::to_string(id) + " has no item " +
                             std::to_string(index));
    }
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Act(window_.Handle(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
        reinterpret_cast<::LPARAM>(combo));
}

void Win32DialogDriver::SysCommand(unsigned id) {
    HWND dialog = Reachable();
    HMENU menu = (StyleOf(dialog) & WS_SYSMENU) != 0 ? GetSystemMenu(dialog, FALSE) : nullptr;
    if (menu == nullptr) {
        throw FrameworkError("dialog " + std::to_string(TemplateId()) + " has no system menu");
    }
    // The system's own commands are always there; the others only when the menu has them.
    if ((id & 0xFFF0u) < kScSize && GetMenuState(menu, id, MF_BYCOMMAND) == static_cast<UINT>(-1)) {
        throw FrameworkError("system command " + std::to_string(id) + " is not in the system menu");
    }
    Act(dialog, WM_SYSCOMMAND, id, 0);
}

// The key goes through the queue, where the modal loop's filter and the dialog manager see it.
void Win32DialogDriver::PressKey(int id, int virtualKey) {
    HWND control = Reachable(id, window_.Kind(id));
    Act(control, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1, true);
}

void Win32DialogDriver::TypeInList(int id, const std::string& text) {
    HWND list = Reachable(id, ControlKind::kListView);
    for (char c : text)
        Act(list, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
}

// A press and a release of the left button in the middle of the column's header item.
void Win32DialogDriver::ClickColumnHeader(int id, int column) {
    HWND list = Reachable(id, ControlKind::kListView);
    const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT item = {};
    if (header == nullptr || SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column),
                                          reinterpret_cast<::LPARAM>(&item)) == FALSE) {
        throw FrameworkError("list view " + std::to_string(id) + " has no column " +
                             std::to_string(column));
    }
    const ::LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    Act(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
    Act(header, WM_LBUTTONUP, 0, point);
}

// A press and a release of the left button on the row's label, or a few pixels below the last
// row (below the header when there is no row), where the list view clears its selection.
void Win32DialogDriver::ClickRow(int id, int row) {
    HWND list = Reachable(id, ControlKind::kListView);
    const int rows = window_.ListGetRowCount(id);
    if (row < -1 || row >= rows) {
        throw FrameworkError("list view " + std::to_string(id) + " has no row " +
                             std::to_string(row));
    }
    RECT bounds = {};
    bounds.left = LVIR_LABEL;
    int y = 0;
    if (row >= 0) {
        SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<::LPARAM>(&bounds));
        y = (bounds.top + bounds.bottom) / 2;
    } else if (rows > 0) {
        bounds.left = LVIR_BOUNDS;
        SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(rows - 1),
                     reinterpret_cast<::LPARAM>(&bounds));
        y = bounds.bottom + 4;
    } else {
        const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
        GetClientRect(header, &bounds);
        y = bounds.bottom + 4;
    }
    RECT client = {};
    GetClientRect(list, &client);
    if (y >= client.bottom) {
        throw FrameworkError("list view " + std::to_string(id) + " shows no room below its rows");
    }
    const ::LPARAM point = MAKELPARAM(bounds.left + 2, y);
    Act(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    Act(list, WM_LBUTTONUP, 0, point);
}

// The list view selects the row at the first click and reports the second as NM_DBLCLK, with
// the row it hit.
void Win32DialogDriver::DoubleClickRow(int id, int row) {
    HWND list = Reachable(id, ControlKind::kListView);
    if (row < 0 || row >= window_.ListGetRowCount(id)) {
        throw FrameworkError("list view " + std::to_string(id) + " has no row " +
                             std::to_string(row));
    }
    window_.ListSetCurSel(id, row);
    RECT bounds = {};
    bounds.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<::LPARAM>(&bounds));
    const int x = bounds.left + 2;
    const int y = (bounds.top + bounds.bottom) / 2;
    Act(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
}

void Win32DialogDriver::Close() {
    HWND dialog = Reachable();
    Act(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
        reinterpret_cast<::LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

int Win32DialogDriver::Focus() const {
    HWND dialog = window_.Handle();
    HWND focus = GetFocus();
    if (focus == nullptr || !IsChild(dialog, focus)) {
        return 0;
    }
    while (GetParent(focus) != dialog) {
        focus = GetParent(focus);  // a control's own child window (a combo box's edit)
    }
    return GetDlgCtrlID(focus);
}

Win32DialogDriver& AsWin32(DialogDriver& driver) {
    auto* win32 = dynamic_cast<Win32DialogDriver*>(&driver);
    if (win32 == nullptr) {
        throw FrameworkError("this check needs the Win32 backend");
    }
    return *win32;
}

}  // namespace win32
}  // namespace fw
