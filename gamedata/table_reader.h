#pragma once

#include <cstdio>
#include <string>

#include "gamedata/catalogue_lists.h"
#include "gamedata/table_observer.h"

// Reads the fighter table and then the ship table into the lists, appending to what they hold:
// every fighter (to mainList and craftList), then the ship table's PFs (to both lists), then its
// other ships (to mainList). Ships may carry fighters and PFs read before them. Paths are Windows
// paths. Returns false when a table cannot be opened (nothing is read then; a missing fighter
// table stops the ship table from being read too) or a read fails part way; true otherwise, also
// when no row was accepted. An observer, when given, is told what the readers make of every
// line of both tables (see TableObserver); without one nothing else is done.
bool ReadTables(CatalogueLists& lists, const std::string& shipTablePath,
                const std::string& fighterTablePath, TableObserver* observer = nullptr);

// ReadTables on the two tables opened already, in binary mode ("rb"), from their first byte. The
// files stay open. False when a read fails part way.
bool ReadTableFiles(CatalogueLists& lists, std::FILE* shipTable, std::FILE* fighterTable,
                    TableObserver* observer = nullptr);

// Reads the game's tables from its data directory (found in the registry) into the lists.
// False when the game's directory is not registered or a table cannot be read.
bool LoadCatalogue(CatalogueLists& lists);
