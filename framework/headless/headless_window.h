#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/backend.h"
#include "framework/dialog.h"
#include "framework/headless/resource_script.h"
#include "framework/message.h"

namespace fw {
namespace headless {

class HeadlessBackend;

// One drawing step of a paint, in order.
struct PaintOp {
    enum class Kind { kEraseIconBackground, kDrawIcon, kDefaultPaint };
    Kind kind = Kind::kDefaultPaint;
    int x = 0;
    int y = 0;
    IconHandle icon = IconHandle::kNone;

    bool operator==(const PaintOp& other) const {
        return kind == other.kind && x == other.x && y == other.y && icon == other.icon;
    }
};

struct SystemMenuItem {
    unsigned commandId = 0;  // 0 for a separator
    std::string text;
};

struct HeadlessControl {
    const ControlTemplate* source = nullptr;
    std::string text;
    bool visible = true;
    bool enabled = true;
    std::vector<std::string> items;   // combo boxes
    int selection = -1;               // combo boxes and list views
    std::vector<ListColumn> columns;  // list views
    int rowCount = 0;
    int sortColumn = -1;  // list views: the header's sort mark
    bool sortDescending = false;
};

// A dialog window in memory: built from its template, it keeps the state of the window and of
// each control, and routes messages to the dialog with the system's default processing for
// what the dialog leaves unhandled.
class HeadlessWindow : public DialogWindow {
  public:
    HeadlessWindow(HeadlessBackend& backend, const DialogTemplate& source, CDialog& dialog);

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
    std::string GetCaption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    void SetIcon(IconHandle icon, bool bigIcon) override;
    bool HasSystemMenu() const override;
    void AppendSystemMenuSeparator() override;
    void AppendSystemMenuItem(unsigned commandId, const std::string& text) override;
    void ShowWindow(bool show) override { visible_ = show; }
    bool IsWindowVisible() const override { return visible_; }
    bool IsIconic() const override { return iconic_; }
    CRect GetClientRect() const override;
    std::unique_ptr<PaintContext> BeginPaint() override;
    ClipboardResult SetClipboardText(const std::string& text) override;
    ClipboardResult GetClipboardText(std::size_t maxSize, std::string& text,
                                     std::size_t& size) override;
    int ShowMessageBox(const std::string& text, const std::string& caption,
                       unsigned flags) override;
    // The answer the test queued; a modal run of its own, so the dialog stays where it is.
    FileDialogChoice ShowFileDialog(const FileDialogRequest& request) override;
    void AcceptDroppedFiles() override { acceptsFiles_ = true; }
    bool AcceptsDroppedFiles() const { return acceptsFiles_; }
    void EndDialog(int result) override;

    // The modal run (HeadlessBackend).
    // Creates the controls (after WM_CREATE) and adds the combo-box items of the template.
    void CreateControls();
    // Puts the focus on the first visible tab stop, as the system does when WM_INITDIALOG
    // returns true.
    void FocusFirstTabStop();
    bool Ended() const { return ended_; }
    int Result() const { return result_; }

    // A key pressed on the control: Up, Down, Page Up and Page Down move a list view's
    // selection, also from an edit the dialog tied to the list; other keys do nothing here.
    void KeyDown(int id, int virtualKey);
    // Selects a list view's row (-1, or a row outside the list: none) and tells the dialog
    // when the selection changed.
    void SelectRow(int id, int row);

    // Sends a message to the dialog; what it leaves to the default processing gets it.
    LRESULT Send(const Message& message);
    // Paints the window; returns what the paint drew.
    std::vector<PaintOp> Paint();

    const DialogTemplate& Template() const { return source_; }
    CDialog& Dialog() const { return dialog_; }
    // Throws FrameworkError when the template has no such control (or the controls do not
    // exist yet, during WM_CREATE).
    const HeadlessControl& Control(int id) const;
    HeadlessControl& Control(int id);
    int FocusId() const { return focusId_; }
    IconHandle Icon(bool bigIcon) const { return bigIcon ? bigIcon_ : smallIcon_; }
    const std::vector<SystemMenuItem>& SystemMenu() const { return systemMenu_; }

  private:
    class Painter;
    const HeadlessControl& ComboBox(int id) const;
    const HeadlessControl& ListView(int id) const;
    HeadlessControl& ListView(int id);
    void DefaultProcessing(const Message& message);
    std::string Describe(int id) const;

    HeadlessBackend& backend_;
    const DialogTemplate& source_;
    CDialog& dialog_;
    std::vector<HeadlessControl> controls_;  // empty until CreateControls
    bool created_ = false;
    std::string caption_;
    bool visible_ = false;
    bool iconic_ = false;
    int focusId_ = 0;
    bool ended_ = false;
    int result_ = 0;
    IconHandle bigIcon_ = IconHandle::kNone;
    IconHandle smallIcon_ = IconHandle::kNone;
    std::vector<SystemMenuItem> systemMenu_;
    std::vector<PaintOp>* paintOps_ = nullptr;  // the paint in progress
    bool painted_ = false;
    bool acceptsFiles_ = false;
};

}  // namespace headless
}  // namespace fw
