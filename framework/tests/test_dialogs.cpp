#include "framework/tests/test_dialogs.h"

#include <gmock/gmock.h>

#include "framework/afx.h"
#include "framework/data_exchange.h"
#include "framework/headless/resource_script.h"
#include "framework/paint_dc.h"

namespace fwtest {

// ---- CTestDlg ----

CTestDlg::CTestDlg(std::vector<std::string>& log, int templateId)
    : fw::CDialog(templateId), m_hIcon(fw::LoadIconResource(IDI_TEST)), log_(log) {}

BEGIN_MESSAGE_MAP(CTestDlg, fw::CDialog)
ON_WM_CREATE()
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_OPEN, &CTestDlg::OnOpen)
ON_NOTIFY(fw::kUdnDeltaPos, IDC_STEP, &CTestDlg::OnStep)
ON_CBN_SELCHANGE(IDC_FRUIT, &CTestDlg::OnFruitChange)
END_MESSAGE_MAP()

void CTestDlg::DoDataExchange(fw::CDataExchange* pDX) {
    log_.push_back(pDX->m_bSaveAndValidate ? "save" : "load");
    DDX_Control(pDX, IDC_FRUIT, m_fruit);
    DDX_Text(pDX, IDC_NAME, m_name);
    DDX_Text(pDX, IDC_COUNT, m_count);
    DDX_Text(pDX, IDC_LIMIT, m_limit);
    DDX_Text(pDX, IDC_TITLE, m_title);
}

int CTestDlg::OnCreate() {
    log_.push_back("create");
    if (fw::CDialog::OnCreate() == -1) {
        return -1;
    }
    if (touchControlInCreate) {
        SetItemText(IDC_NAME, "too early");
    }
    return createResult;
}

std::string CTestDlg::ListCellText(int, int row, int column) const {
    return "row " + std::to_string(row) + " column " + std::to_string(column);
}

bool CTestDlg::OnInitDialog() {
    log_.push_back("init");
    fw::CDialog::OnInitDialog();
    if (HasSystemMenu()) {
        AppendSystemMenuSeparator();
        AppendSystemMenuItem(IDM_ABOUTBOX, fw::LoadResourceString(IDS_TEST_ABOUT));
    }
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    return true;
}

void CTestDlg::OnOpen() {
    log_.push_back("open");
    if (openBrokenChild) {
        CBindingDlg broken(4242, false);
        broken.DoModal();
        log_.push_back("broken child returned");
        return;
    }
    CChildDlg child(this);
    child.m_name = m_name;
    const int result = child.DoModal();
    log_.push_back("child " + std::to_string(result));
    if (result == fw::kIdOk) {
        m_name = child.m_name;
        UpdateData(false);
    }
}

void CTestDlg::OnStep(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult) {
    log_.push_back("step " + std::to_string(pNMUpDown->iDelta));
    if (pNMUpDown->iDelta == 0) {
        return;
    }
    m_count += pNMUpDown->iDelta < 0 ? 1 : -1;
    UpdateData(false);
    *pResult = 1;
}

void CTestDlg::OnFruitChange() {
    log_.push_back("fruit " + std::to_string(m_fruit.GetCurSel()));
}

void CTestDlg::OnSysCommand(unsigned id, fw::LPARAM lParam) {
    if ((id & 0xFFF0u) == IDM_ABOUTBOX) {
        log_.push_back("about");
    } else {
        fw::CDialog::OnSysCommand(id, lParam);
    }
}

void CTestDlg::OnPaint() {
    if (IsIconic()) {
        fw::CPaintDC dc(this);
        dc.EraseIconBackground();
        const int cxIcon = fw::GetSystemMetrics(fw::kSmCxIcon);
        const int cyIcon = fw::GetSystemMetrics(fw::kSmCyIcon);
        const fw::CRect rect = GetClientRect();
        dc.DrawIcon((rect.Width() - cxIcon + 1) / 2, (rect.Height() - cyIcon + 1) / 2, m_hIcon);
    } else {
        fw::CDialog::OnPaint();
    }
}

fw::IconHandle CTestDlg::OnQueryDragIcon() {
    return m_hIcon;
}

// ---- CDerivedTestDlg ----

BEGIN_MESSAGE_MAP(CDerivedTestDlg, CTestDlg)
ON_BN_CLICKED(IDC_OPEN, &CDerivedTestDlg::OnOpenDerived)
ON_BN_CLICKED(IDC_EXTRA, &CDerivedTestDlg::OnExtra)
END_MESSAGE_MAP()

bool CDerivedTestDlg::OnInitDialog() {
    CTestDlg::OnInitDialog();
    ShowItem(IDC_EXTRA, true);
    return true;
}

void CDerivedTestDlg::OnOpenDerived() {
    log_.push_back("derived open");
}
void CDerivedTestDlg::OnExtra() {
    log_.push_back("extra");
}

// ---- CChildDlg, CBindingDlg ----

void CChildDlg::DoDataExchange(fw::CDataExchange* pDX) {
    DDX_Text(pDX, IDC_NAME, m_name);
}

void CBindingDlg::DoDataExchange(fw::CDataExchange* pDX) {
    if (asComboBox_) {
        DDX_Control(pDX, id_, combo_);
    } else {
        DDX_Text(pDX, id_, text_);
    }
}

// ---- fixtures ----

testsupport::UiResources FixtureResources() {
    return testsupport::UiResources{kFixtureScript, kFixtureHeader, "TestApp"};
}

void DialogTest::TearDown() {
    EXPECT_THAT(ui_.Unused(), ::testing::IsEmpty());
}

HeadlessDialogTest::HeadlessDialogTest()
    : ui_(fw::headless::ParseResourceScript(kFixtureScript, kFixtureHeader), "TestApp"),
      use_(ui_) {}

void HeadlessDialogTest::TearDown() {
    EXPECT_THAT(ui_.Unused(), ::testing::IsEmpty());
}

}  // namespace fwtest
