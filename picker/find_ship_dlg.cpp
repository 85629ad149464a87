#include "picker/find_ship_dlg.h"

#include <algorithm>
#include <string>

#include "framework/constants.h"
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

// The system command that sorts by a column: one of the picker's own commands.
constexpr unsigned SortCommand(int column) {
    return IDM_SORT_BY_COLUMN + 16u * static_cast<unsigned>(column);
}
static_assert(fw::IsOwnSystemCommand(SortCommand(0)) &&
                  fw::IsOwnSystemCommand(SortCommand(kFinderColumnCount - 1)),
              "a sort command has its low bits set or collides with the system's");

}  // namespace

FindShipSearch& ProgramFindShipSearch() {
    static FindShipSearch search;
    return search;
}

CFindShipDlg::CFindShipDlg(fw::CDialog* parent, const std::vector<FinderRow>& rows, size_t current,
                           FindShipSearch& search)
    : fw::CDialog(IDD_FIND_SHIP, parent), m_rows(rows), m_chosen(current), m_search(search) {}

BEGIN_MESSAGE_MAP(CFindShipDlg, fw::CDialog)
ON_WM_SYSCOMMAND()
ON_EN_CHANGE(IDC_FIND_TEXT, &CFindShipDlg::OnChangeFindText)
ON_LVN_COLUMNCLICK(IDC_FIND_LIST, &CFindShipDlg::OnColumnClick)
ON_LVN_ITEMCHANGED(IDC_FIND_LIST, &CFindShipDlg::OnSelectionChanged)
ON_NM_DBLCLK(IDC_FIND_LIST, &CFindShipDlg::OnDoubleClickList)
END_MESSAGE_MAP()

bool CFindShipDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    ListSetColumns(IDC_FIND_LIST, FinderColumns());
    RouteListKeys(IDC_FIND_TEXT, IDC_FIND_LIST);
    // Sorting from the keyboard: Ctrl and the column's number, also in the system menu.
    if (HasSystemMenu())
        AppendSystemMenuSeparator();
    for (int column = 0; column < kFinderColumnCount; ++column) {
        const unsigned command = SortCommand(column);
        const char digit = static_cast<char>('1' + column);
        if (HasSystemMenu()) {
            AppendSystemMenuItem(command, "Sort by " + FinderColumns()[column].title + "\tCtrl+" +
                                              std::string(1, digit));
        }
        AddCtrlKeyShortcut(digit, command);
    }
    // The edit tells of its change as it takes the text; the rows are put right below all the
    // same, for the backends whose edits do not.
    SetItemText(IDC_FIND_TEXT, m_search.typed);
    if (m_search.sortColumn >= 0)
        ListSetSortMark(IDC_FIND_LIST, m_search.sortColumn, m_search.descending);
    ApplySearch();
    const auto current = std::find(m_shown.begin(), m_shown.end(), m_chosen);
    ShowRows(current != m_shown.end() ? static_cast<size_t>(current - m_shown.begin()) : 0);
    return true;  // the focus goes to the edit
}

void CFindShipDlg::ApplySearch() {
    if (m_search.sortColumn >= 0) {
        m_order =
            SortedRows(m_rows, static_cast<FinderColumn>(m_search.sortColumn), m_search.descending);
    } else {
        m_order.resize(m_rows.size());
        for (size_t i = 0; i < m_order.size(); ++i)
            m_order[i] = i;
    }
    m_shown = FilterRows(m_rows, m_order, m_search.typed);
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
    // Where nothing matches, a line says so in place of an empty list.
    ShowItem(IDC_FIND_LIST, !m_shown.empty());
    ShowItem(IDC_FIND_NONE, m_shown.empty());
    ListSetRowCount(IDC_FIND_LIST, static_cast<int>(m_shown.size()));
    ListSetCurSel(IDC_FIND_LIST, selected < m_shown.size() ? static_cast<int>(selected) : -1);
    UpdateOkButton();
    SetItemText(IDC_FIND_COUNT, FinderCountText(m_shown.size(), m_rows.size()));
}

// With nothing to choose, OK says so by being unavailable rather than by doing nothing.
void CFindShipDlg::UpdateOkButton() {
    EnableItem(fw::kIdOk, ListGetCurSel(IDC_FIND_LIST) >= 0);
}

void CFindShipDlg::OnSelectionChanged(int) {
    UpdateOkButton();
}

void CFindShipDlg::OnChangeFindText() {
    m_search.typed = GetItemText(IDC_FIND_TEXT);
    m_shown = FilterRows(m_rows, m_order, m_search.typed);
    ShowRows(0);
}

void CFindShipDlg::OnColumnClick(int column) {
    if (column < 0 || column >= kFinderColumnCount)
        return;
    m_search.descending = column == m_search.sortColumn && !m_search.descending;
    m_search.sortColumn = column;
    // The selected ship stays selected wherever the new order puts it.
    const int selected = ListGetCurSel(IDC_FIND_LIST);
    const bool hadSelection = selected >= 0 && static_cast<size_t>(selected) < m_shown.size();
    const size_t ship = hadSelection ? m_shown[static_cast<size_t>(selected)] : 0;
    ListSetSortMark(IDC_FIND_LIST, column, m_search.descending);
    ApplySearch();
    const auto at = std::find(m_shown.begin(), m_shown.end(), ship);
    ShowRows(hadSelection ? static_cast<size_t>(at - m_shown.begin()) : 0);
}

void CFindShipDlg::OnSysCommand(unsigned id, fw::LPARAM lParam) {
    for (int column = 0; column < kFinderColumnCount; ++column) {
        if ((id & 0xFFF0u) == SortCommand(column)) {
            OnColumnClick(column);
            return;
        }
    }
    fw::CDialog::OnSysCommand(id, lParam);
}

void CFindShipDlg::OnDoubleClickList(int row) {
    if (row >= 0)
        OnOK();
}

void CFindShipDlg::OnOK() {
    const int selected = ListGetCurSel(IDC_FIND_LIST);
    if (selected < 0 || static_cast<size_t>(selected) >= m_shown.size())
        return;  // OK is disabled then; Enter in the edit still comes here
    m_chosen = m_shown[static_cast<size_t>(selected)];
    EndDialog(fw::kIdOk);
}
