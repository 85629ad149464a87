#pragma once

#include <cstdint>

// The few Win32 value types the dialogs see, portable. Kept in namespace fw: <windows.h> has
// typedefs of the same names in the global namespace.

namespace fw {

// A message result, and the extra message argument (pointer-sized on Win32).
using LRESULT = std::intptr_t;
using LPARAM = std::intptr_t;

// An icon loaded by the backend; kNone is no icon.
enum class IconHandle : std::uintptr_t { kNone = 0 };

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// Header of a control notification.
struct NMHDR {
    int idFrom = 0;
    int code = 0;
};

// An up-down control's notification: the position and the proposed change. Under the default
// range (100 down to 0) the arrow that increases reports a negative iDelta.
struct NMUPDOWN {
    NMHDR hdr;
    int iPos = 0;
    int iDelta = 0;
};

}  // namespace fw
