#pragma once

#include <list>

#include "gamedata/ship_spec.h"

// The two lists the table readers fill. mainList holds every accepted row (fighters, then PFs,
// then the other ships, each in file order); craftList holds the crafts a bay may name
// (fighters, then PFs). Doubly linked lists, so that sorting and narrowing relink nodes and never
// copy a record. The catalogue with its orderings builds on this.
struct CatalogueLists {
    std::list<ShipSpec> mainList;
    std::list<ShipSpec> craftList;
};
