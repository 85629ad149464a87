#include "framework/headless/resource_script.h"

#include <cctype>
#include <sstream>

#include "framework/constants.h"
#include "framework/framework_error.h"
#include "framework/headless/rc_tokenizer.h"

namespace fw {
namespace headless {
namespace {

using Kind = RcToken::Kind;

bool EqualsNoCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

ControlKind KindOfClass(const std::string& className, const std::set<std::string>& styles,
                        int line) {
    if (EqualsNoCase(className, "Button")) {
        return styles.count("BS_GROUPBOX") != 0 ? ControlKind::kGroupBox : ControlKind::kButton;
    }
    if (EqualsNoCase(className, "Static")) {
        return ControlKind::kStatic;
    }
    if (EqualsNoCase(className, "Edit")) {
        return ControlKind::kEdit;
    }
    if (EqualsNoCase(className, "ComboBox")) {
        return ControlKind::kComboBox;
    }
    if (EqualsNoCase(className, "msctls_updown32")) {
        return ControlKind::kUpDown;
    }
    if (EqualsNoCase(className, "SysListView32")) {
        return ControlKind::kListView;
    }
    throw FrameworkError("resource script line " + std::to_string(line) +
                         ": unsupported control class \"" + className + "\"");
}

struct Style {
    std::set<std::string> set;
    std::set<std::string> cleared;  // NOT-ed names
};

class Parser {
  public:
    Parser(std::vector<RcToken> tokens, ResourceScript& script)
        : tokens_(std::move(tokens)), script_(script) {}

    void Run() {
        while (!AtEnd()) {
            ParseTopLevel();
        }
        Validate();
    }

  private:
    // ---- token access ----
    bool AtEnd() const { return pos_ >= tokens_.size(); }
    const RcToken& Peek() const {
        if (AtEnd()) {
            Fail(LastLine(), "unexpected end of script");
        }
        return tokens_[pos_];
    }
    const RcToken& Next() {
        const RcToken& token = Peek();
        ++pos_;
        return token;
    }
    int LastLine() const { return tokens_.empty() ? 1 : tokens_.back().line; }
    int Line() const { return AtEnd() ? LastLine() : tokens_[pos_].line; }

    [[noreturn]] static void Fail(int line, const std::string& what) {
        throw FrameworkError("resource script line " + std::to_string(line) + ": " + what);
    }

    bool IsKeyword(const char* word) const {
        return !AtEnd() && tokens_[pos_].kind == Kind::kIdent &&
               EqualsNoCase(tokens_[pos_].text, word);
    }
    bool IsPunct(char c) const {
        return !AtEnd() && tokens_[pos_].kind == Kind::kPunct && tokens_[pos_].text[0] == c;
    }
    bool IsBegin() const { return IsKeyword("BEGIN") || IsPunct('{'); }
    bool IsEnd() const { return IsKeyword("END") || IsPunct('}'); }
    void ExpectBegin() {
        if (!IsBegin()) {
            Fail(Line(), "expected BEGIN, found '" + Peek().text + "'");
        }
        ++pos_;
    }
    void ExpectComma() {
        if (!IsPunct(',')) {
            Fail(Line(), "expected ',', found '" + Peek().text + "'");
        }
        ++pos_;
    }
    void SkipComma() {
        if (IsPunct(',')) {
            ++pos_;
        }
    }
    void SkipRestOfLine(int line) {
        while (!AtEnd() && tokens_[pos_].line == line) {
            ++pos_;
        }
    }
    // Skips from BEGIN to its END, nested blocks included.
    void SkipBlock() {
        ExpectBegin();
        int depth = 1;
        while (depth > 0) {
            if (IsBegin()) {
                ++depth;
            } else if (IsEnd()) {
                --depth;
            }
            Next();
        }
    }

