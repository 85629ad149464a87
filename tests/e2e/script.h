#pragma once

// The scenario language of kvdrive: one command per line, words separated by blanks, texts in
// double quotes with backslash escapes, '#' to the end of the line a comment. Every line is
// parsed into a Step before anything runs.

#include <string>

namespace kvdrive {

enum class Kind {
    kTimeout,
    kWaitWindow,
    kUse,
    kExpectCaption,
    kExpectShown,
    kText,
    kExpectText,
    kExpectVisible,
    kExpectSelection,
    kClick,
    kSpin,
    kType,
    kSelect,
    kExpectMsgbox,
    kPress,
    kExpectNoWindow,
    kWaitExit,
    kScreenshot,
    kCtrlKey,
    kCtrlShiftKey,
    kOpenSystemMenu,
    kMenuKey,
    kExpectClipboard,
    kSetClipboard,
    kKeys,
    kKey,
    kClickColumn,
    kMark,
    kElapsed,
};

// A window as a scenario names it: one of the program's dialogs, the message box on show, or
// a top-level window with an exact caption.
struct WindowRef {
    enum class Type { kMain, kPicker, kAbout, kMessageBox, kCaption } type = Type::kCaption;
    std::string caption;
};

// One parsed command with its arguments.
struct Step {
    int line = 0;
    std::string source;
    Kind kind = Kind::kTimeout;
    WindowRef window;
    int id = 0;
    long number = 0;    // timeout, index, repeat count, button id
    bool flag = false;  // yes/no, forward/back; whether the optional argument was given
    std::string text;   // also the letter of ctrl-key, ctrl-shift-key and menu-key
    std::string caption;
    bool hasCaption = false;
};

// A message-box button as "press" names it, with its command id (IDOK, IDYES, ...).
struct ButtonName {
    const char* name;
    int id;
};
extern const ButtonName kMessageBoxButtons[11];

// A key as "key" names it, with its virtual-key code.
struct KeyName {
    const char* name;
    int code;
};
extern const KeyName kKeyNames[9];

// Parses one script line. False with a reason when the line is not a valid command; a line
// with nothing but blanks or a comment gives empty = true and no step.
bool ParseLine(int line, const std::string& source, Step& step, bool& empty, std::string& error);

// Decimal, or hexadecimal with 0x, within [minimum, maximum].
bool ParseInt(const std::string& text, long minimum, long maximum, long& value);

// Text as a scenario writes it, quoted and escaped, for messages.
std::string Quote(const std::string& text);

// "main dialog", "window \"Error\"", ...
std::string DescribeWindow(const WindowRef& ref);

}  // namespace kvdrive
