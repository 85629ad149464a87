// kvdrive: drives a running Kestrivar.exe from outside, by control id, the way a user would.
//
// It reads a scenario (one command per line, '#' starts a comment) or commands given with -c,
// checks every line first, then runs them in order. Every wait polls with a deadline. The first
// command that fails prints its line, what it expected and what it saw, and the program exits 1.
// The command language is described in tests/e2e/README.md and by "kvdrive --help".
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e/script.h"
#include "tests/e2e/target_windows.h"

namespace kvdrive {
namespace {

const DWORD kPollIntervalMs = 50;
// The first moments of a wait are polled more often, so that a timed step ('elapsed') sees a
// window or a text soon after it appears.
const DWORD kQuickPollMs = 1;
const DWORD kQuickPollPeriodMs = 200;
const DWORD kDefaultTimeoutMs = 10000;

const char kUsage[] =
    "usage: kvdrive [--process EXE] [--timeout MS] [--screenshots] [--check] SCRIPT\n"
    "       kvdrive [options] -c COMMAND [-c COMMAND ...]\n"
    "\n"
    "  --process EXE   image name of the program to drive (default Kestrivar.exe)\n"
    "  --timeout MS    deadline of every wait (default 10000; the script's 'timeout' changes it)\n"
    "  --screenshots   on 'screenshot NAME' print '@@kvdrive screenshot NAME X Y W H' and wait\n"
    "                  for one line on standard input (the harness's answer)\n"
    "  --check         only check the script's syntax\n"
    "\n"
    "WIN is main, picker, about, msgbox or a \"caption\"; ID is a control id; TEXT is quoted\n"
    "(escapes \\n \\r \\t \\\\ \\\").\n"
    "  timeout MS                       wait-window WIN [MS]          use WIN\n"
    "  expect-caption TEXT              expect-shown yes|no           text ID\n"
    "  expect-text ID TEXT              expect-visible ID yes|no      expect-selection ID N|-1\n"
    "  click ID                         spin ID forward|back [N]      type ID TEXT\n"
    "  select ID N                      expect-msgbox TEXT [CAPTION]  press OK|Cancel|Yes|No|...\n"
    "  expect-no-window WIN             wait-exit [MS]                screenshot NAME\n"
    "  ctrl-key LETTER                  open-system-menu              menu-key LETTER\n"
    "  ctrl-shift-key LETTER\n"
    "  expect-clipboard TEXT            keys TEXT                     key Up|Down|Enter|...\n"
    "  click-column ID INDEX            mark                          elapsed LABEL MS\n";

class Deadline {
  public:
    explicit Deadline(DWORD milliseconds) : start_(GetTickCount()), length_(milliseconds) {}
    DWORD Remaining() const {
        DWORD elapsed = GetTickCount() - start_;
        return elapsed >= length_ ? 0 : length_ - elapsed;
    }
    bool Passed() const { return Remaining() == 0; }
    DWORD Elapsed() const { return GetTickCount() - start_; }

  private:
    DWORD start_;
    DWORD length_;
};

// Calls `check` until it returns true or the deadline passes; the last call comes after the
// deadline, so a condition met at the very end still counts.
template <typename Check>
bool PollUntil(const Deadline& deadline, Check check) {
    for (;;) {
        bool passed = deadline.Passed();
        if (check()) {
            return true;
        }
        if (passed) {
            return false;
        }
        Sleep(deadline.Elapsed() < kQuickPollPeriodMs ? kQuickPollMs : kPollIntervalMs);
    }
}

struct Options {
    std::string processName = "Kestrivar.exe";
    DWORD timeoutMs = kDefaultTimeoutMs;
    bool screenshots = false;
    bool checkOnly = false;
    std::vector<std::string> scriptPaths;
    std::vector<std::string> commands;
};

class Driver {
  public:
    explicit Driver(const Options& options)
        : target_(options.processName),
          timeoutMs_(options.timeoutMs),
          screenshots_(options.screenshots) {}

