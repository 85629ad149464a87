#pragma once

#include "app/ship_catalogue.h"

// The two program-wide catalogues. They are defined in the same translation unit as the
// application object, ahead of it, so that they exist (empty) when its constructor fills them
// and are destroyed after it.
//
// g_shipCatalogue: after start-up, exactly the ships the Pick Ship dialog offers, in full order.
// g_fighterCatalogue: fighters, shuttles and PFs in race order, where the dialog looks up the
// crafts a bay may carry.
extern ShipCatalogue g_shipCatalogue;
extern ShipCatalogue g_fighterCatalogue;
