#include "framework/list_find.h"

#include <string_view>

#include "framework/dialog.h"
#include "platform/ascii_case.h"

namespace fw {

namespace {

bool Matches(std::string_view cell, const ListFind& find) {
    if (cell.size() < find.text.size() || (!find.partial && cell.size() != find.text.size()))
        return false;
    return EqualsIgnoringAsciiCase(cell.substr(0, find.text.size()), find.text);
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