    // ---- values ----
    int Resolve(const RcToken& token) const {
        if (token.kind == Kind::kNumber) {
            return static_cast<int>(token.number);
        }
        if (token.kind == Kind::kIdent) {
            auto it = script_.symbols.find(token.text);
            if (it == script_.symbols.end()) {
                Fail(token.line, "unknown symbol " + token.text);
            }
            return it->second;
        }
        Fail(token.line, "expected a number or a symbol, found \"" + token.text + "\"");
    }
    int ParseInt() {
        bool negative = false;
        if (IsPunct('-') || IsPunct('+')) {
            negative = Next().text[0] == '-';
        }
        const int value = Resolve(Next());
        return negative ? -value : value;
    }
    std::string ParseString() {
        const RcToken& token = Next();
        if (token.kind != Kind::kString) {
            Fail(token.line, "expected a string, found '" + token.text + "'");
        }
        return token.text;
    }
    // NAME | NAME | NOT NAME ...; numbers are allowed and carry no name.
    Style ParseStyle() {
        Style style;
        for (;;) {
            const bool negated = IsKeyword("NOT");
            if (negated) {
                ++pos_;
            }
            const RcToken& term = Next();
            if (term.kind == Kind::kIdent) {
                if (negated) {
                    style.set.erase(term.text);
                    style.cleared.insert(term.text);
                } else {
                    style.set.insert(term.text);
                    style.cleared.erase(term.text);
                }
            } else if (term.kind != Kind::kNumber) {
                Fail(term.line, "unexpected '" + term.text + "' in a style expression");
            }
            if (!IsPunct('|')) {
                return style;
            }
            ++pos_;
        }
    }

    // ---- statements ----
    void ParseTopLevel() {
        const RcToken& first = Next();
        if (first.kind == Kind::kIdent && EqualsNoCase(first.text, "LANGUAGE")) {
            SkipRestOfLine(first.line);
            return;
        }
        if (first.kind == Kind::kIdent && EqualsNoCase(first.text, "STRINGTABLE")) {
            ParseStringTable();
            return;
        }
        if (first.kind == Kind::kPunct) {
            Fail(first.line, "unexpected '" + first.text + "'");
        }
        const RcToken& type = Next();
        if (type.line != first.line) {
            Fail(first.line, "resource '" + first.text + "' has no type");
        }
        const bool dlgInit = (type.kind == Kind::kIdent && EqualsNoCase(type.text, "DLGINIT")) ||
                             (type.kind == Kind::kNumber && type.number == 240);
        if (type.kind == Kind::kIdent &&
            (EqualsNoCase(type.text, "DIALOGEX") || EqualsNoCase(type.text, "DIALOG"))) {
            ParseDialog(Resolve(first), EqualsNoCase(type.text, "DIALOGEX"), first.line);
        } else if (dlgInit) {
            ParseDialogInit(Resolve(first), first.line);
        } else if (type.kind == Kind::kIdent && EqualsNoCase(type.text, "ICON")) {
            script_.icons.insert(Resolve(first));
            SkipRestOfLine(type.line);
        } else if (type.kind == Kind::kIdent && EqualsNoCase(type.text, "BITMAP")) {
            script_.bitmaps.insert(Resolve(first));
            SkipRestOfLine(type.line);
        } else {
            SkipOtherResource(type.line);
        }
    }

    // Resources the backend does not model (version info, manifest, ...): a file name on the
    // header line, or a BEGIN ... END block.
    void SkipOtherResource(int line) {
        while (!AtEnd() && tokens_[pos_].line == line) {
            if (IsBegin()) {
                SkipBlock();
                return;
            }
            if (tokens_[pos_].kind == Kind::kString) {
                SkipRestOfLine(line);
                return;
            }
            ++pos_;
        }
        while (!IsBegin()) {
            Next();
        }
        SkipBlock();
    }

    void ParseStringTable() {
        while (!IsBegin()) {
            Next();  // memory options
        }
        ExpectBegin();
        while (!IsEnd()) {
            const int id = ParseInt();
            SkipComma();
            script_.strings[id] = ParseString();
        }
        Next();
    }

