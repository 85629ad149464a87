#include "framework/headless/headless_backend.h"
#include "framework/run_scope.h"

#include "framework/constants.h"
#include "framework/dialog.h"
#include "framework/framework_error.h"
#include "framework/headless/headless_dialog_driver.h"
#include "framework/headless/headless_window.h"

namespace fw {
namespace headless {
namespace {}  // namespace

HeadlessBackend::HeadlessBackend(ResourceScript resources, std::string applicationName)
    : resources_(std::move(resources)), applicationName_(std::move(applicationName)) {}

HeadlessBackend::~HeadlessBackend() = default;

int HeadlessBackend::RunModal(CDialog& dialog) {
    const int templateId = dialog.GetTemplateId();
    auto source = resources_.dialogs.find(templateId);
    if (source == resources_.dialogs.end()) {
        throw FrameworkError("no dialog template " + std::to_string(templateId));
    }
    Script script = queue_.TakeScript(templateId);

    HeadlessWindow window(*this, source->second, dialog);
    RunScope<HeadlessWindow> run(dialog, window, running_);

    Message create;
    create.message = kWmCreate;
    if (window.Send(create) == -1) {
        return -1;
    }
    window.CreateControls();
    Message init;
    init.message = kWmInitDialog;
    if (window.Send(init) != 0) {
        window.FocusFirstTabStop();
    }
    if (window.Ended()) {
        return window.Result();  // ended while opening: never shown, the script not run
    }
    window.ShowWindow(true);

    HeadlessDialogDriver driver(*this, window);
    script(driver);
    if (!window.Ended()) {
        throw FrameworkError("the script for dialog " + std::to_string(templateId) +
                             " returned without ending it");
    }
    return window.Result();
}

int HeadlessBackend::ShowMessageBox(const std::string& text, const std::string& caption,
                                    unsigned flags) {
    return RecordMessageBox(text, caption, flags, 0);
}

int HeadlessBackend::RecordMessageBox(const std::string& text, const std::string& caption,
                                      unsigned flags, int ownerTemplate) {
    const int answer = queue_.TakeAnswer(text, flags);
    messageBoxes_.push_back({text, caption, flags, answer, ownerTemplate});
    return answer;
}

IconHandle HeadlessBackend::LoadIconResource(int resourceId) {
    if (resources_.icons.count(resourceId) == 0) {
        throw FrameworkError("no icon " + std::to_string(resourceId) + " in the resources");
    }
    return static_cast<IconHandle>(resourceId);
}

std::string HeadlessBackend::LoadResourceString(int resourceId) {
    auto it = resources_.strings.find(resourceId);
    return it == resources_.strings.end() ? std::string() : it->second;
}

int HeadlessBackend::GetSystemMetrics(int index) const {
    if (index == kSmCxIcon || index == kSmCyIcon) {
        return 32;
    }
    throw FrameworkError("system metric " + std::to_string(index) + " is not modelled");
}

void HeadlessBackend::ExpectModal(int templateId, Script script) {
    queue_.ExpectModal(templateId, std::move(script));
}

void HeadlessBackend::AnswerNextMessageBox(int answer) {
    queue_.AnswerNextMessageBox(answer);
}

void HeadlessBackend::AnswerNextFileDialog(FileDialogChoice choice) {
    queue_.AnswerNextFileDialog(std::move(choice));
}

std::vector<std::string> HeadlessBackend::Unused() const {
    return queue_.Unused();
}

bool HeadlessBackend::IsTopWindow(const HeadlessWindow& window) const {
    return !running_.empty() && running_.back() == &window;
}

}  // namespace headless
}  // namespace fw
