#include "framework/win32/win32_ui_driver.h"

#include "framework/constants.h"
#include "framework/framework_error.h"
#include "framework/win32/win32_dialog_driver.h"
#include "framework/win32/win32_dialog_window.h"

namespace fw {
namespace win32 {
namespace {

// The hook and the timer callbacks carry no pointer of their own.
Win32UiDriver* g_driver = nullptr;

// Id of the static that holds a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;
// Controls of the common file dialogs (dlgs.h): the file types, the file name as an edit or as
// an editable combo box.
constexpr int kFileTypesId = 0x470;      // cmb1
constexpr int kFileNameEditId = 0x480;   // edt1
constexpr int kFileNameComboId = 0x47C;  // cmb13

std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool IsDialogClass(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "#32770";
}

}  // namespace

Win32UiDriver::Win32UiDriver(Win32Backend& backend, unsigned watchdogMilliseconds)
    : backend_(backend), watchdogMilliseconds_(watchdogMilliseconds) {
    if (g_driver != nullptr) {
        throw FrameworkError("a Win32 test driver is installed already");
    }
    hook_ = SetWindowsHookExA(WH_CBT, &Win32UiDriver::CbtHook, nullptr, GetCurrentThreadId());
    if (hook_ == nullptr) {
        throw FrameworkError("the message-box hook could not be installed");
    }
    const UINT period = std::max(10u, std::min(250u, watchdogMilliseconds / 4));
    timer_ = SetTimer(nullptr, 0, period, &Win32UiDriver::WatchdogTimer);
    g_driver = this;
    backend_.SetDriverHooks(this);
    Activity();
}

Win32UiDriver::~Win32UiDriver() {
    backend_.SetDriverHooks(nullptr);
    g_driver = nullptr;
    KillTimer(nullptr, timer_);
    UnhookWindowsHookEx(hook_);
}

void Win32UiDriver::ExpectModal(int templateId, Script script) {
    queue_.ExpectModal(templateId, std::move(script));
}

void Win32UiDriver::AnswerNextMessageBox(int answer) {
    queue_.AnswerNextMessageBox(answer);
}

std::vector<std::string> Win32UiDriver::Unused() const {
    return queue_.Unused();
}

void Win32UiDriver::Activity() {
    lastActivity_ = GetTickCount();
}

void Win32UiDriver::RunStarting(int templateId) {
    Activity();
    runs_.push_back({templateId, queue_.TakeScript(templateId)});
}

void Win32UiDriver::DialogReady(Win32DialogWindow& window) {
    Activity();
    if (runs_.empty() || runs_.back().templateId != window.TemplateId() || !runs_.back().script) {
        throw FrameworkError("no script for the run of dialog " +
                             std::to_string(window.TemplateId()));
    }
    // The system shows a modal dialog once its message queue first runs empty, and this
    // message came before that. The user acts on a shown dialog only: show it now, as the
    // system is about to.
    if (!::IsWindowVisible(window.Handle())) {
        ShowWindow(window.Handle(), SW_SHOWNORMAL);
    }
    // Moved out: nested runs add to runs_ while the script runs.
    Script script = std::move(runs_.back().script);
    Win32DialogDriver driver(*this, window);
    script(driver);
    Activity();
    ThrowIfWatchdogFired();
    if (!window.Ended()) {
        throw FrameworkError("the script for dialog " + std::to_string(window.TemplateId()) +
                             " returned without ending it");
    }
}

void Win32UiDriver::RunEnded(int) {
    runs_.pop_back();
    Activity();
    ThrowIfWatchdogFired();
}

void Win32UiDriver::AnswerNextFileDialog(FileDialogChoice choice) {
    queue_.AnswerNextFileDialog(std::move(choice));
}

void Win32UiDriver::FileDialogOpening(const FileDialogRequest& request) {
    Activity();
    fileAnswer_ = queue_.TakeFileDialogAnswer(request);
    fileDialog_ = nullptr;
    fileDialogOpen_ = true;
}

void Win32UiDriver::FileDialogClosed(const FileDialogChoice& choice) {
    fileDialogOpen_ = false;
    Activity();
    ThrowIfWatchdogFired();
    if (fileDialog_ == nullptr) {
        throw FrameworkError("the file dialog never appeared (" + choice.failure + ")");
    }
    if (choice.path.empty() != fileAnswer_.path.empty()) {
        throw FrameworkError("the file dialog answered \"" + fileAnswer_.path + "\" returned \"" +
                             choice.path + "\"");
    }
}

// The dialog fills its controls from messages of its own after it is activated: the answer
// waits for a timer, which comes once the dialog's queue is empty.
void Win32UiDriver::FileDialogActivated(HWND window) {
    fileDialog_ = window;
    answerTimer_ = SetTimer(nullptr, 0, 1, &Win32UiDriver::FileDialogAnswerTimer);
}

void CALLBACK Win32UiDriver::FileDialogAnswerTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (g_driver != nullptr && g_driver->answerTimer_ == timer) {
        g_driver->answerTimer_ = 0;
        g_driver->AnswerFileDialog(g_driver->fileDialog_);
    }
}

void Win32UiDriver::AnswerFileDialog(HWND window) {
    if (fileAnswer_.path.empty()) {
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return;
    }
    HWND types = GetDlgItem(window, kFileTypesId);
    if (SendMessageA(types, CB_GETCURSEL, 0, 0) != fileAnswer_.typeIndex) {
        SendMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(fileAnswer_.typeIndex), 0);
        // What the list sends when the user chooses an item; the dialog acts on the second.
        for (int code : {CBN_SELCHANGE, CBN_SELENDOK}) {
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(kFileTypesId, code),
                         reinterpret_cast<::LPARAM>(types));
        }
    }
    HWND name = GetDlgItem(window, kFileNameEditId);
    if (name == nullptr) {
        name = GetDlgItem(window, kFileNameComboId);
    }
    SetWindowTextA(name, fileAnswer_.path.c_str());
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<::LPARAM>(GetDlgItem(window, IDOK)));
}

