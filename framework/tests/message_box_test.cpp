#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/afx.h"
#include "framework/framework_error.h"
#include "framework/tests/test_dialogs.h"

namespace fwtest {
namespace {

using ::testing::ElementsAre;

class MessageBoxes : public DialogTest {};

TEST_P(MessageBoxes, CaptionDefaultsToTheApplicationName) {
    CTestDlg dlg(log_);
    ui_.ExpectModal(IDD_TEST, [&](fw::DialogDriver& d) {
        dlg.MessageBox("Saved.");
        dlg.MessageBox("Sure?", "Question", fw::kMbYesNo | fw::kMbIconQuestion);
        d.Close();
    });
    dlg.DoModal();
    fw::AfxMessageBox("Unowned.");
    fw::AfxMessageBox("Bad release.", fw::kMbOk | fw::kMbIconExclamation, "Error");
    const std::string app = fw::AfxGetAppName();
    EXPECT_THAT(
        ui_.MessageBoxes(),
        ElementsAre(fw::MessageBoxRecord{"Saved.", app, fw::kMbOk, fw::kIdOk, IDD_TEST},
                    fw::MessageBoxRecord{"Sure?", "Question", fw::kMbYesNo | fw::kMbIconQuestion,
                                         fw::kIdYes, IDD_TEST},
                    fw::MessageBoxRecord{"Unowned.", app, fw::kMbOk, fw::kIdOk, 0},
                    fw::MessageBoxRecord{"Bad release.", "Error",
                                         fw::kMbOk | fw::kMbIconExclamation, fw::kIdOk, 0}));
}

TEST_P(MessageBoxes, ScriptedAnswersInOrderThenTheFirstButton) {
    ui_.AnswerNextMessageBox(fw::kIdNo);
    ui_.AnswerNextMessageBox(fw::kIdCancel);
    EXPECT_EQ(fw::AfxMessageBox("a", fw::kMbYesNo), fw::kIdNo);
    EXPECT_EQ(fw::AfxMessageBox("b", fw::kMbOkCancel), fw::kIdCancel);
    EXPECT_EQ(fw::AfxMessageBox("c", fw::kMbYesNo), fw::kIdYes);
    EXPECT_EQ(fw::AfxMessageBox("d", fw::kMbRetryCancel), fw::kIdRetry);
}

TEST_P(MessageBoxes, AnswerThatIsNotAButtonFails) {
    ui_.AnswerNextMessageBox(fw::kIdYes);
    EXPECT_THROW(fw::AfxMessageBox("OK only"), fw::FrameworkError);
}

KV_INSTANTIATE_UI_TEST_SUITE_P(MessageBoxes);

}  // namespace
}  // namespace fwtest
