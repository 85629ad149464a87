#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/afx.h"
#include "framework/framework_error.h"
#include "framework/tests/test_dialogs.h"
#include "framework/win_app.h"

namespace fwtest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ModalRuns : public DialogTest {};
class HeadlessModalRuns : public HeadlessDialogTest {};

TEST_P(ModalRuns, OpeningStateComesFromTheTemplate) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver& d) {
        EXPECT_EQ(d.TemplateId(), IDD_TEST);
        EXPECT_EQ(d.Caption(), "Test Dialog");
        EXPECT_TRUE(d.IsDialogVisible());
        EXPECT_EQ(d.Focus(), IDC_NAME);  // the first tab stop
        EXPECT_FALSE(d.IsVisible(IDC_EXTRA));
        EXPECT_TRUE(d.IsVisible(IDC_OPEN));
        EXPECT_THAT(d.Items(IDC_FRUIT), ElementsAre("Apple", "fig", "pear"));  // sorted
        EXPECT_THAT(d.Items(IDC_SIZES), ElementsAre("Small", "Large"));        // as listed
        EXPECT_EQ(d.Selection(IDC_SIZES), -1);
        d.Close();
    });
    EXPECT_EQ(dlg.DoModal(), fw::kIdCancel);
}

TEST_P(ModalRuns, DialogStateChangesAreSeenByTheDriver) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        dlg.SetCaption("Sector");
        dlg.ShowItem(IDC_EXTRA, true);
        dlg.ShowItem(IDC_OPEN, false);
        dlg.ShowWindow(false);
        EXPECT_EQ(d.Caption(), "Sector");
        EXPECT_TRUE(d.IsVisible(IDC_EXTRA));  // its own flag, whatever the dialog's
        EXPECT_FALSE(d.IsVisible(IDC_OPEN));
        EXPECT_FALSE(d.IsDialogVisible());
        EXPECT_THROW(d.Click(IDC_EXTRA), fw::FrameworkError);  // nobody can click a hidden dialog
        dlg.ShowWindow(true);
        EXPECT_THROW(d.Click(IDC_OPEN), fw::FrameworkError);  // nor a hidden button
        d.Click(IDC_EXTRA);                                   // no handler: nothing happens
        d.Close();
    });
    dlg.DoModal();
}

// A dialog opened from a click handler runs its own script, nested in the outer one.
TEST_P(ModalRuns, NestedRunFromAClickHandler) {
    CTestDlg dlg(log_);
    std::vector<std::string> order;
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        order.push_back("outer starts");
        d.Type(IDC_NAME, "old");
        d.Click(IDC_OPEN);
        order.push_back("outer resumes");
        EXPECT_EQ(d.Text(IDC_NAME), "new");
        d.Click(fw::kIdOk);
    });
    ui_.ExpectModal(IDD_CHILD, [&](fw::DialogDriver& d) {
        order.push_back("child");
        EXPECT_EQ(d.Text(IDC_NAME), "");  // the outer field was typed, never saved
        d.Type(IDC_NAME, "new");
        d.Click(fw::kIdOk);
    });
    EXPECT_EQ(dlg.DoModal(), fw::kIdOk);
    EXPECT_THAT(order, ElementsAre("outer starts", "child", "outer resumes"));
    EXPECT_THAT(log_, ::testing::Contains("child 1"));
    EXPECT_EQ(dlg.m_name, "new");
}

TEST_P(ModalRuns, OuterDialogIsOutOfReachWhileTheInnerRuns) {
    CTestDlg dlg(log_);
    fw::DialogDriver* outer = nullptr;
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        outer = &d;
        d.Click(IDC_OPEN);
        d.Close();
    });
    ui_.ExpectModal(IDD_CHILD, [&](fw::DialogDriver& d) {
        EXPECT_THROW(outer->Click(fw::kIdOk), fw::FrameworkError);
        EXPECT_EQ(outer->Text(IDC_NAME), "");  // reading is fine
        d.Close();
    });
    dlg.DoModal();
    EXPECT_THAT(log_, ::testing::Contains("child 2"));
}

// An exception in a nested run's handler ends both runs and comes out of the outer DoModal; the
// outer script stops at the action that caused it.
TEST_P(ModalRuns, FailureInANestedRunEndsEveryRun) {
    CTestDlg dlg(log_);
    dlg.openBrokenChild = true;
    bool outerResumed = false;
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        d.Click(IDC_OPEN);
        outerResumed = true;
        d.Close();
    });
    ui_.ExpectModal(IDD_CHILD, [](fw::DialogDriver&) { FAIL() << "must not open"; });
    try {
        dlg.DoModal();
        ADD_FAILURE() << "no error";
    } catch (const fw::FrameworkError& e) {
        EXPECT_THAT(e.what(), HasSubstr("no control 4242"));
    }
    EXPECT_FALSE(outerResumed);
    EXPECT_FALSE(dlg.IsRunning());
    EXPECT_THAT(log_, ::testing::Not(::testing::Contains("broken child returned")));
}