    void ParseDialog(int id, bool extended, int line) {
        DialogTemplate dialog;
        dialog.id = id;
        dialog.line = line;
        while (Peek().kind == Kind::kIdent && !IsBegin() && !IsKeyword("STYLE") &&
               !IsKeyword("CAPTION") && !IsKeyword("FONT") && !IsKeyword("EXSTYLE")) {
            ++pos_;  // memory options
        }
        dialog.x = ParseInt();
        ExpectComma();
        dialog.y = ParseInt();
        ExpectComma();
        dialog.width = ParseInt();
        ExpectComma();
        dialog.height = ParseInt();
        if (extended && IsPunct(',')) {
            ++pos_;
            ParseInt();  // help id
        }
        while (!IsBegin()) {
            const RcToken& option = Next();
            if (option.kind != Kind::kIdent) {
                Fail(option.line, "unexpected '" + option.text + "' in a dialog header");
            }
            if (EqualsNoCase(option.text, "STYLE")) {
                dialog.styles = ParseStyle().set;
            } else if (EqualsNoCase(option.text, "EXSTYLE")) {
                ParseStyle();
            } else if (EqualsNoCase(option.text, "CAPTION")) {
                dialog.caption = ParseString();
            } else if (EqualsNoCase(option.text, "FONT")) {
                ParseInt();
                ExpectComma();
                ParseString();
                while (IsPunct(',')) {
                    ++pos_;
                    ParseInt();
                }
            } else if (EqualsNoCase(option.text, "LANGUAGE")) {
                ParseInt();
                ExpectComma();
                ParseInt();
            } else if (EqualsNoCase(option.text, "CHARACTERISTICS") ||
                       EqualsNoCase(option.text, "VERSION")) {
                ParseInt();
            } else if (EqualsNoCase(option.text, "MENU") || EqualsNoCase(option.text, "CLASS")) {
                Next();
            } else {
                Fail(option.line, "unsupported dialog option " + option.text);
            }
        }
        ExpectBegin();
        while (!IsEnd()) {
            ParseControl(dialog);
        }
        Next();
        if (!script_.dialogs.emplace(id, std::move(dialog)).second) {
            Fail(line, "dialog " + std::to_string(id) + " defined twice");
        }
    }

    // CONTROL text, id, "class", style, x, y, w, h [, exstyle [, help id]]
    void ParseControl(DialogTemplate& dialog) {
        const RcToken& statement = Next();
        if (statement.kind != Kind::kIdent || !EqualsNoCase(statement.text, "CONTROL")) {
            Fail(statement.line, "unsupported control statement '" + statement.text +
                                     "': write every control as a CONTROL statement");
        }
        ControlTemplate control;
        control.line = statement.line;
        if (Peek().kind == Kind::kString) {
            control.text = Next().text;
        } else {
            control.imageResource = ParseInt();
        }
        ExpectComma();
        control.id = ParseInt();
        ExpectComma();
        control.className = ParseString();
        ExpectComma();
        const Style style = ParseStyle();
        control.styles = style.set;
        control.visible = style.cleared.count("WS_VISIBLE") == 0;
        ExpectComma();
        control.x = ParseInt();
        ExpectComma();
        control.y = ParseInt();
        ExpectComma();
        control.width = ParseInt();
        ExpectComma();
        control.height = ParseInt();
        if (IsPunct(',')) {
            ++pos_;
            ParseStyle();
            if (IsPunct(',')) {
                ++pos_;
                ParseInt();
            }
        }
        control.kind = KindOfClass(control.className, control.styles, control.line);
        if (control.imageResource != 0 && !control.HasStyle("SS_ICON") &&
            !control.HasStyle("SS_BITMAP")) {
            Fail(control.line, "a resource id in a control's text needs SS_ICON or SS_BITMAP");
        }
        if (control.id != kIdcStatic && dialog.FindControl(control.id) != nullptr) {
            Fail(control.line, "control id " + std::to_string(control.id) +
                                   " used twice in dialog " + std::to_string(dialog.id));
        }
        dialog.controls.push_back(std::move(control));
    }

