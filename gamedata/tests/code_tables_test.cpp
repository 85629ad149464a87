#include "gamedata/code_tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct CodeCase {
    std::string keyword;
    int32_t code;
};

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// Keywords give their code as written, in capitals and in small letters.
void ExpectTable(int32_t (*lookup)(const std::string&), const std::vector<CodeCase>& table) {
    for (const CodeCase& entry : table) {
        EXPECT_EQ(lookup(entry.keyword), entry.code) << '"' << entry.keyword << '"';
        EXPECT_EQ(lookup(Upper(entry.keyword)), entry.code) << '"' << Upper(entry.keyword) << '"';
        EXPECT_EQ(lookup(Lower(entry.keyword)), entry.code) << '"' << Lower(entry.keyword) << '"';
    }
}

// Texts that are not keywords, with the code each gives.
void ExpectOthers(int32_t (*lookup)(const std::string&), const std::vector<CodeCase>& cases) {
    for (const CodeCase& entry : cases) {
        EXPECT_EQ(lookup(entry.keyword), entry.code) << '"' << entry.keyword << '"';
    }
}

TEST(CodeTables, RaceCode) {
    ExpectTable(RaceCode, {{"Concordat", 0},
                           {"Pellan", 7},
                           {"Corvane", 16},
                           {"Neutral", 23},
                           {"CorvaneCorvane", 8},
                           {"CorvaneDuskReavers", 12},
                           {"CorvaneValdoro", 15}});
    ExpectOthers(RaceCode, {{"", -1},
                            {"cONCORDAt", 0},
                            {"Concordat ", -2},
                            {" Concordat", -2},
                            {"Concorda", -2},
                            {"Concordat\n", -2},
                            {"Klingon", -2}});
}

TEST(CodeTables, HullTypeCode) {
    ExpectTable(HullTypeCode, {{"FF", 0},
                               {"F", 5},
                               {"KLP", 10},
                               {"Planet", 24},
                               {"Asteroid", 27},
                               {"Star", 26},
                               {"FTR", 22},
                               {"SHT", 23},
                               {"AB", 9},
                               {"MIT", 19}});
    ExpectOthers(HullTypeCode, {{"", 43}, {"Unknown", 43}, {"FFF", 43}, {"F ", 43}});
}

TEST(CodeTables, HullClassCode) {
    ExpectTable(HullClassCode, {{"SHUTTLE", 0},
                                {"PF", 1},
                                {"NEW_HEAVY_CRUISER", 8},
                                {"BATTLESHIP", 12},
                                {"BASE_STATION", 14},
                                {"STARBASE", 16},
                                {"SPECIAL", 19}});
    ExpectOthers(HullClassCode, {{"", -1}, {"NONE", -1}, {"P", -1}, {"BASE STATION", -1}});
}

TEST(CodeTables, LetterCode) {
    ExpectTable(LetterCode, {{"C", 0}, {"KM", 3}, {"NT", 7}, {"V", 14}, {" ", 15}, {"A", 16}});
    ExpectOthers(LetterCode, {{"", -1}, {"  ", -1}, {"B", -1}, {"N", -1}, {"CK", -1}});
}

TEST(CodeTables, GradeCode) {
    ExpectOthers(GradeCode, {{"", -1},
                             {"AA", 0},
                             {"aa", 0},
                             {"aA", 0},
                             {"A", 1},
                             {"AAA", 1},
                             {"A+", 1},
                             {"a", -1},
                             {"B", 2},
                             {"Bxyz", 2},
                             {"E", 5},
                             {"H", 8},
                             {"I", -1},
                             {"h", -1},
                             {" A", -1}});
}

TEST(CodeTables, WeaponCode) {
    ExpectTable(WeaponCode, {{"Phot", 0},
                             {"Dis1", 3},
                             {"HellF", 12},
                             {"PPD", 23},
                             {"DroA", 30},
                             {"DroVI", 39},
                             {"ADD30", 52},
                             {"PhG2", 47},
                             {"PhoH", 2},
                             {"MLR", 24}});
    ExpectOthers(WeaponCode,
                 {{"", -1}, {"DROA", 30}, {"Dro", -1}, {"Pho", -1}, {"Ph1 ", -1}, {"FA", -1}});
}

TEST(CodeTables, ArcCode) {
    ExpectTable(ArcCode, {{"1", 0},
                          {"2", 1},
                          {"3", 2},
                          {"FXL", 39},
                          {"RXR", 42},
                          {"FA", 8},
                          {"FAR", 19},
                          {"FRRX", 34},
                          {"MLR", 37},
                          {"FARA", 35},
                          {"KFX", 36}});
    ExpectOthers(ArcCode, {{"", -1}, {"4", -1}, {"F", -1}, {"FA\n", -1}, {"01", -1}, {"Phot", -1}});
}

}  // namespace