void Win32UiDriver::MessageBoxOpening(const MessageBoxRecord& box) {
    Activity();
    const int answer = queue_.TakeAnswer(box.text, box.flags);
    box_ = OpenBox();
    box_.record = box;
    box_.record.answer = answer;
    boxOpen_ = true;
}

void Win32UiDriver::MessageBoxClosed(int answer) {
    boxOpen_ = false;
    Activity();
    ThrowIfWatchdogFired();
    const std::string box = "the message box \"" + box_.record.text + "\"";
    if (box_.window == nullptr) {
        throw FrameworkError(box + " never appeared (MessageBoxA returned " +
                             std::to_string(answer) + ")");
    }
    if (box_.shownText != box_.record.text || box_.shownCaption != box_.record.caption) {
        throw FrameworkError(box + " showed \"" + box_.shownText + "\" captioned \"" +
                             box_.shownCaption + "\"");
    }
    if (answer != box_.record.answer) {
        throw FrameworkError(box + " was answered " + std::to_string(box_.record.answer) +
                             " but returned " + std::to_string(answer));
    }
    messageBoxes_.push_back(box_.record);
}

::LRESULT CALLBACK Win32UiDriver::CbtHook(int code, WPARAM wParam, ::LPARAM lParam) {
    if (code == HCBT_ACTIVATE && g_driver != nullptr) {
        try {
            g_driver->BoxActivated(reinterpret_cast<HWND>(wParam));
        } catch (...) {
            // Nothing may cross the system's code; an unanswered box meets the watchdog.
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A message box is a dialog-class window with its text in the static 0xFFFF that is none of the
// running dialogs (whose labels may have the id 0xFFFF as well).
void Win32UiDriver::BoxActivated(HWND window) {
    if (fileDialogOpen_ && fileDialog_ == nullptr && IsDialogClass(window) &&
        !backend_.IsRunningDialog(window) && GetDlgItem(window, kFileTypesId) != nullptr) {
        FileDialogActivated(window);
        return;
    }
    if (!boxOpen_ || box_.window != nullptr || !IsDialogClass(window) ||
        backend_.IsRunningDialog(window)) {
        return;
    }
    HWND text = GetDlgItem(window, kMessageBoxTextId);
    if (text == nullptr) {
        return;
    }
    box_.window = window;
    box_.shownText = TextOf(text);
    box_.shownCaption = TextOf(window);
    // Posted: the box is still being activated; its modal loop presses the button.
    const int answer = box_.record.answer;
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                 reinterpret_cast<::LPARAM>(GetDlgItem(window, answer)));
}

void CALLBACK Win32UiDriver::WatchdogTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_driver != nullptr) {
        g_driver->WatchdogTick();
    }
}

void Win32UiDriver::WatchdogTick() {
    if (!watchdogFailure_.empty() || GetTickCount() - lastActivity_ < watchdogMilliseconds_) {
        return;
    }
    watchdogFailure_ = "watchdog: " + Waiting() + " with nothing happening for " +
                       std::to_string(watchdogMilliseconds_) + " ms";
    PostQuitMessage(0);  // every modal loop ends on it and passes it on
}

std::string Win32UiDriver::Waiting() const {
    if (fileDialogOpen_) {
        return "the file dialog stayed open";
    }
    if (boxOpen_) {
        return "the message box \"" + box_.record.text + "\" stayed open";
    }
    if (!runs_.empty()) {
        return "dialog " + std::to_string(runs_.back().templateId) + " stayed open";
    }
    return "a message loop kept running";
}

void Win32UiDriver::ThrowIfWatchdogFired() {
    if (watchdogFailure_.empty()) {
        return;
    }
    const std::string failure = watchdogFailure_;
    if (runs_.empty() && !boxOpen_) {
        watchdogFailure_.clear();
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    throw FrameworkError(failure);
}

}  // namespace win32
}  // namespace fw
