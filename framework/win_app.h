#pragma once

#include <string>

namespace fw {

class CDialog;

// The application object. The program defines one derived object (theApp); its InitInstance
// runs the main dialog and returns false, so the process ends when the dialog closes.
class CWinApp {
  public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returns false to end the program (there is no application message loop).
    virtual bool InitInstance() { return false; }
    // Returns the process exit status.
    virtual int ExitInstance() { return 0; }

    std::string m_lpCmdLine;  // the command-line tail, as the entry point passed it
    CDialog* m_pMainWnd = nullptr;
};

// The application object constructed last and still alive; nullptr when there is none.
CWinApp* AfxGetApp();

// The framework's part of the entry point: records the command-line tail, runs InitInstance,
// then ExitInstance. Returns the exit status (1 when there is no application object).
int AfxWinMain(const std::string& commandLineTail);

}  // namespace fw