    void Run(const Step& step) {
        switch (step.kind) {
            case Kind::kTimeout:
                timeoutMs_ = static_cast<DWORD>(step.number);
                return;
            case Kind::kWaitWindow:
                WaitWindow(step);
                return;
            case Kind::kUse:
                Use(step.window);
                return;
            case Kind::kExpectCaption:
                ExpectCaption(step.text);
                return;
            case Kind::kExpectShown:
                ExpectShown(step.flag);
                return;
            case Kind::kText:
                std::printf("kvdrive: text %d = %s\n", step.id,
                            Quote(ReadText(Control(step.id))).c_str());
                return;
            case Kind::kExpectText:
                ExpectText(step.id, step.text);
                return;
            case Kind::kExpectVisible:
                ExpectVisible(step.id, step.flag);
                return;
            case Kind::kExpectSelection:
                ExpectSelection(step.id, step.number);
                return;
            case Kind::kClick:
                Click(step.id);
                return;
            case Kind::kSpin:
                Spin(step.id, step.flag, step.number);
                return;
            case Kind::kType:
                Type(step.id, step.text);
                return;
            case Kind::kSelect:
                Select(step.id, step.number);
                return;
            case Kind::kExpectMsgbox:
                ExpectMessageBox(step);
                return;
            case Kind::kPress:
                Press(static_cast<int>(step.number), step.text);
                return;
            case Kind::kExpectNoWindow:
                ExpectNoWindow(step.window);
                return;
            case Kind::kWaitExit:
                WaitExit(step.flag ? static_cast<DWORD>(step.number) : timeoutMs_);
                return;
            case Kind::kScreenshot:
                Screenshot(step.text);
                return;
            case Kind::kCtrlKey:
                CtrlKey(step.text[0], false);
                return;
            case Kind::kCtrlShiftKey:
                CtrlKey(step.text[0], true);
                return;
            case Kind::kOpenSystemMenu:
                OpenSystemMenu();
                return;
            case Kind::kMenuKey:
                MenuKey(step.text[0]);
                return;
            case Kind::kSetClipboard:
                SetClipboard(step.text);
                return;
            case Kind::kExpectClipboard:
                ExpectClipboard(step.text);
                return;
            case Kind::kKeys:
                Keys(step.text);
                return;
            case Kind::kKey:
                Key(static_cast<WORD>(step.number));
                return;
            case Kind::kClickColumn:
                ClickColumn(step.id, static_cast<int>(step.number));
                return;
            case Kind::kMark:
                QueryPerformanceCounter(&mark_);
                return;
            case Kind::kElapsed:
                Elapsed(step.text, step.number);
                return;
        }
    }

  private:
    Deadline NewDeadline() const { return Deadline(timeoutMs_); }

    std::string Seconds(DWORD milliseconds) const {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f s", milliseconds / 1000.0);
        return text;
    }

    // ---- addressing

    HWND Addressed() const {
        if (addressed_ == nullptr) {
            throw Failure{"no window is addressed yet (wait-window, use or expect-msgbox)"};
        }
        if (!IsWindow(addressed_)) {
            throw Failure{addressedName_ + " has closed; " + target_.DescribeScreen()};
        }
        return addressed_;
    }

    void Address(HWND window, const std::string& name) {
        addressed_ = window;
        addressedName_ = name;
    }

    HWND FindOne(const WindowRef& ref, bool visibleOnly, DWORD timeoutMs) const {
        HWND found = nullptr;
        std::vector<HWND> candidates;
        PollUntil(Deadline(timeoutMs), [&] {
            candidates = target_.Find(ref, visibleOnly);
            return candidates.size() == 1;
        });
        if (candidates.size() == 1) {
            found = candidates[0];
        } else if (candidates.empty()) {
            throw Failure{"no " + std::string(visibleOnly ? "visible " : "") + DescribeWindow(ref) +
                          " within " + Seconds(timeoutMs) + "; " + target_.DescribeScreen()};
        } else {
            throw Failure{std::to_string(candidates.size()) + " windows match " +
                          DescribeWindow(ref) + "; " + target_.DescribeScreen()};
        }
        return found;
    }

    HWND Control(int id) const {
        HWND window = Addressed();
        HWND control = GetDlgItem(window, id);
        if (control == nullptr) {
            throw Failure{addressedName_ + " has no control " + std::to_string(id)};
        }
        return control;
    }

