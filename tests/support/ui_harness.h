#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/backend.h"
#include "framework/ui_driver.h"

namespace fw {
namespace headless {
class HeadlessBackend;
}  // namespace headless
}  // namespace fw

// Runs one dialog scenario on a backend of the build's platform, so that the same test code
// checks the headless backend everywhere and the Win32 backend on Windows:
//
//   class MyDialogTest : public ::testing::TestWithParam<testsupport::UiKind> {
//     protected:
//       testsupport::UiHarness ui_{GetParam(), *testsupport::KestrivarUiResources()};
//   };
//   TEST_P(MyDialogTest, Scenario) { ui_.ExpectModal(...); dialog.DoModal(); ... }
//   KV_INSTANTIATE_UI_TEST_SUITE_P(MyDialogTest);
//
// Scenarios stick to fw::UiDriver and fw::DialogDriver. The application's name differs between
// the backends (the Win32 one is the test program's own name): compare captions with
// fw::AfxGetAppName().

namespace testsupport {

enum class UiKind { kHeadless, kWin32 };

// Headless everywhere; on Windows the Win32 backend as well.
std::vector<UiKind> PlatformUiKinds();
std::string UiKindName(const ::testing::TestParamInfo<UiKind>& info);

// The resources a scenario runs on. The headless backend parses the text; the Win32 backend uses
// the test program's compiled resources, which hold the same scripts.
struct UiResources {
    std::string script;
    std::string header;
    std::string applicationName = "Kestrivar";  // the headless backend's
};

// res/Kestrivar.rc and res/resource.h as the build found them; nullopt when it had no res/.
std::optional<UiResources> KestrivarUiResources();

// A backend of the kind, in use for the harness's lifetime, and its driver.
class UiHarness : public fw::UiDriver {
  public:
    UiHarness(UiKind kind, const UiResources& resources);
    ~UiHarness() override;
    UiHarness(const UiHarness&) = delete;
    UiHarness& operator=(const UiHarness&) = delete;

    UiKind Kind() const { return kind_; }
    fw::UiBackend& Backend();
    // nullptr unless the kind is kHeadless.
    fw::headless::HeadlessBackend* Headless();

    // UiDriver
    void ExpectModal(int templateId, Script script) override;
    void AnswerNextMessageBox(int answer) override;
    std::vector<fw::MessageBoxRecord> MessageBoxes() const override;
    void AnswerNextFileDialog(fw::FileDialogChoice choice) override;
    std::vector<fw::FileDialogRequest> FileDialogs() const override;

    // What was queued and never used, described; empty when all was used.
    std::vector<std::string> Unused() const;

  private:
    struct Ui;
    UiKind kind_;
    std::unique_ptr<Ui> ui_;
};

}  // namespace testsupport

#define KV_INSTANTIATE_UI_TEST_SUITE_P(suite)                                                  \
    INSTANTIATE_TEST_SUITE_P(Ui, suite, ::testing::ValuesIn(::testsupport::PlatformUiKinds()), \
                             ::testsupport::UiKindName)
