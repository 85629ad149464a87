// A program in Kestrivar.exe's shape: an application object and nothing else, linked with the
// framework's Win32 library (which brings WinMain) and the program's resources. It runs the
// main dialog's template, which closes itself once shown, and its exit status says whether the
// command-line tail and the dialog's list items arrived: 0 when they did.
#include <string>

#include "framework/dialog.h"
#include "framework/win32/win32_api.h"
#include "framework/win_app.h"

namespace {

constexpr int kMainDialog = 102;
constexpr int kDefSatsList = 1068;

class CCheckDlg : public fw::CDialog {
  public:
    CCheckDlg() : fw::CDialog(kMainDialog) {}
    int items = 0;

  protected:
    bool OnInitDialog() override {
        fw::CDialog::OnInitDialog();
        items = Window().ComboGetCount(kDefSatsList);
        EnumThreadWindows(GetCurrentThreadId(), &CloseDialogWindow, 0);
        return true;
    }

  private:
    // The dialog window of this thread: close it as Esc would, once its loop runs.
    static BOOL CALLBACK CloseDialogWindow(HWND hwnd, LPARAM) {
        char name[16] = {};
        GetClassNameA(hwnd, name, sizeof name);
        if (std::string(name) != "#32770") {
            return TRUE;
        }
        PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return FALSE;
    }
};

class CCheckApp : public fw::CWinApp {
  public:
    bool InitInstance() override {
        CCheckDlg dlg;
        m_pMainWnd = &dlg;
        result_ = dlg.DoModal();
        items_ = dlg.items;
        m_pMainWnd = nullptr;
        return false;
    }
    int ExitInstance() override {
        if (m_lpCmdLine != "/VEZIREZARADUD") {
            return 2;
        }
        if (result_ != fw::kIdCancel) {
            return 3;
        }
        return items_ == 9 ? 0 : 4;
    }

  private:
    int result_ = 0;
    int items_ = 0;
};

CCheckApp theApp;

}  // namespace
