#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/win_types.h"

// What a dialog needs from the windowing system, as two interfaces a backend implements: the
// real Win32 API in the program, an in-memory model in the tests. Portable dialog code never
// sees a window handle; it names a control by (dialog, id) and CDialog forwards to these.
//
// On Win32, RunModal is DialogBoxParamA with a per-run DialogWindow as lParam. One static dialog
// procedure stores it in DWLP_USER at WM_INITDIALOG and ignores what comes before (the dialog
// procedure never sees WM_CREATE, so kWmCreate is sent first thing at WM_INITDIALOG, then the
// DLGINIT items are added, then kWmInitDialog). WM_COMMAND, WM_NOTIFY and the rest go through
// CDialog::OnWndMsg; a handled WM_NOTIFY's result goes out through DWLP_MSGRESULT, while
// WM_INITDIALOG and WM_QUERYDRAGICON return theirs directly. An exception is caught in the
// dialog procedure, ends the dialog with -1 and is rethrown when DialogBoxParamA returns.
//
// A Ctrl+letter key pressed while the dialog is active chooses the system command the dialog
// named for it (CDialog::AddCtrlKeyShortcut), as choosing it in the system menu does, unless
// the focus is in an edit control and the letter is one the edit uses for its own text
// (EditKeepsCtrlKey).
//
// A list view (report view, owner data) holds no texts: it asks its dialog for each cell it
// shows (CDialog::ListCellText). Up, Down, Page Up and Page Down pressed in an edit that the
// dialog tied to a list (CDialog::RouteListKeys) move the list's selection instead.

namespace fw {

class CDialog;

// What became of a clipboard operation.
enum class ClipboardResult {
    kDone,
    kNoText,   // read: the clipboard holds no text
    kInUse,    // another program holds the clipboard open
    kTooLong,  // read: the text is longer than the caller takes; only its length is read
    kFailed,   // the system did not hand the text over or take it
};

enum class ControlKind { kButton, kGroupBox, kStatic, kEdit, kComboBox, kUpDown, kListView };

// "button", "combo box"...: for messages about a control of the wrong kind.
const char* ControlKindName(ControlKind kind);

// Whether an edit with the focus keeps Ctrl+letter for its own text (select all, copy, paste,
// cut, undo) rather than leave it to the dialog's shortcut.
bool EditKeepsCtrlKey(char letter);

// A common Open or Save As dialog, as the dialog that opens it asks for it.
struct FileDialogRequest {
    bool save = false;  // Save As (asks before overwriting a file) rather than Open
    std::string title;
    // The types offered, each a description ("Fleet files (*.flt)") and the patterns of its
    // files ("*.flt", "*.flt;*.txt").
    std::vector<std::pair<std::string, std::string>> types;
    int typeIndex = 0;      // the type chosen at first
    std::string directory;  // where the dialog starts (a Windows path); empty: the system's choice
    std::string fileName;   // the name it offers at first
};

// What the user chose in a file dialog: a file (a Windows path, a file that exists for Open) and
// the type chosen; an empty path when the dialog was cancelled or could not be shown, and then
// `failure` says why when it could not.
struct FileDialogChoice {
    std::string path;
    int typeIndex = 0;
    std::string failure;
};

// A column of a list view; the width in dialog units.
struct ListColumn {
    std::string title;
    int width = 0;
    bool alignRight = false;
};

// Drawing into a dialog between the begin and the end of one paint.
class PaintContext {
  public:
    virtual ~PaintContext() = default;
    // Erases the background under a minimised window's icon (WM_ICONERASEBKGND with this DC).
    virtual void EraseIconBackground() = 0;
    virtual void DrawIcon(int x, int y, IconHandle icon) = 0;
};

// One running dialog window. Every call naming a control the template lacks, or a control of
// the wrong kind, throws FrameworkError.
class DialogWindow {
  public:
    virtual ~DialogWindow() = default;

    // Throws unless the template has a control of this kind with this id.
    virtual void CheckControl(int id, ControlKind kind) const = 0;

    virtual std::string GetItemText(int id) const = 0;
    virtual void SetItemText(int id, const std::string& text) = 0;
    virtual void ShowItem(int id, bool show) = 0;
    // The control's own visibility flag, whatever the dialog's.
    virtual bool IsItemVisible(int id) const = 0;
    // A disabled control takes no clicks, keys or focus, and a disabled default button no Enter.
    virtual void EnableItem(int id, bool enable) = 0;
    virtual bool IsItemEnabled(int id) const = 0;
    virtual void SetItemFocus(int id) = 0;
    // Whether an up-down control's arrows point left and right (UDS_HORZ).
    virtual bool IsHorizontalSpin(int id) const = 0;

