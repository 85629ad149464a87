#include "fleet/fleet_text.h"

#include <gtest/gtest.h>

#include <cstdint>
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

// Any record a file may carry whose missile words the game knows: names of every byte but the
// control characters, numbers from the whole 32-bit range or small ones, sometimes all zero.
FleetSlot RandomRecord(std::mt19937& random) {
    auto pick = [&random](int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(random);
    };
    auto number = [&]() {
        return pick(0, 2) == 0
                   ? pick(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max())
                   : pick(-2, 12);
    };
    auto name = [&](int maxLength) {
        std::string text(static_cast<size_t>(pick(0, maxLength)), ' ');
        for (char& c : text) {
            const int byte = pick(0x20, 0xFE);
            c = static_cast<char>(byte == 0x7F ? '"' : byte);
        }
        return text;
    };
    FleetSlot slot;
    if (pick(0, 5) == 0)
        return slot;
    SetShipCode(slot, name(15));
    SetFighterType(slot, pick(0, 1) == 0 ? std::string() : name(39));
    for (int32_t* field : {&slot.baseBpv, &slot.adjustedBpv, &slot.marinesTaken, &slot.minesTaken,
                           &slot.repairsTaken, &slot.shuttlesTaken, &slot.missileReloads,
                           &slot.fighterBays, &slot.fightersPerBay})
        *field = number();
    slot.reserved = pick(0, 4) == 0 ? number() : 0;
    const int32_t types[] = {0, 1, 4};
    slot.missileType = types[pick(0, 2)];
    slot.missileSpeed = pick(0, 3);
    return slot;
}

TEST(FleetText, FileToTextToFileIsByteIdentical) {
    std::mt19937 random(20240613);
    for (int round = 0; round < 3000; ++round) {
        std::array<SlotState, 3> slots{};
        for (SlotState& state : slots)
            state = {std::uniform_int_distribution<int>(0, 3)(random) != 0, RandomRecord(random)};
        const std::string file = EncodeFleetFile(slots);
        FleetFileContents loaded;
        ASSERT_EQ(DecodeFleetFile(reinterpret_cast<const unsigned char*>(file.data()), file.size(),
                                  loaded),
                  FleetFileKind::kFleet);
        const std::string text = FormatFleetText(loaded, round % 2 == 0 ? "\n" : "\r\n");
        FleetFileContents parsed;
        std::string error;
        ASSERT_TRUE(ParseFleetText(text, parsed, error)) << error << "\n" << text;
        ASSERT_EQ(EncodeFleetFile(parsed), file) << text;
    }
}

// Counts a Load places more slots for than the file has records for keep their meaning.
TEST(FleetText, CarriesCountsOtherThanTheNumberOfRecords) {
    for (int32_t count : {-1, 5, std::numeric_limits<int32_t>::min()}) {
        const FleetFileContents contents = Contents(count, {Ship("V-CA", 100, 100)});
        FleetFileContents parsed;
        std::string error;
        ASSERT_TRUE(ParseFleetText(FormatFleetText(contents), parsed, error)) << error;
        EXPECT_EQ(parsed.count, count);
        EXPECT_EQ(parsed.records, contents.records);
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
    const FleetFileContents fleet = Contents(-1, {cruiser, carrier, FleetSlot{}});

    const std::string written =
        "Kestrivar fleet\n"
        "Ship count -1\n"
        "V-CL (BPV 90, adjusted 114): Type IV missiles, Medium, 2 reloads; 6 marines, 1 mine\n"
        "\" V-CV\" (BPV 150, adjusted 144): 2 bays of 4 \"VS-9, \\\"Wasp\\\"\"; reserved 7\n"
        "(empty)\n"
        "Total BPV 258\n";
    EXPECT_EQ(FormatFleetText(fleet), written);

    const std::string byHand =
        "\r\n> KESTRIVAR   Fleet \r\n"
        ">\r\n"
        "> > ship count -1\r\n"
        ">V-CL(bpv 90,adjusted 114) :2 Reload ,1 mines;medium;type iv,6 MARINE\r\n"
        "\t\" V-CV\" ( BPV 150 , Adjusted 144 ) : reserved 7; 2 bay of 4 \"VS-9, "
        "\\x22Wasp\\\"\"\r\n"
        "( Empty )\r\n"
        "total bpv 258";
    FleetFileContents parsed;
    std::string error;
    ASSERT_TRUE(ParseFleetText(byHand, parsed, error)) << error;
    EXPECT_EQ(parsed.count, -1);
    EXPECT_EQ(parsed.records, fleet.records);
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
        {title + "ABCDEFGHIJKLMNOP (BPV 1, adjusted 1)",
         "line 2: the ship name \"ABCDEFGHIJKLMNOP\" has 16 characters; at most 15 fit"},
        {title + "V-CV (BPV 1, adjusted 1): 1 bay of 1 " + std::string(40, 'F'),
         "line 2: the fighter name \"" + std::string(40, 'F') +
             "\" has 40 characters; at most 39 fit"},
        {title + "V-CA\a (BPV 1, adjusted 1)", "line 2: control character 0x07"},
        {title + "\"V-\\x09CA\" (BPV 1, adjusted 1)",
         "line 2: the ship name holds control character 0x09"},
        {title + "V-CA (BPV 2147483648, adjusted 1)",
         "line 2: 2147483648 is outside the 32-bit range"},
        {title + "V-CA (BPV 1, adjusted -99999999999999999999)",
         "line 2: -99999999999999999999 is outside the 32-bit range"},
        {title + "V-CA (BPV 1, adjusted 1): missile type 2",
         "line 2: missile type 2 is neither Type I (1) nor Type IV (4)"},
        {title + "V-CA (BPV 1, adjusted 1): missile speed 4",
         "line 2: missile speed 4 is not Slow (1), Medium (2) or Fast (3)"},
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
