#include "gamedata/code_tables.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "platform/ascii_case.h"

namespace {

struct KeywordCode {
    std::string_view keyword;
    int32_t code;
};

// Each table is tested in the order given; the first keyword that matches wins.

constexpr KeywordCode kRaces[] = {
    {"Concordat", 0},
    {"Vorrak", 1},
    {"Saevane", 2},
    {"Tessik", 3},
    {"Quellar", 4},
    {"Skarn", 5},
    {"Ixo", 6},
    {"Pellan", 7},
    {"Corvane", 16},
    {"Monster", 17},
    {"Neutral", 23},
    {"CorvaneCorvane", 8},
    {"CorvaneBrakkos", 9},
    {"CorvanePrime", 10},
    {"CorvaneIronFang", 11},
    {"CorvaneDuskReavers", 12},
    {"CorvaneSyndicate", 13},
    {"CorvaneEmberTide", 14},
    {"CorvaneValdoro", 15},
};

constexpr KeywordCode kHullTypes[] = {
    {"FF", 0},      {"DD", 1},        {"CL", 2},    {"CA", 3},   {"DN", 4},   {"F", 5},
    {"SB", 6},      {"BS", 7},        {"BT", 8},    {"KLP", 10}, {"KDP", 11}, {"KSD", 12},
    {"MAM", 13},    {"MSG", 14},      {"MDM", 15},  {"MLC", 16}, {"MMT", 17}, {"MSS", 18},
    {"Planet", 24}, {"Asteroid", 27}, {"Star", 26}, {"BOX", 20}, {"XMN", 21}, {"FTR", 22},
    {"SHT", 23},    {"AB", 9},        {"MIT", 19},
};

constexpr KeywordCode kHullClasses[] = {
    {"SHUTTLE", 0},           {"PF", 1},
    {"FREIGHTER", 2},         {"FRIGATE", 3},
    {"DESTROYER", 4},         {"WAR_DESTROYER", 5},
    {"LIGHT_CRUISER", 6},     {"HEAVY_CRUISER", 7},
    {"NEW_HEAVY_CRUISER", 8}, {"HEAVY_BATTLECRUISER", 9},
    {"CARRIER", 10},          {"DREADNOUGHT", 11},
    {"BATTLESHIP", 12},       {"LISTENING_POST", 13},
    {"BASE_STATION", 14},     {"BATTLE_STATION", 15},
    {"STARBASE", 16},         {"MONSTER", 17},
    {"PLANET", 18},           {"SPECIAL", 19},
};

constexpr KeywordCode kLetters[] = {
    {"C", 0}, {"D", 1},  {"K", 2},  {"KM", 3}, {"M", 4},  {"S", 5},  {"R", 6},  {"NT", 7}, {"E", 8},
    {"I", 9}, {"L", 10}, {"P", 11}, {"Q", 12}, {"T", 13}, {"V", 14}, {" ", 15}, {"A", 16},
};

constexpr KeywordCode kWeapons[] = {
    {"Phot", 0},   {"PhoF", 1},  {"Dis1", 3},  {"Dis2", 4},  {"Dis3", 5},   {"Dis4", 6},
    {"DisF", 7},   {"Fus", 9},   {"FusF", 10}, {"HB", 11},   {"HellF", 12}, {"PlaR", 13},
    {"PlaS", 14},  {"PlaG", 15}, {"PlaF", 16}, {"PlaI", 17}, {"PlaD", 18},  {"ESG", 21},
    {"PPD", 23},   {"DroA", 30}, {"DroB", 31}, {"DroC", 32}, {"DroD", 33},  {"DroE", 34},
    {"DroF", 35},  {"DroG", 36}, {"DroH", 37}, {"DroI", 38}, {"DroVI", 39}, {"Ph1", 43},
    {"Ph2", 44},   {"Ph3", 45},  {"PhG", 46},  {"Ph4", 48},  {"ADD6", 50},  {"ADD12", 51},
    {"ADD30", 52}, {"PhA", 25},  {"PhB", 26},  {"PhX", 49},  {"PhG2", 47},  {"ESGL", 22},
    {"PhoH", 2},   {"DisH", 8},  {"DroM", 40}, {"PlaX", 19}, {"PlaE", 20},  {"MLR", 24},
};

constexpr KeywordCode kArcs[] = {
    {"1", 0},     {"2", 1},    {"3", 2},    {"FXL", 39}, {"FXR", 40},  {"RXL", 41},  {"RXR", 42},
    {"FA", 8},    {"RS", 9},   {"FRR", 10}, {"FLL", 11}, {"FH", 12},   {"RH", 13},   {"LS", 14},
    {"FX", 15},   {"RX", 16},  {"RRR", 17}, {"LLR", 18}, {"FAR", 19},  {"FAL", 20},  {"ALL", 21},
    {"RW", 22},   {"LW", 23},  {"FHR", 24}, {"FHL", 25}, {"RA", 26},   {"RWX", 27},  {"LWX", 28},
    {"RP", 29},   {"LP", 30},  {"RAR", 31}, {"RAL", 32}, {"FLLX", 33}, {"FRRX", 34}, {"MLR", 37},
    {"FARA", 35}, {"KFX", 36},
};

// The first eight bytes of a keyword with the letters a to z as capitals, packed into one number
// (a shorter keyword leaves zero bytes). Keywords equal without regard to case have equal lengths
// and equal heads, so a lookup compares two numbers per entry and compares bytes only for the
// few keywords longer than eight.
constexpr uint64_t FoldedHead(std::string_view text) {
    uint64_t head = 0;
    for (std::size_t i = 0; i < text.size() && i < 8; ++i)
        head |= uint64_t{static_cast<unsigned char>(AsciiUpper(text[i]))} << (8 * i);
    return head;
}

struct IndexedKeyword {
    uint64_t head = 0;
    KeywordCode entry{};
};

template <std::size_t N>
struct IndexedTable {
    std::array<IndexedKeyword, N> keywords{};
};

template <std::size_t N>
constexpr IndexedTable<N> Indexed(const KeywordCode (&table)[N]) {
    IndexedTable<N> indexed;
    for (std::size_t i = 0; i < N; ++i)
        indexed.keywords[i] = {FoldedHead(table[i].keyword), table[i]};
    return indexed;
}

constexpr auto kRacesIndexed = Indexed(kRaces);
constexpr auto kHullTypesIndexed = Indexed(kHullTypes);
constexpr auto kHullClassesIndexed = Indexed(kHullClasses);
constexpr auto kLettersIndexed = Indexed(kLetters);
constexpr auto kWeaponsIndexed = Indexed(kWeapons);
constexpr auto kArcsIndexed = Indexed(kArcs);

template <std::size_t N>
int32_t Lookup(const IndexedTable<N>& table, std::string_view keyword, int32_t unmatched) {
    const uint64_t head = FoldedHead(keyword);
    for (const IndexedKeyword& indexed : table.keywords) {
        const std::string_view candidate = indexed.entry.keyword;
        if (indexed.head == head && candidate.size() == keyword.size() &&
            (keyword.size() <= 8 || EqualsIgnoringAsciiCase(candidate, keyword)))
            return indexed.entry.code;
    }
    return unmatched;
}

}  // namespace

