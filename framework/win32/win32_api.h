#pragma once

// <windows.h>, the common controls, the common dialogs and file drop, the same way in every file of
// the Win32 backend: no min/max macros, no rarely used parts.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// commctrl.h, commdlg.h and shellapi.h need windows.h first.
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
