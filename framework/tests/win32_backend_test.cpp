// What only the Win32 backend shows: real windows, their menus and icons, window ownership,
// the application's name, the watchdog.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "framework/afx.h"
#include "framework/framework_error.h"
#include "framework/tests/test_dialogs.h"
#include "framework/win32/win32_api.h"
#include "framework/win32/win32_backend.h"
#include "framework/win32/win32_dialog_driver.h"
#include "framework/win32/win32_ui_driver.h"

namespace fwtest {
namespace {

using fw::win32::AsWin32;
using ::testing::HasSubstr;

HWND HandleOf(fw::DialogDriver& d) {
    return AsWin32(d).Window().Handle();
}

HICON ToHicon(fw::IconHandle icon) {
    return reinterpret_cast<HICON>(static_cast<std::uintptr_t>(icon));
}

class Win32Backend : public ::testing::Test {
  protected:
    void TearDown() override { EXPECT_THAT(ui_.Unused(), ::testing::IsEmpty()); }

    testsupport::UiHarness ui_{testsupport::UiKind::kWin32, FixtureResources()};
    std::vector<std::string> log_;
};

TEST_F(Win32Backend, ApplicationNameIsTheExecutablesBaseName) {
    EXPECT_EQ(fw::AfxGetAppName(), "kestrivar_tests");
}

TEST_F(Win32Backend, SystemMenuItemAndIconsOnTheWindow) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        HWND hwnd = HandleOf(d);
        char item[64] = {};
        GetMenuStringA(GetSystemMenu(hwnd, FALSE), IDM_ABOUTBOX, item, sizeof item, MF_BYCOMMAND);
        EXPECT_STREQ(item, "&About Test...");
        const HICON icon = ToHicon(dlg.m_hIcon);
        EXPECT_NE(icon, nullptr);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0)), icon);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(hwnd, WM_QUERYDRAGICON, 0, 0)), icon);
        d.Close();
    });
    dlg.DoModal();
}

// Counts the icon-background erasures a minimised dialog's paint asks for.
int g_iconErasures = 0;
WNDPROC g_dialogWindowProc = nullptr;
LRESULT CALLBACK CountIconErasures(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ICONERASEBKGND) {
        ++g_iconErasures;
    }

    return CallWindowProcA(g_dialogWindowProc, hwnd, message, wParam, lParam);
}

// A minimised window has no client area here (as on current Windows), so the system sends it
// no WM_PAINT: the icon-drawing branch of a paint handler only runs for a WM_PAINT that does
// arrive. This one goes through BeginPaint, WM_ICONERASEBKGND, DrawIcon and EndPaint.
TEST_F(Win32Backend, MinimisedDialogPaintsItsIcon) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        HWND hwnd = HandleOf(d);
        g_iconErasures = 0;
        g_dialogWindowProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountIconErasures)));
        d.SysCommand(fw::kScMinimize);
        ASSERT_TRUE(IsIconic(hwnd));
        SendMessageA(hwnd, WM_PAINT, 0, 0);
        EXPECT_EQ(g_iconErasures, 1);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_dialogWindowProc));
        d.Close();
    });
    dlg.DoModal();
}

// A dialog run without a parent is owned by the dialog the user is in, which it disables, as
// the framework the dialogs were written for does.
TEST_F(Win32Backend, NestedRunIsOwnedByTheRunningDialog) {
    CTestDlg dlg(log_);
    HWND outer = nullptr;
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        outer = HandleOf(d);
        fw::CDialog child(IDD_CHILD);  // no parent
        EXPECT_EQ(child.DoModal(), fw::kIdCancel);
        EXPECT_TRUE(IsWindowEnabled(outer));
        d.Close();
    });
    ui_.ExpectModal(IDD_CHILD, [&](fw::DialogDriver& d) {
        EXPECT_EQ(GetWindow(HandleOf(d), GW_OWNER), outer);
        EXPECT_FALSE(IsWindowEnabled(outer));
        d.Close();
    });
    dlg.DoModal();
}

TEST_F(Win32Backend, MissingTemplateFailsBeforeAnyScriptIsUsed) {
    fw::CDialog missing(4242);
    try {
        missing.DoModal();
        ADD_FAILURE() << "no error";
    } catch (const fw::FrameworkError& e) {
        EXPECT_THAT(e.what(), HasSubstr("no dialog template 4242"));
    }
}

// A script stuck in a message loop that nothing ends (here a message box that bypasses the
// backend, so that no hook answers it): the watchdog ends every loop and the run fails.
TEST(Win32Watchdog, EndsAStuckRunWithAnError) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    fw::win32::Win32Backend backend;
    fw::win32::Win32UiDriver driver(backend, 300);
    fw::ScopedBackend use(backend);
    std::vector<std::string> log;
    CTestDlg dlg(log);
    driver.ExpectModal(
        IDD_TEST, [](fw::DialogDriver& d) { MessageBoxA(HandleOf(d), "stuck", "Test", MB_OK); });
    const DWORD start = GetTickCount();
    try {
        dlg.DoModal();
        ADD_FAILURE() << "no error";
    } catch (const fw::FrameworkError& e) {
        EXPECT_THAT(e.what(), HasSubstr("watchdog: dialog 200 stayed open"));
    }
    EXPECT_LT(GetTickCount() - start, 5000u);
    MSG quit;
    EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));

    // The next run works normally.
    driver.ExpectModal(IDD_TEST, [](fw::DialogDriver& d) { d.Close(); });
    EXPECT_EQ(dlg.DoModal(), fw::kIdCancel);
}

}  // namespace
}  // namespace fwtest