int32_t RaceCode(const std::string& keyword) {
    if (keyword.empty())
        return -1;
    return Lookup(kRacesIndexed, keyword, -2);
}

int32_t HullTypeCode(const std::string& keyword) {
    return Lookup(kHullTypesIndexed, keyword, 43);
}

int32_t HullClassCode(const std::string& keyword) {
    return Lookup(kHullClassesIndexed, keyword, -1);
}

int32_t LetterCode(const std::string& keyword) {
    if (keyword.empty())
        return -1;
    return Lookup(kLettersIndexed, keyword, -1);
}

int32_t GradeCode(const std::string& keyword) {
    if (keyword.empty())
        return -1;
    if (EqualsIgnoringAsciiCase(keyword, "AA"))
        return 0;
    // Past "AA" only the first character counts, and only in upper case.
    const char first = keyword[0];
    if (first >= 'A' && first <= 'H')
        return first - 'A' + 1;
    return -1;
}

int32_t WeaponCode(const std::string& keyword) {
    if (keyword.empty())
        return -1;
    return Lookup(kWeaponsIndexed, keyword, -1);
}

int32_t ArcCode(const std::string& keyword) {
    if (keyword.empty())
        return -1;
    return Lookup(kArcsIndexed, keyword, -1);
}

bool IsUnknownKeyword(KeywordKind kind, std::string_view keyword, int32_t code) {
    if (keyword.empty())
        return false;
    switch (kind) {
        case KeywordKind::kRace:
            return code == -2;
        case KeywordKind::kHullType:
            return code == 43;
        default:
            return code == -1;
    }
}

namespace {

template <std::size_t N>
const char* KeywordOf(const KeywordCode (&table)[N], int32_t code) {
    for (const KeywordCode& entry : table) {
        if (entry.code == code)
            return entry.keyword.data();
    }
    return nullptr;
}

}  // namespace

const char* RaceKeyword(int32_t code) {
    return KeywordOf(kRaces, code);
}

const char* HullClassKeyword(int32_t code) {
    return KeywordOf(kHullClasses, code);
}
