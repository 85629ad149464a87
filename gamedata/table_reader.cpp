#include "gamedata/table_reader.h"

#include <cstdio>
#include <memory>

#include "gamedata/fighter_list_reader.h"
#include "gamedata/game_directory.h"
#include "gamedata/line_reader.h"
#include "gamedata/ship_list_reader.h"
#include "gamedata/table_layout.h"
#include "platform/file_system.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

bool ReadTables(CatalogueLists& lists, const std::string& shipTablePath,
                const std::string& fighterTablePath, TableObserver* observer) {
    // Opened in binary mode: LineReader drops the CR of CR LF itself, so that every system reads
    // the same rows. Declared in this order, the fighter table is closed first.
    const FilePtr shipTable(platform::OpenFile(shipTablePath, "rb"));
    if (!shipTable)
        return false;
    const FilePtr fighterTable(platform::OpenFile(fighterTablePath, "rb"));
    if (!fighterTable)
        return false;
    return ReadTableFiles(lists, shipTable.get(), fighterTable.get(), observer);
}

bool ReadTableFiles(CatalogueLists& lists, std::FILE* shipTable, std::FILE* fighterTable,
                    TableObserver* observer) {
    // Fighters first, then PFs, so that a ship's bays can name any craft read before it.
    LineReader fighterLines(fighterTable);
    ReadFighterRows(fighterLines, lists, observer);

    LineReader shipLines(shipTable);
    ReadShipPass(shipLines, lists, true, observer);
    if (!shipLines.rewind())
        return false;
    ReadShipPass(shipLines, lists, false, observer);

    return !fighterLines.failed() && !shipLines.failed();
}

bool LoadCatalogue(CatalogueLists& lists) {
    std::string dataDirectory;
    if (!GetDataDirectory(dataDirectory))
        return false;
    return ReadTables(lists, dataDirectory + kShipTableFile, dataDirectory + kFighterTableFile);
}
