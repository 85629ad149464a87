#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/framework_error.h"
#include "framework/headless/headless_dialog_driver.h"
#include "framework/tests/test_dialogs.h"

namespace fwtest {
namespace {

using fw::headless::AsHeadless;
using fw::headless::PaintOp;
using ::testing::ElementsAre;

class MessageRouting : public DialogTest {};
class HeadlessMessageRouting : public HeadlessDialogTest {};

TEST_P(MessageRouting, OnCreateRunsOnceBeforeTheFirstExchange) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver& d) { d.Close(); });
    dlg.DoModal();
    EXPECT_THAT(log_, ElementsAre("create", "init", "load"));
}

TEST_P(MessageRouting, OnCreateRefusingFailsTheRun) {
    CTestDlg dlg(log_);
    dlg.createResult = -1;
    ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver&) { FAIL() << "must not open"; });
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_THAT(log_, ElementsAre("create"));
}

TEST_P(MessageRouting, ControlsDoNotExistYetInOnCreate) {
    CTestDlg dlg(log_);
    dlg.touchControlInCreate = true;
    ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver&) { FAIL() << "must not open"; });
    EXPECT_THROW(dlg.DoModal(), fw::FrameworkError);
}

TEST_P(MessageRouting, SpinHandlerGetsDeltaAndSetsResultCell) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver& d) {
        EXPECT_EQ(d.Spin(IDC_STEP, -1), 1);  // forward
        EXPECT_EQ(d.Spin(IDC_STEP, -1), 1);
        EXPECT_EQ(d.Spin(IDC_STEP, 1), 1);  // back
        EXPECT_EQ(d.Spin(IDC_STEP, 0), 0);  // nothing to do: the cell stays 0
        EXPECT_EQ(d.Text(IDC_COUNT), "1");
        d.Close();
    });
    dlg.DoModal();
    EXPECT_THAT(log_, ElementsAre("create", "init", "load", "step -1", "load", "step -1", "load",
                                  "step 1", "load", "step 0"));
}

// Keys in an edit tied to a list move the list's selection, never past either end; an edit not
// tied keeps them. The list asks the dialog for the texts it shows.
TEST_P(MessageRouting, ListKeysFromATiedEditStopAtTheEnds) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [&dlg](fw::DialogDriver& d) {
        dlg.ListSetColumns(IDC_ROWS, {{"Row", 40, false}, {"Column", 40, true}});
        dlg.ListSetRowCount(IDC_ROWS, 30);
        dlg.RouteListKeys(IDC_NAME, IDC_ROWS);
        dlg.ListSetCurSel(IDC_ROWS, 0);
        d.PressKey(IDC_NAME, fw::kVkUp);
        EXPECT_EQ(d.ListSelection(IDC_ROWS), 0);
        d.PressKey(IDC_NAME, fw::kVkDown);
        EXPECT_EQ(d.ListSelection(IDC_ROWS), 1);
        d.PressKey(IDC_COUNT, fw::kVkDown);
        EXPECT_EQ(d.ListSelection(IDC_ROWS), 1);
        for (int i = 0; i < 30; ++i)
            d.PressKey(IDC_NAME, fw::kVkPageDown);
        EXPECT_EQ(d.ListSelection(IDC_ROWS), 29);
        d.PressKey(IDC_NAME, fw::kVkPageUp);
        EXPECT_LT(d.ListSelection(IDC_ROWS), 28);  // a page, not a row
        for (int i = 0; i < 30; ++i)
            d.PressKey(IDC_NAME, fw::kVkPageUp);
        EXPECT_EQ(d.ListSelection(IDC_ROWS), 0);
        EXPECT_EQ(d.ListText(IDC_ROWS, 7, 1), "row 7 column 1");
        dlg.ListSetRowCount(IDC_ROWS, 3);
        dlg.ListSetCurSel(IDC_ROWS, 3);
        EXPECT_EQ(d.ListSelection(IDC_ROWS), -1);
        EXPECT_EQ(d.ListRowCount(IDC_ROWS), 3);
        d.Close();
    });
    dlg.DoModal();
}

TEST_P(MessageRouting, SelectionChangeReachesItsHandler) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver& d) {
        d.Select(IDC_FRUIT, 1);
        d.Select(IDC_SIZES, 0);  // no handler for this list
        d.Close();
    });
    dlg.DoModal();
    EXPECT_EQ(log_.back(), "fruit 1");
}

// The derived map is searched first; what it lacks comes from its base's map, and OK/Cancel
// from CDialog's.
TEST_P(MessageRouting, DerivedEntriesFirstThenBaseEntries) {
    CDerivedTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver& d) {
        d.Click(IDC_OPEN);
        d.Click(IDC_EXTRA);
        d.Spin(IDC_STEP, -1);
        d.Click(fw::kIdOk);
    });
    EXPECT_EQ(dlg.DoModal(), fw::kIdOk);
    EXPECT_THAT(log_, ElementsAre("create", "init", "load", "derived open", "extra", "step -1",
                                  "load", "save"));
}

TEST_P(MessageRouting, SystemCommandsAndTheirDefaultHandling) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        d.SysCommand(IDM_ABOUTBOX);
        EXPECT_EQ(log_.back(), "about");
        EXPECT_THROW(d.SysCommand(IDM_ABOUTBOX + 16), fw::FrameworkError);  // not in the menu
        d.SysCommand(fw::kScMinimize);  // passed on to the default handling
        EXPECT_TRUE(dlg.IsIconic());
        d.SysCommand(fw::kScClose);  // ends as Cancel does
    });
    EXPECT_EQ(dlg.DoModal(), fw::kIdCancel);
}

TEST_F(HeadlessMessageRouting, SystemMenuItemAndIcons) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver& d) {
        fw::headless::HeadlessDialogDriver& h = AsHeadless(d);
        ASSERT_EQ(h.SystemMenu().size(), 2u);
        EXPECT_EQ(h.SystemMenu()[0].commandId, 0u);  // separator
        EXPECT_EQ(h.SystemMenu()[1].commandId, IDM_ABOUTBOX);
        EXPECT_EQ(h.SystemMenu()[1].text, "&About Test...");
        EXPECT_EQ(h.Icon(true), static_cast<fw::IconHandle>(IDI_TEST));
        EXPECT_EQ(h.Icon(false), static_cast<fw::IconHandle>(IDI_TEST));
        d.Close();
    });
    dlg.DoModal();
}

TEST_F(HeadlessMessageRouting, MinimisedPaintDrawsTheIconCentred) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        fw::headless::HeadlessDialogDriver& h = AsHeadless(d);
        EXPECT_THAT(h.Paint(), ElementsAre(PaintOp{PaintOp::Kind::kDefaultPaint, 0, 0, {}}));
        d.SysCommand(fw::kScMinimize);
        const fw::CRect client = dlg.GetClientRect();  // 300 x 195 for 200 x 120 units
        const fw::IconHandle icon = static_cast<fw::IconHandle>(IDI_TEST);
        EXPECT_THAT(h.Paint(),
                    ElementsAre(PaintOp{PaintOp::Kind::kEraseIconBackground, 0, 0, {}},
                                PaintOp{PaintOp::Kind::kDrawIcon, (client.Width() - 32 + 1) / 2,
                                        (client.Height() - 32 + 1) / 2, icon}));
        EXPECT_EQ(h.QueryDragIcon(), static_cast<fw::LRESULT>(icon));
        d.Close();
    });
    dlg.DoModal();
}

KV_INSTANTIATE_UI_TEST_SUITE_P(MessageRouting);

}  // namespace
}  // namespace fwtest