    // Records "CONTROL_ID, "item\0"", ending with 0.
    void ParseDialogInit(int dialogId, int line) {
        while (!IsBegin()) {
            Next();  // memory options
        }
        ExpectBegin();
        std::vector<std::pair<int, std::string>> items;
        for (;;) {
            const int itemLine = Line();
            if (IsEnd()) {
                Fail(itemLine, "init data must end with 0");
            }
            const int controlId = ParseInt();
            SkipComma();
            if (controlId == 0) {
                break;
            }
            std::string item = ParseString();
            SkipComma();
            if (item.empty() || item.back() != '\0') {
                Fail(itemLine, "a combo-box item must end with \\0");
            }
            item.resize(item.find('\0'));
            items.emplace_back(controlId, std::move(item));
        }
        if (!IsEnd()) {
            Fail(Line(), "init data continues after its closing 0");
        }
        Next();
        if (!pendingInit_.emplace(dialogId, std::make_pair(line, std::move(items))).second) {
            Fail(line, "init data for dialog " + std::to_string(dialogId) + " given twice");
        }
    }

    void Validate() {
        for (auto& entry : pendingInit_) {
            const int line = entry.second.first;
            auto dialog = script_.dialogs.find(entry.first);
            if (dialog == script_.dialogs.end()) {
                Fail(line, "init data for a dialog that does not exist");
            }
            for (const auto& item : entry.second.second) {
                const ControlTemplate* control = dialog->second.FindControl(item.first);
                if (control == nullptr || control->kind != ControlKind::kComboBox) {
                    Fail(line, "init data for control " + std::to_string(item.first) +
                                   ", which is not a combo box of dialog " +
                                   std::to_string(entry.first));
                }
            }
            dialog->second.initItems = std::move(entry.second.second);
        }
        for (const auto& dialog : script_.dialogs) {
            for (const ControlTemplate& control : dialog.second.controls) {
                if (control.imageResource == 0) {
                    continue;
                }
                const bool icon = control.HasStyle("SS_ICON");
                const std::set<int>& resources = icon ? script_.icons : script_.bitmaps;
                if (resources.count(control.imageResource) == 0) {
                    Fail(control.line, std::string(icon ? "icon " : "bitmap ") +
                                           std::to_string(control.imageResource) +
                                           " is not in the script");
                }
            }
        }
    }

    std::vector<RcToken> tokens_;
    std::size_t pos_ = 0;
    ResourceScript& script_;
    std::map<int, std::pair<int, std::vector<std::pair<int, std::string>>>> pendingInit_;
};

}  // namespace

const ControlTemplate* DialogTemplate::FindControl(int controlId) const {
    if (controlId == kIdcStatic) {
        return nullptr;
    }
    for (const ControlTemplate& control : controls) {
        if (control.id == controlId) {
            return &control;
        }
    }
    return nullptr;
}

std::map<std::string, int> ParseResourceHeader(const std::string& headerText) {
    std::map<std::string, int> symbols;
    std::istringstream lines(headerText);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        std::istringstream words(line.substr(0, line.find("//")));
        std::string directive;
        std::string name;
        std::string value;
        words >> directive >> name >> value;
        if (directive != "#define" || value.empty()) {
            continue;  // comments, guards, other directives
        }
        if (value.size() > 2 && value.front() == '(' && value.back() == ')') {
            value = value.substr(1, value.size() - 2);
        }
        std::size_t used = 0;
        long long number = 0;
        try {
            number = std::stoll(value, &used, 0);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != value.size() || number < -0x80000000LL || number > 0xFFFFFFFFLL) {
            throw FrameworkError("resource header line " + std::to_string(lineNumber) + ": " +
                                 name + " is not defined as a number");
        }
        symbols[name] = static_cast<int>(number);
    }
    return symbols;
}

ResourceScript ParseResourceScript(const std::string& scriptText, const std::string& headerText) {
    ResourceScript script;
    script.symbols = {{"IDOK", kIdOk},       {"IDCANCEL", kIdCancel},   {"IDABORT", kIdAbort},
                      {"IDRETRY", kIdRetry}, {"IDIGNORE", kIdIgnore},   {"IDYES", kIdYes},
                      {"IDNO", kIdNo},       {"IDC_STATIC", kIdcStatic}};
    for (const auto& symbol : ParseResourceHeader(headerText)) {
        script.symbols[symbol.first] = symbol.second;
    }
    Parser(TokenizeResourceScript(scriptText), script).Run();
    return script;
}

}  // namespace headless
}  // namespace fw
