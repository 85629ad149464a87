#include "app/command_line.h"

namespace {

// Blanks, tabs and the other control characters. Bytes of 128 and above are text.
bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string CommandLineTail(const std::string& commandLine) {
    std::string::size_type pos = 0;
    const std::string::size_type end = commandLine.size();
    if (pos < end && commandLine[pos] == '"') {
        ++pos;
        while (pos < end && commandLine[pos] != '"') {
            ++pos;
        }
        if (pos < end) {
            ++pos;  // the closing quote
        }
    } else {
        while (pos < end && !IsBlankOrControl(commandLine[pos])) {
            ++pos;
        }
    }
    while (pos < end && IsBlankOrControl(commandLine[pos])) {
        ++pos;
    }
    return commandLine.substr(pos);
}

bool IsSectorAssaultSwitch(const std::string& tail) {
    static const std::string kSwitch = "/VEZIREZARADUD";
    if (tail.size() != kSwitch.size()) {
        return false;
    }
    for (std::string::size_type i = 0; i < tail.size(); ++i) {
        if (AsciiUpper(tail[i]) != kSwitch[i]) {
            return false;
        }
    }
    return true;
}
