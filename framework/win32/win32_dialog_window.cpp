#include "framework/win32/win32_dialog_window.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <vector>

#include "framework/dialog.h"
#include "framework/framework_error.h"
#include "framework/list_find.h"
#include "framework/win32/dialog_init.h"
#include "framework/win32/dialog_placement.h"
#include "framework/win32/win32_backend.h"

namespace fw {
namespace win32 {
namespace {

// Resource type of the combo-box init data (the resource script's DLGINIT).
const LPCSTR kDialogInitType = MAKEINTRESOURCEA(240);

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) {
        return std::string();
    }
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    return std::string(text.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

bool SameClass(const char* name, const char* expected) {
    for (; *name != '\0' && *expected != '\0'; ++name, ++expected) {
        if (std::tolower(static_cast<unsigned char>(*name)) !=
            std::tolower(static_cast<unsigned char>(*expected))) {
            return false;
        }
    }
    return *name == *expected;
}

// What a control is, from its window class (and, for buttons, its style).
bool KindOfWindow(HWND control, ControlKind* kind) {
    char name[64] = {};
    if (GetClassNameA(control, name, sizeof name) == 0) {
        return false;
    }
    // A versioned class (Common Controls 6) may be reported as "<version>!<class>".
    const char* base = name;
    for (const char* c = name; *c != '\0'; ++c) {
        if (*c == '!') {
            base = c + 1;
        }
    }
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (SameClass(base, "Button")) {
        *kind =
            (style & BS_TYPEMASK) == BS_GROUPBOX ? ControlKind::kGroupBox : ControlKind::kButton;
    } else if (SameClass(base, "Static")) {
        *kind = ControlKind::kStatic;
    } else if (SameClass(base, "Edit")) {
        *kind = ControlKind::kEdit;
    } else if (SameClass(base, "ComboBox")) {
        *kind = ControlKind::kComboBox;
    } else if (SameClass(base, UPDOWN_CLASSA)) {
        *kind = ControlKind::kUpDown;
    } else if (SameClass(base, WC_LISTVIEWA)) {
        *kind = ControlKind::kListView;
    } else {
        return false;
    }
    return true;
}

HICON ToHicon(IconHandle icon) {
    return reinterpret_cast<HICON>(static_cast<std::uintptr_t>(icon));
}

// Another program may hold the clipboard for a moment (a clipboard manager reading what was
// just put there): try a few times before giving up.
bool OpenClipboardFor(HWND owner) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        ::Sleep(20);
    }
    return false;
}

}  // namespace

// Painting between BeginPaint and EndPaint of one WM_PAINT.
class Win32DialogWindow::Painter : public PaintContext {
  public:
    explicit Painter(HWND hwnd) : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &paint_)) {}
    ~Painter() override { ::EndPaint(hwnd_, &paint_); }
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    void EraseIconBackground() override {
        SendMessageA(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc_), 0);
    }
    void DrawIcon(int x, int y, IconHandle icon) override { ::DrawIcon(dc_, x, y, ToHicon(icon)); }

  private:
    HWND hwnd_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
};

Win32DialogWindow::Win32DialogWindow(Win32Backend& backend, CDialog& dialog)
    : backend_(backend), dialog_(dialog), templateId_(dialog.GetTemplateId()) {}

INT_PTR CALLBACK Win32DialogWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                               ::LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    }
    auto* window = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (window == nullptr) {
        return FALSE;  // before WM_INITDIALOG: nothing to route to yet
    }
    if (message == WM_INITDIALOG) {
        window->hwnd_ = hwnd;
    }
    try {
        return window->Dispatch(message, wParam, lParam);
    } catch (...) {
        // No exception may cross the system's code: end the run, rethrow after it.
        window->Fail(std::current_exception());
        return FALSE;
    }
}

