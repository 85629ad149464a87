// Fleets kept as files: which format a file's bytes are in, and what Open makes of them.
#include <gtest/gtest.h>

#include <string>

#include "fleet/fleet_documents.h"
#include "fleet/fleet_file.h"
#include "fleet/fleet_text.h"

namespace {

std::string Bytes(const char* bytes, size_t size) {
    return std::string(bytes, size);
}

std::string OneShipFile() {
    std::array<SlotState, 3> slots{};
    slots[0].occupied = true;
    SetShipCode(slots[0].slot, "V-CA");
    slots[0].slot.adjustedBpv = 120;
    return EncodeFleetFile(slots);
}

TEST(FleetDocuments, OpenTellsTheFormatByContentAndRefusesWhatLoadAndPasteRefuse) {
    const struct {
        std::string bytes;
        FleetFormat format;
        int count;        // -1: refused
        std::string why;  // the start of the refusal
    } rows[] = {
        {OneShipFile(), FleetFormat::kFleetFile, 1, ""},
        {"Kestrivar fleet\r\nV-CA (BPV 118, adjusted 120)\r\nTotal BPV 120\r\n",
         FleetFormat::kFleetText, 1, ""},
        {"\xEF\xBB\xBF\r\n> kestrivar FLEET\nTotal BPV 0\n", FleetFormat::kFleetText, 0, ""},
        {Bytes("\x02\0\0\0\0\0\0\0", 8), FleetFormat::kFleetFile, 0, ""},
        {"", FleetFormat::kFleetText, -1, "the file is empty"},
        {Bytes("\x02\0\0\0", 4), FleetFormat::kFleetFile, -1,
         "the file is too short to be a fleet (4 bytes)"},
        // Another release, even with no ship; UTF-16 text, either byte order.
        {Bytes("\x01\0\0\0\0\0\0\0", 8), FleetFormat::kFleetFile, -1, kIncompatibleReleaseMessage},
        {Bytes("\x03\0\0\0\x01\0\0\0V-CA", 12), FleetFormat::kFleetFile, -1,
         kIncompatibleReleaseMessage},
        // Other kinds of file dropped by mistake: a picture, a shortcut.
        {"\x89PNG\r\n\x1a\n" + Bytes("\0\0\0\rIHDR", 8), FleetFormat::kFleetFile, -1,
         "the file is neither a fleet file nor a fleet's text"},
        {Bytes("L\0\0\0\x01\x14\x02\0", 8), FleetFormat::kFleetFile, -1,
         "the file is neither a fleet file nor a fleet's text"},
        {Bytes("K\0e\0s\0t\0", 8), FleetFormat::kFleetText, -1, kFleetTextIsUtf16},
        {Bytes("\0K\0e\0s\0t", 8), FleetFormat::kFleetText, -1, kFleetTextIsUtf16},
        {"\xFF\xFEK", FleetFormat::kFleetText, -1, kFleetTextIsUtf16},
        // A text of something else, and a fleet's text grown too long.
        {"My fleets:\r\n", FleetFormat::kFleetText, -1, "line 1: not a fleet"},
        {"Kestrivar fleet\n" + std::string(kMaxFleetTextSize, '\n'), FleetFormat::kFleetText, -1,
         "the file is too long to be a fleet (more than 65536 bytes)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.bytes.substr(0, 40)));
        EXPECT_EQ(FleetFormatOf(row.bytes), row.format);
        FleetFileContents contents;
        std::string why;
        EXPECT_EQ(ReadFleetDocument(row.bytes, contents, why), row.count >= 0);
        if (row.count >= 0) {
            EXPECT_EQ(contents.count, row.count);
        }
        EXPECT_EQ(why.substr(0, row.why.size()), row.why);
    }
}

TEST(FleetDocuments, SaveAsTakesTheFormatTheNameEndsIn) {
    EXPECT_EQ(FleetFormatForName("C:\\a\\Arena.TXT", FleetFormat::kFleetFile),
              FleetFormat::kFleetText);
    EXPECT_EQ(FleetFormatForName("Arena.flt", FleetFormat::kFleetText), FleetFormat::kFleetFile);
    EXPECT_EQ(FleetFormatForName("Arena.flt.bak", FleetFormat::kFleetText),
              FleetFormat::kFleetText);
    EXPECT_EQ(FleetFormatForName(".txt", FleetFormat::kFleetFile), FleetFormat::kFleetFile);
}

}  // namespace
