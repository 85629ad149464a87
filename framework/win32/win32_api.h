#pragma once

// <windows.h> and the common controls, the same way in every file of the Win32 backend: no
// min/max macros, no rarely used parts.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>
