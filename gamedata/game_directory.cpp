#include "gamedata/game_directory.h"

#include "gamedata/table_layout.h"

#include "platform/registry.h"

namespace {

// The registry value's text, ending in a backslash. The value's registry type is not checked:
// whatever bytes it holds are taken as text up to the first NUL.
bool ReadGameDirectory(std::string& directory) {
    std::string data;
    if (!platform::ReadLocalMachineValue(kGameRegistryKey, kGameDirectoryValue, data))
        return false;
    std::string text = data.substr(0, data.find('\0'));
    if (text.empty() || text.back() != '\\')
        text += '\\';
    directory = std::move(text);
    return true;
}

bool GetDirectoryBelowGame(const char* subDirectory, std::string& directory) {
    std::string game;
    if (!ReadGameDirectory(game))
        return false;
    directory = game + subDirectory;
    return true;
}

}  // namespace

bool GetGameDirectory(std::string& directory) {
    return ReadGameDirectory(directory);
}

bool GetDataDirectory(std::string& directory) {
    return GetDirectoryBelowGame(kSpecsDirectory, directory);
}

bool GetScriptsDirectory(std::string& directory) {
    return GetDirectoryBelowGame("Assets\\Scripts\\", directory);
}