// The same failure caught by the script: the outer dialog goes on running.
TEST_P(ModalRuns, FailureCaughtByTheScriptLeavesTheDialogRunning) {
    CTestDlg dlg(log_);
    dlg.openBrokenChild = true;
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        EXPECT_THROW(d.Click(IDC_OPEN), fw::FrameworkError);
        d.Type(IDC_NAME, "still here");
        d.Click(fw::kIdOk);
    });
    ui_.ExpectModal(IDD_CHILD, [](fw::DialogDriver&) { FAIL() << "must not open"; });
    EXPECT_EQ(dlg.DoModal(), fw::kIdOk);
    EXPECT_EQ(dlg.m_name, "still here");
}

TEST_P(ModalRuns, UnexpectedRunFails) {
    CTestDlg dlg(log_);
    try {
        dlg.DoModal();
        ADD_FAILURE() << "no error";
    } catch (const fw::FrameworkError& e) {
        EXPECT_THAT(e.what(), HasSubstr("unexpected modal run of dialog 200"));
    }
}

TEST_P(ModalRuns, RunOfAnotherTemplateThanQueuedFails) {
    CChildDlg child(nullptr);
    ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver& d) { d.Close(); });
    EXPECT_THROW(child.DoModal(), fw::FrameworkError);
    CTestDlg dlg(log_);
    dlg.DoModal();  // uses the queued script
}

TEST_P(ModalRuns, ScriptThatDoesNotEndTheDialogFails) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver& d) { d.Type(IDC_NAME, "x"); });
    EXPECT_THROW(dlg.DoModal(), fw::FrameworkError);
    EXPECT_FALSE(dlg.IsRunning());
}

TEST_P(ModalRuns, ActionsTheUserCannotTakeFail) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver& d) {
        EXPECT_THROW(d.Click(4242), fw::FrameworkError);  // no such control
        EXPECT_THROW(d.Text(4242), fw::FrameworkError);
        EXPECT_THROW(d.Click(IDC_NAME), fw::FrameworkError);   // an edit, not a button
        EXPECT_THROW(d.Click(IDC_FRAME), fw::FrameworkError);  // a group box
        EXPECT_THROW(d.Type(IDC_READONLY, "1"), fw::FrameworkError);
        EXPECT_THROW(d.Select(IDC_FRUIT, 3), fw::FrameworkError);  // no item 3
        EXPECT_THROW(d.Spin(IDC_COUNT, -1), fw::FrameworkError);
        EXPECT_THROW(d.Text(fw::kIdcStatic), fw::FrameworkError);
        d.Close();
        EXPECT_THROW(d.Click(fw::kIdOk), fw::FrameworkError);  // it has ended
    });
    dlg.DoModal();
}

TEST_P(ModalRuns, DialogWithoutSystemMenu) {
    CChildDlg child(nullptr);
    ui_.ExpectModal(IDD_CHILD, [&](fw::DialogDriver& d) {
        EXPECT_FALSE(child.HasSystemMenu());
        EXPECT_THROW(child.AppendSystemMenuItem(IDM_ABOUTBOX, "x"), fw::FrameworkError);
        EXPECT_THROW(d.SysCommand(fw::kScClose), fw::FrameworkError);
        d.Click(fw::kIdCancel);
    });
    EXPECT_EQ(child.DoModal(), fw::kIdCancel);
}

class CTestApp : public fw::CWinApp {
  public:
    explicit CTestApp(std::vector<std::string>& log) : log_(log) {}
    bool InitInstance() override {
        log_.push_back("command line " + m_lpCmdLine);
        CTestDlg dlg(log_);
        m_pMainWnd = &dlg;
        log_.push_back("result " + std::to_string(dlg.DoModal()));
        m_pMainWnd = nullptr;
        return false;
    }
    int ExitInstance() override { return 3; }

  private:
    std::vector<std::string>& log_;
};

TEST_P(ModalRuns, ApplicationRunsItsMainDialogOnce) {
    EXPECT_EQ(fw::AfxWinMain(""), 1);  // no application object
    {
        CTestApp app(log_);
        EXPECT_EQ(fw::AfxGetApp(), &app);
        ui_.ExpectModal(IDD_TEST, [](fw::DialogDriver& d) { d.Close(); });
        EXPECT_EQ(fw::AfxWinMain("/VEZIREZARADUD"), 3);
    }
    EXPECT_EQ(fw::AfxGetApp(), nullptr);
    EXPECT_EQ(log_.front(), "command line /VEZIREZARADUD");
    EXPECT_EQ(log_.back(), "result 2");
}

TEST_F(HeadlessModalRuns, SleepsAreRecorded) {
    fw::Sleep(25);
    EXPECT_THAT(ui_.Sleeps(), ElementsAre(25u));
}

KV_INSTANTIATE_UI_TEST_SUITE_P(ModalRuns);

}  // namespace
}  // namespace fwtest
