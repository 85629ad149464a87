#include "platform/registry.h"

#include <fstream>
#include <iterator>

#include "platform/wine/system_reg.h"
#include "platform/wine/wine_prefix.h"

namespace platform {

// HKEY_LOCAL_MACHINE of a Wine prefix is the file system.reg at its top. wineserver keeps the
// registry in memory and saves it every half minute and at exit, so a change made by a running
// Wine program may reach this reader a little later.
bool ReadLocalMachineValue(const std::string& subKey, const std::string& valueName,
                           std::string& data) {
    const std::string prefix = WinePrefixDirectory();
    if (prefix.empty())
        return false;
    std::ifstream file(prefix + "/system.reg", std::ios::binary);
    if (!file)
        return false;
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        return false;
    return FindSystemRegValue(text, subKey, valueName, data);
}

}  // namespace platform
