#include "framework/tests/test_dialogs.h"

#include <gmock/gmock.h>

#include "framework/afx.h"
#include "framework/data_exchange.h"
#include "framework/headless/resource_script.h"
#include "framework/paint_dc.h"

namespace fwtest {

const char kFixtureHeader[] = R"(// fixture ids
#ifndef FIXTURE_RESOURCE_H
#define FIXTURE_RESOURCE_H
#define IDD_TEST 200
#define IDD_CHILD 201
#define IDC_NAME 1000
#define IDC_COUNT 1001
#define IDC_LIMIT 1002
#define IDC_TITLE 1003
#define IDC_FRUIT 1004
#define IDC_SIZE 1005
#define IDC_STEP 1006
#define IDC_OPEN 1007
#define IDC_EXTRA 1008
#define IDC_READONLY 1009
#define IDC_FRAME 1010
#define IDC_STATIC -1
#define IDR_MAINFRAME 128
#define IDS_ABOUTBOX 101
#define IDM_ABOUTBOX 16
#endif
)";

const char kFixtureScript[] = R"(// Fixture script in the project's subset.
#include "resource.h"
#include <windows.h>

LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US

IDR_MAINFRAME ICON "res\\Test.ico"

IDD_TEST DIALOGEX 0, 0, 200, 120
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Test Dialog"
FONT 8, "MS Sans Serif", 0, 0, 0x1
BEGIN
    CONTROL IDR_MAINFRAME, IDC_STATIC, "Static", SS_ICON, 5, 5, 20, 20
    CONTROL "", IDC_NAME, "Edit", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 30, 7, 80, 14
    CONTROL "", IDC_COUNT, "Edit", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 30, 24, 40, 14
    CONTROL "", IDC_LIMIT, "Edit", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 30, 41, 40, 14
    CONTROL "Spin1", IDC_STEP, "msctls_updown32", UDS_ARROWKEYS | UDS_HORZ, 72, 24, 16, 11
    CONTROL "template title", IDC_TITLE, "Static", SS_LEFT, 30, 58, 80, 8
    CONTROL "", IDC_FRUIT, "ComboBox", CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 30, 70, 60, 60
    CONTROL "", IDC_SIZE, "ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 100, 70, 60, 60
    CONTROL "", IDC_READONLY, "Edit", ES_READONLY | WS_BORDER, 30, 88, 40, 12
    CONTROL "Frame", IDC_FRAME, "Button", BS_GROUPBOX, 2, 2, 196, 116
    CONTROL "Open", IDC_OPEN, "Button", BS_PUSHBUTTON | WS_TABSTOP, 140, 41, 50, 14
    CONTROL "Extra", IDC_EXTRA, "Button", BS_PUSHBUTTON | NOT WS_VISIBLE | WS_TABSTOP, 140, 58, 50, 14
    CONTROL "OK", IDOK, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, 140, 7, 50, 14
    CONTROL "Cancel", IDCANCEL, "Button", BS_PUSHBUTTON | WS_TABSTOP, 140, 24, 50, 14
END

IDD_CHILD DIALOG 0, 0, 120, 60
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION
CAPTION "Child"
BEGIN
    CONTROL "OK", IDOK, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, 60, 7, 50, 14
    CONTROL "Cancel", IDCANCEL, "Button", BS_PUSHBUTTON | WS_TABSTOP, 60, 24, 50, 14
    CONTROL "", IDC_NAME, "Edit", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 5, 7, 50, 14
END

IDD_TEST DLGINIT
BEGIN
    IDC_FRUIT, "pear\0", IDC_FRUIT, "Apple\0", IDC_FRUIT, "fig\0",
    IDC_SIZE, "Small\0", IDC_SIZE, "Large\0",
    0
END

STRINGTABLE
BEGIN
    IDS_ABOUTBOX "&About Test..."
END

VS_VERSION_INFO VERSIONINFO
 FILEVERSION 1,3,0,0
 FILEFLAGSMASK 0x3fL
BEGIN
    BLOCK "StringFileInfo"
    BEGIN
        BLOCK "040904b0"
        BEGIN
            VALUE "FileDescription", "Test"
        END
    END
END

1 24 "Test.exe.manifest"
)";

// ---- CTestDlg ----

CTestDlg::CTestDlg(std::vector<std::string>& log, int templateId)
    : fw::CDialog(templateId), m_hIcon(fw::LoadIconResource(IDR_MAINFRAME)), log_(log) {}

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

bool CTestDlg::OnInitDialog() {
    log_.push_back("init");
    fw::CDialog::OnInitDialog();
    if (HasSystemMenu()) {
        AppendSystemMenuItem(IDM_ABOUTBOX, fw::LoadResourceString(IDS_ABOUTBOX));
    }
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    return true;
}

void CTestDlg::OnOpen() {
    log_.push_back("open");
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

// ---- DialogTest ----

DialogTest::DialogTest()
    : ui_(fw::headless::ParseResourceScript(kFixtureScript, kFixtureHeader), "TestApp"),
      use_(ui_) {}

void DialogTest::TearDown() {
    EXPECT_THAT(ui_.Unused(), ::testing::IsEmpty());
}

}  // namespace fwtest
