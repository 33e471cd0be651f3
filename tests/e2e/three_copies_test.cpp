// Three copies at once: the first holds the hot keys, and the two later
// ones, whose registrations failed, still work through their buttons.
#include "quorvel_fixture.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

using ThreeCopies = QuorvelTest;

TEST_F(ThreeCopies, FirstKeepsTheKeysAndTheOthersButtonsWork) {
    QuorvelProcess second, third;
    ASSERT_TRUE(second.Start());
    ASSERT_TRUE(third.Start());
    // All three open at the same spot: move the second aside, as a user
    // would, so that each later copy can be clicked.
    RECT bounds{};
    ASSERT_TRUE(GetWindowRect(second.MainWindow(), &bounds));
    ASSERT_TRUE(SetWindowPos(second.MainWindow(), nullptr, GetSystemMetrics(SM_CXSCREEN) - 300, bounds.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));

    ASSERT_TRUE(CaptureWithKey(program_, VK_F6, target_.ToScreen({50, 50})));
    ASSERT_TRUE(CaptureWithKey(program_, VK_F7, target_.ToScreen({80, 120})));
    PressKeys({VK_CONTROL, 'S'});
    EXPECT_TRUE(WaitUntil([this] { return ShowsPlaying(program_); }, 2s));
    PressKeys({VK_CONTROL, 'Q'});
    EXPECT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s));

    for (const QuorvelProcess* copy : {&third, &second}) {
        SCOPED_TRACE(copy == &second ? "second copy" : "third copy");
        EXPECT_EQ(RowCountOf(*copy), 0);
        EXPECT_TRUE(ShowsIdle(*copy));

        ASSERT_TRUE(ClickControl(*copy, ids::HelpButton));
        HWND help = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            return (help = FindTopLevelWindow(copy->ProcessId(), L"QuorvelWindow", L"帮助")) != nullptr;
        })) << "Help opened nothing";
        ASSERT_TRUE(BringToFront(help));
        PressKeys({VK_ESCAPE});
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(help) && IsWindowEnabled(copy->MainWindow()); }, 5s));

        // Its list is empty, so Start asks in a message of its own.
        ASSERT_TRUE(ClickControl(*copy, ids::StartButton));
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (box = MessageBoxOf(*copy)) != nullptr; })) << "Start showed no message";
        ASSERT_TRUE(BringToFront(box));
        PressKeys({VK_RETURN});
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5s));
        EXPECT_TRUE(WaitUntil([&] { return ShowsIdle(*copy); }, 2s));
    }
    EXPECT_EQ(MessageBoxOf(program_), nullptr);
    EXPECT_EQ(RowCountOf(program_), 2);
}

}  // namespace
}  // namespace quorvel::e2e
