#pragma once

#include <string>
#include <vector>

// Builds rows of the game's tables for tests: every column empty except the ones named.
namespace tablerows {

struct Cell {
    int column;  // 1-based, as the tables' columns are usually counted
    std::string text;
};

constexpr int kShipColumns = 153;
constexpr int kFighterColumns = 36;

// `columnCount` tab-separated columns (more when a cell lies beyond), no line feed.
inline std::string Row(int columnCount, const std::vector<Cell>& cells) {
    std::vector<std::string> columns(static_cast<std::size_t>(columnCount));
    for (const Cell& cell : cells) {
        const auto index = static_cast<std::size_t>(cell.column - 1);
        if (index >= columns.size())
            columns.resize(index + 1);
        columns[index] = cell.text;
    }
    std::string row;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            row += '\t';
        row += columns[i];
    }
    return row;
}

// A complete ship-table line, line feed included.
inline std::string ShipRow(const std::vector<Cell>& cells) {
    return Row(kShipColumns, cells) + "\n";
}

// A ship-table line for a ship of the given race, class name and hull class, plus further cells.
inline std::string Ship(const std::string& race, const std::string& name,
                        const std::string& hullClass, std::vector<Cell> more = {}) {
    more.insert(more.begin(), {{1, race}, {2, "CA"}, {3, name}, {4, hullClass}});
    return ShipRow(more);
}

// A complete fighter-table row without its line feed.
inline std::string FighterRow(const std::vector<Cell>& cells) {
    return Row(kFighterColumns, cells);
}

// A fighter-table line for a fighter of the given race and name, plus further cells.
inline std::string Fighter(const std::string& race, const std::string& name,
                           std::vector<Cell> more = {}) {
    more.insert(more.begin(), {{1, race}, {2, name}});
    return FighterRow(more) + "\n";
}

// The line that ends the data of either table.
inline const std::string kEndLine = "\tThis is the last line.  End of File.\n";

}  // namespace tablerows
