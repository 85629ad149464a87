// The application object: what its construction loads and orders, the start-up mode from the
// command-line tail, and the one run of the main dialog.
#include "app/kestrivar_app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/catalogue_globals.h"
#include "app/catalogue_order.h"
#include "fleet/tests/kestrivar_dialog_fixture.h"
#include "framework/dialog.h"
#include "framework/ui_driver.h"
#include "framework/win_app.h"
#include "gamedata/tests/ship_records.h"

#ifndef _WIN32
#include "tests/support/wine_prefix.h"
#endif

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kMainDialog = 102;

// The catalogues and the ordering switch are program-wide; each test starts from empty ones
// and leaves them as it found them.
class KestrivarApp : public kvtest::KestrivarDialogTest {
  protected:
    KestrivarApp()
        : savedShips_(g_shipCatalogue),
          savedFighters_(g_fighterCatalogue),
          savedOrder_(g_orderIgnoresClass) {
        g_shipCatalogue = ShipCatalogue();
        g_fighterCatalogue = ShipCatalogue();
    }
    ~KestrivarApp() override {
        g_shipCatalogue = savedShips_;
        g_fighterCatalogue = savedFighters_;
        g_orderIgnoresClass = savedOrder_;
    }

    // Constructs the application where no game is registered: the test prefix on Linux; the
    // Windows test prefix has the game's key only while a registry test creates it.
    std::unique_ptr<CKestrivarApp> MakeAppWithoutGame() {
#ifndef _WIN32
        testsupport::TempWinePrefix emptyPrefix;
#endif
        return std::make_unique<CKestrivarApp>();
    }

  private:
    ShipCatalogue savedShips_;
    ShipCatalogue savedFighters_;
    bool savedOrder_;
};

// Load order, not catalogue order: fighters first, then the ships.
void FillInLoadOrder(ShipCatalogue& catalogue) {
    catalogue.mainList = {
        MakeShip(16, 0, 4, "CV-Wasp"),   MakeShip(1, 0, 3, "VR-Gnat"),
        MakeShip(16, 1, 9, "CV-PF"),     MakeShip(23, 14, 300, "NT-BATS"),
        MakeShip(16, 16, 900, "CV-SB"),  MakeShip(1, 4, 90, "VR-DD"),
        MakeShip(16, 12, 250, "CV-BB"),  MakeShip(16, 3, 70, "CV-FF"),
        MakeShip(1, 15, 500, "VR-BATS"), MakeShip(16, 3, 60, "CV-Scout"),
    };
}

TEST_P(KestrivarApp, ConstructionOrdersTheShipsAndDerivesTheCrafts) {
    FillInLoadOrder(g_shipCatalogue);  // stands for what the load appends to
    const std::unique_ptr<CKestrivarApp> app = MakeAppWithoutGame();
    EXPECT_THAT(Names(g_shipCatalogue.mainList),
                ElementsAre("VR-Gnat", "VR-DD", "VR-BATS", "CV-Wasp", "CV-PF", "CV-Scout", "CV-FF",
                            "CV-BB", "CV-SB", "NT-BATS"));
    EXPECT_THAT(Names(g_fighterCatalogue.mainList), ElementsAre("VR-Gnat", "CV-Wasp", "CV-PF"));
    EXPECT_TRUE(g_orderIgnoresClass);
    EXPECT_THAT(ui_.MessageBoxes(), IsEmpty());
}

TEST_P(KestrivarApp, StartModeFromTheCommandLineTailNarrowsTheCatalogue) {
    struct Case {
        std::string tail;
        bool sectorAssault;
        std::vector<std::string> ships;
    };
    const std::vector<std::string> bases = {"VR-BATS", "CV-SB"};
    const std::vector<std::string> corvaneWarships = {"CV-Scout", "CV-FF", "CV-BB"};
    const Case cases[] = {
        {"/VEZIREZARADUD", true, bases},
        {"/vezireZARADUD", true, bases},
        {"/VEZIREZARADUD ", false, corvaneWarships},
        {"", false, corvaneWarships},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE("tail \"" + tc.tail + "\"");
        g_shipCatalogue = ShipCatalogue();
        FillInLoadOrder(g_shipCatalogue);
        const std::unique_ptr<CKestrivarApp> app = MakeAppWithoutGame();
        app->m_lpCmdLine = tc.tail;
        EXPECT_EQ(app->SelectStartMode(), tc.sectorAssault);
        EXPECT_EQ(Names(g_shipCatalogue.mainList), tc.ships);
        // Bases keep the full order made at construction; normal mode sorts again in it.
        EXPECT_EQ(g_orderIgnoresClass, tc.sectorAssault);
        EXPECT_EQ(Names(g_fighterCatalogue.mainList).size(), 3u);  // never narrowed
    }
}

TEST_P(KestrivarApp, InitInstanceRunsTheMainDialogOnceInTheSelectedMode) {
    struct Case {
        std::string tail;
        std::string caption;
        bool sectorAssaultControls;
    };
    const Case cases[] = {
        {"", "Kestrivar 1.3", false},
        {"/VEZIREZARADUD", "Sector Assault Configuration", true},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE("tail \"" + tc.tail + "\"");
        const std::unique_ptr<CKestrivarApp> app = MakeAppWithoutGame();
        app->m_lpCmdLine = tc.tail;
        ui_.ExpectModal(kMainDialog, [&](fw::DialogDriver& d) {
            EXPECT_EQ(d.Caption(), tc.caption);
            EXPECT_EQ(d.IsVisible(1068), tc.sectorAssaultControls);  // "Starbase DefSats:"
            EXPECT_EQ(app->m_pMainWnd->GetTemplateId(), kMainDialog);
            d.Click(2);  // Cancel
        });
        EXPECT_FALSE(app->InitInstance());  // a second run would find no script and throw
        EXPECT_EQ(app->m_pMainWnd, nullptr);
        EXPECT_THAT(ui_.Unused(), IsEmpty());
    }
}

#ifndef _WIN32
// The bundled demo game, registered in a temporary prefix, is what construction loads.
TEST_P(KestrivarApp, ConstructionLoadsTheRegisteredGame) {
    testsupport::TempWinePrefix prefix(testsupport::WineArch::kWin64);
    prefix.AddDrive('z', "/");
    std::string directory = "Z:" KV_SOURCE_DIR "/demo/HalvaneReach";
    for (char& c : directory) {
        if (c == '/') {
            c = '\\';
        }
    }
    prefix.SetGameDirectory(directory);
    CKestrivarApp app;
    ASSERT_FALSE(g_shipCatalogue.mainList.empty());
    ASSERT_FALSE(g_fighterCatalogue.mainList.empty());
    EXPECT_FALSE(app.SelectStartMode());
    for (const ShipSpec& ship : g_shipCatalogue.mainList) {
        EXPECT_EQ(ship.race, 16) << ship.className;
    }
}
#endif

KV_INSTANTIATE_UI_TEST_SUITE_P(KestrivarApp);

}  // namespace
