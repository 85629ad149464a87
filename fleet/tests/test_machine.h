#pragma once

#include <memory>
#include <string>

#ifndef _WIN32
#include "tests/support/wine_prefix.h"
#endif

namespace fleettest {

// The Windows machine the fleet code sees, for one test. Natively a fresh temporary Wine prefix
// (WINEPREFIX points at it). In the Windows build, the real drive C: and registry of the Wine
// prefix the test program runs in: C:\Kestrivar.FLT and the game's registry key are removed
// when the object is made and again when it goes.
class TestMachine {
  public:
    TestMachine();
    ~TestMachine();
    TestMachine(const TestMachine&) = delete;
    TestMachine& operator=(const TestMachine&) = delete;

    // Host path of C:\Kestrivar.FLT.
    std::string FleetFile() const;
    // Host path of the directory holding it (the root of drive C:).
    std::string DriveC() const;

    // Installs the game: its registry entry names a directory whose "Assets\Scripts" exists.
    // Returns the host path of scripts.ini there, which does not exist yet.
    std::string InstallGame();

#ifndef _WIN32
    testsupport::TempWinePrefix& Prefix();
#endif

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace fleettest
