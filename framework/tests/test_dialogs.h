#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "framework/headless/headless_backend.h"
#include "framework/tests/fixture/fixture_text.h"
#include "tests/support/ui_harness.h"

// A fixture resource script with two small dialogs (fixture/test_dialogs.rc), and dialog
// classes over it that log what the framework calls, for the framework's own tests.

namespace fwtest {

// Ids of the fixture header (fixture/test_dialogs_resource.h holds the same values).
constexpr int IDD_TEST = 200;
constexpr int IDD_CHILD = 201;
constexpr int IDC_NAME = 1000;      // edit
constexpr int IDC_COUNT = 1001;     // edit, int
constexpr int IDC_LIMIT = 1002;     // edit, int
constexpr int IDC_TITLE = 1003;     // static
constexpr int IDC_FRUIT = 1004;     // sorted drop-down list
constexpr int IDC_SIZES = 1005;     // drop-down list in template order
constexpr int IDC_STEP = 1006;      // up-down
constexpr int IDC_OPEN = 1007;      // button: opens the child dialog
constexpr int IDC_EXTRA = 1008;     // button, hidden at start
constexpr int IDC_READONLY = 1009;  // read-only edit
constexpr int IDC_FRAME = 1010;     // group box
constexpr int IDC_ROWS = 1011;      // list view, owner data
constexpr int IDI_TEST = 210;
constexpr int IDS_TEST_ABOUT = 300;
constexpr unsigned IDM_ABOUTBOX = 16;

// Logs every call the framework makes into it.
class CTestDlg : public fw::CDialog {
  public:
    explicit CTestDlg(std::vector<std::string>& log, int templateId = IDD_TEST);

    std::string m_name;
    int m_count = 0;
    int m_limit = 0;
    std::string m_title = "title";
    fw::CComboBox m_fruit;
    int createResult = 0;
    bool touchControlInCreate = false;
    bool openBrokenChild = false;  // IDC_OPEN runs a dialog that binds a missing control
    fw::IconHandle m_hIcon;

    std::string ListCellText(int id, int row, int column) const override;

  protected:
    std::vector<std::string>& log_;

    void DoDataExchange(fw::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    int OnCreate();
    void OnOpen();
    void OnStep(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult);
    void OnFruitChange();
    void OnSysCommand(unsigned id, fw::LPARAM lParam);
    void OnPaint();
    fw::IconHandle OnQueryDragIcon();

    DECLARE_MESSAGE_MAP()
};

// Replaces one handler of its base's map (IDC_OPEN) and adds one (IDC_EXTRA).
class CDerivedTestDlg : public CTestDlg {
  public:
    explicit CDerivedTestDlg(std::vector<std::string>& log) : CTestDlg(log) {}

  protected:
    bool OnInitDialog() override;
    void OnOpenDerived();
    void OnExtra();

    DECLARE_MESSAGE_MAP()
};

class CChildDlg : public fw::CDialog {
  public:
    explicit CChildDlg(fw::CDialog* parent) : fw::CDialog(IDD_CHILD, parent) {}
    std::string m_name;

  protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
};

// Exchanges one text with a control id of the caller's choice.
class CBindingDlg : public fw::CDialog {
  public:
    CBindingDlg(int id, bool asComboBox)
        : fw::CDialog(IDD_CHILD), id_(id), asComboBox_(asComboBox) {}

  protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;

  private:
    int id_;
    bool asComboBox_;
    std::string text_;
    fw::CComboBox combo_;
};

// The fixture's resources for the harness.
testsupport::UiResources FixtureResources();

// A scenario on the fixture, run on every backend of the platform (KV_INSTANTIATE_UI_TEST_SUITE_P);
// fails the test when a queued script or answer was never used.
class DialogTest : public ::testing::TestWithParam<testsupport::UiKind> {
  protected:
    DialogTest() : ui_(GetParam(), FixtureResources()) {}
    void TearDown() override;

    testsupport::UiHarness ui_;
    std::vector<std::string> log_;
};

// A check of what only the headless backend can observe (drawing, recorded sleeps).
class HeadlessDialogTest : public ::testing::Test {
  protected:
    HeadlessDialogTest();
    void TearDown() override;

    fw::headless::HeadlessBackend ui_;
    fw::ScopedBackend use_;
    std::vector<std::string> log_;
};

}  // namespace fwtest
