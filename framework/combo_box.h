#pragma once

#include <string>

namespace fw {

class CDialog;
class DialogWindow;
class CDataExchange;

// A drop-down list of a dialog, bound by DDX_Control. Works while the dialog runs; using it
// unbound or after the dialog closed throws FrameworkError.
class CComboBox {
  public:
    int GetCount() const;
    int GetCurSel() const;  // -1 for no selection
    // An index outside the items clears the selection and returns kCbErr.
    int SetCurSel(int index);
    std::string GetLBText(int index) const;
    int GetDlgCtrlID() const { return id_; }

  private:
    friend void DDX_Control(CDataExchange* pDX, int id, CComboBox& control);
    DialogWindow& Window() const;

    CDialog* dialog_ = nullptr;
    int id_ = 0;
};

}  // namespace fw
