#pragma once

#include <string>
#include <vector>

namespace fw {
namespace headless {

// Tokens of a resource script. Preprocessor lines (#include, #define, #pragma...) and comments
// are dropped; the script's own symbols come from resource.h.
struct RcToken {
    enum class Kind { kIdent, kNumber, kString, kPunct };
    Kind kind = Kind::kPunct;
    std::string text;      // identifier, punctuation, or the decoded bytes of a string
    long long number = 0;  // kNumber
    int line = 0;          // 1-based
};

// Throws FrameworkError on an unterminated string or comment, or a character rc does not know.
std::vector<RcToken> TokenizeResourceScript(const std::string& text);

}  // namespace headless
}  // namespace fw
