#pragma once

#include "framework/win32/win32_api.h"

namespace fw {
namespace win32 {

// The style a dialog template gives its window (DLGTEMPLATE or DLGTEMPLATEEX); 0 when the
// module has no such template or it is too short to hold one.
DWORD TemplateStyle(HINSTANCE module, int templateId);

// Centres a top-level dialog over its owner when the owner is on show (visible, not minimised),
// else over the work area of the dialog's monitor, and keeps it inside that work area. This is
// where the framework the dialogs were written for puts a modal dialog; the system itself would
// leave one without DS_CENTER at the top-left corner of the screen.
void CentreDialog(HWND dialog);

}  // namespace win32
}  // namespace fw
