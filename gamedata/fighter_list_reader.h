#pragma once

#include <string>

#include "gamedata/catalogue_lists.h"
#include "gamedata/ship_spec.h"
#include "gamedata/table_observer.h"

class LineReader;

// Fills `spec`, which must be freshly constructed, from one row of the fighter table, its line
// feed removed. Returns false when the race column is empty; missing columns read as empty.
// Besides the row's columns the entry gets the values every fighter has: hull class "SHUTTLE",
// no letter code, one marine, mounts 54 to 73 empty, and hull type "SHT" when column 34 is
// exactly "XSH", else "FTR".
bool ParseFighterRow(const std::string& row, FighterSpec& spec);

// Reads the fighter table from its current position: from the first data row on, each accepted
// row is appended to lists.mainList and then to lists.craftList. The first rejected row, a blank
// line or the end line included, ends the table. An observer, when given, is told the fate of
// every line of the table, those after the row that ends it included.
void ReadFighterRows(LineReader& reader, CatalogueLists& lists, TableObserver* observer = nullptr);
