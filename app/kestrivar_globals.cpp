// The program's global objects, constructed in this order and destroyed in reverse: the two
// catalogues exist (empty) before the application object fills them in its constructor, and
// outlive it. Linked into Kestrivar.exe only; the test program defines its own catalogues and
// no application object, so that it does not load the registered game while it starts.
#include "app/catalogue_globals.h"
#include "app/kestrivar_app.h"

ShipCatalogue g_shipCatalogue;
ShipCatalogue g_fighterCatalogue;
CKestrivarApp theApp;
