#pragma once

#include <deque>
#include <string>
#include <vector>

#include "framework/ui_driver.h"

namespace fw {

// What a test queued for the dialogs it drives: one script per modal run, in order, and the
// answers to message boxes. Both backends' drivers hand them out from here.
class UiScriptQueue {
  public:
    void ExpectModal(int templateId, UiDriver::Script script);
    void AnswerNextMessageBox(int answer);
    void AnswerNextFileDialog(FileDialogChoice choice);

    // The script for a modal run of this template. Throws FrameworkError when no script is
    // queued or the next one is for another template.
    UiDriver::Script TakeScript(int templateId);
    // The button that answers a box with these flags: the next queued answer, which must be one
    // of the box's buttons, or else the box's first button.
    int TakeAnswer(const std::string& text, unsigned flags);
    // The choice that answers a file dialog, recorded with the request. Throws FrameworkError
    // when none is queued (the dialog would wait for a user forever).
    FileDialogChoice TakeFileDialogAnswer(const FileDialogRequest& request);
    const std::vector<FileDialogRequest>& FileDialogs() const { return fileDialogs_; }

    // What was queued and never used, described; empty when everything was used.
    std::vector<std::string> Unused() const;

  private:
    struct Expectation {
        int templateId;
        UiDriver::Script script;
    };
    std::deque<Expectation> expectations_;
    std::deque<int> answers_;
    std::deque<FileDialogChoice> fileAnswers_;
    std::vector<FileDialogRequest> fileDialogs_;
};

// The buttons of a message box's button set (kMbOk, kMbYesNo...), the default one first.
// Throws FrameworkError for a set the framework does not know.
std::vector<int> MessageBoxButtons(unsigned flags);

}  // namespace fw
