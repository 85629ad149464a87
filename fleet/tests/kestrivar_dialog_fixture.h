#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "framework/backend.h"
#include "framework/headless/headless_backend.h"
#include "framework/headless/kestrivar_resources.h"
#include "framework/headless/resource_script.h"

namespace kvtest {

// The program's own templates, or none when the build found no res/ files.
inline fw::headless::ResourceScript KestrivarResources() {
    const std::optional<fw::headless::ResourceText> text = fw::headless::KestrivarResourceText();
    if (!text) {
        return {};
    }
    return fw::headless::ParseResourceScript(text->script, text->header);
}

// Dialog scenarios on the program's real templates in the headless backend. A test is skipped
// when the build has no templates, and fails when a queued modal script or message-box answer
// was never used.
class KestrivarDialogTest : public ::testing::Test {
  protected:
    KestrivarDialogTest() : ui_(KestrivarResources()), use_(ui_) {}

    void SetUp() override {
        if (ui_.Resources().dialogs.empty()) {
            GTEST_SKIP() << "the build found no res/Kestrivar.rc";
        }
    }
    void TearDown() override { EXPECT_THAT(ui_.Unused(), ::testing::IsEmpty()); }

    fw::headless::HeadlessBackend ui_;
    fw::ScopedBackend use_;
};

}  // namespace kvtest
