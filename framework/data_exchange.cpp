#include "framework/data_exchange.h"

#include <optional>

#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "framework/int_text.h"

namespace fw {

void CDataExchange::Fail() {
    if (m_idLastControl != 0) {
        m_pDlgWnd->SetItemFocus(m_idLastControl);
    }
    throw DataExchangeStopped{};
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
    pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        value = pDX->m_pDlgWnd->GetItemText(id);
    } else {
        pDX->m_pDlgWnd->SetItemText(id, value);
    }
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    pDX->PrepareCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlgWnd->SetItemText(id, FormatIntField(value));
        return;
    }
    const std::optional<int> parsed = ParseIntField(pDX->m_pDlgWnd->GetItemText(id));
    if (!parsed) {
        pDX->m_pDlgWnd->MessageBox("Please enter an integer.", nullptr, kMbOk | kMbIconExclamation);
        pDX->Fail();
    }
    value = *parsed;
}

void DDX_Control(CDataExchange* pDX, int id, CComboBox& control) {
    pDX->PrepareCtrl(id);
    pDX->m_pDlgWnd->Window().CheckControl(id, ControlKind::kComboBox);
    control.dialog_ = pDX->m_pDlgWnd;
    control.id_ = id;
}

}  // namespace fw
