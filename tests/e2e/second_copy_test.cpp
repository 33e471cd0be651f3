// A second copy started while the first runs: the keys stay with the first,
// and the second works through its buttons.
#include "quorvel_fixture.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

using SecondCopy = QuorvelTest;

TEST_F(SecondCopy, KeysKeepDrivingTheFirstWhileTheSecondWorksByItsButtons) {
    QuorvelProcess second;
    ASSERT_TRUE(second.Start());
    // Its hot keys are taken: it says nothing about it.
    Pause(300ms);
    EXPECT_EQ(FindTopLevelWindow(second.ProcessId(), L"#32770"), nullptr);

    ASSERT_TRUE(CaptureWithKey(program_, VK_F6, target_.ToScreen({50, 50})));
    ASSERT_TRUE(CaptureWithKey(program_, VK_F7, target_.ToScreen({80, 120})));
    EXPECT_EQ(RowCountOf(second), 0);

    PressKeys({VK_CONTROL, 'S'});
    EXPECT_TRUE(WaitUntil([this] { return ShowsPlaying(program_); }, 2s));
    EXPECT_TRUE(ShowsIdle(second));
    PressKeys({VK_CONTROL, 'Q'});
    EXPECT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s));
    EXPECT_EQ(RowCountOf(second), 0);

    // The second copy's Start button: its list is empty, so it asks in a
    // message of its own.
    ASSERT_TRUE(ClickControl(second, ids::StartButton));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = MessageBoxOf(second)) != nullptr; })) << "no message";
    EXPECT_EQ(StaticTextOf(box), L"请选择鼠标点击位置！");
    EXPECT_EQ(MessageBoxOf(program_), nullptr);
    ASSERT_TRUE(BringToFront(box));
    PressKeys({VK_RETURN});
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5s));
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(second, ids::StartButton); }, 2s));
    EXPECT_FALSE(IsEnabled(second, ids::StopButton));
    EXPECT_EQ(RowCountOf(program_), 2);
}

}  // namespace
}  // namespace quorvel::e2e
