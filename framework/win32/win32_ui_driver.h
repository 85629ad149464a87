#pragma once

#include <string>
#include <vector>

#include "framework/ui_driver.h"
#include "framework/ui_script_queue.h"
#include "framework/win32/win32_api.h"
#include "framework/win32/win32_backend.h"

namespace fw {
namespace win32 {

// The test driver of the Win32 backend, in process: the same scenarios as on the headless
// backend, on real windows.
//
// - A modal run takes the next script queued with ExpectModal. The backend posts a private
//   message at the end of WM_INITDIALOG; when the dialog's modal loop delivers it, the dialog
//   is shown (as the system would do next) and the script runs, its actions being SendMessage
//   calls on the real controls. A handler that opens another dialog runs that dialog's modal
//   loop inside the action, where its own script runs.
// - Message boxes are real MessageBoxA windows. The backend tells the driver about each one
//   before and after; a thread CBT hook sees the box being activated and posts the scripted
//   answer (default: its first button) as the button's WM_COMMAND.
// - The common Open and Save As dialogs are real too: the same hook sees one activated and
//   types the queued file's name, chooses its type and presses the dialog's button.
// - A watchdog (a thread timer, served by every modal loop) posts WM_QUIT when nothing has
//   happened for a while: every modal loop then ends, the runs fail with a FrameworkError that
//   says what was left waiting, and a broken test never blocks.
//
// One driver at a time; it installs itself into the backend for its lifetime.
class Win32UiDriver : public UiDriver, private Win32DriverHooks {
  public:
    static constexpr unsigned kDefaultWatchdogMilliseconds = 5000;

    explicit Win32UiDriver(Win32Backend& backend,
                           unsigned watchdogMilliseconds = kDefaultWatchdogMilliseconds);
    ~Win32UiDriver() override;
    Win32UiDriver(const Win32UiDriver&) = delete;
    Win32UiDriver& operator=(const Win32UiDriver&) = delete;

    // UiDriver
    void ExpectModal(int templateId, Script script) override;
    void AnswerNextMessageBox(int answer) override;
    std::vector<MessageBoxRecord> MessageBoxes() const override { return messageBoxes_; }
    void AnswerNextFileDialog(FileDialogChoice choice) override;
    std::vector<FileDialogRequest> FileDialogs() const override { return queue_.FileDialogs(); }

    // What was queued and never used (scripts, answers), described; empty when all was used.
    std::vector<std::string> Unused() const;

    // Called around every action of a dialog driver: resets the watchdog.
    void Activity();

  private:
    struct Expectation {
        int templateId;
        Script script;
    };
    struct OpenBox {
        MessageBoxRecord record;  // answer = the button the hook presses
        HWND window = nullptr;    // set once the hook has seen it
        std::string shownText;
        std::string shownCaption;
    };

    // Win32DriverHooks
    void RunStarting(int templateId) override;
    void DialogReady(Win32DialogWindow& window) override;
    void RunEnded(int templateId) override;
    void MessageBoxOpening(const MessageBoxRecord& box) override;
    void MessageBoxClosed(int answer) override;
    void FileDialogOpening(const FileDialogRequest& request) override;
    void FileDialogClosed(const FileDialogChoice& choice) override;

    static ::LRESULT CALLBACK CbtHook(int code, WPARAM wParam, ::LPARAM lParam);
    static void CALLBACK WatchdogTimer(HWND, UINT, UINT_PTR, DWORD);
    void BoxActivated(HWND window);
    // Types the queued file's name into the file dialog, chooses its type and presses Open or
    // Save (or Cancel), as a user would.
    void FileDialogActivated(HWND window);
    static void CALLBACK FileDialogAnswerTimer(HWND, UINT, UINT_PTR timer, DWORD);
    void AnswerFileDialog(HWND window);
    void WatchdogTick();
    std::string Waiting() const;
    // Throws the watchdog's failure, if it fired; once everything it interrupted has unwound,
    // also takes its WM_QUIT off the queue so the next run starts clean.
    void ThrowIfWatchdogFired();

    Win32Backend& backend_;
    unsigned watchdogMilliseconds_;
    HHOOK hook_ = nullptr;
    UINT_PTR timer_ = 0;
    DWORD lastActivity_ = 0;
    std::string watchdogFailure_;

    UiScriptQueue queue_;
    std::vector<Expectation> runs_;  // runs in progress, innermost last
    std::vector<MessageBoxRecord> messageBoxes_;
    bool boxOpen_ = false;
    OpenBox box_;
    bool fileDialogOpen_ = false;
    HWND fileDialog_ = nullptr;
    UINT_PTR answerTimer_ = 0;
    FileDialogChoice fileAnswer_;
};

}  // namespace win32
}  // namespace fw