    // Waits until a user could operate the control: the window enabled (no modal window over
    // it), the control shown and enabled. Without a control (0), the window alone.
    HWND UsableControl(int id) const {
        HWND control = id != 0 ? Control(id) : nullptr;
        HWND window = Addressed();
        std::string why;
        bool usable = PollUntil(NewDeadline(), [&] {
            if (!IsWindow(window)) {
                why = addressedName_ + " has closed";
            } else if (!IsWindowVisible(window)) {
                why = addressedName_ + " is hidden";
            } else if (!IsWindowEnabled(window)) {
                why = addressedName_ + " is disabled (a modal window is open over it)";
            } else if (control == nullptr) {
                return true;
            } else if (!IsWindowVisible(control)) {
                why = "control " + std::to_string(id) + " is hidden";
            } else if (!IsWindowEnabled(control)) {
                why = "control " + std::to_string(id) + " is disabled";
            } else {
                return true;
            }
            return false;
        });
        if (!usable) {
            throw Failure{why + "; " + target_.DescribeScreen()};
        }
        return control;
    }
    HWND UsableWindow() const {
        UsableControl(0);
        return Addressed();
    }

    // The program's open popup menu, if one is shown.
    HWND PopupMenu() const {
        for (HWND window : target_.Windows()) {
            if (ClassName(window) == "#32768" && IsVisible(window)) {
                return window;
            }
        }
        return nullptr;
    }

    // Lets the program handle what was sent or posted so far. A message sent to a window of
    // another thread is handled the next time that thread looks for messages, so the second
    // round trip returns only after the handler of a message posted before the first one has
    // returned or entered a modal loop of its own.
    void Settle(HWND window) const {
        for (int round = 0; round < 2; ++round) {
            DWORD_PTR result = 0;
            DWORD remaining = NewDeadline().Remaining();
            if (IsWindow(window) &&
                !SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, remaining, &result) &&
                IsWindow(window)) {
                throw Failure{addressedName_ + " does not respond"};
            }
        }
    }

    LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL,
                                 NewDeadline().Remaining(), &result)) {
            throw Failure{addressedName_ + " does not respond"};
        }
        return static_cast<LRESULT>(result);
    }

    void RequireClass(HWND control, int id, const char* className) const {
        std::string actual = ClassName(control);
        if (lstrcmpiA(actual.c_str(), className) != 0) {
            throw Failure{"control " + std::to_string(id) + " is of class " + actual + ", not " +
                          className};
        }
    }

    // ---- commands

    void WaitWindow(const Step& step) {
        DWORD timeout = step.flag ? static_cast<DWORD>(step.number) : timeoutMs_;
        Address(FindOne(step.window, true, timeout), DescribeWindow(step.window));
    }

    void Use(const WindowRef& ref) {
        Address(FindOne(ref, false, timeoutMs_), DescribeWindow(ref));
    }

    void ExpectCaption(const std::string& expected) {
        HWND window = Addressed();
        std::string seen;
        if (!PollUntil(NewDeadline(), [&] { return (seen = Caption(window)) == expected; })) {
            throw Failure{"caption is " + Quote(seen) + ", expected " + Quote(expected)};
        }
    }

    void ExpectShown(bool shown) {
        HWND window = Addressed();
        if (!PollUntil(NewDeadline(),
                       [&] { return (IsWindowVisible(window) != FALSE) == shown; })) {
            throw Failure{addressedName_ + (shown ? " is hidden" : " is still shown")};
        }
    }

    void ExpectText(int id, const std::string& expected) {
        HWND control = Control(id);
        std::string seen;
        if (!PollUntil(NewDeadline(), [&] { return (seen = ReadText(control)) == expected; })) {
            throw Failure{"control " + std::to_string(id) + " reads " + Quote(seen) +
                          ", expected " + Quote(expected)};
        }
    }

    void ExpectVisible(int id, bool visible) {
        HWND control = Control(id);
        auto styleVisible = [&] { return (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0; };
        if (!PollUntil(NewDeadline(), [&] { return styleVisible() == visible; })) {
            throw Failure{
                "control " + std::to_string(id) +
                (visible ? " is hidden, expected visible" : " is visible, expected hidden")};
        }
    }

    // A combo box's selection, or the first selected row of a list view.
    void ExpectSelection(int id, long expected) {
        HWND control = Control(id);
        const bool list = lstrcmpiA(ClassName(control).c_str(), WC_LISTVIEWA) == 0;
        if (!list) {
            RequireClass(control, id, "ComboBox");
        }
        long seen = 0;
        if (!PollUntil(NewDeadline(), [&] {
                seen = static_cast<long>(
                    list ? Send(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)
                         : Send(control, CB_GETCURSEL, 0, 0));
                return seen == expected;
            })) {
            throw Failure{"control " + std::to_string(id) + " has selection " +
                          std::to_string(seen) + ", expected " + std::to_string(expected)};
        }
    }

    // Posted, not sent: the handler may open a modal window, which would hold a sent message
    // until that window closes.
    void Click(int id) {
        HWND control = UsableControl(id);
        HWND window = Addressed();
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
        Settle(window);
    }

    // Presses the mouse on one arrow of the up-down control, so that the control itself sends
    // UDN_DELTAPOS with the step it would send for a real click. A horizontal control steps
    // forward with its right arrow, a vertical one with its upper arrow.
    void Spin(int id, bool forward, long times) {
        HWND control = UsableControl(id);
        RequireClass(control, id, UPDOWN_CLASSA);
        RECT client;
        GetClientRect(control, &client);
        bool horizontal = (GetWindowLongA(control, GWL_STYLE) & UDS_HORZ) != 0;
        int x = client.right / 2;
        int y = client.bottom / 2;
        if (horizontal) {
            x = forward ? client.right * 3 / 4 : client.right / 4;
        } else {
            y = forward ? client.bottom / 4 : client.bottom * 3 / 4;
        }
        LPARAM point = MAKELPARAM(x, y);
        HWND window = Addressed();
        for (long i = 0; i < times; ++i) {
            Send(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
            Send(control, WM_LBUTTONUP, 0, point);
        }
        Settle(window);
    }

    void Type(int id, const std::string& text) {
        HWND control = UsableControl(id);
        RequireClass(control, id, "Edit");
        if ((GetWindowLongA(control, GWL_STYLE) & ES_READONLY) != 0) {
            throw Failure{"edit " + std::to_string(id) + " is read-only"};
        }
        Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        Settle(Addressed());
    }

    void Select(int id, long index) {
        HWND control = UsableControl(id);
        RequireClass(control, id, "ComboBox");
        long count = static_cast<long>(Send(control, CB_GETCOUNT, 0, 0));
        if (index >= count) {
            throw Failure{"list " + std::to_string(id) + " has " + std::to_string(count) +
                          " items, no item " + std::to_string(index)};
        }
        Send(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        HWND window = Addressed();
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(control));
        Settle(window);
    }

    // Makes the addressed window the foreground window, which real key presses go to.
    HWND ForegroundWindow() {
        HWND window = UsableWindow();
        if (!PollUntil(NewDeadline(), [&] {
                SetForegroundWindow(window);
                return GetForegroundWindow() == window;
            })) {
            throw Failure{addressedName_ + " does not become the foreground window"};
        }
        return window;
    }

    // Presses the keys through the system's input: each one down in order, then up in reverse.
    void PressTogether(std::vector<WORD> codes) {
        std::vector<INPUT> keys(codes.size() * 2);
        for (size_t i = 0; i < codes.size(); ++i) {
            keys[i].type = INPUT_KEYBOARD;
            keys[i].ki.wVk = codes[i];
            INPUT& up = keys[keys.size() - 1 - i];
            up.type = INPUT_KEYBOARD;
            up.ki.wVk = codes[i];
            up.ki.dwFlags = KEYEVENTF_KEYUP;
        }
        const UINT count = static_cast<UINT>(keys.size());
        if (SendInput(count, keys.data(), sizeof(INPUT)) != count) {
            throw Failure{"the keys could not be sent (error " + std::to_string(GetLastError()) +
                          ")"};
        }
    }

    // Real key presses: Ctrl down, the letter down and up, Ctrl up.
    void CtrlKey(char letter, bool shift) {
        HWND window = ForegroundWindow();
        if (shift) {
            PressTogether({VK_CONTROL, VK_SHIFT, static_cast<WORD>(letter)});
        } else {
            PressTogether({VK_CONTROL, static_cast<WORD>(letter)});
        }
        Settle(window);
    }

    // Types the text on the keyboard, one key press (with Shift where needed) per character.
    void Keys(const std::string& text) {
        HWND window = ForegroundWindow();
        for (char c : text) {
            const SHORT scan = VkKeyScanA(c);
            if (scan == -1 || (HIBYTE(scan) & ~1) != 0) {
                throw Failure{"no plain key types " + Quote(std::string(1, c))};
            }
            if ((HIBYTE(scan) & 1) != 0) {
                PressTogether({VK_SHIFT, LOBYTE(scan)});
            } else {
                PressTogether({LOBYTE(scan)});
            }
        }
        Settle(window);
    }

    void Key(WORD code) {
        HWND window = ForegroundWindow();
        PressTogether({code});
        Settle(window);
    }

    // Clicks the header of a list view's column, in the middle of the column.
    void ClickColumn(int id, int column) {
        HWND list = UsableControl(id);
        RequireClass(list, id, WC_LISTVIEWA);
        HWND header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER, 0, 0));
        const int columns =
            header == nullptr ? 0 : static_cast<int>(Send(header, HDM_GETITEMCOUNT, 0, 0));
        if (column >= columns) {
            throw Failure{"list " + std::to_string(id) + " has " + std::to_string(columns) +
                          " columns, no column " + std::to_string(column)};
        }
        int x = 0;
        for (int i = 0; i < column; ++i) {
            x += static_cast<int>(Send(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
        }
        x += static_cast<int>(Send(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0)) / 2;
        RECT client;
        GetClientRect(header, &client);
        const LPARAM point = MAKELPARAM(x, client.bottom / 2);
        Send(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
        Send(header, WM_LBUTTONUP, 0, point);
        Settle(Addressed());
    }

    // The time since 'mark'; fails when it is longer than `limitMs`.
    void Elapsed(const std::string& label, long limitMs) {
        LARGE_INTEGER now;
        LARGE_INTEGER frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        if (mark_.QuadPart == 0) {
            throw Failure{"no 'mark' before 'elapsed'"};
        }
        const double ms = static_cast<double>(now.QuadPart - mark_.QuadPart) * 1000.0 /
                          static_cast<double>(frequency.QuadPart);
        std::printf("kvdrive: %s: %.1f ms\n", label.c_str(), ms);
        std::fflush(stdout);
        if (ms > static_cast<double>(limitMs)) {
            throw Failure{label + " took " + std::to_string(ms) + " ms, more than " +
                          std::to_string(limitMs)};
        }
    }

    // Opens the addressed window's system menu as Alt+Space does and waits until it is shown.
    void OpenSystemMenu() {
        HWND window = UsableWindow();
        PostMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        if (!PollUntil(NewDeadline(), [&] { return PopupMenu() != nullptr; })) {
            throw Failure{"no menu opened within " + Seconds(timeoutMs_) + "; " +
                          target_.DescribeScreen()};
        }
    }

    // Chooses the item of the open menu whose underlined letter this is: the character goes
    // to the program's queue, where the menu's loop reads it. Waits until the menu is gone.
    void MenuKey(char letter) {
        if (PopupMenu() == nullptr) {
            throw Failure{"no menu is open"};
        }
        HWND window = Addressed();
        const char character = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
        PostMessageA(window, WM_CHAR, static_cast<WPARAM>(character), 0);
        if (!PollUntil(NewDeadline(), [&] { return PopupMenu() == nullptr; })) {
            throw Failure{"the menu is still open after '" + std::string(1, letter) + "'"};
        }
        Settle(window);
    }

    // The clipboard's text, as any program reads it; false when it holds none.
    static bool ClipboardText(std::string& text) {
        if (!OpenClipboard(nullptr)) {
            return false;
        }
        bool got = false;
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
                text.assign(bytes, strnlen(bytes, GlobalSize(data)));
                GlobalUnlock(data);
                got = true;
            }
        }
        CloseClipboard();
        return got;
    }

    // Puts the text on the clipboard as CF_TEXT, as a program the user copied it from would.
    static void SetClipboard(const std::string& text) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        char* bytes = memory != nullptr ? static_cast<char*>(GlobalLock(memory)) : nullptr;
        if (bytes == nullptr) {
            throw Failure{"no memory for the clipboard's text"};
        }
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        if (!OpenClipboard(nullptr)) {
            GlobalFree(memory);
            throw Failure{"the clipboard could not be opened"};
        }
        EmptyClipboard();
        const bool set = SetClipboardData(CF_TEXT, memory) != nullptr;
        CloseClipboard();
        if (!set) {
            GlobalFree(memory);
            throw Failure{"the clipboard did not take the text"};
        }
    }

    void ExpectClipboard(const std::string& expected) {
        std::string seen;
        bool held = false;
        if (!PollUntil(NewDeadline(), [&] {
                held = ClipboardText(seen);
                return held && seen == expected;
            })) {
            throw Failure{"the clipboard holds " + (held ? Quote(seen) : std::string("no text")) +
                          ", expected " + Quote(expected)};
        }
    }

    void ExpectMessageBox(const Step& step) {
        WindowRef ref;
        ref.type = WindowRef::Type::kMessageBox;
        std::string seen;
        HWND match = nullptr;
        PollUntil(NewDeadline(), [&] {
            seen.clear();
            for (HWND box : target_.Find(ref, true)) {
                std::string text = MessageBoxText(box);
                std::string caption = Caption(box);
                seen += (seen.empty() ? "" : ", ") + Quote(caption) + ": " + Quote(text);
                if (text == step.text && (!step.hasCaption || caption == step.caption)) {
                    match = box;
                    return true;
                }
            }
            return false;
        });
        if (match == nullptr) {
            throw Failure{"no message box " + Quote(step.text) +
                          (step.hasCaption ? " captioned " + Quote(step.caption) : "") +
                          " within " + Seconds(timeoutMs_) + "; " +
                          (seen.empty() ? target_.DescribeScreen() : "message boxes: " + seen)};
        }
        if (!IsMessageBox(addressed_)) {
            beforeBox_ = addressed_;
            beforeBoxName_ = addressedName_;
        }
        Address(match, "message box " + Quote(step.text));
    }

    void Press(int buttonId, const std::string& buttonName) {
        HWND box = addressed_;
        if (box == nullptr || !IsWindow(box) || !IsMessageBox(box)) {
            WindowRef ref;
            ref.type = WindowRef::Type::kMessageBox;
            box = FindOne(ref, true, timeoutMs_);
            if (!IsMessageBox(addressed_)) {
                beforeBox_ = addressed_;
                beforeBoxName_ = addressedName_;
            }
            Address(box, "message box " + Quote(MessageBoxText(box)));
        }
        HWND button = GetDlgItem(box, buttonId);
        if (button == nullptr || !IsWindowVisible(button)) {
            std::string buttons;
            for (const ButtonName& candidate : kMessageBoxButtons) {
                HWND other = GetDlgItem(box, candidate.id);
                if (other != nullptr && IsWindowVisible(other)) {
                    buttons += std::string(buttons.empty() ? "" : ", ") + candidate.name;
                }
            }
            throw Failure{addressedName_ + " has no " + buttonName + " button; it has " +
                          (buttons.empty() ? "none" : buttons)};
        }
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        if (!PollUntil(NewDeadline(), [&] { return !IsVisible(box); })) {
            throw Failure{addressedName_ + " is still open after " + buttonName};
        }
        // Back to the window addressed before the box.
        if (beforeBox_ != nullptr && IsWindow(beforeBox_)) {
            Address(beforeBox_, beforeBoxName_);
        } else {
            Address(nullptr, "");
        }
        beforeBox_ = nullptr;
    }

    void ExpectNoWindow(const WindowRef& ref) {
        if (!PollUntil(NewDeadline(), [&] { return target_.Find(ref, true).empty(); })) {
            throw Failure{DescribeWindow(ref) + " is still shown after " + Seconds(timeoutMs_)};
        }
    }

    void WaitExit(DWORD timeoutMs) {
        if (!PollUntil(Deadline(timeoutMs), [&] { return !target_.Running(); })) {
            throw Failure{target_.ImageName() + " is still running after " + Seconds(timeoutMs) +
                          "; " + target_.DescribeScreen()};
        }
        Address(nullptr, "");
    }

    // Asks the harness for a picture of the addressed window (or of the whole screen) once the
    // program has painted, and waits for its answer on standard input.
    void Screenshot(const std::string& name) {
        if (!screenshots_) {
            std::printf("kvdrive: screenshot %s skipped (no --screenshots)\n", name.c_str());
            return;
        }
        RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (addressed_ != nullptr && IsVisible(addressed_)) {
            RedrawWindow(addressed_, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            Settle(addressed_);
            GetWindowRect(addressed_, &area);
        }
        std::printf("@@kvdrive screenshot %s %ld %ld %ld %ld\n", name.c_str(), area.left, area.top,
                    area.right - area.left, area.bottom - area.top);
        std::fflush(stdout);
        char answer[64];
        if (std::fgets(answer, sizeof answer, stdin) == nullptr) {
            throw Failure{"the harness did not answer the screenshot request"};
        }
    }

    Target target_;
    DWORD timeoutMs_;
    bool screenshots_;
    HWND addressed_ = nullptr;
    std::string addressedName_;
    LARGE_INTEGER mark_ = {};  // QueryPerformanceCounter at the last 'mark'
    HWND beforeBox_ = nullptr;
    std::string beforeBoxName_;
};

