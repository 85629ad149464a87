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

    // The script for a modal run of this template. Throws FrameworkError when no script is
    // queued or the next one is for another template.
    UiDriver::Script TakeScript(int templateId);
    // The button that answers a box with these flags: the next queued answer, which must be one
    // of the box's buttons, or else the box's first button.
    int TakeAnswer(const std::string& text, unsigned flags);

    // What was queued and never used, described; empty when everything was used.
    std::vector<std::string> Unused() const;

  private:
    struct Expectation {
        int templateId;
        UiDriver::Script script;
    };
    std::deque<Expectation> expectations_;
    std::deque<int> answers_;
};

// The buttons of a message box's button set (kMbOk, kMbYesNo...), the default one first.
// Throws FrameworkError for a set the framework does not know.
std::vector<int> MessageBoxButtons(unsigned flags);

}  // namespace fw
