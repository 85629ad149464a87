#include <windows.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "fleet/tests/test_machine.h"
#include "tests/support/temp_dir.h"

namespace fleettest {
namespace {

namespace fs = std::filesystem;

const char kFleetFile[] = "C:\\Kestrivar.FLT";
const char kGameKey[] = "Software\\Brunvik\\Halvane Reach";

// Whatever a test left at the fleet file's path: a file (read-only, perhaps) or a directory.
void RemoveFleetFileLeftovers() {
    std::error_code error;
    if (!fs::exists(kFleetFile, error))
        return;
    fs::permissions(kFleetFile, fs::perms::owner_write, fs::perm_options::add, error);
    fs::remove_all(kFleetFile, error);
}

void RemoveGameKey() {
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kGameKey, KEY_WOW64_32KEY, 0);
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "Software\\Brunvik", KEY_WOW64_32KEY, 0);
}

std::string WithBackslashes(std::string path) {
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

}  // namespace

struct TestMachine::State {
    std::optional<testsupport::TempDir> game;
};

TestMachine::TestMachine() : state_(new State) {
    RemoveFleetFileLeftovers();
    RemoveGameKey();
}

TestMachine::~TestMachine() {
    RemoveFleetFileLeftovers();
    RemoveGameKey();
}

std::string TestMachine::FleetFile() const {
    return kFleetFile;
}

std::string TestMachine::DriveC() const {
    return "C:\\";
}

std::string TestMachine::InstallGame() {
    state_->game.emplace();
    const std::string directory = WithBackslashes(state_->game->path());
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0,
                        KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the game's registry key");
    const LONG set = RegSetValueExA(key, "Directory", 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(directory.c_str()),
                                    static_cast<DWORD>(directory.size() + 1));
    RegCloseKey(key);
    if (set != ERROR_SUCCESS)
        throw std::runtime_error("cannot set the game's directory");
    const std::string scripts = directory + "\\Assets\\Scripts";
    fs::create_directories(scripts);
    return scripts + "\\scripts.ini";
}

}  // namespace fleettest
