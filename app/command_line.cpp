#include "app/command_line.h"

#include "platform/ascii_case.h"

bool IsSectorAssaultSwitch(const std::string& tail) {
    return EqualsIgnoringAsciiCase(tail, "/VEZIREZARADUD");
}
