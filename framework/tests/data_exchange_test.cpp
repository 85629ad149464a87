#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/afx.h"
#include "framework/framework_error.h"
#include "framework/tests/test_dialogs.h"

namespace fwtest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

fw::MessageBoxRecord PleaseEnterAnInteger() {
    return {"Please enter an integer.", fw::AfxGetAppName(), fw::kMbOk | fw::kMbIconExclamation,
            fw::kIdOk, IDD_TEST};
}

class DataExchange : public DialogTest {};

TEST_P(DataExchange, OpeningMovesMembersIntoTheControls) {
    CTestDlg dlg(log_);
    dlg.m_name = "Hawk";
    dlg.m_count = -12;
    ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_NAME), "Hawk");
        EXPECT_EQ(d.Text(IDC_COUNT), "-12");
        EXPECT_EQ(d.Text(IDC_LIMIT), "0");
        EXPECT_EQ(d.Text(IDC_TITLE), "title");  // the template's text is replaced
        d.Close();
    });
    EXPECT_EQ(dlg.DoModal(), fw::kIdCancel);
}

TEST_P(DataExchange, OkMovesControlsIntoMembers) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver& d) {
        d.Type(IDC_NAME, " V-CA ");
        d.Type(IDC_COUNT, " 7 ");
        d.Type(IDC_LIMIT, "-5");
        d.Click(fw::kIdOk);
    });
    EXPECT_EQ(dlg.DoModal(), fw::kIdOk);
    EXPECT_EQ(dlg.m_name, " V-CA ");  // bytes as typed, never trimmed
    EXPECT_EQ(dlg.m_count, 7);
    EXPECT_EQ(dlg.m_limit, -5);
    EXPECT_THAT(ui_.MessageBoxes(), IsEmpty());
}

// A refused field stops the exchange: members before it are updated, it and those after it
// keep their values, the focus goes to it, and the dialog stays open.
TEST_P(DataExchange, RefusedFieldStopsTheExchangeThere) {
    CTestDlg dlg(log_);
    dlg.m_count = 3;
    dlg.m_limit = 9;
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        d.Type(IDC_NAME, "new name");
        d.Type(IDC_COUNT, "-0");
        d.Type(IDC_LIMIT, "40");
        d.Click(fw::kIdOk);
        EXPECT_EQ(d.Focus(), IDC_COUNT);
        EXPECT_EQ(dlg.m_name, "new name");
        EXPECT_EQ(dlg.m_count, 3);
        EXPECT_EQ(dlg.m_limit, 9);
        EXPECT_THAT(ui_.MessageBoxes(), ElementsAre(PleaseEnterAnInteger()));

        d.Type(IDC_COUNT, "0");
        d.Click(fw::kIdOk);
    });
    EXPECT_EQ(dlg.DoModal(), fw::kIdOk);
    EXPECT_EQ(dlg.m_count, 0);
    EXPECT_EQ(dlg.m_limit, 40);
}

TEST_P(DataExchange, UpdateDataReportsTheRefusal) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        d.Type(IDC_LIMIT, "");
        EXPECT_FALSE(dlg.UpdateData(true));
        EXPECT_EQ(d.Focus(), IDC_LIMIT);
        d.Type(IDC_LIMIT, "12");
        EXPECT_TRUE(dlg.UpdateData(true));
        EXPECT_EQ(dlg.m_limit, 12);
        d.Close();
    });
    dlg.DoModal();
    EXPECT_THAT(ui_.MessageBoxes(), ElementsAre(PleaseEnterAnInteger()));
}

TEST_P(DataExchange, ComboBoxBoundByDdxControl) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        EXPECT_EQ(dlg.m_fruit.GetCount(), 3);
        EXPECT_EQ(dlg.m_fruit.GetCurSel(), -1);  // no selection until one is set
        EXPECT_EQ(dlg.m_fruit.SetCurSel(2), 2);
        EXPECT_EQ(d.Selection(IDC_FRUIT), 2);
        EXPECT_EQ(dlg.m_fruit.GetLBText(2), "pear");
        // An index outside the items clears the selection.
        EXPECT_EQ(dlg.m_fruit.SetCurSel(3), fw::kCbErr);
        EXPECT_EQ(d.Selection(IDC_FRUIT), -1);
        dlg.m_fruit.SetCurSel(0);
        EXPECT_EQ(dlg.m_fruit.SetCurSel(-1), fw::kCbErr);
        EXPECT_EQ(dlg.m_fruit.GetCurSel(), -1);
        d.Close();
    });
    dlg.DoModal();
    EXPECT_THROW(dlg.m_fruit.GetCurSel(), fw::FrameworkError);  // the dialog has closed
}

TEST_P(DataExchange, BindingAnIdTheTemplateLacksFails) {
    CBindingDlg missing(4242, false);
    ui_.ExpectModal(IDD_CHILD, [](fw::DialogDriver&) { FAIL() << "must not open"; });
    try {
        missing.DoModal();
        ADD_FAILURE() << "no error";
    } catch (const fw::FrameworkError& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("no control 4242"));
    }
    CBindingDlg notACombo(IDC_NAME, true);
    ui_.ExpectModal(IDD_CHILD, [](fw::DialogDriver&) { FAIL() << "must not open"; });
    EXPECT_THROW(notACombo.DoModal(), fw::FrameworkError);
    EXPECT_FALSE(notACombo.IsRunning());
}

KV_INSTANTIATE_UI_TEST_SUITE_P(DataExchange);

}  // namespace
}  // namespace fwtest
