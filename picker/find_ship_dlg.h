#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "picker/ship_finder.h"

// What Find Ship keeps from one opening to the next while the program runs: the typed text and
// the column the list is sorted by, with its direction.
struct FindShipSearch {
    std::string typed;
    int sortColumn = -1;  // -1: sequence order
    bool descending = false;
};

// The program's one search, which the picker hands to every Find Ship it opens.
FindShipSearch& ProgramFindShipSearch();

// The Find Ship dialog (template 130): the picker's sequence as a list the user narrows by
// typing and sorts by a column; OK hands back the chosen ship. The rows and the search must
// outlive the dialog.
//
// The list opens with the search as it was left, on the ship on show when it matches (else on
// the first row). Every change of the typed words narrows it anew and selects its first row;
// Up, Down, Page Up and Page Down in the edit move the list's selection. A click on a column's
// header, or Ctrl+1 to Ctrl+5 (also in the system menu), sorts by it, a second one reverses the
// order. OK, Enter or a double-click on a row ends the run with kIdOk when a row is selected;
// while none is, OK is disabled, and while nothing matches, "No ships match" stands in place of
// the list.
class CFindShipDlg : public fw::CDialog {
  public:
    // `current`: the index in `rows` of the ship on show.
    CFindShipDlg(fw::CDialog* parent, const std::vector<FinderRow>& rows, size_t current,
                 FindShipSearch& search);
    CFindShipDlg(fw::CDialog* parent, const std::vector<FinderRow>&& rows, size_t current,
                 FindShipSearch& search) = delete;

    // After kIdOk: the index in the rows of the chosen ship.
    size_t Chosen() const { return m_chosen; }

    std::string ListCellText(int id, int row, int column) const override;

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnChangeFindText();
    void OnColumnClick(int column);
    void OnDoubleClickList(int row);
    void OnSelectionChanged(int row);
    void OnSysCommand(unsigned id, fw::LPARAM lParam);

    DECLARE_MESSAGE_MAP()

  private:
    // Moves the shown rows into the list and the count, selecting row `selected`.
    void ShowRows(size_t selected);
    // Orders every row by the search's column and narrows them to its words.
    void ApplySearch();
    void UpdateOkButton();

    const std::vector<FinderRow>& m_rows;
    size_t m_chosen;
    FindShipSearch& m_search;
    std::vector<size_t> m_order;  // every row, in the order of the sort column
    std::vector<size_t> m_shown;  // m_order narrowed to the typed words
};
