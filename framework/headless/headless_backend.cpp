#include "framework/headless/headless_backend.h"
#include "framework/run_scope.h"

#include <algorithm>

#include "framework/constants.h"
#include "framework/dialog.h"
#include "framework/framework_error.h"
#include "framework/headless/headless_dialog_driver.h"
#include "framework/headless/headless_window.h"

namespace fw {
namespace headless {
namespace {

std::vector<int> Buttons(unsigned flags) {
    switch (flags & kMbTypeMask) {
        case kMbOk:
            return {kIdOk};
        case kMbOkCancel:
            return {kIdOk, kIdCancel};
        case kMbAbortRetryIgnore:
            return {kIdAbort, kIdRetry, kIdIgnore};
        case kMbYesNoCancel:
            return {kIdYes, kIdNo, kIdCancel};
        case kMbYesNo:
            return {kIdYes, kIdNo};
        case kMbRetryCancel:
            return {kIdRetry, kIdCancel};
        default:
            throw FrameworkError("message box with unknown buttons " + std::to_string(flags));
    }
}

}  // namespace

HeadlessBackend::HeadlessBackend(ResourceScript resources, std::string applicationName)
    : resources_(std::move(resources)), applicationName_(std::move(applicationName)) {}

HeadlessBackend::~HeadlessBackend() = default;

int HeadlessBackend::RunModal(CDialog& dialog) {
    const int templateId = dialog.GetTemplateId();
    auto source = resources_.dialogs.find(templateId);
    if (source == resources_.dialogs.end()) {
        throw FrameworkError("no dialog template " + std::to_string(templateId));
    }
    if (expectations_.empty()) {
        throw FrameworkError("unexpected modal run of dialog " + std::to_string(templateId) +
                             ": no script queued");
    }
    if (expectations_.front().templateId != templateId) {
        throw FrameworkError("modal run of dialog " + std::to_string(templateId) +
                             " while the next script queued is for dialog " +
                             std::to_string(expectations_.front().templateId));
    }
    Script script = std::move(expectations_.front().script);
    expectations_.pop_front();

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
    const std::vector<int> buttons = Buttons(flags);
    int answer = buttons.front();
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
        if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end()) {
            throw FrameworkError("answer " + std::to_string(answer) +
                                 " is not a button of the message box \"" + text + "\"");
        }
    }
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
    expectations_.push_back({templateId, std::move(script)});
}

void HeadlessBackend::AnswerNextMessageBox(int answer) {
    answers_.push_back(answer);
}

std::vector<std::string> HeadlessBackend::Unused() const {
    std::vector<std::string> unused;
    for (const Expectation& expectation : expectations_) {
        unused.push_back("script for dialog " + std::to_string(expectation.templateId) +
                         " never ran");
    }
    for (int answer : answers_) {
        unused.push_back("answer " + std::to_string(answer) + " for a message box never shown");
    }
    return unused;
}

bool HeadlessBackend::IsTopWindow(const HeadlessWindow& window) const {
    return !running_.empty() && running_.back() == &window;
}

}  // namespace headless
}  // namespace fw
