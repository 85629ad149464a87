#include "tests/e2e/script.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

namespace kvdrive {

namespace {

struct Word {
    std::string text;
    bool quoted = false;
};

// Splits a line into words: blank-separated, or double-quoted with backslash escapes. A '#'
// outside quotes ends the line. Returns false with a reason when the line is malformed.
bool SplitWords(const std::string& line, std::vector<Word>& words, std::string& error) {
    words.clear();
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c == '#') {
            break;
        }
        Word word;
        if (c == '"') {
            word.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char q = line[i++];
                if (q == '"') {
                    closed = true;
                    break;
                }
                if (q != '\\') {
                    word.text += q;
                    continue;
                }
                if (i == line.size()) {
                    break;
                }
                char e = line[i++];
                switch (e) {
                    case 'n':
                        word.text += '\n';
                        break;
                    case 'r':
                        word.text += '\r';
                        break;
                    case 't':
                        word.text += '\t';
                        break;
                    case '\\':
                        word.text += '\\';
                        break;
                    case '"':
                        word.text += '"';
                        break;
                    case 'x':
                        if (i + 2 > line.size() ||
                            !std::isxdigit(static_cast<unsigned char>(line[i])) ||
                            !std::isxdigit(static_cast<unsigned char>(line[i + 1]))) {
                            error = "\\x takes two hexadecimal digits";
                            return false;
                        }
                        word.text += static_cast<char>(std::stoi(line.substr(i, 2), nullptr, 16));
                        i += 2;
                        break;
                    default:
                        error = std::string("unknown escape \\") + e;
                        return false;
                }
            }
            if (!closed) {
                error = "unterminated quoted text";
                return false;
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
                   line[i] != '\n') {
                word.text += line[i++];
            }
        }
        words.push_back(word);
    }
    return true;
}

}  // namespace

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

bool ParseInt(const std::string& text, long minimum, long maximum, long& value) {
    if (text.empty()) {
        return false;
    }
    // Decimal, or hexadecimal with 0x: a leading zero is not octal.
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, hex ? 16 : 10);
    if (*end != '\0' || parsed < minimum || parsed > maximum) {
        return false;
    }
    value = parsed;
    return true;
}

std::string DescribeWindow(const WindowRef& ref) {
    switch (ref.type) {
        case WindowRef::Type::kMain:
            return "main dialog";
        case WindowRef::Type::kPicker:
            return "Pick Ship dialog";
        case WindowRef::Type::kAbout:
            return "About box";
        case WindowRef::Type::kMessageBox:
            return "message box";
        case WindowRef::Type::kCaption:
            return "window " + Quote(ref.caption);
    }
    return "?";
}

// Command ids of the message-box buttons, as <windows.h> defines them.
const ButtonName kMessageBoxButtons[11] = {
    {"OK", 1}, {"Cancel", 2}, {"Abort", 3}, {"Retry", 4},     {"Ignore", 5},   {"Yes", 6},
    {"No", 7}, {"Close", 8},  {"Help", 9},  {"TryAgain", 10}, {"Continue", 11}};

// Virtual-key codes, as <windows.h> defines them.
const KeyName kKeyNames[9] = {{"Up", 0x26},    {"Down", 0x28},   {"Left", 0x25},
                              {"Right", 0x27}, {"PageUp", 0x21}, {"PageDown", 0x22},
                              {"Enter", 0x0D}, {"Escape", 0x1B}, {"Tab", 0x09}};

namespace {

bool EqualsIgnoringCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
        if (x != y) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

class StepParser {
  public:
    // Builds the step for one script line; false with a reason when the line is not a valid
    // command. A line without words yields no step (empty = true).
    bool Parse(int line, const std::string& source, Step& step, bool& empty, std::string& error) {
        step = Step();
        step.line = line;
        step.source = source;
        if (!SplitWords(source, words_, error)) {
            return false;
        }
        empty = words_.empty();
        if (empty) {
            return true;
        }
        const std::string& name = words_[0].text;
        error_.clear();
        bool ok = ParseCommand(name, step);
        if (!ok) {
            error = error_.empty() ? "unknown command '" + name + "'" : error_;
        }
        return ok;
    }

  private:
    bool Fail(const std::string& reason) {
        error_ = reason;
        return false;
    }

    bool Arity(size_t minimum, size_t maximum, const char* usage) {
        size_t count = words_.size() - 1;
        if (count < minimum || count > maximum) {
            return Fail(std::string("usage: ") + usage);
        }
        return true;
    }

