#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "framework/headless/headless_backend.h"
#include "tests/support/ui_harness.h"

// Dialog scenarios on the program's real templates. KestrivarDialogTest runs a scenario on every
// backend of the platform (instantiate the suite with KV_INSTANTIATE_UI_TEST_SUITE_P);
// KestrivarHeadlessDialogTest is for what only the headless backend records (paint operations,
// pauses, the system menu and icons as set). A test is skipped when the build found no
// templates, and fails when a queued modal script or message-box answer was never used.

namespace kvtest {

// The program's resources, or none (an empty script) when the build found no res/ files.
inline testsupport::UiResources KestrivarResourcesOrNone() {
    return testsupport::KestrivarUiResources().value_or(testsupport::UiResources{});
}

inline bool HaveKestrivarResources() {
    return testsupport::KestrivarUiResources().has_value();
}

class KestrivarDialogTest : public ::testing::TestWithParam<testsupport::UiKind> {
  protected:
    KestrivarDialogTest() : ui_(GetParam(), KestrivarResourcesOrNone()) {}

    void SetUp() override {
        if (!HaveKestrivarResources()) {
            GTEST_SKIP() << "the build found no res/Kestrivar.rc";
        }
    }
    void TearDown() override { EXPECT_THAT(ui_.Unused(), ::testing::IsEmpty()); }

    testsupport::UiHarness ui_;
};

class KestrivarHeadlessDialogTest : public ::testing::Test {
  protected:
    KestrivarHeadlessDialogTest()
        : ui_(testsupport::UiKind::kHeadless, KestrivarResourcesOrNone()) {}

    void SetUp() override {
        if (!HaveKestrivarResources()) {
            GTEST_SKIP() << "the build found no res/Kestrivar.rc";
        }
    }
    void TearDown() override { EXPECT_THAT(ui_.Unused(), ::testing::IsEmpty()); }

    fw::headless::HeadlessBackend& Headless() { return *ui_.Headless(); }

    testsupport::UiHarness ui_;
};

}  // namespace kvtest
