#pragma once

#include "framework/win_app.h"

// The application: loads and orders the catalogues while it is constructed (before any window
// exists), then runs the main fleet dialog once in the mode the command line selects.
class CKestrivarApp : public fw::CWinApp {
  public:
    // Fills g_shipCatalogue from the registered game and derives g_fighterCatalogue. A game that
    // cannot be found or read leaves both empty, without a message; the dialog opens anyway.
    CKestrivarApp();
    ~CKestrivarApp() override;

    // Offers to put back what an unfinished Save left, then runs the main dialog modally once;
    // false, so that the program ends when it closes.
    bool InitInstance() override;

    // Sector Assault mode when the command-line tail is exactly the switch (any letter case),
    // else normal mode; narrows g_shipCatalogue to the ships of the mode. True for Sector
    // Assault.
    bool SelectStartMode();
};
