// The test program's catalogues. The program defines them beside its application object, whose
// construction loads the registered game; the tests construct an application only where they
// mean to, and fill the catalogues themselves.
#include "app/catalogue_globals.h"

ShipCatalogue g_shipCatalogue;
ShipCatalogue g_fighterCatalogue;
