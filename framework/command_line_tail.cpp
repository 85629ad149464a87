#include "framework/command_line_tail.h"

namespace fw {
namespace {

// Blanks, tabs and the other control characters. Bytes of 128 and above are text.
bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
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

}  // namespace fw
