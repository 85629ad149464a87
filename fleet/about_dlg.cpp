#include "fleet/about_dlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg(fw::CDialog* parent) : fw::CDialog(IDD_ABOUTBOX, parent) {}