    virtual int ComboGetCount(int id) const = 0;
    virtual int ComboGetCurSel(int id) const = 0;  // -1 for none
    // Selects an item; an index outside the items clears the selection and returns kCbErr.
    virtual int ComboSetCurSel(int id, int index) = 0;
    virtual std::string ComboGetItemText(int id, int index) const = 0;

    // List views. Rows are counted, not stored: their texts come from the dialog.
    virtual void ListSetColumns(int id, const std::vector<ListColumn>& columns) = 0;
    virtual void ListSetRowCount(int id, int count) = 0;
    virtual int ListGetRowCount(int id) const = 0;
    virtual int ListGetCurSel(int id) const = 0;  // -1 for none
    // Selects the row, gives it the list's focus mark and scrolls it into view; a row outside
    // the list clears the selection.
    virtual void ListSetCurSel(int id, int row) = 0;
    virtual std::string ListGetItemText(int id, int row, int column) const = 0;
    // Marks the column the rows are sorted by in its header (an arrow up, or down for a
    // descending order) and clears the mark of every other column; -1 marks none.
    virtual void ListSetSortMark(int id, int column, bool descending) = 0;

    virtual std::string GetCaption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetIcon(IconHandle icon, bool bigIcon) = 0;
    virtual bool HasSystemMenu() const = 0;
    virtual void AppendSystemMenuSeparator() = 0;
    virtual void AppendSystemMenuItem(unsigned commandId, const std::string& text) = 0;
    virtual void ShowWindow(bool show) = 0;
    virtual bool IsWindowVisible() const = 0;
    virtual bool IsIconic() const = 0;
    virtual CRect GetClientRect() const = 0;
    virtual std::unique_ptr<PaintContext> BeginPaint() = 0;

    // The clipboard's text (CF_TEXT on Windows, in the ANSI code page), with this dialog as the
    // owner of what it puts there. Get reads a text of at most maxSize bytes into `text`; of a
    // longer one it only tells the length, in `size`, so that what it reads stays that small.
    virtual ClipboardResult SetClipboardText(const std::string& text) = 0;
    virtual ClipboardResult GetClipboardText(std::size_t maxSize, std::string& text,
                                             std::size_t& size) = 0;

    // A message box owned by this dialog; caption already resolved. Returns the button id.
    virtual int ShowMessageBox(const std::string& text, const std::string& caption,
                               unsigned flags) = 0;
    // The system's common Open or Save As dialog, owned by this dialog.
    virtual FileDialogChoice ShowFileDialog(const FileDialogRequest& request) = 0;
    // Files dropped on the dialog from Explorer reach it as kWmDropFiles from now on.
    virtual void AcceptDroppedFiles() = 0;
    // Ends the modal run with this result once the current handler returns.
    virtual void EndDialog(int result) = 0;
};

// The process-wide part.
class UiBackend {
  public:
    virtual ~UiBackend() = default;

    // Runs the dialog modally on its template (dialog.GetTemplateId()): creates the window and
    // controls, attaches it to the dialog (CDialog::AttachWindow), sends kWmCreate (a result of
    // -1 ends the run with -1), fills combo boxes from the template's init data, sends
    // kWmInitDialog (a true result puts the focus on the first tab stop), shows the dialog and
    // routes messages until EndDialog. Returns the EndDialog result.
    virtual int RunModal(CDialog& dialog) = 0;

    // A message box owned by no window; caption already resolved.
    virtual int ShowMessageBox(const std::string& text, const std::string& caption,
                               unsigned flags) = 0;
    // The executable's base name without its extension.
    virtual std::string ApplicationName() const = 0;
    virtual IconHandle LoadIconResource(int resourceId) = 0;
    virtual std::string LoadResourceString(int resourceId) = 0;
    virtual int GetSystemMetrics(int index) const = 0;
    virtual void Sleep(unsigned milliseconds) = 0;
};

// The backend in use, set once at start-up (the program) or per test (ScopedBackend). Returns
// the previous one.
UiBackend* SetBackend(UiBackend* backend);
// Throws FrameworkError when none is set.
UiBackend& CurrentBackend();

class ScopedBackend {
  public:
    explicit ScopedBackend(UiBackend& backend) : previous_(SetBackend(&backend)) {}
    ~ScopedBackend() { SetBackend(previous_); }
    ScopedBackend(const ScopedBackend&) = delete;
    ScopedBackend& operator=(const ScopedBackend&) = delete;

  private:
    UiBackend* previous_;
};

}  // namespace fw
