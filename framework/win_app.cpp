#include "framework/win_app.h"

#include <vector>

namespace fw {
namespace {

// Live application objects, the newest last (normally exactly one: theApp).
std::vector<CWinApp*>& LiveApps() {
    static std::vector<CWinApp*> apps;
    return apps;
}

}  // namespace

CWinApp::CWinApp() {
    LiveApps().push_back(this);
}

CWinApp::~CWinApp() {
    std::vector<CWinApp*>& apps = LiveApps();
    for (auto it = apps.begin(); it != apps.end(); ++it) {
        if (*it == this) {
            apps.erase(it);
            break;
        }
    }
}

CWinApp* AfxGetApp() {
    return LiveApps().empty() ? nullptr : LiveApps().back();
}

int AfxWinMain(const std::string& commandLineTail) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return 1;
    }
    app->m_lpCmdLine = commandLineTail;
    app->InitInstance();  // no message loop either way
    return app->ExitInstance();
}

}  // namespace fw
