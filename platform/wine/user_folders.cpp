#include "platform/user_folders.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/file_system.h"
#include "platform/wine/system_reg.h"
#include "platform/wine/wine_prefix.h"

namespace platform {

// Wine keeps the user's folders in the prefix's user.reg, in the same format as system.reg;
// a prefix that has not been started yet has none, and Wine would make the folder under the
// user's name.
std::string DocumentsFolder() {
    const std::string prefix = WinePrefixDirectory();
    if (prefix.empty())
        return std::string();
    std::ifstream file(prefix + "/user.reg", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::string folder;
    if (FindSystemRegValue(text,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                           "Personal", folder)) {
        if (!folder.empty() && folder.back() == '\0')
            folder.pop_back();
        return folder;
    }
    const char* user = std::getenv("USER");
    return std::string("C:\\users\\") + (user != nullptr && *user != '\0' ? user : "user") +
           "\\Documents";
}

bool CreateFolder(const std::string& windowsPath) {
    const std::string path = HostPath(windowsPath);
    if (path.empty())
        return false;
    ::mkdir(path.c_str(), 0777);
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace platform
