#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/framework_error.h"
#include "framework/win32/dialog_init.h"

namespace {

using fw::win32::DialogInitItem;
using fw::win32::ParseDialogInit;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<DialogInitItem> Parse(const std::string& bytes) {
    // A copy one byte into a buffer, so that the records start at odd addresses as well.
    std::vector<unsigned char> buffer(bytes.size() + 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        buffer[i + 1] = static_cast<unsigned char>(bytes[i]);
    }
    return ParseDialogInit(buffer.data() + 1, bytes.size());
}

// The bytes windres makes of `IDC_DEFSATS, "0\000", IDC_PLANET, "None\000", 0`: ids 1068 and
// 1070, little-endian, each record right after the previous one, then padding.
const std::string kTwoItems(
    "\x2c\x04"
    "0\0"
    "\x2e\x04"
    "None\0"
    "\0\0\0\0",
    15);

TEST(DialogInit, RecordsInOrderUntilTheZeroId) {
    EXPECT_THAT(Parse(kTwoItems),
                ElementsAre(DialogInitItem{1068, "0"}, DialogInitItem{1070, "None"}));
}

TEST(DialogInit, EndOfDataEndsTheListToo) {
    EXPECT_THAT(Parse(kTwoItems.substr(0, 11)),
                ElementsAre(DialogInitItem{1068, "0"}, DialogInitItem{1070, "None"}));
    EXPECT_EQ(Parse(kTwoItems.substr(0, 12)).size(), 2u);  // one odd byte left over
    EXPECT_THAT(Parse(""), IsEmpty());
    EXPECT_THAT(Parse(std::string("\0\0", 2)), IsEmpty());
}

TEST(DialogInit, ItemBytesAreKeptAsTheyAre) {
    EXPECT_THAT(Parse(std::string("\xff\xff\xe9t\xe9\0\x01\x00\0", 9)),
                ElementsAre(DialogInitItem{0xFFFF, "\xe9t\xe9"}, DialogInitItem{1, ""}));
}

TEST(DialogInit, ItemCutOffByTheEndIsRefused) {
    EXPECT_THROW(Parse(kTwoItems.substr(0, 9)), fw::FrameworkError);  // "Non"
    EXPECT_THROW(Parse(kTwoItems.substr(0, 3)), fw::FrameworkError);  // "0" without its NUL
}

}  // namespace
