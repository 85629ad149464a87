#include "framework/dialog.h"

#include "framework/afx.h"
#include "framework/data_exchange.h"
#include "framework/framework_error.h"
#include "platform/file_presence.h"

#pragma push_macro("MessageBox")
#undef MessageBox

namespace fw {
namespace {

// Clears the "default processing requested" flag for one handler call and restores the outer
// call's flag afterwards, also when the handler throws.
class DefaultRequestScope {
  public:
    explicit DefaultRequestScope(bool& flag) : flag_(flag), outer_(flag) { flag_ = false; }
    ~DefaultRequestScope() { flag_ = outer_; }
    DefaultRequestScope(const DefaultRequestScope&) = delete;
    DefaultRequestScope& operator=(const DefaultRequestScope&) = delete;
    bool Requested() const { return flag_; }

  private:
    bool& flag_;
    bool outer_;
};

}  // namespace

CDialog::CDialog(int templateId, CDialog* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
    if (window_ != nullptr) {
        throw FrameworkError("dialog " + std::to_string(templateId_) + " is already running");
    }
    return CurrentBackend().RunModal(*this);
}

void CDialog::EndDialog(int result) {
    Window().EndDialog(result);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const DataExchangeStopped&) {
        return false;
    }
    return true;
}

std::string CDialog::GetItemText(int id) const {
    return Window().GetItemText(id);
}
void CDialog::SetItemText(int id, const std::string& text) {
    Window().SetItemText(id, text);
}
void CDialog::ShowItem(int id, bool show) {
    Window().ShowItem(id, show);
}

void CDialog::EnableItem(int id, bool enable) {
    Window().EnableItem(id, enable);
}
bool CDialog::IsItemVisible(int id) const {
    return Window().IsItemVisible(id);
}
void CDialog::SetItemFocus(int id) {
    Window().SetItemFocus(id);
}

void CDialog::ListSetColumns(int id, const std::vector<ListColumn>& columns) {
    Window().ListSetColumns(id, columns);
}
void CDialog::ListSetRowCount(int id, int count) {
    Window().ListSetRowCount(id, count);
}
int CDialog::ListGetCurSel(int id) const {
    return Window().ListGetCurSel(id);
}
void CDialog::ListSetSortMark(int id, int column, bool descending) {
    Window().ListSetSortMark(id, column, descending);
}
void CDialog::ListSetCurSel(int id, int row) {
    Window().ListSetCurSel(id, row);
}
std::string CDialog::ListCellText(int, int, int) const {
    return std::string();
}

void CDialog::RouteListKeys(int editId, int listId) {
    listKeyRoutes_.emplace_back(editId, listId);
}

int CDialog::ListKeysTarget(int editId) const {
    for (const auto& route : listKeyRoutes_) {
        if (route.first == editId) {
            return route.second;
        }
    }
    return 0;
}

void CDialog::RouteSpinKeys(int fieldId, int spinId) {
    spinKeyRoutes_.emplace_back(fieldId, spinId);
}

void CDialog::RoutePageKeys(int spinId) {
    pageKeySpin_ = spinId;
}

bool CDialog::StepSpinForKey(int id, int virtualKey) {
    // Up-down controls keep their default range (100 down to 0), so the arrow that points up or
    // right proposes a change of -1.
    int spinId = 0;
    int delta = 0;
    if (virtualKey == kVkPageUp || virtualKey == kVkPageDown) {
        spinId = pageKeySpin_;
        delta = virtualKey == kVkPageDown ? -1 : 1;
    }
    for (const auto& route : spinKeyRoutes_) {
        if (spinId != 0 || route.first != id) {
            continue;
        }
        const bool horizontal = Window().IsHorizontalSpin(route.second);
        if (virtualKey == kVkUp || (horizontal && virtualKey == kVkRight)) {
            delta = -1;
        } else if (virtualKey == kVkDown || (horizontal && virtualKey == kVkLeft)) {
            delta = 1;
        } else {
            return false;
        }
        spinId = route.second;
    }
    if (spinId == 0) {
        return false;
    }
    Window().CheckControl(spinId, ControlKind::kUpDown);
    NMUPDOWN change;
    LRESULT result = 0;
    OnWndMsg(UpDownNotification(spinId, delta, change), &result);
    return true;
}

std::string CDialog::GetCaption() const {
    return Window().GetCaption();
}
void CDialog::SetCaption(const std::string& caption) {
    Window().SetCaption(caption);
}
void CDialog::SetIcon(IconHandle icon, bool bigIcon) {
    Window().SetIcon(icon, bigIcon);
}
bool CDialog::HasSystemMenu() const {
    return Window().HasSystemMenu();
}
void CDialog::AppendSystemMenuSeparator() {
    Window().AppendSystemMenuSeparator();
}
void CDialog::AppendSystemMenuItem(unsigned commandId, const std::string& text) {
    Window().AppendSystemMenuItem(commandId, text);
}

void CDialog::AddCtrlKeyShortcut(char letter, unsigned systemCommand, bool shift) {
    if ((letter < 'A' || letter > 'Z') && (letter < '0' || letter > '9')) {
        throw FrameworkError(
            std::string("a Ctrl shortcut takes an upper-case letter or a digit, not '") + letter +
            "'");
    }
    ctrlKeyShortcuts_.push_back({letter, shift, systemCommand});
}

