#include "framework/headless/headless_window.h"

#include <algorithm>
#include <cctype>

#include "framework/framework_error.h"
#include "framework/headless/headless_backend.h"

namespace fw {
namespace headless {
namespace {

// The order a sorted combo box keeps: ASCII letters without regard to case.
bool SortsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Dialog units to pixels for an 8-point "MS Sans Serif" dialog (base units 6 x 13).
int DluToPixelsX(int dlu) {
    return dlu * 6 / 4;
}
int DluToPixelsY(int dlu) {
    return dlu * 13 / 8;
}

}  // namespace

class HeadlessWindow::Painter : public PaintContext {
  public:
    explicit Painter(HeadlessWindow& window) : window_(window) {
        if (window_.paintOps_ == nullptr) {
            throw FrameworkError("CPaintDC used outside WM_PAINT");
        }
        window_.painted_ = true;
    }
    void EraseIconBackground() override {
        window_.paintOps_->push_back(
            {PaintOp::Kind::kEraseIconBackground, 0, 0, IconHandle::kNone});
    }
    void DrawIcon(int x, int y, IconHandle icon) override {
        window_.paintOps_->push_back({PaintOp::Kind::kDrawIcon, x, y, icon});
    }

  private:
    HeadlessWindow& window_;
};

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, const DialogTemplate& source,
                               CDialog& dialog)
    : backend_(backend), source_(source), dialog_(dialog), caption_(source.caption) {}

std::string HeadlessWindow::Describe(int id) const {
    return "control " + std::to_string(id) + " of dialog " + std::to_string(source_.id);
}

const HeadlessControl& HeadlessWindow::Control(int id) const {
    if (!created_) {
        throw FrameworkError(Describe(id) + " used before the controls exist (in OnCreate)");
    }
    if (id == kIdcStatic) {
        throw FrameworkError("IDC_STATIC names no single control of dialog " +
                             std::to_string(source_.id));
    }
    for (const HeadlessControl& control : controls_) {
        if (control.source->id == id) {
            return control;
        }
    }
    throw FrameworkError("dialog " + std::to_string(source_.id) + " has no control " +
                         std::to_string(id));
}

HeadlessControl& HeadlessWindow::Control(int id) {
    return const_cast<HeadlessControl&>(static_cast<const HeadlessWindow&>(*this).Control(id));
}

void HeadlessWindow::CheckControl(int id, ControlKind kind) const {
    if (Control(id).source->kind != kind) {
        throw FrameworkError(Describe(id) + " is not of the kind bound to it");
    }
}

std::string HeadlessWindow::GetItemText(int id) const {
    return Control(id).text;
}
void HeadlessWindow::SetItemText(int id, const std::string& text) {
    Control(id).text = text;
}
void HeadlessWindow::ShowItem(int id, bool show) {
    Control(id).visible = show;
}
bool HeadlessWindow::IsItemVisible(int id) const {
    return Control(id).visible;
}
void HeadlessWindow::EnableItem(int id, bool enable) {
    Control(id).enabled = enable;
}
bool HeadlessWindow::IsItemEnabled(int id) const {
    return Control(id).enabled;
}
bool HeadlessWindow::IsHorizontalSpin(int id) const {
    CheckControl(id, ControlKind::kUpDown);
    return Control(id).source->HasStyle("UDS_HORZ");
}
void HeadlessWindow::SetItemFocus(int id) {
    focusId_ = Control(id).source->id;
}

const HeadlessControl& HeadlessWindow::ComboBox(int id) const {
    const HeadlessControl& control = Control(id);
    if (control.source->kind != ControlKind::kComboBox) {
        throw FrameworkError(Describe(id) + " is not a combo box");
    }
    return control;
}

int HeadlessWindow::ComboGetCount(int id) const {
    return static_cast<int>(ComboBox(id).items.size());
}

int HeadlessWindow::ComboGetCurSel(int id) const {
    return ComboBox(id).selection;
}

int HeadlessWindow::ComboSetCurSel(int id, int index) {
    HeadlessControl& control = const_cast<HeadlessControl&>(ComboBox(id));
    if (index < 0 || index >= static_cast<int>(control.items.size())) {
        control.selection = -1;
        return kCbErr;
    }
    control.selection = index;
    return index;
}

std::string HeadlessWindow::ComboGetItemText(int id, int index) const {
    const HeadlessControl& control = ComboBox(id);
    if (index < 0 || index >= static_cast<int>(control.items.size())) {
        throw FrameworkError(Describe(id) + " has no item " + std::to_string(index));
    }
    return control.items[static_cast<std::size_t>(index)];
}

const HeadlessControl& HeadlessWindow::ListView(int id) const {
    const HeadlessControl& control = Control(id);
    if (control.source->kind != ControlKind::kListView) {
        throw FrameworkError(Describe(id) + " is not a list view");
    }
    return control;
}

HeadlessControl& HeadlessWindow::ListView(int id) {
    return const_cast<HeadlessControl&>(static_cast<const HeadlessWindow&>(*this).ListView(id));
}

void HeadlessWindow::ListSetColumns(int id, const std::vector<ListColumn>& columns) {
    ListView(id).columns = columns;
}

void HeadlessWindow::ListSetRowCount(int id, int count) {
    HeadlessControl& list = ListView(id);
    list.rowCount = std::max(count, 0);
    if (list.selection >= list.rowCount) {
        SelectRow(id, -1);
    }
}

int HeadlessWindow::ListGetRowCount(int id) const {
    return ListView(id).rowCount;
}

int HeadlessWindow::ListGetCurSel(int id) const {
    return ListView(id).selection;
}

void HeadlessWindow::ListSetCurSel(int id, int row) {
    SelectRow(id, row);
}

// As the list view does, whoever changes the selection: the owner hears of it.
void HeadlessWindow::SelectRow(int id, int row) {
    HeadlessControl& list = ListView(id);
    const int selected = row >= 0 && row < list.rowCount ? row : -1;
    if (selected == list.selection) {
        return;
    }
    list.selection = selected;
    Send(ListNotification(id, kLvnItemChanged, selected));
}

void HeadlessWindow::ListSetSortMark(int id, int column, bool descending) {
    HeadlessControl& list = ListView(id);
    list.sortColumn = column;
    list.sortDescending = descending;
}

std::string HeadlessWindow::ListGetItemText(int id, int row, int column) const {
    const HeadlessControl& list = ListView(id);
    if (row < 0 || row >= list.rowCount || column < 0 ||
        column >= static_cast<int>(list.columns.size())) {
        throw FrameworkError(Describe(id) + " has no cell " + std::to_string(row) + ", " +
                             std::to_string(column));
    }
    return dialog_.ListCellText(id, row, column);
}

void HeadlessWindow::KeyDown(int id, int virtualKey) {
    if (dialog_.StepSpinForKey(id, virtualKey)) {
        return;
    }
    const HeadlessControl& pressed = Control(id);
    int listId = id;
    if (pressed.source->kind == ControlKind::kEdit) {
        listId = dialog_.ListKeysTarget(id);
    }
    if (listId == 0 || Control(listId).source->kind != ControlKind::kListView) {
        return;
    }
    HeadlessControl& list = ListView(listId);
    if (list.rowCount == 0) {
        return;
    }
    // A page is about as many rows as the control shows (header and rows of 8-point text).
    const int page = std::max(1, (DluToPixelsY(list.source->height) - 24) / 16);
    const int at = list.selection;
    int next = at;
    switch (virtualKey) {
        case kVkUp:
            next = at - 1;
            break;
        case kVkDown:
            next = at + 1;
            break;
        case kVkPageUp:
            next = at - page;
            break;
        case kVkPageDown:
            next = at + page;
            break;
        default:
            return;
    }
    SelectRow(listId, std::min(std::max(next, 0), list.rowCount - 1));
}

void HeadlessWindow::SetIcon(IconHandle icon, bool bigIcon) {
    (bigIcon ? bigIcon_ : smallIcon_) = icon;
}

bool HeadlessWindow::HasSystemMenu() const {
    return source_.HasStyle("WS_SYSMENU");
}

void HeadlessWindow::AppendSystemMenuSeparator() {
    AppendSystemMenuItem(0, "");
}

void HeadlessWindow::AppendSystemMenuItem(unsigned commandId, const std::string& text) {
    if (!HasSystemMenu()) {
        throw FrameworkError("dialog " + std::to_string(source_.id) + " has no system menu");
    }
    systemMenu_.push_back({commandId, text});
}

ClipboardResult HeadlessWindow::SetClipboardText(const std::string& text) {
    if (backend_.ClipboardInUse()) {
        return ClipboardResult::kInUse;
    }
    backend_.SetClipboardText(text);
    return ClipboardResult::kDone;
}

ClipboardResult HeadlessWindow::GetClipboardText(std::size_t maxSize, std::string& text,
                                                 std::size_t& size) {
    if (backend_.ClipboardInUse()) {
        return ClipboardResult::kInUse;
    }
    if (!backend_.ClipboardText()) {
        return ClipboardResult::kNoText;
    }
    size = backend_.ClipboardText()->size();
    if (size > maxSize) {
        return ClipboardResult::kTooLong;
    }
    text = *backend_.ClipboardText();
    return ClipboardResult::kDone;
}

CRect HeadlessWindow::GetClientRect() const {
    CRect rect;
    rect.right = DluToPixelsX(source_.width);
    rect.bottom = DluToPixelsY(source_.height);
    return rect;
}

std::unique_ptr<PaintContext> HeadlessWindow::BeginPaint() {
    return std::make_unique<Painter>(*this);
}

FileDialogChoice HeadlessWindow::ShowFileDialog(const FileDialogRequest& request) {
    return backend_.TakeFileDialogAnswer(request);
}

int HeadlessWindow::ShowMessageBox(const std::string& text, const std::string& caption,
                                   unsigned flags) {
    return backend_.RecordMessageBox(text, caption, flags, source_.id);
}

void HeadlessWindow::EndDialog(int result) {
    ended_ = true;
    result_ = result;
}

void HeadlessWindow::CreateControls() {
    controls_.clear();
    for (const ControlTemplate& source : source_.controls) {
        HeadlessControl control;
        control.source = &source;
        control.text = source.text;
        control.visible = source.visible;
        control.enabled = !source.HasStyle("WS_DISABLED");
        controls_.push_back(control);
    }
    created_ = true;
    for (const auto& item : source_.initItems) {
        HeadlessControl& combo = Control(item.first);
        auto at = combo.items.end();
        if (combo.source->HasStyle("CBS_SORT")) {
            at = std::upper_bound(combo.items.begin(), combo.items.end(), item.second, SortsBefore);
        }
        combo.items.insert(at, item.second);
    }
}

void HeadlessWindow::FocusFirstTabStop() {
    for (const HeadlessControl& control : controls_) {
        if (control.visible && control.enabled && control.source->HasStyle("WS_TABSTOP")) {
            focusId_ = control.source->id;
            return;
        }
    }
}

LRESULT HeadlessWindow::Send(const Message& message) {
    LRESULT result = 0;
    if (!dialog_.OnWndMsg(message, &result)) {
        DefaultProcessing(message);
        return 0;
    }
    return result;
}

// What the system's dialog procedure does with the messages a dialog leaves to it.
void HeadlessWindow::DefaultProcessing(const Message& message) {
    if (message.message == kWmSysCommand) {
        const unsigned command = static_cast<unsigned>(message.id) & 0xFFF0u;
        if (command == kScClose) {
            Message cancel;
            cancel.message = kWmCommand;
            cancel.id = kIdCancel;
            cancel.code = kBnClicked;
            Send(cancel);
        } else if (command == kScMinimize) {
            iconic_ = true;
        } else if (command == kScRestore) {
            iconic_ = false;
        }
    } else if (message.message == kWmPaint && paintOps_ != nullptr) {
        paintOps_->push_back({PaintOp::Kind::kDefaultPaint, 0, 0, IconHandle::kNone});
        painted_ = true;
    }
}

std::vector<PaintOp> HeadlessWindow::Paint() {
    std::vector<PaintOp> ops;
    paintOps_ = &ops;
    painted_ = false;
    struct Reset {
        std::vector<PaintOp>*& ops;
        ~Reset() { ops = nullptr; }
    } reset{paintOps_};
    Message paint;
    paint.message = kWmPaint;
    Send(paint);
    if (!painted_) {
        // On Windows the region would stay invalid and WM_PAINT come back forever.
        throw FrameworkError("dialog " + std::to_string(source_.id) +
                             " handled WM_PAINT without painting (no CPaintDC)");
    }
    return ops;
}

}  // namespace headless
}  // namespace fw
