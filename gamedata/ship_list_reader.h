#pragma once

#include <list>
#include <string>
#include <string_view>

#include "gamedata/catalogue_lists.h"
#include "gamedata/ship_spec.h"
#include "gamedata/table_observer.h"

class LineReader;

// The first entry of the craft list whose class name is exactly `className` (same bytes, case
// counts), or nullptr.
const ShipSpec* FindCraftEntry(const std::list<ShipSpec>& craftList, std::string_view className);

// Copies the first craft of lists.craftList named exactly `className` into `out`; false, leaving
// `out` as it was, when no craft bears that name.
bool FindCraft(const CatalogueLists& lists, const std::string& className, ShipSpec& out);

// Fills `spec`, which must be freshly constructed, from one line of the ship table (its line feed
// may still be on it). Returns false, leaving `spec` partly filled, when the row is rejected: an
// empty race column, a hull class that does not belong to this pass (the PF pass takes PFs only,
// the other pass everything else), or a bay with a non-zero count naming a craft that
// lists.craftList does not hold. Missing columns read as empty.
bool ParseShipRow(const std::string& line, ShipSpec& spec, bool pfPass,
                  const CatalogueLists& lists);

// One pass over the ship table from its current position: the rows between the first data row and
// the end line are parsed, and each accepted row is appended to lists.mainList, a PF also to
// lists.craftList. Rejected rows are skipped. An observer, when given, is told the fate of every
// row this pass reads for the catalogue and, in the first pass, of every other line of the table.
void ReadShipPass(LineReader& reader, CatalogueLists& lists, bool pfPass,
                  TableObserver* observer = nullptr);
