#include "tests/support/ui_harness.h"

#include <stdexcept>

#include "framework/headless/headless_backend.h"
#include "framework/headless/kestrivar_resources.h"
#include "framework/headless/resource_script.h"

#ifdef _WIN32
#include "framework/win32/win32_api.h"
#include "framework/win32/win32_backend.h"
#include "framework/win32/win32_ui_driver.h"
#endif

namespace testsupport {

std::vector<UiKind> PlatformUiKinds() {
#ifdef _WIN32
    return {UiKind::kHeadless, UiKind::kWin32};
#else
    return {UiKind::kHeadless};
#endif
}

std::string UiKindName(const ::testing::TestParamInfo<UiKind>& info) {
    return info.param == UiKind::kWin32 ? "Win32" : "Headless";
}

std::optional<UiResources> KestrivarUiResources() {
    const std::optional<fw::headless::ResourceText> text = fw::headless::KestrivarResourceText();
    if (!text) {
        return std::nullopt;
    }
    return UiResources{text->script, text->header, "Kestrivar"};
}

// The backend and driver of one kind; the members of the other kind stay empty.
struct UiHarness::Ui {
    std::unique_ptr<fw::headless::HeadlessBackend> headless;
#ifdef _WIN32
    std::unique_ptr<fw::win32::Win32Backend> win32;
    std::unique_ptr<fw::win32::Win32UiDriver> win32Driver;
#endif
    std::unique_ptr<fw::ScopedBackend> use;

    fw::UiDriver& Driver() const {
#ifdef _WIN32
        if (win32Driver) {
            return *win32Driver;
        }
#endif
        return *headless;
    }
};

UiHarness::UiHarness(UiKind kind, const UiResources& resources)
    : kind_(kind), ui_(std::make_unique<Ui>()) {
    if (kind == UiKind::kHeadless) {
        ui_->headless = std::make_unique<fw::headless::HeadlessBackend>(
            fw::headless::ParseResourceScript(resources.script, resources.header),
            resources.applicationName);
        ui_->use = std::make_unique<fw::ScopedBackend>(*ui_->headless);
        return;
    }
#ifdef _WIN32
    // The controls the templates use, as the program's entry point registers them.
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&controls);
    ui_->win32 = std::make_unique<fw::win32::Win32Backend>();
    ui_->win32Driver = std::make_unique<fw::win32::Win32UiDriver>(*ui_->win32);
    ui_->use = std::make_unique<fw::ScopedBackend>(*ui_->win32);
#else
    throw std::logic_error("the Win32 backend exists on Windows only");
#endif
}

UiHarness::~UiHarness() = default;

fw::UiBackend& UiHarness::Backend() {
#ifdef _WIN32
    if (ui_->win32) {
        return *ui_->win32;
    }
#endif
    return *ui_->headless;
}

fw::headless::HeadlessBackend* UiHarness::Headless() {
    return ui_->headless.get();
}

void UiHarness::ExpectModal(int templateId, Script script) {
    ui_->Driver().ExpectModal(templateId, std::move(script));
}

void UiHarness::AnswerNextMessageBox(int answer) {
    ui_->Driver().AnswerNextMessageBox(answer);
}

void UiHarness::AnswerNextFileDialog(fw::FileDialogChoice choice) {
    ui_->Driver().AnswerNextFileDialog(std::move(choice));
}

std::vector<fw::FileDialogRequest> UiHarness::FileDialogs() const {
    return ui_->Driver().FileDialogs();
}

std::vector<fw::MessageBoxRecord> UiHarness::MessageBoxes() const {
    return ui_->Driver().MessageBoxes();
}

std::vector<std::string> UiHarness::Unused() const {
#ifdef _WIN32
    if (ui_->win32Driver) {
        return ui_->win32Driver->Unused();
    }
#endif
    return ui_->headless->Unused();
}

}  // namespace testsupport