// ---------------------------------------------------------------------------------------------
// Program

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        long value = 0;
        if (arg == "--process" && hasValue) {
            options.processName = argv[++i];
        } else if (arg == "--timeout" && hasValue && ParseInt(argv[i + 1], 1, 3600000, value)) {
            options.timeoutMs = static_cast<DWORD>(value);
            ++i;
        } else if (arg == "--screenshots") {
            options.screenshots = true;
        } else if (arg == "--check") {
            options.checkOnly = true;
        } else if (arg == "-c" && hasValue) {
            options.commands.push_back(argv[++i]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return false;
        } else {
            options.scriptPaths.push_back(arg);
        }
    }
    // One script or -c commands to run; --check takes any number of scripts.
    size_t scripts = options.scriptPaths.size();
    if (options.checkOnly) {
        return scripts > 0 && options.commands.empty();
    }
    return (scripts == 1) != !options.commands.empty();
}

// The script's file name without its directories, to keep messages short.
std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::string line;
    int c;
    while ((c = std::fgetc(file)) != EOF) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(c);
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    std::fclose(file);
    return true;
}

// Checks every line; prints each bad one with its place and the reason.
bool ParseScript(const std::vector<std::string>& lines, const std::string& where,
                 std::vector<Step>& steps) {
    bool valid = true;
    for (size_t i = 0; i < lines.size(); ++i) {
        Step step;
        bool empty = false;
        std::string error;
        int line = static_cast<int>(i + 1);
        if (!ParseLine(line, lines[i], step, empty, error)) {
            std::printf("kvdrive: %s%d: %s\n  %s\n", where.c_str(), line, lines[i].c_str(),
                        error.c_str());
            valid = false;
        } else if (!empty) {
            steps.push_back(step);
        }
    }
    return valid;
}

