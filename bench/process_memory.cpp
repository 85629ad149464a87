#include "bench/process_memory.h"

#include <fstream>
#include <string>

namespace bench {

namespace {

long long StatusFieldKib(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, field.size(), field) == 0 && line.size() > field.size() &&
            line[field.size()] == ':') {
            return std::stoll(line.substr(field.size() + 1));
        }
    }
    return -1;
}

}  // namespace

long long PeakResidentKib() {
    return StatusFieldKib("VmHWM");
}

long long CurrentResidentKib() {
    return StatusFieldKib("VmRSS");
}

}  // namespace bench
