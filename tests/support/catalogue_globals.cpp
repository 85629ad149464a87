// The program's two catalogues, for the test program (the program defines them beside its
// application object). They stay empty unless a test fills them.
#include "app/catalogue_globals.h"

ShipCatalogue g_shipCatalogue, g_fighterCatalogue;