    bool Id(size_t index, Step& step) {
        long value = 0;
        if (words_[index].quoted || !ParseInt(words_[index].text, 0, 0xFFFF, value)) {
            return Fail("'" + words_[index].text + "' is not a control id");
        }
        step.id = static_cast<int>(value);
        return true;
    }

    bool Number(size_t index, long minimum, long maximum, long& value) {
        if (words_[index].quoted || !ParseInt(words_[index].text, minimum, maximum, value)) {
            return Fail("'" + words_[index].text + "' is not a number from " +
                        std::to_string(minimum) + " to " + std::to_string(maximum));
        }
        return true;
    }

    bool Text(size_t index, std::string& text) {
        if (!words_[index].quoted) {
            return Fail("text must be quoted: " + words_[index].text);
        }
        text = words_[index].text;
        return true;
    }

    // One letter A to Z, as the upper-case letter (its virtual-key code).
    bool Letter(size_t index, std::string& letter) {
        const std::string& word = words_[index].text;
        if (words_[index].quoted || word.size() != 1 ||
            !std::isalpha(static_cast<unsigned char>(word[0]))) {
            return Fail("'" + word + "' is not a letter");
        }
        letter =
            std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(word[0]))));
        return true;
    }

    bool Choice(size_t index, const char* yes, const char* no, bool& value) {
        const std::string& word = words_[index].text;
        if (!words_[index].quoted && word == yes) {
            value = true;
            return true;
        }
        if (!words_[index].quoted && word == no) {
            value = false;
            return true;
        }
        return Fail("expected " + std::string(yes) + " or " + no + ", not '" + word + "'");
    }

    // The first argument as one of the table's names, in any letter case: its code and its
    // name go into the step.
    template <typename Named, size_t N>
    bool OneOf(const Named (&table)[N], int Named::*code, const char* what, Step& step) {
        for (const Named& entry : table) {
            if (EqualsIgnoringCase(words_[1].text, entry.name)) {
                step.number = entry.*code;
                step.text = entry.name;
                return true;
            }
        }
        return Fail(std::string("no ") + what + " is called '" + words_[1].text + "'");
    }

    bool Window(size_t index, WindowRef& ref) {
        const Word& word = words_[index];
        if (word.quoted) {
            ref.type = WindowRef::Type::kCaption;
            ref.caption = word.text;
            return true;
        }
        if (word.text == "main") {
            ref.type = WindowRef::Type::kMain;
        } else if (word.text == "picker") {
            ref.type = WindowRef::Type::kPicker;
        } else if (word.text == "about") {
            ref.type = WindowRef::Type::kAbout;
        } else if (word.text == "msgbox") {
            ref.type = WindowRef::Type::kMessageBox;
        } else {
            return Fail("'" + word.text + "' is no window: main, picker, about, msgbox or a " +
                        "quoted caption");
        }
        return true;
    }

    bool ParseCommand(const std::string& name, Step& step) {
        if (name == "timeout") {
            step.kind = Kind::kTimeout;
            return Arity(1, 1, "timeout MS") && Number(1, 1, 3600000, step.number);
        }
        if (name == "wait-window") {
            step.kind = Kind::kWaitWindow;
            step.flag = words_.size() == 3;
            return Arity(1, 2, "wait-window WIN [MS]") && Window(1, step.window) &&
                   (!step.flag || Number(2, 1, 3600000, step.number));
        }
        if (name == "use") {
            step.kind = Kind::kUse;
            return Arity(1, 1, "use WIN") && Window(1, step.window);
        }
        if (name == "expect-caption") {
            step.kind = Kind::kExpectCaption;
            return Arity(1, 1, "expect-caption \"TEXT\"") && Text(1, step.text);
        }
        if (name == "expect-shown") {
            step.kind = Kind::kExpectShown;
            return Arity(1, 1, "expect-shown yes|no") && Choice(1, "yes", "no", step.flag);
        }
        if (name == "text") {
            step.kind = Kind::kText;
            return Arity(1, 1, "text ID") && Id(1, step);
        }
        if (name == "expect-text") {
            step.kind = Kind::kExpectText;
            return Arity(2, 2, "expect-text ID \"TEXT\"") && Id(1, step) && Text(2, step.text);
        }
        if (name == "expect-visible") {
            step.kind = Kind::kExpectVisible;
            return Arity(2, 2, "expect-visible ID yes|no") && Id(1, step) &&
                   Choice(2, "yes", "no", step.flag);
        }
        if (name == "expect-selection") {
            step.kind = Kind::kExpectSelection;
            return Arity(2, 2, "expect-selection ID INDEX|-1") && Id(1, step) &&
                   Number(2, -1, 100000, step.number);
        }
        if (name == "click") {
            step.kind = Kind::kClick;
            return Arity(1, 1, "click ID") && Id(1, step);
        }
        if (name == "spin") {
            step.kind = Kind::kSpin;
            step.number = 1;
            return Arity(2, 3, "spin ID forward|back [N]") && Id(1, step) &&
                   Choice(2, "forward", "back", step.flag) &&
                   (words_.size() < 4 || Number(3, 1, 10000, step.number));
        }
        if (name == "type") {
            step.kind = Kind::kType;
            return Arity(2, 2, "type ID \"TEXT\"") && Id(1, step) && Text(2, step.text);
        }
        if (name == "select") {
            step.kind = Kind::kSelect;
            return Arity(2, 2, "select ID INDEX") && Id(1, step) &&
                   Number(2, 0, 100000, step.number);
        }
        if (name == "expect-msgbox") {
            step.kind = Kind::kExpectMsgbox;
            step.hasCaption = words_.size() == 3;
            return Arity(1, 2, "expect-msgbox \"TEXT\" [\"CAPTION\"]") && Text(1, step.text) &&
                   (!step.hasCaption || Text(2, step.caption));
        }
        if (name == "press") {
            step.kind = Kind::kPress;
            return Arity(1, 1, "press OK|Cancel|Yes|No|Abort|Retry|Ignore|...") &&
                   OneOf(kMessageBoxButtons, &ButtonName::id, "message-box button", step);
        }
        if (name == "expect-no-window") {
            step.kind = Kind::kExpectNoWindow;
            return Arity(1, 1, "expect-no-window WIN") && Window(1, step.window);
        }
        if (name == "wait-exit") {
            step.kind = Kind::kWaitExit;
            step.flag = words_.size() == 2;
            return Arity(0, 1, "wait-exit [MS]") &&
                   (!step.flag || Number(1, 1, 3600000, step.number));
        }
        if (name == "ctrl-key") {
            step.kind = Kind::kCtrlKey;
            return Arity(1, 1, "ctrl-key LETTER") && Letter(1, step.text);
        }
        if (name == "ctrl-shift-key") {
            step.kind = Kind::kCtrlShiftKey;
            return Arity(1, 1, "ctrl-shift-key LETTER") && Letter(1, step.text);
        }
        if (name == "open-system-menu") {
            step.kind = Kind::kOpenSystemMenu;
            return Arity(0, 0, "open-system-menu");
        }
        if (name == "menu-key") {
            step.kind = Kind::kMenuKey;
            return Arity(1, 1, "menu-key LETTER") && Letter(1, step.text);
        }
        if (name == "expect-clipboard") {
            step.kind = Kind::kExpectClipboard;
            return Arity(1, 1, "expect-clipboard \"TEXT\"") && Text(1, step.text);
        }
        if (name == "set-clipboard") {
            step.kind = Kind::kSetClipboard;
            return Arity(1, 1, "set-clipboard \"TEXT\"") && Text(1, step.text);
        }
        if (name == "keys") {
            step.kind = Kind::kKeys;
            return Arity(1, 1, "keys \"TEXT\"") && Text(1, step.text);
        }
        if (name == "key") {
            step.kind = Kind::kKey;
            return Arity(1, 1, "key Up|Down|Left|Right|PageUp|PageDown|Enter|Escape|Tab") &&
                   OneOf(kKeyNames, &KeyName::code, "key", step);
        }
        if (name == "click-column") {
            step.kind = Kind::kClickColumn;
            return Arity(2, 2, "click-column ID INDEX") && Id(1, step) &&
                   Number(2, 0, 100, step.number);
        }
        if (name == "mark") {
            step.kind = Kind::kMark;
            return Arity(0, 0, "mark");
        }
        if (name == "elapsed") {
            step.kind = Kind::kElapsed;
            return Arity(2, 2, "elapsed \"LABEL\" MS") && Text(1, step.text) &&
                   Number(2, 1, 3600000, step.number);
        }
        if (name == "screenshot") {
            step.kind = Kind::kScreenshot;
            if (!Arity(1, 1, "screenshot NAME")) {
                return false;
            }
            step.text = words_[1].text;
            for (char c : step.text) {
                bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                             (c >= '0' && c <= '9') || c == '-' || c == '_';
                if (!plain) {
                    return Fail("a screenshot name holds only letters, digits, '-' and '_'");
                }
            }
            return true;
        }
        return false;
    }

    std::vector<Word> words_;
    std::string error_;
};

}  // namespace

bool ParseLine(int line, const std::string& source, Step& step, bool& empty, std::string& error) {
    StepParser parser;
    return parser.Parse(line, source, step, empty, error);
}

}  // namespace kvdrive
