// The main dialog on real windows: where it and the dialogs it opens appear, and what the
// system shows of its menu and icon.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "fleet/kestrivar_dlg.h"
#include "fleet/tests/kestrivar_dialog_fixture.h"
#include "framework/win32/win32_api.h"
#include "framework/win32/win32_dialog_driver.h"
#include "res/resource.h"

namespace {

using fw::win32::AsWin32;

HWND HandleOf(fw::DialogDriver& d) {
    return AsWin32(d).Window().Handle();
}

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT WorkArea() {
    RECT area = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

// Centred to the pixel, give or take the halving of odd sizes.
void ExpectCentredOn(const RECT& box, const RECT& on, const char* what) {
    EXPECT_LE(std::abs((box.left + box.right) - (on.left + on.right)), 2)
        << what << ": " << box.left << ".." << box.right << " on " << on.left << ".." << on.right;
    EXPECT_LE(std::abs((box.top + box.bottom) - (on.top + on.bottom)), 2)
        << what << ": " << box.top << ".." << box.bottom << " on " << on.top << ".." << on.bottom;
}

// Moves the window by the offset, so that "over its owner" and "on the work area" differ.
void MoveBy(HWND window, int dx, int dy) {
    const RECT rect = WindowRect(window);
    SetWindowPos(window, nullptr, rect.left + dx, rect.top + dy, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

using MainDialogOnScreen = kvtest::KestrivarDialogTest;

TEST_P(MainDialogOnScreen, OpensCentredOnTheWorkArea) {
    CKestrivarDlg dlg;
    ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [](fw::DialogDriver& d) {
        const RECT box = WindowRect(HandleOf(d));
        ExpectCentredOn(box, WorkArea(), "main dialog");
        EXPECT_NE(box.left, WorkArea().left);  // not where the system would have put it
        d.Close();
    });
    dlg.DoModal();
}

// The picker and the About box from the system menu open over the main dialog wherever it is;
// the About box from the button opens while the main dialog is hidden: on the work area.
TEST_P(MainDialogOnScreen, NestedDialogsOpenCentredOverTheMainDialog) {
    CKestrivarDlg dlg;
    RECT main = {};
    ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [&](fw::DialogDriver& d) {
        MoveBy(HandleOf(d), 60, 40);
        main = WindowRect(HandleOf(d));
        d.Click(IDC_SELECT1);
        d.SysCommand(IDM_ABOUTBOX);
        d.Click(IDC_ABOUT);
        d.Close();
    });
    ui_.ExpectModal(IDD_PICKSHIP, [&](fw::DialogDriver& d) {
        ExpectCentredOn(WindowRect(HandleOf(d)), main, "picker");
        d.Close();
    });
    ui_.ExpectModal(IDD_ABOUTBOX, [&](fw::DialogDriver& d) {
        ExpectCentredOn(WindowRect(HandleOf(d)), main, "About box over the main dialog");
        d.Close();
    });
    ui_.ExpectModal(IDD_ABOUTBOX, [](fw::DialogDriver& d) {
        ExpectCentredOn(WindowRect(HandleOf(d)), WorkArea(), "About box, main dialog hidden");
        d.Close();
    });
    dlg.DoModal();
}

// What the headless suite checks as the dialog set it, here as the system shows it.
TEST_P(MainDialogOnScreen, SystemMenuHasTheAboutItemAndTheWindowTheIcon) {
    CKestrivarDlg dlg;
    ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [](fw::DialogDriver& d) {
        HWND hwnd = HandleOf(d);
        char item[64] = {};
        GetMenuStringA(GetSystemMenu(hwnd, FALSE), IDM_ABOUTBOX, item, sizeof item, MF_BYCOMMAND);
        EXPECT_STREQ(item, "&About Kestrivar...");
        EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0), 0);
        d.Close();
    });
    dlg.DoModal();
}

INSTANTIATE_TEST_SUITE_P(Ui, MainDialogOnScreen, ::testing::Values(testsupport::UiKind::kWin32),
                         testsupport::UiKindName);

}  // namespace