INT_PTR Win32DialogWindow::Dispatch(UINT message, WPARAM wParam, ::LPARAM lParam) {
    if (failure_ || actionFailure_) {
        return FALSE;  // a failed run routes nothing more while it closes
    }
    Message routed;
    switch (message) {
        case WM_INITDIALOG:
            return Initialise();
        case WM_COMMAND:
            routed.message = kWmCommand;
            routed.id = LOWORD(wParam);
            routed.code = HIWORD(wParam);
            return Route(routed);
        case WM_NOTIFY:
            return Notify(lParam);
        case WM_SYSCOMMAND:
            routed.message = kWmSysCommand;
            routed.id = static_cast<int>(wParam);
            routed.lParam = lParam;
            return Route(routed);
        case WM_PAINT:
            return Paint();
        case WM_DROPFILES:
            return DropFiles(reinterpret_cast<HDROP>(wParam));
        case WM_QUERYDRAGICON: {
            // One of the messages whose result is the dialog procedure's own return value.
            routed.message = kWmQueryDragIcon;
            fw::LRESULT icon = 0;
            return dialog_.OnWndMsg(routed, &icon) ? static_cast<INT_PTR>(icon) : FALSE;
        }
        case kScriptDueMessage:
            if (Win32DriverHooks* hooks = backend_.DriverHooks()) {
                hooks->DialogReady(*this);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR Win32DialogWindow::Initialise() {
    Message create;
    create.message = kWmCreate;
    fw::LRESULT created = 0;
    creating_ = true;
    dialog_.OnWndMsg(create, &created);
    creating_ = false;
    if (created == -1) {
        EndDialog(-1);
        return FALSE;
    }
    AddComboBoxItems();
    RECT openedAt = {};
    GetWindowRect(hwnd_, &openedAt);
    Message init;
    init.message = kWmInitDialog;
    fw::LRESULT focusFirst = 0;
    dialog_.OnWndMsg(init, &focusFirst);
    if (!ended_) {
        PlaceOnOpening(openedAt);
    }
    if (!ended_ && backend_.DriverHooks() != nullptr) {
        PostMessageA(hwnd_, kScriptDueMessage, 0, 0);
    }
    // TRUE: the system puts the focus on the first tab stop.
    return focusFirst != 0 ? TRUE : FALSE;
}

// A dialog whose template does not have the system centre it is centred here, before it is
// shown, unless OnInitDialog has already shown or moved it (the dialog's own choice stands).
void Win32DialogWindow::PlaceOnOpening(const RECT& openedAt) {
    if ((TemplateStyle(backend_.Module(), templateId_) & DS_CENTER) != 0) {
        return;
    }
    if ((GetWindowLongA(hwnd_, GWL_STYLE) & (WS_VISIBLE | WS_CHILD)) != 0) {
        return;
    }
    RECT now = {};
    GetWindowRect(hwnd_, &now);
    if (now.left != openedAt.left || now.top != openedAt.top) {
        return;
    }
    CentreDialog(hwnd_);
}

void Win32DialogWindow::AddComboBoxItems() {
    HRSRC resource =
        FindResourceA(backend_.Module(), MAKEINTRESOURCEA(templateId_), kDialogInitType);
    if (resource == nullptr) {
        return;  // no lists to fill
    }
    HGLOBAL loaded = LoadResource(backend_.Module(), resource);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        throw FrameworkError("combo-box init data of dialog " + std::to_string(templateId_) +
                             " could not be loaded");
    }
    const std::vector<DialogInitItem> items = ParseDialogInit(
        static_cast<const unsigned char*>(data), SizeofResource(backend_.Module(), resource));
    for (const DialogInitItem& item : items) {
        const ::LRESULT added = SendMessageA(ComboBox(item.controlId), CB_ADDSTRING, 0,
                                             reinterpret_cast<::LPARAM>(item.text.c_str()));
        if (added == CB_ERR || added == CB_ERRSPACE) {
            throw FrameworkError("item \"" + item.text + "\" could not be added to " +
                                 Describe(item.controlId));
        }
    }
}

INT_PTR Win32DialogWindow::Route(const Message& message) {
    fw::LRESULT result = 0;
    if (!dialog_.OnWndMsg(message, &result)) {
        return FALSE;  // the system's default processing
    }
    SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

// Up-down notifications: the dialog sees its own copy of the record, and what the handler
// changes in it goes back to the control. List views: their requests for cell texts, double
// clicks and clicks on a column's header.
INT_PTR Win32DialogWindow::Notify(::LPARAM lParam) {
    const auto* header = reinterpret_cast<const ::NMHDR*>(lParam);
    if (header == nullptr) {
        return FALSE;
    }
    Message notify;
    notify.message = kWmNotify;
    notify.id = static_cast<int>(header->idFrom);
    notify.code = static_cast<int>(header->code);
    switch (header->code) {
        case LVN_GETDISPINFOA:
        case LVN_GETDISPINFOW:
            FillListCell(lParam);
            return TRUE;
        case LVN_ODFINDITEMA:
        case LVN_ODFINDITEMW:
            // Unanswered, the request returns 0, which the list takes for "the first row
            // matches": the letters typed in it would select the first row.
            SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, FindListItem(lParam));
            return TRUE;
        case LVN_COLUMNCLICK:
            notify.index = reinterpret_cast<const ::NMLISTVIEW*>(lParam)->iSubItem;
            return Route(notify);
        case LVN_ITEMCHANGED: {
            // Only a change of the selection: -1 stands for every row of the list at once.
            const auto* change = reinterpret_cast<const ::NMLISTVIEW*>(lParam);
            if ((change->uChanged & LVIF_STATE) == 0 ||
                ((change->uOldState ^ change->uNewState) & LVIS_SELECTED) == 0) {
                return FALSE;
            }
            notify.index = change->iItem;
            return Route(notify);
        }
        case NM_CUSTOMDRAW: {
            ControlKind kind = ControlKind::kStatic;
            if (!KindOfWindow(header->hwndFrom, &kind) || kind != ControlKind::kListView) {
                return FALSE;
            }
            SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, DrawListRow(lParam));
            return TRUE;
        }
        case NM_DBLCLK: {
            ControlKind kind = ControlKind::kStatic;
            if (!KindOfWindow(header->hwndFrom, &kind) || kind != ControlKind::kListView) {
                return FALSE;
            }
            notify.index = reinterpret_cast<const ::NMITEMACTIVATE*>(lParam)->iItem;
            return Route(notify);
        }
        case UDN_DELTAPOS:
            break;
        default:
            return FALSE;
    }
    auto* native = reinterpret_cast<::NMUPDOWN*>(lParam);
    fw::NMUPDOWN record;
    record.hdr.idFrom = static_cast<int>(native->hdr.idFrom);
    record.hdr.code = kUdnDeltaPos;
    record.iPos = native->iPos;
    record.iDelta = native->iDelta;
    notify.upDown = &record;
    const INT_PTR handled = Route(notify);
    native->iPos = record.iPos;
    native->iDelta = record.iDelta;
    return handled;
}

// A list view asks for the text of one cell it is about to show. The list sends the ANSI or the
// Unicode form of the request depending on what the dialog said it takes; both are served.
void Win32DialogWindow::FillListCell(::LPARAM lParam) {
    const auto* header = reinterpret_cast<const ::NMHDR*>(lParam);
    const int id = static_cast<int>(header->idFrom);
    if (header->code == LVN_GETDISPINFOA) {
        ::LVITEMA& item = reinterpret_cast<::NMLVDISPINFOA*>(lParam)->item;
        if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
            const std::string text = dialog_.ListCellText(id, item.iItem, item.iSubItem);
            lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
        }
        return;
    }
    ::LVITEMW& item = reinterpret_cast<::NMLVDISPINFOW*>(lParam)->item;
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        const std::string text = dialog_.ListCellText(id, item.iItem, item.iSubItem);
        const int written =
            MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, item.pszText, item.cchTextMax);
        if (written == 0) {
            item.pszText[item.cchTextMax - 1] = L'\0';  // cut off: keep what fitted
        }
    }
}

