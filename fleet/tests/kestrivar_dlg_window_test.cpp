// The main fleet dialog's window: the About box from the button and the system menu, other
// system commands, and the minimised window's icon.
#include "fleet/kestrivar_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fleet/tests/kestrivar_dialog_fixture.h"
#include "framework/headless/headless_dialog_driver.h"
#include "framework/ui_driver.h"
#include "res/resource.h"

namespace {

using fw::headless::AsHeadless;
using fw::headless::PaintOp;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

using MainDialogWindow = kvtest::KestrivarDialogTest;
using MainDialogWindowHeadless = kvtest::KestrivarHeadlessDialogTest;

TEST_P(MainDialogWindow, AboutButtonHidesTheMainDialogWhileTheBoxIsOpen) {
    CKestrivarDlg dlg;
    fw::DialogDriver* main = nullptr;
    ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [&](fw::DialogDriver& d) {
        main = &d;
        d.Click(IDC_ABOUT);
        EXPECT_TRUE(d.IsDialogVisible());
        d.Click(IDC_ABOUT);  // and again: the dialog is reachable once more
        d.Close();
    });
    for (int run = 0; run < 2; ++run) {
        ui_.ExpectModal(IDD_ABOUTBOX, [&](fw::DialogDriver& d) {
            EXPECT_EQ(d.Caption(), "About Kestrivar");
            EXPECT_FALSE(main->IsDialogVisible());
            d.Click(fw::kIdOk);
        });
    }
    EXPECT_EQ(dlg.DoModal(), fw::kIdCancel);
}

// The pause between hiding the main dialog and opening the box, which only the headless
// backend records.
TEST_F(MainDialogWindowHeadless, AboutButtonPausesBeforeTheBoxOpens) {
    CKestrivarDlg dlg;
    ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [&](fw::DialogDriver& d) {
        d.Click(IDC_ABOUT);
        d.Click(IDC_ABOUT);
        d.Close();
    });
    for (int run = 0; run < 2; ++run) {
        ui_.ExpectModal(IDD_ABOUTBOX, [&, run](fw::DialogDriver& d) {
            EXPECT_EQ(Headless().Sleeps().size(), static_cast<size_t>(run + 1));  // paused before
            d.Click(fw::kIdOk);
        });
    }
    EXPECT_EQ(dlg.DoModal(), fw::kIdCancel);
    EXPECT_THAT(Headless().Sleeps(), ElementsAre(25u, 25u));
}

TEST_P(MainDialogWindow, AboutFromTheSystemMenuLeavesTheMainDialogVisible) {
    CKestrivarDlg dlg;
    fw::DialogDriver* main = nullptr;
    ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [&](fw::DialogDriver& d) {
        main = &d;
        d.SysCommand(IDM_ABOUTBOX);
        EXPECT_TRUE(d.IsDialogVisible());
        d.Close();
    });
    ui_.ExpectModal(IDD_ABOUTBOX, [&](fw::DialogDriver& d) {
        EXPECT_TRUE(main->IsDialogVisible());
        d.Close();  // Esc closes it as well
    });
    dlg.DoModal();
    if (fw::headless::HeadlessBackend* headless = ui_.Headless()) {
        EXPECT_THAT(headless->Sleeps(), IsEmpty());  // no pause: the dialog stays on show
    }
}

// Minimise and Close are not the dialog's: they get the system's handling.
TEST_P(MainDialogWindow, OtherSystemCommandsGetTheDefaultHandling) {
    CKestrivarDlg dlg;
    ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [&](fw::DialogDriver& d) {
        d.SysCommand(fw::kScMinimize);
        EXPECT_TRUE(dlg.IsIconic());
        d.SysCommand(fw::kScRestore);
        EXPECT_FALSE(dlg.IsIconic());
        d.SysCommand(fw::kScClose);
    });
    EXPECT_EQ(dlg.DoModal(), fw::kIdCancel);
}

TEST_F(MainDialogWindowHeadless, MinimisedDialogDrawsItsIconCentred) {
    CKestrivarDlg dlg;
    ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [](fw::DialogDriver& d) {
        fw::headless::HeadlessDialogDriver& h = AsHeadless(d);
        const fw::IconHandle icon = static_cast<fw::IconHandle>(IDR_MAINFRAME);
        EXPECT_THAT(h.Paint(), ElementsAre(PaintOp{PaintOp::Kind::kDefaultPaint, 0, 0, {}}));
        d.SysCommand(fw::kScMinimize);
        // 177 x 210 dialog units are 265 x 341 pixels headless; the icon is 32 x 32.
        EXPECT_THAT(h.Paint(), ElementsAre(PaintOp{PaintOp::Kind::kEraseIconBackground, 0, 0, {}},
                                           PaintOp{PaintOp::Kind::kDrawIcon, 117, 155, icon}));
        EXPECT_EQ(h.QueryDragIcon(), static_cast<fw::LRESULT>(icon));
        d.Close();
    });
    dlg.DoModal();
}

KV_INSTANTIATE_UI_TEST_SUITE_P(MainDialogWindow);

}  // namespace
