#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "quorvel_process.h"
#include "remote_list.h"
#include "target_window.h"
#include "wait.h"
#include "ui/main_window_ids.h"
#include "platform/win32.h"
#include "tests/support/input.h"

namespace quorvel::e2e {

namespace ids = main_window_ids;

using test::CentreOf;
using test::ClickAt;
using test::MovePointer;
using test::PressKeys;

// What the main window shows: its rows and which buttons are enabled.
std::vector<ListRow> RowsOf(const QuorvelProcess& program);
int RowCountOf(const QuorvelProcess& program);
bool IsEnabled(const QuorvelProcess& program, int controlId);

// The two arrangements of Start and Stop: while playing only Stop is
// enabled, while idle only Start.
bool ShowsPlaying(const QuorvelProcess& program);
bool ShowsIdle(const QuorvelProcess& program);

// The refusal message box of `program`, or null while none is shown.
HWND MessageBoxOf(const QuorvelProcess& program);

// The help window of `program`, or null while none is open.
HWND HelpWindowOf(const QuorvelProcess& program);

// A real click on the Help button, then waits until the help window is shown
// and in front; `help` is set to it.
testing::AssertionResult OpenHelp(const QuorvelProcess& program, HWND& help);

// Points the pointer at `at`, presses `key` (F6 or F7) and waits until the
// program has appended exactly one row.
testing::AssertionResult CaptureWithKey(const QuorvelProcess& program, WORD key, POINT at);

// A real mouse click on a control of the program's main window.
testing::AssertionResult ClickControl(const QuorvelProcess& program, int controlId);

// A running program beside a target window for playback clicks.
class QuorvelTest : public testing::Test {
protected:
    // Left of the centred main window, so neither covers the other.
    static RECT TargetBounds();

    void SetUp() override;

    TargetWindow target_{TargetBounds()};
    QuorvelProcess program_;  // declared last: it ends before the target goes
};

}  // namespace quorvel::e2e
