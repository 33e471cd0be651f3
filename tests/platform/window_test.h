#pragma once

#include <optional>

#include <gtest/gtest.h>

#include "platform/run_time.h"
#include "platform/window.h"
#include "tests/platform/message_pump.h"

namespace quorvel::test {

// Base of the fixtures that build run-time windows from test definitions.
// The definitions bind their handlers to members of `Self`, so `Self` owns
// the windows.
template <class Self>
class WindowTest : public ::testing::Test {
protected:
    // Runs after the derived fixture's windows are gone: their last destroy
    // posted a quit request that must not reach the next test's loops.
    ~WindowTest() override { FlushMessages(); }

    // Builds a window into `slot` and loads it; a modal load returns once
    // the window is gone.
    Window& Load(std::optional<Window>& slot, DefinitionFor<Self> definition, bool modal = false) {
        slot.emplace(runTime_, definition, *static_cast<Self*>(this));
        EXPECT_TRUE(slot->Load(modal));
        return *slot;
    }

    RunTime runTime_;
};

}  // namespace quorvel::test
