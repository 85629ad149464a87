#include "tests/e2e/target_windows.h"

#include <tlhelp32.h>

#include <utility>

namespace kvdrive {

namespace {

const int kMessageBoxTextId = 0xFFFF;
const UINT kAnswerTimeoutMs = 5000;

struct Enumeration {
    std::vector<DWORD> processIds;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    Enumeration& enumeration = *reinterpret_cast<Enumeration*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    for (DWORD id : enumeration.processIds) {
        if (id == processId) {
            enumeration.windows.push_back(window);
            break;
        }
    }
    return TRUE;
}

// The program's own dialogs are known by their captions; a message box never counts as one.
bool Matches(HWND window, const WindowRef& ref) {
    if (ref.type == WindowRef::Type::kMessageBox) {
        return IsMessageBox(window);
    }
    if (ref.type == WindowRef::Type::kCaption) {
        return Caption(window) == ref.caption;
    }
    if (IsMessageBox(window)) {
        return false;
    }
    std::string caption = Caption(window);
    switch (ref.type) {
        case WindowRef::Type::kMain:
            return caption == "Kestrivar 1.3" || caption == "Sector Assault Configuration";
        case WindowRef::Type::kPicker:
            return caption == "Pick Ship";
        case WindowRef::Type::kAbout:
            return caption == "About Kestrivar";
        default:
            return false;
    }
}

}  // namespace

std::string ClassName(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Caption(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::vector<char> buffer(static_cast<size_t>(length > 0 ? length : 0) + 2, '\0');
    GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

bool IsMessageBox(HWND window) {
    if (ClassName(window) != "#32770") {
        return false;
    }
    HWND text = GetDlgItem(window, kMessageBoxTextId);
    return text != nullptr && lstrcmpiA(ClassName(text).c_str(), "Static") == 0;
}

std::string MessageBoxText(HWND box) {
    return ReadText(GetDlgItem(box, kMessageBoxTextId));
}

bool IsVisible(HWND window) {
    return IsWindow(window) && IsWindowVisible(window);
}

std::string ReadText(HWND control) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs,
                             &length)) {
        throw Failure{"the program does not answer WM_GETTEXTLENGTH"};
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 2, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXT, buffer.size(),
                             reinterpret_cast<LPARAM>(buffer.data()), SMTO_NORMAL, kAnswerTimeoutMs,
                             &copied)) {
        throw Failure{"the program does not answer WM_GETTEXT"};
    }
    return std::string(buffer.data(), static_cast<size_t>(copied));
}

Target::Target(std::string imageName) : imageName_(std::move(imageName)) {}

bool Target::Running() const {
    return !ProcessIds().empty();
}

std::vector<HWND> Target::Windows() const {
    Enumeration enumeration;
    enumeration.processIds = ProcessIds();
    if (!enumeration.processIds.empty()) {
        EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&enumeration));
    }
    return enumeration.windows;
}

std::vector<HWND> Target::Find(const WindowRef& ref, bool visibleOnly) const {
    std::vector<HWND> found;
    for (HWND window : Windows()) {
        if ((!visibleOnly || IsWindowVisible(window)) && Matches(window, ref)) {
            found.push_back(window);
        }
    }
    return found;
}

std::string Target::DescribeScreen() const {
    if (!Running()) {
        return imageName_ + " is not running";
    }
    std::string out;
    for (HWND window : Windows()) {
        if (!IsWindowVisible(window)) {
            continue;
        }
        out += out.empty() ? "" : ", ";
        out += Quote(Caption(window));
        if (IsMessageBox(window)) {
            out += " (message box " + Quote(MessageBoxText(window)) + ")";
        }
    }
    return out.empty() ? "no window of " + imageName_ + " is shown" : "windows shown: " + out;
}

// Every process whose image has the name, from a snapshot of the session's processes.
std::vector<DWORD> Target::ProcessIds() const {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return ids;
    }
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, imageName_.c_str()) == 0) {
            ids.push_back(entry.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    return ids;
}

}  // namespace kvdrive
