#include "framework/win32/win32_backend.h"

#include <algorithm>
#include "framework/run_scope.h"

#include <cstdint>
#include <vector>

#include "framework/dialog.h"
#include "framework/framework_error.h"
#include "framework/win32/win32_dialog_window.h"

namespace fw {
namespace win32 {
namespace {

const LPCSTR kDialogType = MAKEINTRESOURCEA(5);  // RT_DIALOG

std::string ModuleFileName(HMODULE module) {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::string();
        }
        if (length < path.size()) {
            return std::string(path.data(), length);
        }
        path.resize(path.size() * 2);  // cut off: try a larger buffer
    }
}

// "C:\Games\Kestrivar.exe" -> "Kestrivar"; a dot in a directory name is not an extension.
std::string BaseNameWithoutExtension(const std::string& path) {
    const std::string::size_type slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos) {
        name.erase(dot);
    }
    return name;
}

// The message filter's hook procedure carries no pointer of its own: the backend whose runs it
// serves, while the outermost run lasts.
Win32Backend* g_filteringBackend = nullptr;
HHOOK g_messageFilter = nullptr;

class MessageFilterScope {
  public:
    explicit MessageFilterScope(Win32Backend& backend) {
        if (g_messageFilter != nullptr) {
            return;  // a nested run: the outermost one's filter serves it
        }
        // Without the filter only the shortcuts are lost; the menu items still work.
        g_messageFilter = SetWindowsHookExA(WH_MSGFILTER, &Win32Backend::MessageFilter, nullptr,
                                            GetCurrentThreadId());
        if (g_messageFilter != nullptr) {
            g_filteringBackend = &backend;
            installed_ = true;
        }
    }
    ~MessageFilterScope() {
        if (installed_) {
            UnhookWindowsHookEx(g_messageFilter);
            g_messageFilter = nullptr;
            g_filteringBackend = nullptr;
        }
    }
    MessageFilterScope(const MessageFilterScope&) = delete;
    MessageFilterScope& operator=(const MessageFilterScope&) = delete;

  private:
    bool installed_ = false;
};

}  // namespace

::LRESULT CALLBACK Win32Backend::MessageFilter(int code, WPARAM wParam, ::LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && g_filteringBackend != nullptr &&
        !g_filteringBackend->running_.empty()) {
        const MSG& message = *reinterpret_cast<const MSG*>(lParam);
        Win32DialogWindow& top = *g_filteringBackend->running_.back();
        const bool toTop = message.hwnd == top.Handle() || IsChild(top.Handle(), message.hwnd);
        try {
            if (toTop && top.Opened() && !top.Ended() &&
                (top.TranslateShortcut(message) || top.TranslateRoutedKey(message))) {
                return TRUE;
            }
        } catch (...) {
            // No exception may cross the system's code; the key then goes its usual way.
        }
    }
    return CallNextHookEx(g_messageFilter, code, wParam, lParam);
}

Win32Backend::Win32Backend(HINSTANCE module)
    : module_(module), applicationName_(BaseNameWithoutExtension(ModuleFileName(nullptr))) {}

