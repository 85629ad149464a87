#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "framework/backend.h"
#include "framework/win_types.h"

// Drives dialogs from test scenarios the way a user would: by control id, through the window
// messages a user's actions produce. The same scenario runs on the headless backend and on the
// Win32 backend in-process (there a script runs from a message posted at WM_INITDIALOG, actions
// are SendMessage calls and message boxes are answered through a CBT hook), so nothing here
// looks inside a dialog's members.

namespace fw {

struct MessageBoxRecord {
    std::string text;
    std::string caption;
    unsigned flags = 0;
    int answer = 0;         // the button that closed it
    int ownerTemplate = 0;  // template id of the owning dialog; 0 for none

    bool operator==(const MessageBoxRecord& other) const {
        return text == other.text && caption == other.caption && flags == other.flags &&
               answer == other.answer && ownerTemplate == other.ownerTemplate;
    }
};
std::ostream& operator<<(std::ostream& out, const MessageBoxRecord& record);

// The user's hands on one running dialog. Actions on a control the template lacks, on a hidden
// control or a control of the wrong kind, on a dialog under another modal dialog or on one
// that has ended, fail (FrameworkError).
class DialogDriver {
  public:
    virtual ~DialogDriver() = default;

    virtual int TemplateId() const = 0;

    // Actions.
    virtual void Click(int id) = 0;                          // BN_CLICKED
    virtual LRESULT Spin(int id, int iDelta) = 0;            // UDN_DELTAPOS; the result cell
    virtual void Type(int id, const std::string& text) = 0;  // replaces an edit's text
    virtual void Select(int id, int index) = 0;              // selection, then CBN_SELCHANGE
    virtual void SysCommand(unsigned id) = 0;                // WM_SYSCOMMAND
    // A key (kVkDown...) pressed while the control has the focus, through the dialog's own
    // keyboard handling.
    virtual void PressKey(int id, int virtualKey) = 0;
    // Characters typed in one quick burst while a list view has the focus (WM_CHAR): the list
    // selects the row whose first column begins with them.
    virtual void TypeInList(int id, const std::string& text) = 0;
    // A click on the header of a list view's column (LVN_COLUMNCLICK).
    virtual void ClickColumnHeader(int id, int column) = 0;
    // A click on a list view's row, or below its last row (-1), which clears the selection.
    virtual void ClickRow(int id, int row) = 0;
    // A double-click on a list view's row, which the first click selects (NM_DBLCLK).
    virtual void DoubleClickRow(int id, int row) = 0;
    // Files dropped on the dialog from Explorer (Windows paths), as one drop.
    virtual void DropFiles(const std::vector<std::string>& paths) = 0;
    virtual void Close() = 0;  // Esc / close box: IDCANCEL

    // Observations.
    virtual std::string Text(int id) const = 0;
    virtual bool IsVisible(int id) const = 0;  // the control's own visibility flag
    virtual bool IsEnabled(int id) const = 0;
    virtual int Selection(int id) const = 0;  // -1 for none
    virtual std::vector<std::string> Items(int id) const = 0;
    virtual std::string Caption() const = 0;
    virtual bool IsDialogVisible() const = 0;
    virtual int Focus() const = 0;  // id of the focused control, 0 for none
    // List views.
    virtual int ListRowCount(int id) const = 0;
    virtual int ListSelection(int id) const = 0;  // -1 for none
    virtual std::string ListText(int id, int row, int column) const = 0;
};

class UiDriver {
  public:
    using Script = std::function<void(DialogDriver&)>;

    virtual ~UiDriver() = default;

    // Queues a script for the next modal run. Runs must come in the order queued, each of the
    // template given; the script runs once the dialog is initialised and must end it. A run
    // that ends before it opens (OnCreate returned -1, EndDialog in OnInitDialog) uses up its
    // script without running it.
    virtual void ExpectModal(int templateId, Script script) = 0;
    // Queues the button that answers the next message box (default: its first button).
    virtual void AnswerNextMessageBox(int answer) = 0;
    // Every message box shown so far, in order.
    virtual std::vector<MessageBoxRecord> MessageBoxes() const = 0;
    // Queues how the user leaves the next common Open or Save As dialog: with this file and
    // type chosen, or cancelled (an empty path). A file dialog with no answer queued fails.
    virtual void AnswerNextFileDialog(FileDialogChoice choice) = 0;
    // Every file dialog shown so far, as it was asked for, in order.
    virtual std::vector<FileDialogRequest> FileDialogs() const = 0;
};

}  // namespace fw
