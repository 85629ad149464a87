#include "platform/wine/wine_prefix.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {

namespace {

std::string HomeDirectory() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return home;
    // Wine falls back to the password database when HOME is unset; so do we.
    const passwd* entry = getpwuid(getuid());
    if (entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return std::string();
}

}  // namespace

std::string WinePrefixDirectory() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix != nullptr && prefix[0] != '\0') {
        return prefix[0] == '/' ? std::string(prefix) : std::string();
    }
    const std::string home = HomeDirectory();
    if (home.empty() || home[0] != '/')
        return std::string();
    return home + "/.wine";
}

}  // namespace platform
