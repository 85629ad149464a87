#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/backend.h"
#include "framework/constants.h"
#include "framework/message.h"
#include "framework/win_types.h"

// <windows.h> defines MessageBox as a macro; keep the member's name the same in every file,
// whichever header came first.
#pragma push_macro("MessageBox")
#undef MessageBox

namespace fw {

class CDataExchange;
struct MessageMap;

// A modal dialog on a template of the resource script. Derived classes keep their state in
// members, bind them to controls in DoDataExchange, and route control notifications to
// handlers with a message map.
class CDialog {
  public:
    explicit CDialog(int templateId, CDialog* parent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog; returns the EndDialog result (kIdOk, kIdCancel), or -1 when OnCreate
    // refused the window.
    int DoModal();
    void EndDialog(int result);
    // Moves the members into the controls (false) or the controls into the members (true).
    // Returns false when a field was refused; the exchange stopped there.
    bool UpdateData(bool saveAndValidate = true);

    int GetTemplateId() const { return templateId_; }
    CDialog* GetParent() const { return parent_; }

    // Controls, by id.
    std::string GetItemText(int id) const;
    void SetItemText(int id, const std::string& text);
    void ShowItem(int id, bool show);
    void EnableItem(int id, bool enable);
    bool IsItemVisible(int id) const;
    void SetItemFocus(int id);

    // List views (backend.h).
    void ListSetColumns(int id, const std::vector<ListColumn>& columns);
    void ListSetRowCount(int id, int count);
    int ListGetCurSel(int id) const;
    void ListSetCurSel(int id, int row);
    void ListSetSortMark(int id, int column, bool descending);
    // The text of a cell a list view shows. Base: empty.
    virtual std::string ListCellText(int id, int row, int column) const;
    // Up, Down, Page Up and Page Down pressed in the edit move the list's selection.
    void RouteListKeys(int editId, int listId);
    // For backends: the list an edit's keys go to, 0 for none.
    int ListKeysTarget(int editId) const;
    // Up and Down pressed in the field (and Left and Right when the spin is horizontal) step the
    // spin as a click on its arrows does: Up and Right as the arrow that points that way.
    void RouteSpinKeys(int fieldId, int spinId);
    // Page Down and Page Up pressed anywhere in the dialog step the spin forward and back.
    void RoutePageKeys(int spinId);
    // For backends: a key pressed while control `id` (0: the dialog itself) has the focus.
    // Returns true when a spin route took it; the spin's handler has then run.
    bool StepSpinForKey(int id, int virtualKey);

    // The dialog window itself.
    std::string GetCaption() const;
    void SetCaption(const std::string& caption);
    void SetIcon(IconHandle icon, bool bigIcon);
    bool HasSystemMenu() const;
    void AppendSystemMenuSeparator();
    void AppendSystemMenuItem(unsigned commandId, const std::string& text);
    // Ctrl+letter (an upper-case letter or a digit), or Ctrl+Shift+letter, sends the system
    // command, while the dialog is active and the focus is not in an edit control that keeps the
    // letter (EditKeepsCtrlKey).
    void AddCtrlKeyShortcut(char letter, unsigned systemCommand, bool shift = false);
    void ShowWindow(bool show);
    bool IsWindowVisible() const;
    bool IsIconic() const;
    CRect GetClientRect() const;

    // A message box owned by the dialog; without a caption, the application's name.
    int MessageBox(const std::string& text, const char* caption = nullptr, unsigned flags = kMbOk);

    // The common Open or Save As dialog (DialogWindow::ShowFileDialog). In Save As a name typed
    // without an extension gets the chosen type's, whatever the system's dialog would add, and
    // a file of that name is asked about as the dialog asks about the name typed (No shows the
    // dialog again).
    FileDialogChoice ShowFileDialog(const FileDialogRequest& request);
    // Files dropped on the dialog reach OnDropFiles (ON_WM_DROPFILES) from now on.
    void AcceptDroppedFiles();

    // The clipboard's text (DialogWindow::GetClipboardText).
    ClipboardResult SetClipboardText(const std::string& text);
    ClipboardResult GetClipboardText(std::size_t maxSize, std::string& text, std::size_t& size);

    // For backends: routes one message through the message map (kWmInitDialog goes to
    // OnInitDialog). Returns false when nothing handled it or the handler asked for the default
    // processing; *result is the handler's result.
    bool OnWndMsg(const Message& message, LRESULT* result);
    // For backends: the window while the dialog runs, nullptr after.
    void AttachWindow(DialogWindow* window) { window_ = window; }
    bool IsRunning() const { return window_ != nullptr; }
    // For backends: the system command of a Ctrl+letter shortcut, 0 for none.
    unsigned CtrlKeyCommand(char letter, bool shift = false) const;
    // The running window; throws FrameworkError when the dialog is not running.
    DialogWindow& Window() const;

  protected:
    // Base: moves the members into the controls; true puts the focus on the first tab stop.
    virtual bool OnInitDialog();
    // Base: moves the controls into the members and ends with kIdOk if that succeeded.
    virtual void OnOK();
    // Base: ends with kIdCancel.
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);

    // Handlers with default behaviour, for derived maps (ON_WM_CREATE...) and derived handlers
    // that pass a message on.
    int OnCreate() { return 0; }
    void OnSysCommand(unsigned id, LPARAM lParam);
    void OnPaint();
    IconHandle OnQueryDragIcon();
    void OnDropFiles(const std::vector<std::string>&) {}
    // Asks the backend for its own processing of the message being handled.
    void Default() { defaultRequested_ = true; }

    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

  private:
    int templateId_;
    CDialog* parent_;
    DialogWindow* window_ = nullptr;
    bool defaultRequested_ = false;
    struct CtrlKeyShortcut {
        char letter;
        bool shift;
        unsigned command;
    };
    std::vector<CtrlKeyShortcut> ctrlKeyShortcuts_;
    std::vector<std::pair<int, int>> listKeyRoutes_;  // edit id, list id
    std::vector<std::pair<int, int>> spinKeyRoutes_;  // field id, spin id
    int pageKeySpin_ = 0;
};

}  // namespace fw

#pragma pop_macro("MessageBox")

// The message-map macros every dialog uses; included after CDialog is complete so that pointers
// to its members get the compact single-inheritance form on every compiler.
#include "framework/message_map.h"
