#pragma once

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "framework/backend.h"
#include "framework/message.h"
#include "framework/win32/win32_api.h"

namespace fw {
namespace win32 {

class Win32Backend;

// One modal run of a dialog on a real window. DialogProc is the window's dialog procedure: it
// finds this object through DWLP_USER, stored at WM_INITDIALOG (messages before it are left to
// the system), routes messages to CDialog::OnWndMsg and stops every exception there: the run
// ends with -1 and the backend rethrows the exception once DialogBoxParamA has returned.
class Win32DialogWindow : public DialogWindow {
  public:
    // Posted at the end of WM_INITDIALOG when a test driver is installed; its arrival tells the
    // driver that the dialog's modal loop runs.
    static constexpr UINT kScriptDueMessage = WM_APP + 0x2A0;

    Win32DialogWindow(Win32Backend& backend, CDialog& dialog);
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, ::LPARAM lParam);

    // DialogWindow
    void CheckControl(int id, ControlKind kind) const override;
    std::string GetItemText(int id) const override;
    void SetItemText(int id, const std::string& text) override;
    void ShowItem(int id, bool show) override;
    bool IsItemVisible(int id) const override;
    void EnableItem(int id, bool enable) override;
    bool IsItemEnabled(int id) const override;
    bool IsHorizontalSpin(int id) const override;
    void SetItemFocus(int id) override;
    int ComboGetCount(int id) const override;
    int ComboGetCurSel(int id) const override;
    int ComboSetCurSel(int id, int index) override;
    std::string ComboGetItemText(int id, int index) const override;
    void ListSetColumns(int id, const std::vector<ListColumn>& columns) override;
    void ListSetRowCount(int id, int count) override;
    int ListGetRowCount(int id) const override;
    int ListGetCurSel(int id) const override;
    void ListSetCurSel(int id, int row) override;
    void ListSetSortMark(int id, int column, bool descending) override;
    std::string ListGetItemText(int id, int row, int column) const override;
    std::string GetCaption() const override;
    void SetCaption(const std::string& caption) override;
    void SetIcon(IconHandle icon, bool bigIcon) override;
    bool HasSystemMenu() const override;
    void AppendSystemMenuSeparator() override;
    void AppendSystemMenuItem(unsigned commandId, const std::string& text) override;
    void ShowWindow(bool show) override;
    bool IsWindowVisible() const override;
    bool IsIconic() const override;
    CRect GetClientRect() const override;
    std::unique_ptr<PaintContext> BeginPaint() override;
    ClipboardResult SetClipboardText(const std::string& text) override;
    ClipboardResult GetClipboardText(std::size_t maxSize, std::string& text,
                                     std::size_t& size) override;
    int ShowMessageBox(const std::string& text, const std::string& caption,
                       unsigned flags) override;
    FileDialogChoice ShowFileDialog(const FileDialogRequest& request) override;
    void AcceptDroppedFiles() override;
    void EndDialog(int result) override;

    // A key going to this dialog or one of its controls, seen by the modal loop's message filter
    // before the dialog manager: true when it is one of the dialog's Ctrl+letter shortcuts, which
    // is then posted as its system command and goes no further.
    bool TranslateShortcut(const MSG& message);
    // Likewise for a key the dialog routes to a spin or from an edit to a list: true when it
    // went there instead.
    bool TranslateRoutedKey(const MSG& message);

    CDialog& Dialog() const { return dialog_; }
    int TemplateId() const { return templateId_; }
    HWND Handle() const { return hwnd_; }
    bool Opened() const { return hwnd_ != nullptr; }  // WM_INITDIALOG has arrived
    bool Ended() const { return ended_; }
    // The exception that ended the run, if one did.
    std::exception_ptr Failure() const { return failure_; }

    // For a test driver, around one action: an exception that a handler throws meanwhile does
    // not end the run but is handed to the action (EndAction), which rethrows it into the
    // script, as the headless backend's actions let it through. Until the action ends, no
    // further message reaches the dialog.
    void BeginAction() { inAction_ = true; }
    bool ActionFailed() const { return static_cast<bool>(actionFailure_); }
    std::exception_ptr EndAction();

    // The control's window. Throws FrameworkError when the template has no such control, for
    // IDC_STATIC, and while the dialog's OnCreate runs (the program's controls do not exist yet
    // there; on Windows they would, so the check keeps both backends alike).
    HWND Control(int id) const;
    ControlKind Kind(int id) const;
    std::string Describe(int id) const;

  private:
    class Painter;

    INT_PTR Dispatch(UINT message, WPARAM wParam, ::LPARAM lParam);
    INT_PTR Initialise();
    void AddComboBoxItems();
    void PlaceOnOpening(const RECT& openedAt);
    // Routes to the dialog; a handled message's result goes out through DWLP_MSGRESULT.
    INT_PTR Route(const Message& message);
    INT_PTR Notify(::LPARAM lParam);
    INT_PTR Paint();
    // Takes the names out of the drop (and frees it), then routes them.
    INT_PTR DropFiles(HDROP drop);
    void Fail(std::exception_ptr failure);
    HWND ComboBox(int id) const;
    HWND ListView(int id) const;
    void FillListCell(::LPARAM lParam);
    ::LRESULT FindListItem(::LPARAM lParam) const;
    ::LRESULT DrawListRow(::LPARAM lParam);
    HMENU SystemMenu() const;

    Win32Backend& backend_;
    CDialog& dialog_;
    int templateId_;
    HWND hwnd_ = nullptr;
    bool creating_ = false;
    bool ended_ = false;
    bool inPaint_ = false;
    bool painted_ = false;
    bool inAction_ = false;
    std::exception_ptr failure_;
    std::exception_ptr actionFailure_;
};

}  // namespace win32
}  // namespace fw