// A list view looks for the row that begins with the letters typed while it has the focus.
// Only searches by text are answered; by item data or position, nothing is found.
::LRESULT Win32DialogWindow::FindListItem(::LPARAM lParam) const {
    const auto* header = reinterpret_cast<const ::NMHDR*>(lParam);
    ListFind find;
    UINT flags = 0;
    if (header->code == LVN_ODFINDITEMA) {
        const auto* request = reinterpret_cast<const ::NMLVFINDITEMA*>(lParam);
        flags = request->lvfi.flags;
        find.start = request->iStart;
        if (request->lvfi.psz != nullptr)
            find.text = request->lvfi.psz;
    } else {
        const auto* request = reinterpret_cast<const ::NMLVFINDITEMW*>(lParam);
        flags = request->lvfi.flags;
        find.start = request->iStart;
        if (request->lvfi.psz != nullptr) {
            const int size =
                WideCharToMultiByte(CP_ACP, 0, request->lvfi.psz, -1, nullptr, 0, nullptr, nullptr);
            if (size > 1) {
                find.text.resize(static_cast<size_t>(size));
                WideCharToMultiByte(CP_ACP, 0, request->lvfi.psz, -1, &find.text[0], size, nullptr,
                                    nullptr);
                find.text.resize(static_cast<size_t>(size - 1));
            }
        }
    }
    if ((flags & (LVFI_STRING | LVFI_PARTIAL)) == 0)
        return -1;
    find.partial = (flags & LVFI_PARTIAL) != 0;
    find.wrap = (flags & LVFI_WRAP) != 0;
    const auto rows = static_cast<int>(SendMessageA(header->hwndFrom, LVM_GETITEMCOUNT, 0, 0));
    return FindListRow(dialog_, static_cast<int>(header->idFrom), rows, find);
}