bool LoadScript(const std::string& path, std::vector<Step>& steps) {
    std::vector<std::string> lines;
    if (!ReadLines(path, lines)) {
        std::printf("kvdrive: cannot read %s\n", path.c_str());
        return false;
    }
    return ParseScript(lines, BaseName(path) + ":", steps);
}

}  // namespace

int Main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (options.checkOnly) {
        bool valid = true;
        for (const std::string& path : options.scriptPaths) {
            std::vector<Step> steps;
            if (LoadScript(path, steps)) {
                std::printf("kvdrive: %s: %d commands\n", path.c_str(),
                            static_cast<int>(steps.size()));
            } else {
                valid = false;
            }
        }
        return valid ? 0 : 2;
    }

    // Every line is checked before the first one runs.
    std::vector<Step> steps;
    std::string where = "command ";
    if (options.commands.empty()) {
        where = BaseName(options.scriptPaths[0]) + ":";
        if (!LoadScript(options.scriptPaths[0], steps)) {
            return 2;
        }
    } else if (!ParseScript(options.commands, where, steps)) {
        return 2;
    }

    Driver driver(options);
    for (const Step& step : steps) {
        std::printf("kvdrive: %s%d: %s\n", where.c_str(), step.line, step.source.c_str());
        std::fflush(stdout);
        try {
            driver.Run(step);
        } catch (const Failure& failure) {
            std::printf("kvdrive: FAILED at %s%d: %s\n  %s\n", where.c_str(), step.line,
                        step.source.c_str(), failure.reason.c_str());
            std::fflush(stdout);
            return 1;
        }
    }
    std::printf("kvdrive: all %d commands passed\n", static_cast<int>(steps.size()));
    return 0;
}

}  // namespace kvdrive

int main(int argc, char** argv) {
    return kvdrive::Main(argc, argv);
}
