#include "bench/table_generator.h"

#include <cstddef>
#include <fstream>
#include <string_view>
#include <vector>

namespace bench {

namespace {

constexpr int kShipColumns = 153;
constexpr int kFighterColumns = 36;
constexpr int kShipMounts = 25;
constexpr int kFighterMounts = 5;
constexpr int kBays = 4;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEndLine = "\tThis is the last line.  End of File.";

// A small, fully specified generator, so that every platform and library writes the same tables
// (the distributions of <random> are not specified bit for bit).
class SplitMix64 {
  public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // An integer from lo to hi, both included.
    int between(int lo, int hi) {
        return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }

    // True with the given chance in percent.
    bool percent(int chance) { return between(0, 99) < chance; }

    template <typename T, std::size_t N>
    const T& pick(const T (&items)[N]) {
        return items[next() % N];
    }

  private:
    std::uint64_t state_;
};

struct Race {
    std::string_view keyword;
    std::string_view prefix;  // class names of the race begin with it
    int weight;
};

// The major empires dominate a real table; the Corvane sub-races, monsters and neutrals are few.
constexpr Race kRaces[] = {
    {"Concordat", "CN", 4},
    {"Vorrak", "VR", 4},
    {"Saevane", "SV", 4},
    {"Tessik", "TS", 4},
    {"Quellar", "QL", 4},
    {"Skarn", "SK", 4},
    {"Ixo", "IX", 4},
    {"Pellan", "PL", 4},
    {"Corvane", "CV", 4},
    {"Monster", "MN", 1},
    {"Neutral", "NT", 2},
    {"CorvaneCorvane", "CC", 1},
    {"CorvaneBrakkos", "CB", 1},
    {"CorvanePrime", "CP", 1},
    {"CorvaneIronFang", "IF", 1},
    {"CorvaneDuskReavers", "DR", 1},
    {"CorvaneSyndicate", "SY", 1},
    {"CorvaneEmberTide", "ET", 1},
    {"CorvaneValdoro", "VD", 1},
};
constexpr int kRaceCount = static_cast<int>(sizeof kRaces / sizeof kRaces[0]);
constexpr int kCorvaneIndex = 8;

struct HullClass {
    std::string_view keyword;
    std::string_view hullType;
    int weight;
    int minBpv, maxBpv;
    int minMounts, maxMounts;
    bool warship;     // kept by normal mode (frigate to battleship)
    bool alwaysBays;  // carriers and bases carry fighters
};

constexpr HullClass kHullClasses[] = {
    {"FRIGATE", "FF", 12, 40, 80, 3, 5, true, false},
    {"DESTROYER", "DD", 12, 70, 110, 4, 6, true, false},
    {"WAR_DESTROYER", "DD", 8, 85, 120, 4, 7, true, false},
    {"LIGHT_CRUISER", "CL", 10, 95, 135, 5, 8, true, false},
    {"HEAVY_CRUISER", "CA", 10, 120, 170, 6, 10, true, false},
    {"NEW_HEAVY_CRUISER", "CA", 6, 130, 180, 6, 10, true, false},
    {"HEAVY_BATTLECRUISER", "CA", 5, 150, 200, 7, 11, true, false},
    {"CARRIER", "CL", 6, 110, 200, 4, 7, true, true},
    {"DREADNOUGHT", "DN", 5, 190, 260, 9, 13, true, false},
    {"BATTLESHIP", "BS", 3, 250, 330, 10, 15, true, false},
    {"PF", "F", 5, 15, 35, 2, 3, false, false},
    {"FREIGHTER", "FF", 4, 20, 60, 0, 2, false, false},
    {"SHUTTLE", "SHT", 1, 2, 8, 0, 1, false, false},
    {"LISTENING_POST", "SB", 1, 30, 70, 2, 4, false, false},
    {"BASE_STATION", "SB", 2, 100, 160, 6, 10, false, true},
    {"BATTLE_STATION", "BT", 2, 180, 240, 8, 12, false, true},
    {"STARBASE", "SB", 1, 380, 460, 12, 18, false, true},
    {"MONSTER", "MSG", 1, 100, 400, 1, 4, false, false},
};

constexpr std::string_view kWeapons[] = {
    "Phot", "PhoF",  "Dis1", "Dis2", "Dis3", "Dis4", "DisF", "Fus",  "FusF", "HB",   "HellF",
    "PlaR", "PlaS",  "PlaG", "PlaF", "PlaI", "PlaD", "ESG",  "PPD",  "DroA", "DroB", "DroC",
    "DroD", "DroE",  "DroF", "DroG", "DroH", "DroI", "Ph1",  "Ph2",  "Ph3",  "PhG",  "Ph4",
    "ADD6", "ADD12", "PhA",  "PhB",  "PhX",  "ESGL", "PhoH", "DisH", "DroM", "MLR",
};
// Phasers and drones are by far the most common mounts.
constexpr std::string_view kCommonWeapons[] = {"Ph1",  "Ph1",  "Ph1",  "Ph2",  "Ph3",  "Ph3",
                                               "DroA", "DroB", "Dis2", "Dis3", "Phot", "PlaR"};
constexpr std::string_view kArcs[] = {"FA",  "FX",  "RX",  "LS",  "RS",  "FH",  "RH",  "ALL",
                                      "FXL", "FXR", "RA",  "LW",  "RW",  "FAL", "FAR", "LP",
                                      "RP",  "FLL", "FRR", "RRR", "LLR", "FHL", "FHR"};
constexpr std::string_view kFighterArcs[] = {"FA", "FA", "FA", "ALL", "FX"};
constexpr std::string_view kLetters[] = {"C", "D", "K", "KM", "M", "S", "R", "E", "I", "L"};
constexpr std::string_view kGrades[] = {"AA", "A", "B", "C", "D", "E", "F", "G", "H"};
constexpr std::string_view kMoveCosts[] = {"0.33", "0.5", "0.67", "1", "1.5", "2"};
constexpr std::string_view kShipWords[] = {"Falcon", "Osprey", "Condor", "Raven",  "Heron",
                                           "Shrike", "Merlin", "Egret",  "Petrel", "Ibis",
                                           "Kestrl", "Harier", "Grebe",  "Avocet", "Tern"};
constexpr std::string_view kFighterWords[] = {"Wasp",   "Hornet", "Gnat",   "Midge",  "Moth",
                                              "Cicada", "Mantis", "Locust", "Beetle", "Aphid"};
constexpr std::string_view kNotes[] = {
    "Patrol frigate of the outer sectors",
    "Refitted escort of the second fleet",
    "Command variant with improved sensors",
    "Long-range scout, lightly armed",
    "Heavy escort carrier",
    "Late production model",
};

// Class names: race prefix, a word, the row number. The words hold no digits, so the number makes
// each name unique; at most 2 + 1 + 6 + 6 = 15 characters for tables of up to a million rows.
std::string ClassName(std::string_view prefix, std::string_view word, int number) {
    std::string name(prefix);
    name += '-';
    name += word;
    name += std::to_string(number);
    return name;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

// Builds one row column by column.
class RowBuilder {
  public:
    explicit RowBuilder(std::string& out) : out_(out) {}

    void text(std::string_view value) {
        if (columns_++ > 0)
            out_ += '\t';
        out_ += value;
    }
    void number(int value) { text(std::to_string(value)); }
    void end() { out_ += kLineEnd; }

  private:
    std::string& out_;
    int columns_ = 0;
};

template <typename T, std::size_t N>
int WeightedIndex(SplitMix64& random, const T (&items)[N]) {
    int total = 0;
    for (const T& item : items)
        total += item.weight;
    int roll = random.between(0, total - 1);
    for (std::size_t i = 0; i < N; ++i) {
        roll -= items[i].weight;
        if (roll < 0)
            return static_cast<int>(i);
    }
    return static_cast<int>(N - 1);
}

struct Fighter {
    int race;
    std::string name;
};

struct Craft {
    const std::string* name;
    int maxCount;
};

class Generator {
  public:
    Generator(int shipRows, std::uint64_t seed)
        : shipRows_(shipRows), fighterRows_(shipRows / 10 > 0 ? shipRows / 10 : 1), random_(seed) {
        fightersByRace_.resize(kRaceCount);
    }

    void fighterTable(std::string& out, TableStats& stats) {
        out += "Halvane Reach fighter list, generated for benchmarks\r\n";
        out += "Shots: firings per turn of each mount.  CraftCode XSH marks a shuttle.\r\n";
        out += "Race\tClassName\tSpeed";
        for (int mount = 1; mount <= kFighterMounts; ++mount) {
            const std::string n = std::to_string(mount);
            out += "\tWpn" + n + "Num\tWpn" + n + "Type\tWpn" + n + "Arc\tWpn" + n + "Shots";
        }
        out +=
            "\tDamage\tCharge\tDogfight\tYearInService\tCrew\tBPV\tSize\tCommandCost\tTurn"
            "\tEndurance\tCraftCode\tModel\tNotes\r\n";
        for (int i = 0; i < fighterRows_; ++i)
            fighterRow(out, i);
        out += kEndLine;
        out += kLineEnd;
        stats.fighterRows = fighterRows_;
    }

    // Calls `flush` whenever the text has grown large, so that big tables never sit in memory
    // whole.
    template <typename Flush>
    void shipTable(std::string& out, TableStats& stats, Flush flush) {
        out += "Halvane Reach ship list, generated for benchmarks\r\n";
        out += "Numbers in points; shields per facing: front, front sides, rear sides, rear.\r\n";
        out += "Race\tHull\tClassName\tClassType\tBPV";
        for (int column = 6; column <= kShipColumns; ++column)
            out += "\tCol" + std::to_string(column);
        out += kLineEnd;
        for (int i = 0; i < shipRows_; ++i) {
            shipRow(out, i, stats);
            if (out.size() > (1u << 20))
                flush(out);
        }
        out += kEndLine;
        out += kLineEnd;
        stats.shipRows = shipRows_;
    }

  private:
    void fighterRow(std::string& out, int index) {
        // The first data row must be a Concordat fighter; then every race in turn, so that each
        // race has fighters for its carriers.
        const int race = index % kRaceCount;
        const Race& r = kRaces[race];
        fighters_.push_back({race, ClassName(r.prefix, random_.pick(kFighterWords), index)});
        fightersByRace_[static_cast<std::size_t>(race)].push_back(fighters_.size() - 1);

        RowBuilder row(out);
        row.text(r.keyword);
        row.text(fighters_.back().name);
        row.number(random_.between(6, 30));
        const int armed = random_.between(0, 3);
        for (int mount = 0; mount < kFighterMounts; ++mount) {
            if (mount < armed) {
                row.number(random_.between(1, 2));
                row.text(random_.pick(kCommonWeapons));
                row.text(random_.pick(kFighterArcs));
                row.number(random_.between(1, 2));
            } else {
                row.text("0");
                row.text("");
                row.text("");
                row.text("0");
            }
        }
        row.number(random_.between(6, 16));     // 24 damage
        row.number(0);                          // 25 charge
        row.number(random_.between(0, 4));      // 26 dogfight
        row.number(random_.between(140, 180));  // 27 year
        row.number(1);                          // 28 crew
        row.number(random_.between(1, 12));     // 29 point value
        row.number(random_.between(1, 2));      // 30 size
        row.number(random_.between(1, 2));      // 31 command cost
        row.number(1);                          // 32 turn
        row.number(random_.between(4, 8));      // 33 endurance
        const int kind = random_.between(0, 99);
        row.text(kind < 5 ? "XSH" : kind < 15 ? "XHF" : "XFT");            // 34 craft code
        row.text(Lower(fighters_.back().name));                            // 35 model
        row.text(random_.percent(20) ? "Heavy fighter of the line" : "");  // 36 notes
        row.end();
    }

    void shipRow(std::string& out, int index, TableStats& stats) {
        const int race = index == 0 ? 0 : WeightedIndex(random_, kRaces);
        const Race& r = kRaces[race];
        const HullClass& hull = kHullClasses[WeightedIndex(random_, kHullClasses)];
        const bool pf = hull.keyword == "PF";
        const std::string name = ClassName(r.prefix, random_.pick(kShipWords), index);

        RowBuilder row(out);
        row.text(r.keyword);
        row.text(hull.hullType);
        row.text(name);
        row.text(hull.keyword);
        row.number(random_.between(hull.minBpv, hull.maxBpv));  // 5
        row.text(random_.pick(kLetters));                       // 6
        row.number(random_.between(140, 185));                  // 7 year
        row.number(random_.between(6, 10));                     // 8 command
        row.number(random_.between(8, 60));                     // 9 crew
        row.text(random_.pick(kGrades));                        // 10
        row.text(random_.pick(kMoveCosts));                     // 11
        for (int column = 12; column <= 15; ++column)
            row.number(random_.between(0, 20));
        const int marines = random_.between(2, 20);
        row.number(marines);                          // 16
        row.number(marines + random_.between(0, 8));  // 17
        for (int column = 18; column <= 20; ++column)
            row.number(random_.between(0, 4));
        const int shield = random_.between(8, 40);
        row.number(shield);                           // 21 front
        row.number(shield - random_.between(0, 6));   // 22 front sides
        row.number(shield - random_.between(2, 10));  // 23 rear sides
        row.number(shield - random_.between(4, 12));  // 24 rear
        row.number(random_.between(0, 4));            // 25
        row.number(0);                                // 26

        const int armed = random_.between(hull.minMounts, hull.maxMounts);
        for (int mount = 0; mount < kShipMounts; ++mount) {
            if (mount < armed) {
                row.number(random_.between(1, 4));
                row.text(random_.percent(70) ? random_.pick(kCommonWeapons)
                                             : random_.pick(kWeapons));
                row.text(random_.pick(kArcs));
            } else {
                row.text("0");
                row.text("");
                row.text("");
            }
        }

        row.number(random_.between(0, 2));  // 102 probes
        const int mines = random_.percent(20) ? random_.between(1, 4) : 0;
        row.number(mines);                          // 103
        row.number(mines + random_.between(0, 6));  // 104
        for (int column = 105; column <= 111; ++column)
            row.number(random_.between(0, 30));
        const int shuttles = random_.between(0, 6);
        row.number(shuttles);                          // 112
        row.number(shuttles + random_.between(0, 4));  // 113

        // About a fifth of the ships carry crafts: every carrier and base, and a few others.
        int bays = 0;
        if (hull.alwaysBays || random_.percent(9))
            bays = random_.between(1, 2);
        for (int bay = 0; bay < kBays; ++bay) {
            if (bay < bays) {
                const Craft craft = chooseCraft(race);
                row.number(random_.between(1, craft.maxCount));
                row.text(*craft.name);
            } else {
                row.text("0");
                row.text("");
            }
        }
        if (bays > 0)
            ++stats.rowsWithBays;

        for (int column = 122; column <= 147; ++column) {
            if (column == 145)
                row.number(random_.between(0, 8));  // repairs
            else
                row.number(random_.between(0, 12));
        }
        row.text(Lower(name));                                   // 148 model
        row.text(Lower(r.prefix) + "_" + Lower(hull.hullType));  // 149 icon
        row.text(hull.hullType);                                 // 150 designation
        row.text(random_.percent(30) ? random_.pick(kNotes) : std::string_view());  // 151
        // 152: now and then the class this one is a refit of
        row.text(random_.percent(5) ? std::string_view(previousName_) : std::string_view());
        row.number(random_.between(1, 3));  // 153 revision
        row.end();

        previousName_ = name;
        if (pf) {
            ++stats.pfRows;
            pfs_.push_back(name);
        }
        if (race == kCorvaneIndex && hull.warship)
            ++stats.corvaneWarships;
    }

    // A fighter of the ship's own race mostly; now and then a PF that stands earlier in the table,
    // which both reader passes know by the time they meet the row.
    Craft chooseCraft(int race) {
        if (!pfs_.empty() && random_.percent(10))
            return {&pfs_[random_.next() % pfs_.size()], 2};
        const std::vector<std::size_t>& own = fightersByRace_[static_cast<std::size_t>(race)];
        const std::size_t pick =
            own.empty() ? random_.next() % fighters_.size() : own[random_.next() % own.size()];
        return {&fighters_[pick].name, 6};
    }

    int shipRows_;
    int fighterRows_;
    SplitMix64 random_;
    std::vector<Fighter> fighters_;
    std::vector<std::vector<std::size_t>> fightersByRace_;
    std::vector<std::string> pfs_;
    std::string previousName_;
};

bool WriteText(std::ofstream& file, std::string& text, std::uint64_t& bytes) {
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    bytes += text.size();
    text.clear();
    return static_cast<bool>(file);
}

}  // namespace

bool WriteTables(int shipRows, const std::string& directory, TableStats& stats,
                 std::uint64_t seed) {
    stats = TableStats();
    Generator generator(shipRows, seed);
    std::string text;

    std::ofstream fighters(directory + "/ftrlist.txt", std::ios::binary | std::ios::trunc);
    if (!fighters)
        return false;
    generator.fighterTable(text, stats);
    if (!WriteText(fighters, text, stats.fighterTableBytes))
        return false;
    fighters.close();
    if (!fighters)
        return false;

    std::ofstream ships(directory + "/shiplist.txt", std::ios::binary | std::ios::trunc);
    if (!ships)
        return false;
    bool written = true;
    generator.shipTable(text, stats, [&](std::string& part) {
        written = WriteText(ships, part, stats.shipTableBytes) && written;
    });
    written = WriteText(ships, text, stats.shipTableBytes) && written;
    ships.close();
    return written && static_cast<bool>(ships);
}

}  // namespace bench
