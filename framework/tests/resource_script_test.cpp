#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "framework/afx.h"
#include "framework/dialog.h"
#include "framework/framework_error.h"
#include "framework/headless/headless_backend.h"
#include "framework/headless/resource_script.h"
#include "framework/tests/test_dialogs.h"
#include "tests/support/ui_harness.h"

namespace fwtest {
namespace {

using fw::ControlKind;
using fw::headless::ControlTemplate;
using fw::headless::DialogTemplate;
using fw::headless::ParseResourceScript;
using fw::headless::ResourceScript;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;

TEST(ResourceScript, FixtureTemplates) {
    const ResourceScript script = ParseResourceScript(kFixtureScript, kFixtureHeader);
    ASSERT_EQ(script.dialogs.count(IDD_TEST), 1u);
    const DialogTemplate& dialog = script.dialogs.at(IDD_TEST);
    EXPECT_EQ(dialog.caption, "Test Dialog");
    EXPECT_EQ(dialog.width, 200);
    EXPECT_EQ(dialog.height, 120);
    EXPECT_TRUE(dialog.HasStyle("WS_SYSMENU"));
    ASSERT_EQ(dialog.controls.size(), 15u);

    const ControlTemplate& icon = dialog.controls[0];
    EXPECT_EQ(icon.id, fw::kIdcStatic);
    EXPECT_EQ(icon.imageResource, IDI_TEST);
    const ControlTemplate* extra = dialog.FindControl(IDC_EXTRA);
    ASSERT_NE(extra, nullptr);
    EXPECT_FALSE(extra->visible);
    EXPECT_TRUE(extra->HasStyle("WS_TABSTOP"));
    EXPECT_EQ(dialog.FindControl(IDC_FRAME)->kind, ControlKind::kGroupBox);
    EXPECT_EQ(dialog.FindControl(IDC_STEP)->kind, ControlKind::kUpDown);
    EXPECT_EQ(dialog.FindControl(IDC_ROWS)->kind, ControlKind::kListView);
    EXPECT_EQ(dialog.FindControl(IDC_TITLE)->text, "template title");
    EXPECT_EQ(dialog.FindControl(fw::kIdOk)->x, 140);
    EXPECT_THAT(dialog.initItems, ElementsAre(Pair(IDC_FRUIT, "pear"), Pair(IDC_FRUIT, "Apple"),
                                              Pair(IDC_FRUIT, "fig"), Pair(IDC_SIZES, "Small"),
                                              Pair(IDC_SIZES, "Large")));

    EXPECT_EQ(script.dialogs.at(IDD_CHILD).controls.size(), 3u);
    EXPECT_THAT(script.strings, ElementsAre(Pair(IDS_TEST_ABOUT, "&About Test...")));
    EXPECT_THAT(script.icons, ElementsAre(IDI_TEST));
}

TEST(ResourceScript, StringEscapes) {
    const ResourceScript script =
        ParseResourceScript("STRINGTABLE BEGIN 1, \"a\"\"b\\\\c\\tz\\101\\x42\" END", "");
    EXPECT_EQ(script.strings.at(1), "a\"b\\c\tzAB");
}

struct BadScript {
    const char* name;
    std::string script;
    std::string message;  // part of the error
};
void PrintTo(const BadScript& bad, std::ostream* out) {
    *out << bad.name;
}

const char kHeader[] = "#define IDD_X 10\n#define IDC_A 1000\n#define IDC_B 1001\n";

std::string Dialog(const std::string& body) {
    return "IDD_X DIALOGEX 0, 0, 100, 50\nSTYLE WS_POPUP\nBEGIN\n" + body + "END\n";
}

class ResourceScriptErrors : public ::testing::TestWithParam<BadScript> {};

TEST_P(ResourceScriptErrors, AreReportedWithTheLine) {
    try {
        ParseResourceScript(GetParam().script, kHeader);
        ADD_FAILURE() << "accepted";
    } catch (const fw::FrameworkError& e) {
        EXPECT_THAT(e.what(), HasSubstr(GetParam().message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Subset, ResourceScriptErrors,
    ::testing::Values(
        BadScript{"ShortFormControl", Dialog("  LTEXT \"a\", IDC_A, 1, 1, 10, 10\n"),
                  "line 4: unsupported control statement 'LTEXT'"},
        BadScript{"UnknownSymbol",
                  Dialog("  CONTROL \"\", IDC_Q, \"Edit\", WS_TABSTOP, 1, 1, 10, 10\n"),
                  "line 4: unknown symbol IDC_Q"},
        BadScript{"UnknownClass",
                  Dialog("  CONTROL \"\", IDC_A, \"SysTreeView32\", 0, 1, 1, 10, 10\n"),
                  "unsupported control class"},
        BadScript{"DuplicateId",
                  Dialog("  CONTROL \"\", IDC_A, \"Edit\", 0, 1, 1, 10, 10\n"
                         "  CONTROL \"\", IDC_A, \"Edit\", 0, 1, 1, 10, 10\n"),
                  "line 5: control id 1000 used twice"},
        BadScript{"InitForAnEdit",
                  Dialog("  CONTROL \"\", IDC_A, \"Edit\", 0, 1, 1, 10, 10\n") +
                      "IDD_X DLGINIT\nBEGIN\n  IDC_A, \"x\\0\", 0\nEND\n",
                  "not a combo box"},
        BadScript{"InitItemWithoutNul",
                  Dialog("  CONTROL \"\", IDC_A, \"ComboBox\", 0, 1, 1, 10, 10\n") +
                      "IDD_X DLGINIT\nBEGIN\n  IDC_A, \"x\", 0\nEND\n",
                  "must end with \\0"},
        BadScript{"InitWithoutEnd",
                  Dialog("  CONTROL \"\", IDC_A, \"ComboBox\", 0, 1, 1, 10, 10\n") +
                      "IDD_X DLGINIT\nBEGIN\n  IDC_A, \"x\\0\"\nEND\n",
                  "init data must end with 0"},
        BadScript{"MissingIcon",
                  Dialog("  CONTROL 128, IDC_STATIC, \"Static\", SS_ICON, 1, 1, 10, 10\n"),
                  "icon 128 is not in the script"},
        BadScript{"UnterminatedString", "STRINGTABLE BEGIN 1 \"abc\nEND", "line 1: unterminated"},
        BadScript{"TruncatedDialog", Dialog("").substr(0, 40), "unexpected end"}),
    [](const ::testing::TestParamInfo<BadScript>& param) { return param.param.name; });

TEST(ResourceScript, HeaderValuesMustBeNumbers) {
    EXPECT_THROW(fw::headless::ParseResourceHeader("#define IDC_A IDC_B\n"), fw::FrameworkError);
    EXPECT_THAT(fw::headless::ParseResourceHeader("#ifndef G\n#define G\n#define IDC_A (-1)\n"),
                ElementsAre(Pair("IDC_A", -1)));
}

// The program's own templates, when the build has them, open on every backend, with the list
// items of the main dialog (on Win32 read from the compiled DLGINIT data).
class KestrivarTemplates : public ::testing::TestWithParam<testsupport::UiKind> {};

TEST_P(KestrivarTemplates, Open) {
    const std::optional<testsupport::UiResources> resources = testsupport::KestrivarUiResources();
    if (!resources) {
        GTEST_SKIP() << "the build found no res/Kestrivar.rc";
    }
    testsupport::UiHarness ui(GetParam(), *resources);
    if (ui.Headless() != nullptr) {
        EXPECT_EQ(ui.Headless()->Resources().bitmaps.count(131), 1u);
    }
    EXPECT_EQ(fw::LoadResourceString(101), "&About Kestrivar...");
    EXPECT_NE(fw::LoadIconResource(128), fw::IconHandle::kNone);
    for (int id : {100, 102, 129}) {
        fw::CDialog dialog(id);
        ui.ExpectModal(id, [](fw::DialogDriver& d) { d.Close(); });
        EXPECT_EQ(dialog.DoModal(), fw::kIdCancel) << "template " << id;
    }
    fw::CDialog main(102);
    ui.ExpectModal(102, [](fw::DialogDriver& d) {
        EXPECT_THAT(d.Items(1068), ElementsAre("0", "1", "2", "3", "4", "5", "6", "7", "8"));
        EXPECT_THAT(d.Items(1069), ElementsAre("0", "1", "2", "3"));
        EXPECT_THAT(d.Items(1070), ElementsAre("None", "Light", "Heavy (Ph4)"));
        EXPECT_EQ(d.Selection(1070), -1);
        EXPECT_FALSE(d.IsVisible(1070));
        EXPECT_EQ(d.Caption(), "Kestrivar 1.3");
        d.Close();
    });
    main.DoModal();
    EXPECT_THAT(ui.Unused(), ::testing::IsEmpty());
}

KV_INSTANTIATE_UI_TEST_SUITE_P(KestrivarTemplates);

}  // namespace
}  // namespace fwtest