int Win32Backend::RunModal(CDialog& dialog) {
    const int templateId = dialog.GetTemplateId();
    if (FindResourceA(module_, MAKEINTRESOURCEA(templateId), kDialogType) == nullptr) {
        throw FrameworkError("no dialog template " + std::to_string(templateId));
    }
    if (hooks_ != nullptr) {
        hooks_->RunStarting(templateId);
    }
    Win32DialogWindow window(*this, dialog);
    const HWND owner = OwnerFor(dialog);
    MessageFilterScope keys(*this);
    INT_PTR result = -1;
    DWORD error = 0;
    {
        RunScope<Win32DialogWindow> run(dialog, window, running_);
        result =
            DialogBoxParamA(module_, MAKEINTRESOURCEA(templateId), owner,
                            &Win32DialogWindow::DialogProc, reinterpret_cast<::LPARAM>(&window));
        error = GetLastError();
    }
    std::exception_ptr failure = window.Failure();
    if (hooks_ != nullptr) {
        try {
            hooks_->RunEnded(templateId);
        } catch (...) {
            if (!failure) {
                failure = std::current_exception();
            }
        }
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    if (!window.Opened()) {
        throw FrameworkError("dialog " + std::to_string(templateId) +
                             " could not be created (error " + std::to_string(error) + ")");
    }
    return static_cast<int>(result);
}

HWND Win32Backend::OwnerFor(const CDialog& dialog) const {
    if (const CDialog* parent = dialog.GetParent()) {
        for (const Win32DialogWindow* window : running_) {
            if (&window->Dialog() == parent) {
                return window->Handle();
            }
        }
    }
    return running_.empty() ? nullptr : running_.back()->Handle();
}

bool Win32Backend::IsRunningDialog(HWND hwnd) const {
    for (const Win32DialogWindow* window : running_) {
        if (window->Handle() == hwnd) {
            return true;
        }
    }
    return false;
}

int Win32Backend::ShowMessageBox(const std::string& text, const std::string& caption,
                                 unsigned flags) {
    return ShowMessageBoxFor(nullptr, 0, text, caption, flags);
}

int Win32Backend::ShowMessageBoxFor(HWND owner, int ownerTemplate, const std::string& text,
                                    const std::string& caption, unsigned flags) {
    if (hooks_ != nullptr) {
        hooks_->MessageBoxOpening({text, caption, flags, 0, ownerTemplate});
    }
    const int answer = MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
    if (hooks_ != nullptr) {
        hooks_->MessageBoxClosed(answer);
    }
    return answer;
}

namespace {

// The filter a common file dialog takes: "description\0patterns\0" for each type, then a NUL.
std::string FileDialogFilter(const FileDialogRequest& request) {
    std::string filter;
    for (const auto& type : request.types) {
        filter += type.first;
        filter.push_back('\0');
        filter += type.second;
        filter.push_back('\0');
    }
    filter.push_back('\0');
    return filter;
}

// Longer than any path an ANSI program can open, so that the dialog never refuses a name for
// the buffer's sake.
constexpr std::size_t kFileDialogNameSize = 4096;

}  // namespace

FileDialogChoice Win32Backend::ShowFileDialogFor(HWND owner, const FileDialogRequest& request) {
    if (hooks_ != nullptr) {
        hooks_->FileDialogOpening(request);
    }
    const std::string filter = FileDialogFilter(request);
    std::vector<char> name(kFileDialogNameSize, '\0');
    request.fileName.copy(name.data(), std::min(request.fileName.size(), name.size() - 1));
    const bool typed = request.typeIndex >= 0 &&
                       static_cast<std::size_t>(request.typeIndex) < request.types.size();
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = request.types.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = typed ? static_cast<DWORD>(request.typeIndex + 1) : 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = request.directory.empty() ? nullptr : request.directory.c_str();
    dialog.lpstrTitle = request.title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                   (request.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = request.save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    FileDialogChoice choice;
    if (chosen) {
        choice.path = name.data();
        choice.typeIndex = static_cast<int>(dialog.nFilterIndex) - 1;
    } else if (const DWORD error = CommDlgExtendedError()) {
        choice.failure = "the system's file dialog failed (error " + std::to_string(error) + ")";
    }
    if (hooks_ != nullptr) {
        hooks_->FileDialogClosed(choice);
    }
    return choice;
}

IconHandle Win32Backend::LoadIconResource(int resourceId) {
    HICON icon = LoadIconA(module_, MAKEINTRESOURCEA(resourceId));
    if (icon == nullptr) {
        throw FrameworkError("no icon " + std::to_string(resourceId) + " in the resources");
    }
    return static_cast<IconHandle>(reinterpret_cast<std::uintptr_t>(icon));
}

std::string Win32Backend::LoadResourceString(int resourceId) {
    std::vector<char> text(256);
    for (;;) {
        const int length = LoadStringA(module_, static_cast<UINT>(resourceId), text.data(),
                                       static_cast<int>(text.size()));
        if (length <= 0) {
            return std::string();
        }
        if (static_cast<std::size_t>(length) < text.size() - 1) {
            return std::string(text.data(), static_cast<std::size_t>(length));
        }
        text.resize(text.size() * 2);  // it may have been cut off: try a larger buffer
    }
}

int Win32Backend::GetSystemMetrics(int index) const {
    return ::GetSystemMetrics(index);
}

void Win32Backend::Sleep(unsigned milliseconds) {
    ::Sleep(milliseconds);
}

}  // namespace win32
}  // namespace fw