INT_PTR Win32DialogWindow::Paint() {
    struct PaintScope {
        bool& inPaint;
        ~PaintScope() { inPaint = false; }
    };
    Message paint;
    paint.message = kWmPaint;
    fw::LRESULT unused = 0;
    bool handled = false;
    {
        inPaint_ = true;
        painted_ = false;
        PaintScope scope{inPaint_};
        handled = dialog_.OnWndMsg(paint, &unused);
    }
    if (handled && !painted_) {
        // The region would stay invalid and WM_PAINT come back forever.
        ValidateRect(hwnd_, nullptr);
        throw FrameworkError("dialog " + std::to_string(templateId_) +
                             " handled WM_PAINT without painting (no CPaintDC)");
    }
    return handled ? TRUE : FALSE;
}

void Win32DialogWindow::Fail(std::exception_ptr failure) {
    if (inAction_) {
        if (!actionFailure_) {
            actionFailure_ = failure;
        }
        return;
    }
    if (!failure_) {
        failure_ = failure;
    }
    if (hwnd_ != nullptr) {
        ::EndDialog(hwnd_, -1);
    }
    ended_ = true;
}

std::exception_ptr Win32DialogWindow::EndAction() {
    inAction_ = false;
    std::exception_ptr failure = actionFailure_;
    actionFailure_ = nullptr;
    return failure;
}

std::string Win32DialogWindow::Describe(int id) const {
    return "control " + std::to_string(id) + " of dialog " + std::to_string(templateId_);
}

HWND Win32DialogWindow::Control(int id) const {
    if (creating_) {
        throw FrameworkError(Describe(id) + " used before the controls exist (in OnCreate)");
    }
    if (id == kIdcStatic) {
        throw FrameworkError("IDC_STATIC names no single control of dialog " +
                             std::to_string(templateId_));
    }
    HWND control = hwnd_ != nullptr ? GetDlgItem(hwnd_, id) : nullptr;
    if (control == nullptr) {
        throw FrameworkError("dialog " + std::to_string(templateId_) + " has no control " +
                             std::to_string(id));
    }
    return control;
}

ControlKind Win32DialogWindow::Kind(int id) const {
    ControlKind kind = ControlKind::kStatic;
    if (!KindOfWindow(Control(id), &kind)) {
        throw FrameworkError(Describe(id) + " is of a window class the framework does not know");
    }
    return kind;
}

HWND Win32DialogWindow::ComboBox(int id) const {
    if (Kind(id) != ControlKind::kComboBox) {
        throw FrameworkError(Describe(id) + " is not a combo box");
    }
    return Control(id);
}

void Win32DialogWindow::CheckControl(int id, ControlKind kind) const {
    if (Kind(id) != kind) {
        throw FrameworkError(Describe(id) + " is not of the kind bound to it");
    }
}

