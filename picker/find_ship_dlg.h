#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "picker/ship_finder.h"

// The Find Ship dialog (template 130): the picker's sequence as a list the user narrows by
// typing and sorts by a column; OK hands back the chosen ship. The rows must outlive the dialog.
//
// The list opens in sequence order on the ship on show. Every change of the typed words
// narrows it anew and selects its first row; Up, Down, Page Up and Page Down in the edit move
// the list's selection. A click on a column's header sorts by it, a second click reverses the
// order. OK, Enter or a double-click on a row ends the run with kIdOk when a row is selected;
// while nothing matches, OK is disabled.
class CFindShipDlg : public fw::CDialog {
  public:
    // `current`: the index in `rows` of the ship on show.
    CFindShipDlg(fw::CDialog* parent, const std::vector<FinderRow>& rows, size_t current);
    CFindShipDlg(fw::CDialog* parent, const std::vector<FinderRow>&& rows, size_t current) = delete;

    // After kIdOk: the index in the rows of the chosen ship.
    size_t Chosen() const { return m_chosen; }

    std::string ListCellText(int id, int row, int column) const override;

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnChangeFindText();
    void OnColumnClick(int column);
    void OnDoubleClickList(int row);

    DECLARE_MESSAGE_MAP()

  private:
    // Moves the shown rows into the list and the count, selecting row `selected`.
    void ShowRows(size_t selected);

    const std::vector<FinderRow>& m_rows;
    size_t m_chosen;
    std::vector<size_t> m_order;  // every row, in the order of the sort column
    std::vector<size_t> m_shown;  // m_order narrowed to the typed words
    std::string m_typed;
    int m_sortColumn = -1;  // -1: sequence order, as the list opens
    bool m_descending = false;
};
