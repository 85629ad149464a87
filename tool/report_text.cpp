#include "tool/report_text.h"

#include <cstdio>

#include "gamedata/code_tables.h"

std::string Printable(std::string_view text) {
    if (text.empty())
        return "-";
    std::string printable;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t') {
            printable += "\\t";
        } else if (c == '\n') {
            printable += "\\n";
        } else if (c == '\r') {
            printable += "\\r";
        } else if (byte < 32 || byte > 126) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(byte));
            printable += escaped;
        } else {
            printable += c;
        }
    }
    return printable;
}

std::string Quoted(std::string_view text) {
    return "\"" + (text.empty() ? std::string() : Printable(text)) + "\"";
}

std::string RaceName(int32_t race) {
    if (const char* keyword = RaceKeyword(race))
        return keyword;
    return "unknown (" + std::to_string(race) + ")";
}

std::string HullClassName(int32_t hullClass) {
    if (const char* keyword = HullClassKeyword(hullClass))
        return keyword;
    return "none (" + std::to_string(hullClass) + ")";
}

std::string Counted(std::size_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string FindingsCount(std::size_t count) {
    return Counted(count, "finding");
}

std::string FindingsCount(std::size_t count, std::size_t notes) {
    return FindingsCount(count) + ", " + Counted(notes, "note");
}

const char* ModeName(bool sectorAssault) {
    return sectorAssault ? "Sector Assault mode" : "normal mode";
}

std::string LeftOutBecause(ModeVerdict verdict, const ShipSpecCore& ship) {
    switch (verdict) {
        case ModeVerdict::kNotCorvane:
            return "the race is " + RaceName(ship.race) + ", and it offers Corvane ships only";
        case ModeVerdict::kNotWarship:
            return "hull class " + HullClassName(ship.hullClass) +
                   " is not a warship class (FRIGATE to BATTLESHIP)";
        case ModeVerdict::kNotBase:
            return "hull class " + HullClassName(ship.hullClass) +
                   " is not a base (BASE_STATION, BATTLE_STATION or STARBASE)";
        case ModeVerdict::kNeutralRace:
            return "it leaves out the race Neutral";
        case ModeVerdict::kOffered:
            break;
    }
    return "it is offered";
}

const char* RuleName(ModeVerdict verdict) {
    switch (verdict) {
        case ModeVerdict::kNotCorvane:
            return "not Corvane";
        case ModeVerdict::kNotWarship:
            return "not a warship";
        case ModeVerdict::kNotBase:
            return "not a base";
        case ModeVerdict::kNeutralRace:
            return "Neutral";
        case ModeVerdict::kOffered:
            break;
    }
    return "offered";
}
