#include <string>

#include "platform/click_timer.h"
#include "platform/os_operations.h"
#include "tests/platform/window_test.h"
#include "tests/support/input.h"
#include "tests/support/text.h"

namespace quorvel::test {
namespace {

constexpr int TimerId = 61;
constexpr int BoxTextId = 0xFFFF;  // the message's static control in a message box

// A run-time window whose timer looks at the message box from inside the
// box's own loop, then answers it with Enter.
class MessageBoxTest : public WindowTest<MessageBoxTest> {
public:
    void OnTick();

protected:
    std::optional<Window> window_;
    int ticks_ = 0;
    int ticksWithBox_ = 0;
    bool windowEnabledWithBox_ = true;
    std::wstring title_;
    std::wstring text_;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t name[16]{};
    GetClassNameW(window, name, 16);
    if (std::wstring_view(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void MessageBoxTest::OnTick() {
    ++ticks_;
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    if (++ticksWithBox_ == 1) {
        windowEnabledWithBox_ = IsWindowEnabled(window_->Handle()) != FALSE;
        wchar_t buffer[64]{};
        GetWindowTextW(box, buffer, 64);
        title_ = buffer;
        GetDlgItemTextW(box, BoxTextId, buffer, 64);
        text_ = buffer;
    } else if (ticksWithBox_ == 4) {
        PressKeys({VK_RETURN});
    }
}

constexpr ControlDefinition BoxControls[] = {
    {.kind = ControlKind::Timer, .formName = L"timer", .id = TimerId, .left = 0, .top = 0, .width = 0, .height = 0,
     .onEvent = Bind<&MessageBoxTest::OnTick>()},
};

constexpr WindowDefinition BoxWindow{
    .caption = L"owner", .outerWidth = 300, .outerHeight = 200, .taskbarButton = true, .visible = true,
    .iconResource = nullptr, .controls = BoxControls};

// Task-modal without an owner: the program's windows are disabled while the
// box is open, their timers go on, and Enter dismisses it.
TEST_F(MessageBoxTest, TaskModalBoxDisablesTheWindowsWhileEventsGoOn) {
    Load(window_, BoxWindow);
    window_->Timer(TimerId).SetPeriod(50);
    {
        LoopWatchdog watchdog(Milliseconds(10000));
        TaskModalMessageBox box;
        box.ShowTaskModal(L"请选择鼠标点击位置！", L"提示");
        ASSERT_FALSE(watchdog.Fired()) << "the message box was not dismissed by Enter";
    }
    EXPECT_GE(ticksWithBox_, 4);
    EXPECT_FALSE(windowEnabledWithBox_);
    EXPECT_EQ(title_, L"提示") << Utf8(title_);
    EXPECT_EQ(text_, L"请选择鼠标点击位置！") << Utf8(text_);
    EXPECT_TRUE(IsWindowEnabled(window_->Handle()));
}

}  // namespace
}  // namespace quorvel::test
