#include "framework/paint_dc.h"

#include "framework/dialog.h"

namespace fw {

CPaintDC::CPaintDC(CDialog* dialog) : context_(dialog->Window().BeginPaint()) {}

CPaintDC::~CPaintDC() = default;

}  // namespace fw
