#pragma once

#include <string>

namespace fw {

class CDialog;

// A search for a row of a list view by the text of its first column, as the list makes when the
// user types letters while it has the focus.
struct ListFind {
    std::string text;
    int start = 0;        // the first row looked at
    bool partial = true;  // the text is the beginning of the cell, not all of it
    bool wrap = true;     // after the last row, go on from the first up to `start`
};

// The row whose first column matches, letter case aside, from `start` on; -1 when none does. The
// cells are the dialog's (CDialog::ListCellText), so that the list finds what it shows.
int FindListRow(const CDialog& dialog, int id, int rowCount, const ListFind& find);

}  // namespace fw
