#include "framework/win32/dialog_placement.h"

#include <cstring>

namespace fw {
namespace win32 {
namespace {

const LPCSTR kDialogType = MAKEINTRESOURCEA(5);  // RT_DIALOG

DWORD ReadDword(const unsigned char* data) {
    DWORD value = 0;
    std::memcpy(&value, data, sizeof value);  // little-endian, as the resource compiler wrote it
    return value;
}

// Where a box of the width (height) starts when centred on [centreFrom, centreTo), moved back
// inside [areaFrom, areaTo) where it would stick out; the start wins when it cannot fit.
LONG CentredStart(LONG size, LONG centreFrom, LONG centreTo, LONG areaFrom, LONG areaTo) {
    LONG start = (centreFrom + centreTo) / 2 - size / 2;
    if (start + size > areaTo) {
        start = areaTo - size;
    }
    if (start < areaFrom) {
        start = areaFrom;
    }
    return start;
}

}  // namespace

DWORD TemplateStyle(HINSTANCE module, int templateId) {
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(templateId), kDialogType);
    if (resource == nullptr) {
        return 0;
    }
    HGLOBAL loaded = LoadResource(module, resource);
    const auto* data =
        static_cast<const unsigned char*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    const DWORD size = SizeofResource(module, resource);
    if (data == nullptr || size < 4) {
        return 0;
    }
    // DLGTEMPLATEEX starts with the version 1 and the signature 0xFFFF, then the help id and the
    // extended style; DLGTEMPLATE starts with the style.
    const bool extended = data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF;
    if (!extended) {
        return ReadDword(data);
    }
    return size >= 16 ? ReadDword(data + 12) : 0;
}

void CentreDialog(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner != nullptr) {
        const LONG ownerStyle = GetWindowLongA(owner, GWL_STYLE);
        if ((ownerStyle & WS_VISIBLE) == 0 || (ownerStyle & WS_MINIMIZE) != 0) {
            owner = nullptr;  // a hidden or minimised window is no place to centre on
        }
    }
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    HMONITOR onMonitor = owner != nullptr ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                                          : MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY);
    if (!GetMonitorInfoA(onMonitor, &monitor)) {
        return;  // nowhere known to centre on: leave it where the system put it
    }
    const RECT area = monitor.rcWork;
    RECT centre = area;
    if (owner != nullptr) {
        GetWindowRect(owner, &centre);
    }
    RECT box = {};
    GetWindowRect(dialog, &box);
    const LONG left =
        CentredStart(box.right - box.left, centre.left, centre.right, area.left, area.right);
    const LONG top =
        CentredStart(box.bottom - box.top, centre.top, centre.bottom, area.top, area.bottom);
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace win32
}  // namespace fw