std::string Win32DialogWindow::GetItemText(int id) const {
    return WindowText(Control(id));
}
void Win32DialogWindow::SetItemText(int id, const std::string& text) {
    SetWindowTextA(Control(id), text.c_str());
}
void Win32DialogWindow::ShowItem(int id, bool show) {
    ::ShowWindow(Control(id), show ? SW_SHOW : SW_HIDE);
}
bool Win32DialogWindow::IsItemVisible(int id) const {
    return (GetWindowLongA(Control(id), GWL_STYLE) & WS_VISIBLE) != 0;
}
void Win32DialogWindow::EnableItem(int id, bool enable) {
    ::EnableWindow(Control(id), enable ? TRUE : FALSE);
}
bool Win32DialogWindow::IsItemEnabled(int id) const {
    return ::IsWindowEnabled(Control(id)) != FALSE;
}
bool Win32DialogWindow::IsHorizontalSpin(int id) const {
    CheckControl(id, ControlKind::kUpDown);
    return (GetWindowLongA(Control(id), GWL_STYLE) & UDS_HORZ) != 0;
}
void Win32DialogWindow::SetItemFocus(int id) {
    // The dialog's way to move the focus: it also moves the default-button highlight.
    SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE);
}

int Win32DialogWindow::ComboGetCount(int id) const {
    return static_cast<int>(SendMessageA(ComboBox(id), CB_GETCOUNT, 0, 0));
}
int Win32DialogWindow::ComboGetCurSel(int id) const {
    const ::LRESULT selection = SendMessageA(ComboBox(id), CB_GETCURSEL, 0, 0);
    return selection == CB_ERR ? -1 : static_cast<int>(selection);
}
int Win32DialogWindow::ComboSetCurSel(int id, int index) {
    HWND combo = ComboBox(id);
    const ::LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    if (index < 0 || index >= count) {
        // Windows clears the selection for an index outside the items; Wine keeps the old one.
        // Clearing it explicitly gives the same result on both.
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        return kCbErr;
    }
    return static_cast<int>(SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0));
}
std::string Win32DialogWindow::ComboGetItemText(int id, int index) const {
    HWND combo = ComboBox(id);
    const ::LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (index < 0 || length == CB_ERR) {
        throw FrameworkError(Describe(id) + " has no item " + std::to_string(index));
    }
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    const ::LRESULT copied = SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                          reinterpret_cast<::LPARAM>(text.data()));
    return std::string(text.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

std::string Win32DialogWindow::GetCaption() const {
    return WindowText(hwnd_);
}
void Win32DialogWindow::SetCaption(const std::string& caption) {
    SetWindowTextA(hwnd_, caption.c_str());
}
void Win32DialogWindow::SetIcon(IconHandle icon, bool bigIcon) {
    SendMessageA(hwnd_, WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL,
                 reinterpret_cast<::LPARAM>(ToHicon(icon)));
}
bool Win32DialogWindow::HasSystemMenu() const {
    return (GetWindowLongA(hwnd_, GWL_STYLE) & WS_SYSMENU) != 0;
}

HWND Win32DialogWindow::ListView(int id) const {
    if (Kind(id) != ControlKind::kListView) {
        throw FrameworkError(Describe(id) + " is not a list view");
    }
    return Control(id);
}

// A list view without the focus draws its selected row in the selection colours all the same:
// the system's own colour for it is close to the window's, so that the arrow keys pressed in an
// edit that steers the list would seem to do nothing.
::LRESULT Win32DialogWindow::DrawListRow(::LPARAM lParam) {
    auto* draw = reinterpret_cast<::NMLVCUSTOMDRAW*>(lParam);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
        return CDRF_NOTIFYITEMDRAW;
    }
    const HWND list = draw->nmcd.hdr.hwndFrom;
    if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT || GetFocus() == list) {
        return CDRF_DODEFAULT;
    }
    const WPARAM row = static_cast<WPARAM>(draw->nmcd.dwItemSpec);
    if ((SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) == 0) {
        return CDRF_DODEFAULT;
    }
    draw->nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
    draw->clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    draw->clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
    return CDRF_NEWFONT;
}

void Win32DialogWindow::ListSetColumns(int id, const std::vector<ListColumn>& columns) {
    HWND list = ListView(id);
    // Whole rows are selected, and a cut label shows in full under the pointer.
    const ::LPARAM extended = LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    while (SendMessageA(list, LVM_DELETECOLUMN, 0, 0) != FALSE) {
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        RECT width = {0, 0, columns[i].width, 0};
        MapDialogRect(hwnd_, &width);
        std::string title = columns[i].title;
        ::LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = columns[i].alignRight ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = width.right;
        column.pszText = &title[0];
        column.iSubItem = static_cast<int>(i);
        if (SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<::LPARAM>(&column)) < 0) {
            throw FrameworkError("column \"" + title + "\" could not be added to " + Describe(id));
        }
    }
}

