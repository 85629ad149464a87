#include "framework/ui_script_queue.h"

#include <algorithm>
#include <utility>

#include "framework/constants.h"
#include "framework/framework_error.h"

namespace fw {

void UiScriptQueue::ExpectModal(int templateId, UiDriver::Script script) {
    expectations_.push_back({templateId, std::move(script)});
}

void UiScriptQueue::AnswerNextMessageBox(int answer) {
    answers_.push_back(answer);
}

void UiScriptQueue::AnswerNextFileDialog(FileDialogChoice choice) {
    fileAnswers_.push_back(std::move(choice));
}

FileDialogChoice UiScriptQueue::TakeFileDialogAnswer(const FileDialogRequest& request) {
    fileDialogs_.push_back(request);
    if (fileAnswers_.empty()) {
        throw FrameworkError("the file dialog \"" + request.title +
                             "\" opened with no answer queued");
    }
    FileDialogChoice choice = std::move(fileAnswers_.front());
    fileAnswers_.pop_front();
    return choice;
}

UiDriver::Script UiScriptQueue::TakeScript(int templateId) {
    if (expectations_.empty()) {
        throw FrameworkError("unexpected modal run of dialog " + std::to_string(templateId) +
                             ": no script queued");
    }
    if (expectations_.front().templateId != templateId) {
        throw FrameworkError("modal run of dialog " + std::to_string(templateId) +
                             " while the next script queued is for dialog " +
                             std::to_string(expectations_.front().templateId));
    }
    UiDriver::Script script = std::move(expectations_.front().script);
    expectations_.pop_front();
    return script;
}

int UiScriptQueue::TakeAnswer(const std::string& text, unsigned flags) {
    const std::vector<int> buttons = MessageBoxButtons(flags);
    if (answers_.empty()) {
        return buttons.front();
    }
    const int answer = answers_.front();
    answers_.pop_front();
    if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end()) {
        throw FrameworkError("answer " + std::to_string(answer) +
                             " is not a button of the message box \"" + text + "\"");
    }
    return answer;
}

std::vector<std::string> UiScriptQueue::Unused() const {
    std::vector<std::string> unused;
    for (const Expectation& expectation : expectations_) {
        unused.push_back("script for dialog " + std::to_string(expectation.templateId) +
                         " never ran");
    }
    for (int answer : answers_) {
        unused.push_back("answer " + std::to_string(answer) + " for a message box never shown");
    }
    for (const FileDialogChoice& choice : fileAnswers_) {
        unused.push_back("answer \"" + choice.path + "\" for a file dialog never shown");
    }
    return unused;
}

std::vector<int> MessageBoxButtons(unsigned flags) {
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

}  // namespace fw
