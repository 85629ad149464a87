#include "framework/headless/rc_tokenizer.h"

#include <cctype>

#include "framework/framework_error.h"

namespace fw {
namespace headless {
namespace {

[[noreturn]] void Fail(int line, const std::string& what) {
    throw FrameworkError("resource script line " + std::to_string(line) + ": " + what);
}

bool IsIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

class Tokenizer {
  public:
    explicit Tokenizer(const std::string& text) : s_(text) {}

    std::vector<RcToken> Run() {
        bool lineStart = true;
        while (i_ < s_.size()) {
            const char c = s_[i_];
            if (c == '\n') {
                ++line_;
                ++i_;
                lineStart = true;
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                ++i_;
            } else if (c == '#' && lineStart) {
                SkipDirective();
            } else if (s_.compare(i_, 2, "//") == 0) {
                SkipToLineEnd();
            } else if (s_.compare(i_, 2, "/*") == 0) {
                SkipBlockComment();
            } else {
                lineStart = false;
                ReadToken();
            }
        }
        return std::move(tokens_);
    }

  private:
    void SkipToLineEnd() {
        while (i_ < s_.size() && s_[i_] != '\n') {
            ++i_;
        }
    }

    // A directive ends at the line end unless the line ends in a backslash.
    void SkipDirective() {
        while (i_ < s_.size() && s_[i_] != '\n') {
            if (s_[i_] == '\\' && i_ + 1 < s_.size() && s_[i_ + 1] == '\n') {
                ++line_;
                ++i_;
            }
            ++i_;
        }
    }

    void SkipBlockComment() {
        const int startLine = line_;
        i_ += 2;
        while (i_ + 1 < s_.size() && s_.compare(i_, 2, "*/") != 0) {
            line_ += s_[i_] == '\n' ? 1 : 0;
            ++i_;
        }
        if (i_ + 1 >= s_.size()) {
            Fail(startLine, "unterminated comment");
        }
        i_ += 2;
    }

    void ReadToken() {
        const char c = s_[i_];
        if (c == '"' || ((c == 'L' || c == 'l') && i_ + 1 < s_.size() && s_[i_ + 1] == '"')) {
            if (c != '"') {
                ++i_;
            }
            ReadString();
        } else if (IsIdentStart(c)) {
            const std::size_t start = i_;
            while (i_ < s_.size() && IsIdentChar(s_[i_])) {
                ++i_;
            }
            Push(RcToken::Kind::kIdent, s_.substr(start, i_ - start));
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            ReadNumber();
        } else if (std::string(",|(){}-+").find(c) != std::string::npos) {
            Push(RcToken::Kind::kPunct, std::string(1, c));
            ++i_;
        } else {
            Fail(line_, std::string("unexpected character '") + c + "'");
        }
    }

    void ReadNumber() {
        const std::size_t start = i_;
        int base = 10;
        if (s_.compare(i_, 2, "0x") == 0 || s_.compare(i_, 2, "0X") == 0) {
            base = 16;
            i_ += 2;
        }
        long long value = 0;
        std::size_t digits = 0;
        while (i_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[i_]))) {
            const char d = static_cast<char>(std::tolower(static_cast<unsigned char>(s_[i_])));
            const int digit = d <= '9' ? d - '0' : d - 'a' + 10;
            if (digit >= base) {
                break;
            }
            value = value * base + digit;
            if (value > 0xFFFFFFFFLL) {
                Fail(line_, "number too large");
            }
            ++digits;
            ++i_;
        }
        if (base == 16 && digits == 0) {
            Fail(line_, "hexadecimal number without digits");
        }
        while (i_ < s_.size() &&
               (s_[i_] == 'L' || s_[i_] == 'l' || s_[i_] == 'U' || s_[i_] == 'u')) {
            ++i_;
        }
        if (i_ < s_.size() && IsIdentChar(s_[i_])) {
            Fail(line_, "malformed number '" + s_.substr(start, i_ - start + 1) + "'");
        }
        RcToken token;
        token.kind = RcToken::Kind::kNumber;
        token.text = s_.substr(start, i_ - start);
        token.number = value;
        token.line = line_;
        tokens_.push_back(token);
    }

    // "..." with "" for a quote and the C escapes rc understands.
    void ReadString() {
        const int startLine = line_;
        ++i_;
        std::string bytes;
        for (;;) {
            if (i_ >= s_.size() || s_[i_] == '\n') {
                Fail(startLine, "unterminated string");
            }
            const char c = s_[i_++];
            if (c == '"') {
                if (i_ < s_.size() && s_[i_] == '"') {
                    bytes += '"';
                    ++i_;
                    continue;
                }
                break;
            }
            if (c != '\\') {
                bytes += c;
                continue;
            }
            if (i_ >= s_.size()) {
                Fail(startLine, "unterminated string");
            }
            const char e = s_[i_++];
            switch (e) {
                case 'n':
                    bytes += '\n';
                    break;
                case 't':
                    bytes += '\t';
                    break;
                case 'r':
                    bytes += '\r';
                    break;
                case 'a':
                    bytes += '\a';
                    break;
                case '\\':
                    bytes += '\\';
                    break;
                case '"':
                    bytes += '"';
                    break;
                case 'x':
                case 'X':
                    bytes += static_cast<char>(ReadEscapeDigits(16, 2, startLine));
                    break;
                default:
                    if (e >= '0' && e <= '7') {
                        --i_;
                        bytes += static_cast<char>(ReadEscapeDigits(8, 3, startLine));
                    } else {
                        Fail(startLine, std::string("unknown escape '\\") + e + "'");
                    }
            }
        }
        RcToken token;
        token.kind = RcToken::Kind::kString;
        token.text = bytes;
        token.line = startLine;
        tokens_.push_back(token);
    }

    int ReadEscapeDigits(int base, int maxDigits, int startLine) {
        int value = 0;
        int count = 0;
        while (count < maxDigits && i_ < s_.size()) {
            const char d = static_cast<char>(std::tolower(static_cast<unsigned char>(s_[i_])));
            const int digit = std::isdigit(static_cast<unsigned char>(d)) ? d - '0'
                              : (d >= 'a' && d <= 'f')                    ? d - 'a' + 10
                                                                          : 99;
            if (digit >= base) {
                break;
            }
            value = value * base + digit;
            ++count;
            ++i_;
        }
        if (count == 0) {
            Fail(startLine, "escape without digits");
        }
        return value & 0xFF;
    }

    void Push(RcToken::Kind kind, std::string text) {
        RcToken token;
        token.kind = kind;
        token.text = std::move(text);
        token.line = line_;
        tokens_.push_back(std::move(token));
    }

    const std::string& s_;
    std::size_t i_ = 0;
    int line_ = 1;
    std::vector<RcToken> tokens_;
};

}  // namespace

std::vector<RcToken> TokenizeResourceScript(const std::string& text) {
    return Tokenizer(text).Run();
}

}  // namespace headless
}  // namespace fw