void Win32DialogWindow::ListSetSortMark(int id, int column, bool descending) {
    const HWND header = reinterpret_cast<HWND>(SendMessageA(ListView(id), LVM_GETHEADER, 0, 0));
    const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        ::HDITEMA item = {};
        item.mask = HDI_FORMAT;
        if (SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(i),
                         reinterpret_cast<::LPARAM>(&item)) == FALSE) {
            continue;
        }
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == column) {
            item.fmt |= descending ? HDF_SORTDOWN : HDF_SORTUP;
        }
        SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(i),
                     reinterpret_cast<::LPARAM>(&item));
    }
}

void Win32DialogWindow::ListSetRowCount(int id, int count) {
    SendMessageA(ListView(id), LVM_SETITEMCOUNT, static_cast<WPARAM>(count < 0 ? 0 : count), 0);
}

int Win32DialogWindow::ListGetRowCount(int id) const {
    return static_cast<int>(SendMessageA(ListView(id), LVM_GETITEMCOUNT, 0, 0));
}

int Win32DialogWindow::ListGetCurSel(int id) const {
    return static_cast<int>(
        SendMessageA(ListView(id), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void Win32DialogWindow::ListSetCurSel(int id, int row) {
    HWND list = ListView(id);
    ::LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<::LPARAM>(&state));
    if (row < 0 || row >= ListGetRowCount(id)) {
        return;
    }
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<::LPARAM>(&state));
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

std::string Win32DialogWindow::ListGetItemText(int id, int row, int column) const {
    HWND list = ListView(id);
    if (row < 0 || row >= ListGetRowCount(id) || column < 0) {
        throw FrameworkError(Describe(id) + " has no row " + std::to_string(row));
    }
    std::vector<char> text(256);
    for (;;) {
        ::LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const ::LRESULT length = SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                              reinterpret_cast<::LPARAM>(&item));
        if (length < 0 || static_cast<std::size_t>(length) < text.size() - 1) {
            return std::string(text.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
        }
        text.resize(text.size() * 2);  // it may have been cut off: try a larger buffer
    }
}

HMENU Win32DialogWindow::SystemMenu() const {
    HMENU menu = HasSystemMenu() ? GetSystemMenu(hwnd_, FALSE) : nullptr;
    if (menu == nullptr) {
        throw FrameworkError("dialog " + std::to_string(templateId_) + " has no system menu");
    }
    return menu;
}
void Win32DialogWindow::AppendSystemMenuSeparator() {
    AppendMenuA(SystemMenu(), MF_SEPARATOR, 0, nullptr);
}
void Win32DialogWindow::AppendSystemMenuItem(unsigned commandId, const std::string& text) {
    AppendMenuA(SystemMenu(), MF_STRING, commandId, text.c_str());
}
void Win32DialogWindow::ShowWindow(bool show) {
    ::ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE);
}
bool Win32DialogWindow::IsWindowVisible() const {
    return ::IsWindowVisible(hwnd_) != FALSE;
}
bool Win32DialogWindow::IsIconic() const {
    return ::IsIconic(hwnd_) != FALSE;
}
CRect Win32DialogWindow::GetClientRect() const {
    RECT client = {};
    ::GetClientRect(hwnd_, &client);
    CRect rect;
    rect.left = client.left;
    rect.top = client.top;
    rect.right = client.right;
    rect.bottom = client.bottom;
    return rect;
}

std::unique_ptr<PaintContext> Win32DialogWindow::BeginPaint() {
    if (!inPaint_) {
        throw FrameworkError("CPaintDC used outside WM_PAINT");
    }
    painted_ = true;
    return std::make_unique<Painter>(hwnd_);
}

ClipboardResult Win32DialogWindow::SetClipboardText(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory == nullptr) {
        return ClipboardResult::kFailed;
    }
    void* bytes = GlobalLock(memory);
    if (bytes == nullptr) {
        GlobalFree(memory);
        return ClipboardResult::kFailed;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    ClipboardResult result = ClipboardResult::kInUse;
    if (OpenClipboardFor(hwnd_)) {
        // Once SetClipboardData has taken the memory, it belongs to the system.
        const bool placed = EmptyClipboard() && SetClipboardData(CF_TEXT, memory) != nullptr;
        result = placed ? ClipboardResult::kDone : ClipboardResult::kFailed;
        CloseClipboard();
    }
    if (result != ClipboardResult::kDone) {
        GlobalFree(memory);
    }
    return result;
}

ClipboardResult Win32DialogWindow::GetClipboardText(std::size_t maxSize, std::string& text,
                                                    std::size_t& size) {
    if (!OpenClipboardFor(hwnd_)) {
        return ClipboardResult::kInUse;
    }
    // CF_TEXT is there too when a program put only Unicode text: the system converts it.
    ClipboardResult result = ClipboardResult::kNoText;
    if (IsClipboardFormatAvailable(CF_TEXT)) {
        result = ClipboardResult::kFailed;
        HANDLE data = GetClipboardData(CF_TEXT);
        const auto* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
        if (bytes != nullptr) {
            // The text ends at its terminator, or with its memory if a program left that out.
            const std::size_t memorySize = GlobalSize(data);
            const void* end = std::memchr(bytes, '\0', memorySize);
            size =
                end ? static_cast<std::size_t>(static_cast<const char*>(end) - bytes) : memorySize;
            if (size > maxSize) {
                result = ClipboardResult::kTooLong;
            } else {
                text.assign(bytes, size);
                result = ClipboardResult::kDone;
            }
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return result;
}

bool Win32DialogWindow::TranslateShortcut(const MSG& message) {
    const bool letter = message.wParam >= 'A' && message.wParam <= 'Z';
    const bool digit = message.wParam >= '0' && message.wParam <= '9';
    if (message.message != WM_KEYDOWN || (!letter && !digit)) {
        return false;
    }
    if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) {
        return false;
    }
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    ControlKind kind = ControlKind::kStatic;
    if (message.hwnd != hwnd_ && KindOfWindow(message.hwnd, &kind) && kind == ControlKind::kEdit &&
        EditKeepsCtrlKey(static_cast<char>(message.wParam))) {
        return false;  // the edit copies and pastes its own text
    }
    const unsigned command = dialog_.CtrlKeyCommand(static_cast<char>(message.wParam), shift);
    if (command == 0) {
        return false;
    }
    // A held key repeats: one command per press.
    const bool repeated = (message.lParam & (::LPARAM{1} << 30)) != 0;
    if (!repeated) {
        PostMessageA(hwnd_, WM_SYSCOMMAND, command, 0);
    }
    return true;
}

bool Win32DialogWindow::TranslateRoutedKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    const int id = message.hwnd == hwnd_ ? 0 : GetDlgCtrlID(message.hwnd);
    if (dialog_.StepSpinForKey(id, static_cast<int>(message.wParam))) {
        return true;
    }
    if (message.hwnd == hwnd_) {
        return false;
    }
    if (message.wParam != VK_UP && message.wParam != VK_DOWN && message.wParam != VK_PRIOR &&
        message.wParam != VK_NEXT) {
        return false;
    }
    const int listId = dialog_.ListKeysTarget(id);
    if (listId == 0) {
        return false;
    }
    SendMessageA(ListView(listId), WM_KEYDOWN, message.wParam, message.lParam);
    return true;
}

int Win32DialogWindow::ShowMessageBox(const std::string& text, const std::string& caption,
                                      unsigned flags) {
    return backend_.ShowMessageBoxFor(hwnd_, templateId_, text, caption, flags);
}

FileDialogChoice Win32DialogWindow::ShowFileDialog(const FileDialogRequest& request) {
    return backend_.ShowFileDialogFor(hwnd_, request);
}

void Win32DialogWindow::AcceptDroppedFiles() {
    DragAcceptFiles(hwnd_, TRUE);
}

INT_PTR Win32DialogWindow::DropFiles(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFFu, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::vector<char> path(length + 1, '\0');
        DragQueryFileA(drop, i, path.data(), length + 1);
        paths.emplace_back(path.data());
    }
    DragFinish(drop);
    Message routed;
    routed.message = kWmDropFiles;
    routed.files = &paths;
    return Route(routed);
}

void Win32DialogWindow::EndDialog(int result) {
    ::EndDialog(hwnd_, result);
    ended_ = true;
}

}  // namespace win32
}  // namespace fw
