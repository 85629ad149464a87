#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/backend.h"
#include "framework/headless/resource_script.h"
#include "framework/ui_driver.h"
#include "framework/ui_script_queue.h"

namespace fw {
namespace headless {

class HeadlessWindow;

// The in-memory backend and its test driver. Dialogs run on the templates of the resource
// script it was given; each modal run takes the next script queued with ExpectModal, and
// message boxes take the next queued answer (default: their first button).
//
//   HeadlessBackend ui(ParseResourceScript(rcText, headerText));
//   ScopedBackend use(ui);
//   ui.ExpectModal(IDD_MAIN, [](DialogDriver& d) { d.Type(IDC_COUNT, "7"); d.Click(IDOK); });
//   dialog.DoModal();
class HeadlessBackend : public UiBackend, public UiDriver {
  public:
    explicit HeadlessBackend(ResourceScript resources, std::string applicationName = "Kestrivar");
    ~HeadlessBackend() override;
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

    // UiBackend
    int RunModal(CDialog& dialog) override;
    int ShowMessageBox(const std::string& text, const std::string& caption,
                       unsigned flags) override;
    std::string ApplicationName() const override { return applicationName_; }
    // The handle's value is the resource id.
    IconHandle LoadIconResource(int resourceId) override;
    std::string LoadResourceString(int resourceId) override;
    int GetSystemMetrics(int index) const override;
    void Sleep(unsigned milliseconds) override { sleeps_.push_back(milliseconds); }

    // UiDriver
    void ExpectModal(int templateId, Script script) override;
    void AnswerNextMessageBox(int answer) override;
    std::vector<MessageBoxRecord> MessageBoxes() const override { return messageBoxes_; }
    void AnswerNextFileDialog(FileDialogChoice choice) override;
    std::vector<FileDialogRequest> FileDialogs() const override { return queue_.FileDialogs(); }

    // Headless only.
    const ResourceScript& Resources() const { return resources_; }
    const std::vector<unsigned>& Sleeps() const { return sleeps_; }
    // The clipboard's text, shared by every window as on a desktop; none at first.
    const std::optional<std::string>& ClipboardText() const { return clipboard_; }
    void SetClipboardText(std::optional<std::string> text) { clipboard_ = std::move(text); }
    // Another program holds the clipboard open: every read and write fails until released.
    bool ClipboardInUse() const { return clipboardInUse_; }
    void SetClipboardInUse(bool inUse) { clipboardInUse_ = inUse; }
    // What was queued and never used (scripts, answers), described; empty when all was used.
    std::vector<std::string> Unused() const;

    // For the windows.
    int RecordMessageBox(const std::string& text, const std::string& caption, unsigned flags,
                         int ownerTemplate);
    FileDialogChoice TakeFileDialogAnswer(const FileDialogRequest& request) {
        return queue_.TakeFileDialogAnswer(request);
    }
    // True for the window of the innermost modal run (the only one the user can reach).
    bool IsTopWindow(const HeadlessWindow& window) const;

  private:
    ResourceScript resources_;
    std::string applicationName_;
    UiScriptQueue queue_;
    std::vector<MessageBoxRecord> messageBoxes_;
    std::vector<unsigned> sleeps_;
    std::optional<std::string> clipboard_;
    bool clipboardInUse_ = false;
    std::vector<HeadlessWindow*> running_;  // innermost last
};

}  // namespace headless
}  // namespace fw
