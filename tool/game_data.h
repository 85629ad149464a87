#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/ship_catalogue.h"
#include "tool/table_log.h"

// The game's tables read as Kestrivar reads them at start-up, with everything the readers
// reported about them.
struct GameData {
    std::string shipTablePath;  // host paths, as kvtool shows them
    std::string fighterTablePath;
    TableLog log;
    ShipCatalogue ships;     // in full order, not narrowed to a mode
    ShipCatalogue fighters;  // the fighter catalogue, in race order
    // The ships each start-up mode offers, in the picker's order: [0] normal, [1] Sector Assault.
    std::array<std::vector<const ShipSpec*>, 2> offered;

    const std::string& PathOf(GameTable table) const {
        return table == GameTable::kShips ? shipTablePath : fighterTablePath;
    }
};

// Reads the tables of the game installed in `gameDirectory` (a host directory), or without one
// of the game the registry names, as Kestrivar does: the same readers, ordering and narrowing.
// False, with `error` saying what could not be read and why, when a table cannot be opened or
// read or no game is registered.
bool LoadGameData(const std::optional<std::string>& gameDirectory, GameData& game,
                  std::string& error);
