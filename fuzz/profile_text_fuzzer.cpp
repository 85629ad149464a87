// Edits arbitrary profile text: the input's first three lines are the section, key and value,
// the rest is the file. Every edit must be sound (see ProfileEditFault); a fault aborts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/profile_text.h"
#include "platform/tests/profile_edit_check.h"

namespace {

std::string TakeLine(std::string& input) {
    const size_t end = input.find('\n');
    std::string line = input.substr(0, end);
    input.erase(0, end == std::string::npos ? input.size() : end + 1);
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    const std::string section = TakeLine(input);
    const std::string key = TakeLine(input);
    const std::string value = TakeLine(input);
    const std::vector<platformtest::ProfileProbe> probes = {
        {section, "x"}, {"A", key}, {"A", "x"}, {"B", "y"}};
    const std::string fault = platformtest::ProfileEditFault(input, section, key, value, probes);
    if (!fault.empty()) {
        std::fprintf(stderr, "unsound edit: %s\n", fault.c_str());
        std::abort();
    }
    platform::FindProfileValue(input, section, key);
    return 0;
}