unsigned CDialog::CtrlKeyCommand(char letter, bool shift) const {
    for (const CtrlKeyShortcut& shortcut : ctrlKeyShortcuts_) {
        if (shortcut.letter == letter && shortcut.shift == shift) {
            return shortcut.command;
        }
    }
    return 0;
}
void CDialog::ShowWindow(bool show) {
    Window().ShowWindow(show);
}
bool CDialog::IsWindowVisible() const {
    return Window().IsWindowVisible();
}
bool CDialog::IsIconic() const {
    return Window().IsIconic();
}
CRect CDialog::GetClientRect() const {
    return Window().GetClientRect();
}

int CDialog::MessageBox(const std::string& text, const char* caption, unsigned flags) {
    return Window().ShowMessageBox(text, caption != nullptr ? caption : AfxGetAppName(), flags);
}

ClipboardResult CDialog::SetClipboardText(const std::string& text) {
    return Window().SetClipboardText(text);
}

ClipboardResult CDialog::GetClipboardText(std::size_t maxSize, std::string& text,
                                          std::size_t& size) {
    return Window().GetClipboardText(maxSize, text, size);
}

namespace {

// The extension of a type's first pattern ("*.txt;*.text": "txt"); empty for "*.*" or none.
std::string TypeExtension(const FileDialogRequest& request, int typeIndex) {
    if (typeIndex < 0 || static_cast<std::size_t>(typeIndex) >= request.types.size())
        return std::string();
    const std::string& patterns = request.types[static_cast<std::size_t>(typeIndex)].second;
    const std::string first = patterns.substr(0, patterns.find(';'));
    if (first.compare(0, 2, "*.") != 0 || first.find_first_of("*?", 2) != std::string::npos)
        return std::string();
    return first.substr(2);
}

}  // namespace

FileDialogChoice CDialog::ShowFileDialog(const FileDialogRequest& request) {
    FileDialogRequest asked = request;
    for (;;) {
        FileDialogChoice choice = Window().ShowFileDialog(asked);
        const std::size_t nameStart = choice.path.find_last_of("\\/") + 1;
        const std::string extension = TypeExtension(asked, choice.typeIndex);
        if (!asked.save || choice.path.empty() || extension.empty() ||
            choice.path.find('.', nameStart) != std::string::npos)
            return choice;
        choice.path += "." + extension;
        const std::string name = choice.path.substr(nameStart);
        if (!platform::FileExists(choice.path) ||
            MessageBox(name + " already exists.\nDo you want to replace it?", asked.title.c_str(),
                       kMbYesNo | kMbIconExclamation) == kIdYes)
            return choice;
        asked.fileName = name;
        asked.typeIndex = choice.typeIndex;
    }
}

void CDialog::AcceptDroppedFiles() {
    Window().AcceptDroppedFiles();
}

DialogWindow& CDialog::Window() const {
    if (window_ == nullptr) {
        throw FrameworkError("dialog " + std::to_string(templateId_) + " is not running");
    }
    return *window_;
}

bool CDialog::OnWndMsg(const Message& message, LRESULT* result) {
    *result = 0;
    if (message.message == kWmInitDialog) {
        *result = OnInitDialog() ? 1 : 0;
        return true;
    }
    const MessageMapEntry* entry = FindMessageMapEntry(GetMessageMap(), message);
    if (entry == nullptr) {
        return false;
    }
    DefaultRequestScope defaultRequest(defaultRequested_);
    switch (message.message) {
        case kWmCommand:
        case kWmPaint:
            (this->*entry->onVoid)();
            break;
        case kWmNotify:
            if (entry->onListNotify != nullptr) {
                (this->*entry->onListNotify)(message.index);
                break;
            }
            if (message.upDown == nullptr) {
                throw FrameworkError("notification " + std::to_string(message.code) +
                                     " from control " + std::to_string(message.id) +
                                     " came without its up-down record");
            }
            (this->*entry->onUpDown)(message.upDown, result);
            break;
        case kWmCreate:
            *result = (this->*entry->onCreate)();
            break;
        case kWmSysCommand:
            (this->*entry->onSysCommand)(static_cast<unsigned>(message.id), message.lParam);
            break;
        case kWmQueryDragIcon:
            *result = static_cast<LRESULT>((this->*entry->onQueryDragIcon)());
            break;
        case kWmDropFiles:
            if (message.files == nullptr)
                throw FrameworkError("files dropped without their names");
            (this->*entry->onDropFiles)(*message.files);
            break;
        default:
            return false;
    }
    return !defaultRequest.Requested();
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(kIdOk);
    }
}

void CDialog::OnCancel() {
    EndDialog(kIdCancel);
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnSysCommand(unsigned, LPARAM) {
    Default();
}
void CDialog::OnPaint() {
    Default();
}
IconHandle CDialog::OnQueryDragIcon() {
    Default();
    return IconHandle::kNone;
}

// The base map: the standard buttons (also Enter, Esc and the close box, which send them).
const MessageMap* CDialog::GetMessageMap() const {
    return GetThisMessageMap();
}
const MessageMap* CDialog::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        detail::MakeEntry(kWmCommand, kBnClicked, kIdOk, &CDialog::OnOK),
        detail::MakeEntry(kWmCommand, kBnClicked, kIdCancel, &CDialog::OnCancel),
        detail::EndEntry(),
    };
    static const MessageMap map = {nullptr, entries};
    return &map;
}

}  // namespace fw

#pragma pop_macro("MessageBox")
