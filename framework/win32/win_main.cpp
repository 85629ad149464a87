// The program's entry point, as the dialog framework supplies it: the program itself only
// defines its application object (a CWinApp), whose InitInstance runs the main dialog.
#include <exception>
#include <string>

#include "framework/backend.h"
#include "framework/command_line_tail.h"
#include "framework/win32/win32_api.h"
#include "framework/win32/win32_backend.h"
#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&controls);

    fw::win32::Win32Backend backend(instance);
    fw::ScopedBackend use(backend);
    try {
        // The tail is taken from the whole command line, as the C run-time would pass it.
        return fw::AfxWinMain(fw::CommandLineTail(GetCommandLineA()));
    } catch (const std::exception& e) {
        // A fault of the program (a control id its template lacks...): say so instead of
        // vanishing.
        MessageBoxA(nullptr, e.what(), backend.ApplicationName().c_str(), MB_OK | MB_ICONERROR);
        return 1;
    } catch (...) {
        MessageBoxA(nullptr, "Unexpected error.", backend.ApplicationName().c_str(),
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}
