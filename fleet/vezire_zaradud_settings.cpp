#include "fleet/vezire_zaradud_settings.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gamedata/game_directory.h"
#include "gamedata/number_text.h"
#include "platform/profile_strings.h"

namespace {

constexpr char kSection[] = "Mul_HumanVezireZaradud";
constexpr char kFileName[] = "scripts.ini";
// A value is read into a buffer of this size, so at most 63 of its characters count.
constexpr size_t kValueBufferSize = 64;

}  // namespace

bool VezireZaradudSettings::GetFilePath(std::string& path) {
    std::string directory;
    if (!GetScriptsDirectory(directory))
        return false;
    path = directory + kFileName;
    return true;
}

struct VezireZaradudSettings::Entry {
    const char* key;
    Key bit;
    int32_t VezireZaradudSettings::*field;
};

// In the order the keys are read and written.
const VezireZaradudSettings::Entry VezireZaradudSettings::kEntries[5] = {
    {"DefSats", kDefSatsKey, &VezireZaradudSettings::DefSats},
    {"FRDs", kFRDsKey, &VezireZaradudSettings::FRDs},
    {"PlanetType", kPlanetTypeKey, &VezireZaradudSettings::PlanetType},
    {"BaseDamage", kBaseDamageKey, &VezireZaradudSettings::BaseDamage},
    {"PlanetDamage", kPlanetDamageKey, &VezireZaradudSettings::PlanetDamage},
};

bool VezireZaradudSettings::Read() {
    std::string path;
    if (!GetFilePath(path))
        return false;
    for (const Entry& entry : kEntries) {
        char buffer[kValueBufferSize];
        const size_t length =
            platform::GetProfileString(kSection, entry.key, "", buffer, sizeof buffer, path);
        this->*entry.field = length != 0 ? ParseInt(std::string_view(buffer, length)) : 0;
    }
    return true;
}

platform::ReplaceResult VezireZaradudSettings::WriteKeys(unsigned keys) const {
    std::string path;
    if (!GetFilePath(path))
        return {};
    std::vector<std::pair<std::string, std::string>> values;
    for (const Entry& entry : kEntries) {
        if ((keys & entry.bit) == 0)
            continue;
        char text[kValueBufferSize];
        std::snprintf(text, sizeof text, "%d", static_cast<int>(this->*entry.field));
        values.emplace_back(entry.key, text);
    }
    return platform::WriteProfileStrings(kSection, values, path);
}
