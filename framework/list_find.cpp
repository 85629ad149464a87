#include "framework/list_find.h"

#include <cctype>

#include "framework/dialog.h"

namespace fw {

namespace {

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

bool Matches(const std::string& cell, const ListFind& find) {
    if (cell.size() < find.text.size() || (!find.partial && cell.size() != find.text.size()))
        return false;
    for (size_t i = 0; i < find.text.size(); ++i) {
        if (!SameLetter(cell[i], find.text[i]))
            return false;
    }
    return true;
}

}  // namespace

int FindListRow(const CDialog& dialog, int id, int rowCount, const ListFind& find) {
    if (rowCount <= 0 || find.text.empty())
        return -1;
    const int start = find.start >= 0 && find.start < rowCount ? find.start : 0;
    const int looked = find.wrap ? rowCount : rowCount - start;
    for (int i = 0; i < looked; ++i) {
        const int row = (start + i) % rowCount;
        if (Matches(dialog.ListCellText(id, row, 0), find))
            return row;
    }
    return -1;
}

}  // namespace fw
