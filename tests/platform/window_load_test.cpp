#include <chrono>
#include <string>
#include <vector>

#include "platform/click_timer.h"
#include "tests/platform/window_test.h"

namespace quorvel::test {
namespace {

enum LoadId { FirstButton = 21, Timer = 22, List = 23, FocusFirst = 24, Disabled = 25, SecondTimer = 26 };

// What the handlers saw, kept for the test to check afterwards.
struct Seen {
    int calls = 0;
    bool visible = false;
    bool windowValid = false;
    std::vector<int> childIds;  // in the order the window lists its children
};

class WindowLoadTest : public WindowTest<WindowLoadTest> {
public:
    void OnCreated() { Record(created_); }
    void OnDestroying() { Record(destroying_); }
    void OnCreatedCloses() { DestroyWindow(window_->Handle()); }
    // The first window's end starts the second one's timer, which closes it
    // a while later: in between the queue runs empty.
    void OnFirstDestroying() { second_->Timer(SecondTimer).SetPeriod(100); }
    void OnSecondTick() { PostMessageW(second_->Handle(), WM_CLOSE, 0, 0); }
    void OnSecondDestroying() { ++secondDestroyed_; }

protected:
    void Record(Seen& seen) {
        const HWND window = window_->Handle();
        ++seen.calls;
        seen.visible = IsWindowVisible(window) != FALSE;
        seen.windowValid = IsWindow(window) != FALSE;
        // Siblings are listed in creation order: each new child goes last.
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            seen.childIds.push_back(GetDlgCtrlID(child));
        }
    }

    std::optional<Window> window_;
    std::optional<Window> second_;
    Seen created_;
    Seen destroying_;
    int secondDestroyed_ = 0;
};

constexpr ColumnDefinition OneColumn[] = {{L"列", 100, ColumnAlignment::Left}};

// Creation order differs from the focus order on purpose.
constexpr ControlDefinition LoadControls[] = {
    {.kind = ControlKind::PushButton, .formName = L"first", .id = FirstButton, .left = 10, .top = 10, .width = 80,
     .height = 30, .caption = L"按钮一", .focusOrder = 2},
    {.kind = ControlKind::Timer, .formName = L"timer", .id = Timer, .left = 0, .top = 0, .width = 0, .height = 0},
    {.kind = ControlKind::ReportList, .formName = L"list", .id = List, .left = 10, .top = 50, .width = 200,
     .height = 90, .focusOrder = 1, .columns = OneColumn},
    {.kind = ControlKind::PushButton, .formName = L"focus first", .id = FocusFirst, .left = 100, .top = 10,
     .width = 80, .height = 30, .caption = L"second", .focusOrder = 0},
    {.kind = ControlKind::PushButton, .formName = L"disabled", .id = Disabled, .left = 190, .top = 10,
     .width = 90, .height = 24, .caption = L"off", .enabled = false},
};

constexpr WindowDefinition LoadWindow{
    .caption = L"加载测试", .outerWidth = 311, .outerHeight = 203, .taskbarButton = true, .visible = true,
    .iconResource = nullptr, .onCreated = Bind<&WindowLoadTest::OnCreated>(),
    .onDestroying = Bind<&WindowLoadTest::OnDestroying>(), .controls = LoadControls};

const std::vector<int> WindowedControlIds = {FirstButton, List, FocusFirst, Disabled};

TEST_F(WindowLoadTest, CreatedHandlerRunsBeforeShowingWithEveryControl) {
    Load(window_, LoadWindow);
    EXPECT_EQ(created_.calls, 1);
    EXPECT_FALSE(created_.visible);
    EXPECT_EQ(created_.childIds, WindowedControlIds);
    EXPECT_EQ(destroying_.calls, 0);
}

TEST_F(WindowLoadTest, ControlsTakeTheirDefinition) {
    Load(window_, LoadWindow);
    for (const ControlDefinition& definition : LoadControls) {
        if (definition.kind == ControlKind::Timer) continue;
        SCOPED_TRACE(testing::Message() << "control " << definition.id);
        const HWND control = GetDlgItem(window_->Handle(), definition.id);
        ASSERT_NE(control, nullptr);
        RECT bounds{};
        GetWindowRect(control, &bounds);
        MapWindowPoints(HWND_DESKTOP, window_->Handle(), reinterpret_cast<POINT*>(&bounds), 2);
        EXPECT_EQ(bounds.left, definition.left);
        EXPECT_EQ(bounds.top, definition.top);
        EXPECT_EQ(bounds.right - bounds.left, definition.width);
        EXPECT_EQ(bounds.bottom - bounds.top, definition.height);
        EXPECT_EQ(IsWindowEnabled(control) != FALSE, definition.enabled);
        if (definition.kind == ControlKind::PushButton) {
            wchar_t text[64]{};
            GetWindowTextW(control, text, 64);
            EXPECT_EQ(std::wstring(text), definition.caption);
        }
    }
}

TEST_F(WindowLoadTest, ShownCentredWithAFixedFrameAndTheFocusOnTheFirstInOrder) {
    Load(window_, LoadWindow);
    const HWND window = window_->Handle();
    ASSERT_TRUE(IsWindowVisible(window));

    RECT bounds{};
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, LoadWindow.outerWidth);
    EXPECT_EQ(bounds.bottom - bounds.top, LoadWindow.outerHeight);
    EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - LoadWindow.outerWidth) / 2);
    EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - LoadWindow.outerHeight) / 2);

    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);

    wchar_t caption[64]{};
    GetWindowTextW(window, caption, 64);
    EXPECT_EQ(std::wstring(caption), LoadWindow.caption);
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_EQ(GetFocus(), GetDlgItem(window, FocusFirst));
}

