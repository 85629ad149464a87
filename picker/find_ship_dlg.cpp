#include "picker/find_ship_dlg.h"

#include <algorithm>

#include "res/resource.h"

namespace {

// Widths in dialog units; the list is 286 wide, with room for its scroll bar and for the sort
// arrow beside a short title.
const std::vector<fw::ListColumn>& FinderColumns() {
    static const std::vector<fw::ListColumn> columns = {
        {"Class Name", 76, false}, {"Race", 56, false}, {"Hull Class", 70, false},
        {"BPV", 40, true},         {"#", 28, true},
    };
    return columns;
}

}  // namespace

CFindShipDlg::CFindShipDlg(fw::CDialog* parent, const std::vector<FinderRow>& rows, size_t current)
    : fw::CDialog(IDD_FIND_SHIP, parent), m_rows(rows), m_chosen(current) {}

BEGIN_MESSAGE_MAP(CFindShipDlg, fw::CDialog)
ON_EN_CHANGE(IDC_FIND_TEXT, &CFindShipDlg::OnChangeFindText)
ON_LVN_COLUMNCLICK(IDC_FIND_LIST, &CFindShipDlg::OnColumnClick)
ON_NM_DBLCLK(IDC_FIND_LIST, &CFindShipDlg::OnDoubleClickList)
END_MESSAGE_MAP()

bool CFindShipDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    ListSetColumns(IDC_FIND_LIST, FinderColumns());
    RouteListKeys(IDC_FIND_TEXT, IDC_FIND_LIST);
    m_order.resize(m_rows.size());
    for (size_t i = 0; i < m_order.size(); ++i)
        m_order[i] = i;
    m_shown = m_order;
    ShowRows(m_chosen);
    return true;  // the focus goes to the edit
}

std::string CFindShipDlg::ListCellText(int id, int row, int column) const {
    if (id != IDC_FIND_LIST || row < 0 || static_cast<size_t>(row) >= m_shown.size() ||
        column < 0 || column >= kFinderColumnCount) {
        return std::string();
    }
    return FinderCellText(m_rows[m_shown[static_cast<size_t>(row)]],
                          static_cast<FinderColumn>(column));
}

void CFindShipDlg::ShowRows(size_t selected) {
    ListSetRowCount(IDC_FIND_LIST, static_cast<int>(m_shown.size()));
    ListSetCurSel(IDC_FIND_LIST, selected < m_shown.size() ? static_cast<int>(selected) : -1);
    // With nothing to choose, OK says so by being unavailable rather than by doing nothing.
    EnableItem(fw::kIdOk, ListGetCurSel(IDC_FIND_LIST) >= 0);
    SetItemText(IDC_FIND_COUNT, FinderCountText(m_shown.size(), m_rows.size()));
}

void CFindShipDlg::OnChangeFindText() {
    m_typed = GetItemText(IDC_FIND_TEXT);
    m_shown = FilterRows(m_rows, m_order, m_typed);
    ShowRows(0);
}

void CFindShipDlg::OnColumnClick(int column) {
    if (column < 0 || column >= kFinderColumnCount)
        return;
    m_descending = column == m_sortColumn && !m_descending;
    m_sortColumn = column;
    // The selected ship stays selected wherever the new order puts it.
    const int selected = ListGetCurSel(IDC_FIND_LIST);
    const bool hadSelection = selected >= 0 && static_cast<size_t>(selected) < m_shown.size();
    const size_t ship = hadSelection ? m_shown[static_cast<size_t>(selected)] : 0;
    ListSetSortMark(IDC_FIND_LIST, column, m_descending);
    m_order = SortedRows(m_rows, static_cast<FinderColumn>(column), m_descending);
    m_shown = FilterRows(m_rows, m_order, m_typed);
    const auto at = std::find(m_shown.begin(), m_shown.end(), ship);
    ShowRows(hadSelection ? static_cast<size_t>(at - m_shown.begin()) : 0);
}

void CFindShipDlg::OnDoubleClickList(int row) {
    if (row >= 0)
        OnOK();
}

void CFindShipDlg::OnOK() {
    const int selected = ListGetCurSel(IDC_FIND_LIST);
    if (selected < 0 || static_cast<size_t>(selected) >= m_shown.size())
        return;  // nothing matches what was typed: the user types on or cancels
    m_chosen = m_shown[static_cast<size_t>(selected)];
    EndDialog(fw::kIdOk);
}
