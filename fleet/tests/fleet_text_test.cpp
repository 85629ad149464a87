#include "fleet/fleet_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <random>
#include <string>

namespace {

FleetSlot Ship(const std::string& name, int32_t base, int32_t adjusted) {
    FleetSlot slot;
    EXPECT_TRUE(SetShipCode(slot, name));
    slot.baseBpv = base;
    slot.adjustedBpv = adjusted;
    slot.missileType = 1;
    slot.missileSpeed = 1;
    return slot;
}

FleetFileContents Contents(int32_t count, std::initializer_list<FleetSlot> records) {
    FleetFileContents contents;
    contents.count = count;
    size_t i = 0;
    for (const FleetSlot& record : records)
        contents.records[i++] = record;
    return contents;
}

// A fleet file as other tools may write it: any count, any number of records (the last one
// perhaps cut short), any 32-bit values, names of any bytes up to the whole field with or
// without a terminator, made of bytes and words that the text's grammar gives a meaning to.
std::string RandomFleetFile(std::mt19937& random) {
    auto pick = [&random](int64_t low, int64_t high) {
        return std::uniform_int_distribution<int64_t>(low, high)(random);
    };
    auto index = [&pick](size_t size) { return static_cast<size_t>(pick(0, int64_t(size) - 1)); };
    const std::string grammar = " \xA0\t\x01\x7F\"\\,;:()>\xE9-*+#.\x93\x94\x95\xC2\xE2\x80\x9D";
    const char* const words[] = {
        "V-CA",           "x",        " 10",         " 10 marines", " Fast ",        " Type I",
        " 2 bays of 1 x", "1.",       " x2",         "10x ",        " +10 marines.", "\xC2\xA0",
        "\xE2\x80\x9C",   "\xC3\xA0", " ten marines"};
    auto name = [&](size_t size) {
        std::string text;
        const size_t length = pick(0, 1) == 0 ? size : index(size + 1);
        while (text.size() < length) {
            const int64_t kind = pick(0, 3);
            text += kind == 0   ? std::string(1, static_cast<char>(pick(1, 255)))
                    : kind == 1 ? std::string(1, grammar[index(grammar.size())])
                                : words[index(std::size(words))];
        }
        text.resize(length);
        // Bytes after a terminator, which Save does not keep.
        if (length < size && pick(0, 3) == 0)
            text += std::string(1, '\0') + "junk";
        text.resize(size, '\0');
        return text;
    };
    auto number = [&]() {
        return static_cast<uint32_t>(pick(0, 2) == 0 ? pick(0, UINT32_MAX) : pick(-2, 12));
    };
    std::string file(kFleetHeaderSize, '\0');
    auto* bytes = reinterpret_cast<unsigned char*>(file.data());
    WriteLittleEndian32(bytes, kFleetFileVersion);
    WriteLittleEndian32(bytes + 4, pick(0, 1) == 0 ? number() : static_cast<uint32_t>(pick(0, 3)));
    for (int64_t records = pick(0, 4); records > 0; --records) {
        std::string record(kFleetSlotSize, '\0');
        if (pick(0, 5) != 0) {
            auto* fields = reinterpret_cast<unsigned char*>(record.data());
            for (size_t offset = 16; offset < 64; offset += 4)
                WriteLittleEndian32(fields + offset, number());
            record.replace(0, FleetSlot::kShipCodeSize, name(FleetSlot::kShipCodeSize));
            if (pick(0, 1) == 0)
                record.replace(64, FleetSlot::kFighterTypeSize, name(FleetSlot::kFighterTypeSize));
        }
        file += record;
    }
    const auto cut = static_cast<size_t>(pick(0, 1) == 0 ? pick(0, 30) : 0);
    if (file.size() >= kFleetHeaderSize + cut)
        file.resize(file.size() - cut);
    return file;
}

// Load, Copy Fleet as Text, Paste Fleet, Save: the file Save writes after the Load alone.
TEST(FleetText, AnyFileLoadAcceptsGoesToTextAndBackAsSaveWritesIt) {
    std::mt19937 random(20240613);
    for (int round = 0; round < 5000; ++round) {
        const std::string file = RandomFleetFile(random);
        FleetFileContents loaded;
        ASSERT_EQ(DecodeFleetFile(reinterpret_cast<const unsigned char*>(file.data()), file.size(),
                                  loaded),
                  FleetFileKind::kFleet);
        const std::string text = FormatFleetText(loaded, round % 2 == 0 ? "\n" : "\r\n");
        FleetFileContents parsed;
        std::string error;
        ASSERT_TRUE(ParseFleetText(text, parsed, error)) << error << "\n" << text;
        EXPECT_EQ(parsed.count, loaded.count) << text;
        ASSERT_EQ(EncodeFleetFile(parsed), EncodeFleetFile(loaded)) << text;
    }
}

TEST(FleetText, ReadsAsPeopleWriteIt) {
    FleetSlot cruiser = Ship("V-CL", 90, 114);
    cruiser.missileType = 4;
    cruiser.missileSpeed = 2;
    cruiser.missileReloads = 2;
    cruiser.marinesTaken = 6;
    cruiser.minesTaken = 1;
    FleetSlot carrier = Ship(" V-CV", 150, 144);
    carrier.fighterBays = 2;
    carrier.fightersPerBay = 4;
    SetFighterType(carrier, "VS-9, \"Wasp\"");
    carrier.reserved = 7;
    // What only other tools write: codes the picker never does, a name filling its field with a
    // control byte in it, blanks of a web page at the ends of a name.
    FleetSlot odd = Ship("", 70, 0);
    std::memcpy(odd.shipCode,
                "V-DD\x7F"
                "ABCDEFGHIJK",
                FleetSlot::kShipCodeSize);
    odd.missileType = 2;
    odd.missileSpeed = 7;
    odd.fighterBays = 1;
    odd.fightersPerBay = 2;
    SetFighterType(odd, "\xA0Raptor\xA0");
    const FleetFileContents fleet = Contents(-1, {cruiser, carrier, odd});

    const std::string written =
        "Kestrivar fleet\n"
        "Ship count -1\n"
        "V-CL (BPV 90, adjusted 114): Type IV missiles, Medium, 2 reloads; 6 marines, 1 mine\n"
        "\" V-CV\" (BPV 150, adjusted 144): 2 bays of 4 \"VS-9, \\\"Wasp\\\"\"; reserved 7\n"
        "\"V-DD\\x7FABCDEFGHIJK\" (BPV 70, adjusted 0): missile type 2, missile speed 7, 0 "
        "reloads; 1 bay of 2 \"\xA0Raptor\xA0\"\n"
        "Total BPV 258\n";
    EXPECT_EQ(FormatFleetText(fleet), written);

    const std::string byHand =
        "\r\n> KESTRIVAR   Fleet \r\n"
        ">\r\n"
        "> > ship count -1\r\n"
        ">V-CL(bpv 90,adjusted 114) :2 Reload ,1 mines;medium;type iv,6 MARINE\r\n"
        "\t\" V-CV\" ( BPV 150 , Adjusted 144 ) : reserved 7; 2 bay of 4 \"VS-9, "
        "\\x22Wasp\\\"\"\r\n"
        "\xA0> \xA0\"V-DD\\x7fABCDEFGHIJK\"\xA0(\xA0"
        "BPV\xA0"
        "70, adjusted 0):Missile Type\xA0"
        "2;"
        "missile speed 7\xA0; 1 Bay of\xA0"
        "2 \"\xA0Raptor\xA0\"\xA0\r\n"
        "total bpv 258";
    FleetFileContents parsed;
    std::string error;
    ASSERT_TRUE(ParseFleetText(byHand, parsed, error)) << error;
    EXPECT_EQ(parsed.count, -1);
    EXPECT_EQ(parsed.records, fleet.records);
}

// A post's list marks and typographic quotes, UTF-8 blanks and lone carriage returns read as
// the person meant them.
TEST(FleetText, ReadsAPostAsItsWriterMeantIt) {
    const struct {
        const char* line;
        const char* name;
    } cases[] = {
        {"1. CV-Kestrel (BPV 1, adjusted 1)", "CV-Kestrel"},
        {"12) CV-Kestrel (BPV 1, adjusted 1)", "CV-Kestrel"},
        {"#1 CV-Kestrel (BPV 1, adjusted 1)", "CV-Kestrel"},
        {"> - CV-Kestrel (BPV 1, adjusted 1)", "CV-Kestrel"},
        {"* CV-Kestrel (BPV 1, adjusted 1)", "CV-Kestrel"},
        {"+ CV-Kestrel (BPV 1, adjusted 1)", "CV-Kestrel"},
        {"\x95 CV-Kestrel (BPV 1, adjusted 1)", "CV-Kestrel"},
        {"\xE2\x80\xA2\xC2\xA0"
         "CV-Kestrel (BPV 1, adjusted 1)",
         "CV-Kestrel"},
        {"\x93 CV Kestrel\x94 (BPV 1, adjusted 1)", " CV Kestrel"},
        {"\xE2\x80\x9C"
         "CV (Kestrel)\xE2\x80\x9D (BPV 1, adjusted 1)",
         "CV (Kestrel)"},
        {"-5 (BPV 1, adjusted 1)", "-5"},  // no blank after it: no mark
        {"CV-Kestrel\xC2\xA0(BPV 1, adjusted 1)", "CV-Kestrel"},
        {"CV-Kestr\xC3\xA0 (BPV 1, adjusted 1)", "CV-Kestr\xC3\xA0"},  // an "a" with a grave
    };
    for (const auto& c : cases) {
        FleetFileContents contents;
        std::string error;
        for (const char* lineEnd : {"\n", "\r"}) {
            const std::string text = std::string("Kestrivar fleet") + lineEnd + c.line + lineEnd;
            ASSERT_TRUE(ParseFleetText(text, contents, error)) << c.line << ": " << error;
            EXPECT_EQ(ShipCodeText(contents.records[0]), c.name) << c.line;
        }
    }
}

// However a count and an item word follow a bare fighter name, the item is read as an item or
// the line is refused: it never becomes part of the fighter's name.
TEST(FleetText, AnItemAfterABareFighterNameIsNeverPartOfTheName) {
    const char* const names[] = {"CV-Raptor", "Raptor Mk2", "X"};
    const char* const before[] = {" ", ", ", " +", " #", "; "};
    const char* const counts[] = {"10", "10x", "ten", "1"};
    const char* const blanks[] = {" ", "\xA0", "\xC2\xA0", "-", ""};
    const char* const words[] = {"marines", "Marine", "MINES", "reloads", "shuttle", "missiles"};
    const char* const after[] = {"", ".", "!", " please"};
    for (const char* name : names)
        for (const char* b : before)
            for (const char* count : counts)
                for (const char* blank : blanks)
                    for (const char* word : words)
                        for (const char* a : after) {
                            if (!std::isdigit(static_cast<unsigned char>(*count)) &&
                                (*blank == '\0' || std::strchr(" \xA0\xC2", *blank) == nullptr))
                                continue;  // "tenmarines" is one word: a name's
                            const std::string text =
                                std::string(
                                    "Kestrivar fleet\nV-CV (BPV 1, adjusted 1): 1 bay of 2 ") +
                                name + b + count + blank + word + a;
                            FleetFileContents contents;
                            std::string error;
                            if (!ParseFleetText(text, contents, error))
                                continue;
                            std::string fighter = FighterTypeText(contents.records[0]);
                            for (char& c : fighter)
                                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                            std::string core = word;
                            for (char& c : core)
                                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                            EXPECT_EQ(fighter.find(core.substr(0, 4)), std::string::npos) << text;
                        }
}

TEST(FleetText, RefusesWhatTheGameCouldNotUseAndChangesNothing) {
    const std::string title = "Kestrivar fleet\n";
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"", "line 1: the text is empty; a fleet's text starts with \"Kestrivar fleet\""},
        {"\nV-CA (BPV 1, adjusted 1)",
         "line 2: not a fleet: its text starts with \"Kestrivar fleet\""},
        {std::string(kMaxFleetTextSize + 1, '\n'), "too long to be a fleet (65537 bytes)"},
        {title + "ABCDEFGHIJKLMNOPQ (BPV 1, adjusted 1)",
         "line 2: the ship name \"ABCDEFGHIJKLMNOPQ\" has 17 bytes; at most 16 fit"},
        {title + "V-CV (BPV 1, adjusted 1): 1 bay of 1 " + std::string(41, 'F'),
         "line 2: the fighter name \"" + std::string(40, 'F') +
             "...\" has 41 bytes; at most 40 fit"},
        {title + "V-CA\a (BPV 1, adjusted 1)",
         "line 2: control character 0x07; in a name in double quotes, write it as \\x07"},
        {title + "\"V-\\x00"
                 "CA\" (BPV 1, adjusted 1)",
         "line 2: the ship name holds a zero byte (\\x00), which would end it"},
        {title + "V-CV (BPV 1, adjusted 1): 2 bays of 2 CV-Raptor 10 marines",
         "line 2: the fighter name \"CV-Raptor 10 marines\" runs into \"10 marines\": put a "
         "comma before it, or the whole name in double quotes"},
        {title + "Slot 1: V-CA (BPV 1, adjusted 1)",
         "line 2: the ship name \"Slot 1: V-CA\" holds ':'; a label in front of the name is not "
         "part of it: take it off, or put the whole name in double quotes"},
        // A loadout item almost as the grammar writes it is never swallowed into a name.
        {title + "V-CV (BPV 1, adjusted 1): 2 bays of 2 CV-Raptor 10 marines.",
         "line 2: the fighter name \"CV-Raptor 10 marines.\" runs into \"10 marines.\": put a "
         "comma before it, or the whole name in double quotes"},
        {title + "V-CV (BPV 1, adjusted 1): 1 bay of 2 CV-Raptor +10 marines!",
         "line 2: the fighter name \"CV-Raptor +10 marines!\" runs into \"+10 marines!\": put "
         "a comma before it, or the whole name in double quotes"},
        {title + "V-CV (BPV 1, adjusted 1): 1 bay of 2 CV-Raptor 10x marines",
         "line 2: the fighter name \"CV-Raptor 10x marines\" runs into \"10x marines\": put a "
         "comma before it, or the whole name in double quotes"},
        {title + "V-CV (BPV 1, adjusted 1): 1 bay of 2 CV-Raptor ten marines",
         "line 2: the fighter name \"CV-Raptor ten marines\" runs into \"marines\": put a "
         "comma before it, or the whole name in double quotes"},
        {title + "V-CV (BPV 1, adjusted 1): 1 bay of 2 CV-Raptor Type 4 missiles",
         "line 2: the fighter name \"CV-Raptor Type 4 missiles\" runs into \"4 missiles\": "
         "put a comma before it, or the whole name in double quotes"},
        {title + "CV-Kestrel 4 mines (BPV 1, adjusted 1)",
         "line 2: the ship name \"CV-Kestrel 4 mines\" runs into \"4 mines\", which reads as a "
         "loadout item: the loadout goes after \"(BPV n, adjusted n):\", or put the whole name "
         "in double quotes"},
        {title + "1.CV-Kestrel (BPV 1, adjusted 1)",
         "line 2: the ship name \"1.CV-Kestrel\" starts like a list mark (\"1.\" or \"1)\"): "
         "put a blank after the mark, or the whole name in double quotes"},
        {title + "CV-Kestrel x2 (BPV 1, adjusted 1)",
         "line 2: the ship name \"CV-Kestrel x2\" ends in a number of ships; a line holds one "
         "ship, so write a line for each, or put the whole name in double quotes"},
        {std::string("K\0e\0s\0t\0", 8), "this text is UTF-16: save it as ANSI or UTF-8"},
        {"\xFF\xFEK", "this text is UTF-16: save it as ANSI or UTF-8"},
        {title + std::string(100, 'z'), "line 2: \"" + std::string(40, 'z') +
                                            "...\" is not a ship line: NAME (BPV n, adjusted n)"},
        {title + "V-CA (BPV 2147483648, adjusted 1)",
         "line 2: 2147483648 is outside the 32-bit range"},
        {title + "V-CA (BPV 1, adjusted -99999999999999999999)",
         "line 2: -99999999999999999999 is outside the 32-bit range"},
        {title + "V-CA (BPV 1, adjusted 1): Type V missiles",
         "line 2: \"Type V missiles\" is not a loadout item"},
        {title + "V-CA (BPV 1, adjusted 1): 2 marines, Fast, 3 marines",
         "line 2: marines are given twice"},
        {title + "V-CA (BPV 1 adjusted 1)", "line 2: expected \", adjusted\" after the BPV"},
        {title + "\"V-CA (BPV 1, adjusted 1)", "line 2: the ship name has no closing quote"},
        {title + "(empty)\n(empty)\n(empty)\n(empty)", "line 5: a fleet holds at most three ships"},
        {title + "Ship count 5\n(empty)",
         "line 2: ship count 5 fills 3 slots, so 3 ship lines must follow, not 1"},
        {title + "V-CA (BPV 1, adjusted 1)\nTotal BPV 2",
         "line 3: the total is 2, but the ships add up to 1"},
        {title + "Total BPV 0\n(empty)", "line 3: nothing may follow the total"},
        {title + "Fleet of the week",
         "line 2: \"Fleet of the week\" is not a ship line: NAME (BPV n, adjusted n)"},
    };
    for (const auto& refused : cases) {
        FleetFileContents contents = Contents(2, {Ship("Kept", 1, 2)});
        const FleetFileContents before = contents;
        std::string error;
        EXPECT_FALSE(ParseFleetText(refused.text, contents, error)) << refused.text;
        EXPECT_EQ(error, refused.error);
        EXPECT_EQ(contents.count, before.count);
        EXPECT_EQ(contents.records, before.records);
    }
}

}  // namespace