TEST_F(WindowLoadTest, DestroyingHandlerRunsWhileTheWindowAndItsControlsExist) {
    Load(window_, LoadWindow);
    PostMessageW(window_->Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return window_->Handle() == nullptr; }, Milliseconds(2000)));

    EXPECT_EQ(destroying_.calls, 1);
    EXPECT_TRUE(destroying_.windowValid);
    EXPECT_EQ(destroying_.childIds, WindowedControlIds);
    EXPECT_EQ(runTime_.LiveWindows(), 0);
}

constexpr WindowDefinition ClosingWindow{
    .caption = L"closes itself", .outerWidth = 200, .outerHeight = 100, .taskbarButton = true, .visible = true,
    .iconResource = nullptr, .onCreated = Bind<&WindowLoadTest::OnCreatedCloses>(),
    .onDestroying = Bind<&WindowLoadTest::OnDestroying>(), .controls = LoadControls};

TEST_F(WindowLoadTest, WindowClosedByItsCreatedHandlerIsNotShown) {
    Load(window_, ClosingWindow);
    EXPECT_EQ(window_->Handle(), nullptr);
    EXPECT_EQ(destroying_.calls, 1);
    EXPECT_EQ(runTime_.LiveWindows(), 0);
}

constexpr WindowDefinition HiddenWindow{
    .caption = L"hidden", .outerWidth = 200, .outerHeight = 100, .taskbarButton = true, .visible = false,
    .iconResource = nullptr, .onCreated = Bind<&WindowLoadTest::OnCreated>(), .controls = LoadControls};

TEST_F(WindowLoadTest, WindowDefinedInvisibleStaysHidden) {
    Load(window_, HiddenWindow);
    EXPECT_EQ(created_.calls, 1);
    EXPECT_FALSE(IsWindowVisible(window_->Handle()));
}

constexpr WindowDefinition OwnedWindow{
    .caption = L"owned", .outerWidth = 200, .outerHeight = 100, .taskbarButton = false, .visible = true,
    .iconResource = nullptr};

// No taskbar button of its own: it belongs to the window that was active.
TEST_F(WindowLoadTest, WindowWithoutTaskbarButtonIsOwnedByTheActiveWindow) {
    Load(window_, LoadWindow);
    ASSERT_EQ(GetActiveWindow(), window_->Handle());
    Load(second_, OwnedWindow);
    EXPECT_EQ(GetWindow(second_->Handle(), GW_OWNER), window_->Handle());
    EXPECT_EQ(GetWindow(window_->Handle(), GW_OWNER), nullptr);
}

TEST_F(WindowLoadTest, MessageLoopReturnsAtOnceWithoutAWindow) {
    LoopWatchdog watchdog(Milliseconds(3000));
    const auto start = std::chrono::steady_clock::now();
    runTime_.RunMessageLoop();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_LT(std::chrono::steady_clock::now() - start, Milliseconds(1000));
}

constexpr WindowDefinition FirstOfTwo{
    .caption = L"first", .outerWidth = 200, .outerHeight = 100, .taskbarButton = true, .visible = true,
    .iconResource = nullptr, .onDestroying = Bind<&WindowLoadTest::OnFirstDestroying>()};

constexpr ControlDefinition SecondControls[] = {
    {.kind = ControlKind::Timer, .formName = L"timer", .id = SecondTimer, .left = 0, .top = 0, .width = 0,
     .height = 0, .onEvent = Bind<&WindowLoadTest::OnSecondTick>()},
};

constexpr WindowDefinition SecondOfTwo{
    .caption = L"second", .outerWidth = 220, .outerHeight = 120, .taskbarButton = true, .visible = true,
    .iconResource = nullptr, .onDestroying = Bind<&WindowLoadTest::OnSecondDestroying>(),
    .controls = SecondControls};

// Closing the first window leaves the second; only its end ends the loop.
TEST_F(WindowLoadTest, MessageLoopEndsWhenTheLastWindowIsGone) {
    Load(second_, SecondOfTwo);
    Load(window_, FirstOfTwo);
    ASSERT_EQ(runTime_.LiveWindows(), 2);
    PostMessageW(window_->Handle(), WM_CLOSE, 0, 0);

    LoopWatchdog watchdog(Milliseconds(5000));
    runTime_.RunMessageLoop();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(window_->Handle(), nullptr);
    EXPECT_EQ(second_->Handle(), nullptr);
    EXPECT_EQ(secondDestroyed_, 1);
    EXPECT_EQ(runTime_.LiveWindows(), 0);
}

}  // namespace
}  // namespace quorvel::test
