#include "app/kestrivar_app.h"

#include "app/catalogue_globals.h"
#include "app/catalogue_setup.h"
#include "app/command_line.h"
#include "fleet/kestrivar_dlg.h"
#include "fleet/unfinished_saves.h"
#include "gamedata/table_reader.h"

namespace {

// Keeps m_pMainWnd pointing at the main dialog for as long as it exists, and no longer.
class MainWindowScope {
  public:
    MainWindowScope(fw::CWinApp& app, fw::CDialog& dialog) : app_(app) {
        app_.m_pMainWnd = &dialog;
    }
    ~MainWindowScope() { app_.m_pMainWnd = nullptr; }
    MainWindowScope(const MainWindowScope&) = delete;
    MainWindowScope& operator=(const MainWindowScope&) = delete;

  private:
    fw::CWinApp& app_;
};

}  // namespace

CKestrivarApp::CKestrivarApp() {
    // A failed load is not reported: the picker then simply has no ship to offer.
    LoadCatalogue(g_shipCatalogue);
    OrderCatalogues(g_shipCatalogue, g_fighterCatalogue);
}

CKestrivarApp::~CKestrivarApp() = default;

bool CKestrivarApp::SelectStartMode() {
    const bool sectorAssault = IsSectorAssaultSwitch(m_lpCmdLine);
    NarrowToMode(g_shipCatalogue, sectorAssault);
    return sectorAssault;
}

bool CKestrivarApp::InitInstance() {
    OfferUnfinishedSaves();
    CKestrivarDlg dialog;
    MainWindowScope mainWindow(*this, dialog);
    const bool sectorAssault = SelectStartMode();
    dialog.SetVezireZaradud(sectorAssault ? 1 : 0);
    dialog.SetCatalogues(g_shipCatalogue.mainList, g_fighterCatalogue.mainList);
    dialog.DoModal();  // Save and Cancel both end the program
    return false;
}
