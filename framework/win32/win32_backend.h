#pragma once

#include <string>
#include <vector>

#include "framework/backend.h"
#include "framework/ui_driver.h"
#include "framework/win32/win32_api.h"

namespace fw {
namespace win32 {

class Win32DialogWindow;

// What a test driver is told by the backend, and when. The program installs none.
class Win32DriverHooks {
  public:
    virtual ~Win32DriverHooks() = default;

    // Before a modal run of the template starts; throws to refuse it.
    virtual void RunStarting(int templateId) = 0;
    // The dialog is initialised and its modal loop runs: the user may act on it now.
    virtual void DialogReady(Win32DialogWindow& window) = 0;
    // After a run that RunStarting let start has returned, whether it failed or not; may throw.
    virtual void RunEnded(int templateId) = 0;
    // Before MessageBoxA shows the box (its answer still 0); throws to refuse it.
    virtual void MessageBoxOpening(const MessageBoxRecord& box) = 0;
    // After MessageBoxA returned; may throw.
    virtual void MessageBoxClosed(int answer) = 0;
    // Before the common Open or Save As dialog is shown; throws to refuse it.
    virtual void FileDialogOpening(const FileDialogRequest& request) = 0;
    // After it returned; may throw.
    virtual void FileDialogClosed(const FileDialogChoice& choice) = 0;
};

// The backend on the real Win32 API: modal runs are DialogBoxParamA on the templates of the
// module's resources, message boxes MessageBoxA.
class Win32Backend : public UiBackend {
  public:
    // Dialogs, icons and strings come from this module (by default the executable).
    explicit Win32Backend(HINSTANCE module = GetModuleHandleA(nullptr));
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    // UiBackend
    int RunModal(CDialog& dialog) override;
    int ShowMessageBox(const std::string& text, const std::string& caption,
                       unsigned flags) override;
    std::string ApplicationName() const override { return applicationName_; }
    IconHandle LoadIconResource(int resourceId) override;
    std::string LoadResourceString(int resourceId) override;
    int GetSystemMetrics(int index) const override;
    void Sleep(unsigned milliseconds) override;

    HINSTANCE Module() const { return module_; }

    // For a test driver: nullptr to remove it.
    void SetDriverHooks(Win32DriverHooks* hooks) { hooks_ = hooks; }
    Win32DriverHooks* DriverHooks() const { return hooks_; }
    // True while the window is the dialog of a modal run of this backend.
    bool IsRunningDialog(HWND hwnd) const;

    // The message filter of the dialogs' modal loops (WH_MSGFILTER, MSGF_DIALOGBOX), installed
    // for the outermost run: hands keys to the innermost dialog's shortcuts.
    static ::LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, ::LPARAM lParam);

    // For the windows: a message box owned by the window (nullptr for none).
    int ShowMessageBoxFor(HWND owner, int ownerTemplate, const std::string& text,
                          const std::string& caption, unsigned flags);

    // For the windows: the common Open or Save As dialog owned by the window.
    FileDialogChoice ShowFileDialogFor(HWND owner, const FileDialogRequest& request);

  private:
    // The owner of a new modal run: its parent's window while that runs, else the innermost
    // running dialog (the window the user is working in), else none.
    HWND OwnerFor(const CDialog& dialog) const;

    HINSTANCE module_;
    std::string applicationName_;
    Win32DriverHooks* hooks_ = nullptr;
    std::vector<Win32DialogWindow*> running_;  // innermost last
};

}  // namespace win32
}  // namespace fw
