#include "tool/game_data.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/catalogue_setup.h"
#include "gamedata/game_directory.h"
#include "gamedata/table_layout.h"
#include "gamedata/table_reader.h"
#include "platform/file_system.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr OpenTable(const std::string& hostPath, const char* what, std::string& error) {
    errno = 0;
    FilePtr file(std::fopen(hostPath.c_str(), "rb"));
    if (!file)
        error = std::string("cannot open the ") + what + " " + hostPath + ": " +
                (errno != 0 ? std::strerror(errno) : "unknown error");
    return file;
}

// The host paths of the two tables, from the registry or below the game directory given.
bool FindTables(const std::optional<std::string>& gameDirectory, GameData& game,
                std::string& error) {
    if (gameDirectory) {
        const std::string specs = kSpecsDirectory;
        game.shipTablePath = platform::HostPathBelow(*gameDirectory, specs + kShipTableFile);
        game.fighterTablePath = platform::HostPathBelow(*gameDirectory, specs + kFighterTableFile);
        return true;
    }
    std::string dataDirectory;
    if (!GetDataDirectory(dataDirectory)) {
        error = std::string("no game is registered: HKEY_LOCAL_MACHINE\\") + kGameRegistryKey +
                " has no value \"" + kGameDirectoryValue + "\" (use --game DIR)";
        return false;
    }
    game.shipTablePath = platform::HostPath(dataDirectory + kShipTableFile);
    game.fighterTablePath = platform::HostPath(dataDirectory + kFighterTableFile);
    if (game.shipTablePath.empty()) {
        error = "the game's data directory " + dataDirectory + " lies on no known drive";
        return false;
    }
    return true;
}

}  // namespace

bool LoadGameData(const std::optional<std::string>& gameDirectory, GameData& game,
                  std::string& error) {
    if (!FindTables(gameDirectory, game, error))
        return false;
    const FilePtr shipTable = OpenTable(game.shipTablePath, "ship table", error);
    if (!shipTable)
        return false;
    const FilePtr fighterTable = OpenTable(game.fighterTablePath, "fighter table", error);
    if (!fighterTable)
        return false;
    errno = 0;
    if (!ReadTableFiles(game.ships, shipTable.get(), fighterTable.get(), &game.log)) {
        error = "cannot read the tables " + game.fighterTablePath + " and " + game.shipTablePath +
                ": " + (errno != 0 ? std::strerror(errno) : "read error");
        return false;
    }
    OrderCatalogues(game.ships, game.fighters);
    game.offered[0] = OfferedShips(game.ships, false);
    game.offered[1] = OfferedShips(game.ships, true);
    return true;
}
