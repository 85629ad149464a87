#pragma once

#include "framework/dialog.h"

// The About box: the program's icon, name and version. It has no handlers of its own; OK and
// Cancel close it.
class CAboutDlg : public fw::CDialog {
  public:
    explicit CAboutDlg(fw::CDialog* parent = nullptr);
};
