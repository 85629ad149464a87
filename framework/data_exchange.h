#pragma once

#include <string>

namespace fw {

class CDialog;
class CComboBox;

// One run of a dialog's DoDataExchange, in one direction.
class CDataExchange {
  public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    const bool m_bSaveAndValidate;  // true: controls to members
    CDialog* const m_pDlgWnd;

    // Names the control the next exchange works on (the one Fail focuses).
    void PrepareCtrl(int id) { m_idLastControl = id; }
    // Stops the exchange: puts the focus on the last prepared control and unwinds to
    // UpdateData, which returns false. Members exchanged after this keep their values.
    [[noreturn]] void Fail();

  private:
    int m_idLastControl = 0;
};

// Thrown by CDataExchange::Fail and caught by UpdateData only; deliberately not a
// std::exception, so that no general handler swallows it.
struct DataExchangeStopped {};

// Window text, both directions, bytes as they are.
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// An integer field: written with "%d"; read by ParseDialogInt. A refused text shows "Please
// enter an integer." (exclamation icon), focuses the field and stops the exchange.
void DDX_Text(CDataExchange* pDX, int id, int& value);
// Binds a combo-box wrapper to its control (both directions).
void DDX_Control(CDataExchange* pDX, int id, CComboBox& control);

}  // namespace fw
