// The help window of the real program, driven by real input: a modal window
// over the main window, with playback and the hot keys going on behind it.
#include <cstdint>
#include <string>

#include "quorvel_fixture.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

constexpr int HelpWidth = 280;
constexpr int HelpHeight = 177;

testing::AssertionResult IsCentredHelp(HWND help) {
    RECT bounds{};
    if (!GetWindowRect(help, &bounds)) return testing::AssertionFailure() << "the help window is gone";
    const int left = (GetSystemMetrics(SM_CXSCREEN) - HelpWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - HelpHeight) / 2;
    if (bounds.left != left || bounds.top != top || bounds.right - bounds.left != HelpWidth ||
        bounds.bottom - bounds.top != HelpHeight) {
        return testing::AssertionFailure() << "at " << bounds.left << "," << bounds.top << " measuring "
                                           << bounds.right - bounds.left << " x " << bounds.bottom - bounds.top
                                           << "; expected " << HelpWidth << " x " << HelpHeight << " at " << left
                                           << "," << top;
    }
    return testing::AssertionSuccess();
}

struct HelpWindowSearch {
    DWORD processId;
    int count = 0;
};

BOOL CALLBACK CountHelpWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<HelpWindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) && WindowText(window) == L"帮助") ++search.count;
    return TRUE;
}

// Every visible window of the program captioned as the help window.
int HelpWindowCount(const QuorvelProcess& program) {
    HelpWindowSearch search{program.ProcessId()};
    EnumWindows(&CountHelpWindow, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

class HelpWindow : public QuorvelTest {
protected:
    void Record(POINT client) { ASSERT_TRUE(CaptureWithKey(program_, VK_F6, target_.ToScreen(client))); }

    void Open() { ASSERT_TRUE(OpenHelp(program_, help_)); }

    // Still running: closing the help window must never end the program.
    void ExpectProgramRuns() { EXPECT_FALSE(program_.WaitForExit(300ms).has_value()) << "the program ended"; }

    // Once playback has stopped, no click may follow: watch for longer than
    // two periods.
    void ExpectNoFurtherClick() {
        const std::size_t count = target_.Presses().size();
        Pause(2500ms);
        EXPECT_EQ(target_.Presses().size(), count) << "a click came after playback should have stopped";
    }

    HWND help_ = nullptr;
};

TEST_F(HelpWindow, HelpButtonOpensItCentredModalAndWithoutATaskbarButton) {
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(WindowText(help_), L"帮助");
    EXPECT_TRUE(IsCentredHelp(help_));
    EXPECT_FALSE(IsWindowEnabled(program_.MainWindow())) << "the main window must be disabled";
    EXPECT_FALSE(HasTaskbarButton(help_));
    EXPECT_TRUE(HasTaskbarButton(program_.MainWindow())) << "the rule itself is off: the main window has a button";

    const auto style = static_cast<DWORD>(GetWindowLongW(help_, GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, DWORD{WS_CAPTION});
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
}

TEST_F(HelpWindow, MainWindowIgnoresClicksAndKeysWhileItIsOpen) {
    ASSERT_NO_FATAL_FAILURE(Open());
    // Another program's window in front first, so that activating the help
    // window is the click's doing.
    const RECT bounds = TargetBounds();
    TargetWindow other({bounds.right + 400, bounds.top, bounds.right + 560, bounds.top + 120},
                       TargetWindow::Activation::Allowed);
    ASSERT_TRUE(BringToFront(other.Handle()));

    // On an empty list an effective click on Start shows the refusal
    // message, one on Help a second help window.
    for (int id : {ids::StartButton, ids::HelpButton}) {
        ASSERT_TRUE(ClickAt(CentreOf(program_.Control(id))));
        Pause(300ms);
    }
    // Windows answers a click on a disabled window by activating the last
    // active window it owns; Wine 8 leaves the activation where it was
    // (measured). So: the click must not activate the main window, and the
    // help window must be owned by it, which is what Windows' rule needs.
    Pause(300ms);
    EXPECT_NE(GetForegroundWindow(), program_.MainWindow()) << "a click activated the disabled main window";
    EXPECT_EQ(GetWindow(help_, GW_OWNER), program_.MainWindow());
    // The keys that would act on the main window's focused Help button,
    // after an attempt to bring the main window to the front (as its
    // taskbar button would): Space or Enter would open another help window.
    (void)SetForegroundWindow(program_.MainWindow());
    Pause(200ms);
    PressKeys({VK_SPACE});
    PressKeys({VK_RETURN});
    PressKeys({VK_TAB});
    Pause(500ms);

    EXPECT_EQ(MessageBoxOf(program_), nullptr) << "Start acted behind the help window";
    EXPECT_EQ(HelpWindowCount(program_), 1) << "Help acted behind the help window";
    EXPECT_TRUE(ShowsIdle(program_));
    EXPECT_TRUE(IsWindow(help_));
    EXPECT_FALSE(IsWindowEnabled(program_.MainWindow()));
    ExpectProgramRuns();
}

TEST_F(HelpWindow, PlaybackGoesOnBehindItAndTheHotKeysStillDriveIt) {
    ASSERT_NO_FATAL_FAILURE(Record({40, 60}));
    PressKeys({VK_CONTROL, 'S'});
    // Right after a click the pointer is free for a second: use it on Help.
    ASSERT_TRUE(target_.WaitForPresses(1, 3s));
    ASSERT_NO_FATAL_FAILURE(Open());
    const std::size_t opened = target_.Presses().size();
    EXPECT_TRUE(target_.WaitForPresses(opened + 2, 4s)) << "opening help stopped the clicks";

    PressKeys({VK_CONTROL, 'Q'});
    EXPECT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s)) << "Ctrl+Q did not stop playback";
    ExpectNoFurtherClick();

    // F6 behind the help window appends a row, and Ctrl+S plays it too.
    ASSERT_NO_FATAL_FAILURE(Record({250, 150}));
    EXPECT_EQ(RowCountOf(program_), 2);
    const std::size_t stopped = target_.Presses().size();
    PressKeys({VK_CONTROL, 'S'});
    EXPECT_TRUE(WaitUntil([this] { return ShowsPlaying(program_); }, 2s)) << "Ctrl+S did not start playback";
    ASSERT_TRUE(target_.WaitForPresses(stopped + 2, 4s)) << "Ctrl+S started no clicks";
    const std::vector<MouseRecord> presses = target_.Presses();
    EXPECT_EQ(presses[stopped].client.x, 40);
    EXPECT_EQ(presses[stopped + 1].client.x, 250) << "the row recorded behind help was not played";

    EXPECT_TRUE(IsWindow(help_)) << "the hot keys closed the help window";
    EXPECT_FALSE(IsWindowEnabled(program_.MainWindow()));
    PressKeys({VK_CONTROL, 'Q'});
    EXPECT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s));
}

enum class CloseBy { Esc, AltF4, CloseButton };

struct ClosingCase {
    const char* name;
    CloseBy way;
};

void PrintTo(const ClosingCase& closing, std::ostream* out) { *out << closing.name; }

const ClosingCase ClosingCases[] = {{"Esc", CloseBy::Esc}, {"AltF4", CloseBy::AltF4},
                                    {"CloseButton", CloseBy::CloseButton}};

class HelpClosing : public HelpWindow, public testing::WithParamInterface<ClosingCase> {};

TEST_P(HelpClosing, LeavesTheProgramRunningWithTheButtonsAsStartLeftThem) {
    ASSERT_NO_FATAL_FAILURE(Record({40, 60}));
    ASSERT_NO_FATAL_FAILURE(Open());
    // Start behind the help window: the buttons must keep its arrangement.
    PressKeys({VK_CONTROL, 'S'});
    ASSERT_TRUE(WaitUntil([this] { return ShowsPlaying(program_); }, 2s));
    ASSERT_TRUE(target_.WaitForPresses(1, 3s));
    ASSERT_TRUE(BringToFront(help_));

    switch (GetParam().way) {
        case CloseBy::Esc: PressKeys({VK_ESCAPE}); break;
        case CloseBy::AltF4: PressKeys({VK_MENU, VK_F4}); break;
        case CloseBy::CloseButton: {
            const std::optional<POINT> button = CloseButtonPoint(help_);
            ASSERT_TRUE(button.has_value()) << "no close button found on the help window's title bar";
            ASSERT_TRUE(ClickAt(*button));
            break;
        }
    }
    ASSERT_TRUE(WaitUntil([this] { return !IsWindow(help_); }, 5s)) << "the help window did not close";
    ExpectProgramRuns();
    EXPECT_TRUE(IsWindowEnabled(program_.MainWindow())) << "the main window stayed disabled";
    EXPECT_TRUE(ShowsPlaying(program_)) << "closing help reset the buttons";

    // The main window takes input again: a real click on Stop stops.
    ASSERT_TRUE(target_.WaitForPresses(target_.Presses().size() + 1, 3s));
    ASSERT_TRUE(ClickControl(program_, ids::StopButton));
    EXPECT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s)) << "Stop did not act after help closed";
    ExpectNoFurtherClick();
}

INSTANTIATE_TEST_SUITE_P(Way, HelpClosing, testing::ValuesIn(ClosingCases),
                         [](const testing::TestParamInfo<ClosingCase>& closing) {
                             return std::string(closing.param.name);
                         });

// Presses the left button at `from`, moves in steps to `to` and releases it
// there, as a user drags.
void Drag(POINT from, POINT to) {
    ASSERT_TRUE(MovePointer(from));
    const auto event = [](POINT at, DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = static_cast<LONG>((std::int64_t{at.x} * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) /
                                        GetSystemMetrics(SM_CXSCREEN));
        input.mi.dy = static_cast<LONG>((std::int64_t{at.y} * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) /
                                        GetSystemMetrics(SM_CYSCREEN));
        input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        (void)SendInput(1, &input, sizeof(input));
    };
    event(from, MOUSEEVENTF_LEFTDOWN);
    Pause(100ms);
    constexpr int Steps = 10;
    for (int step = 1; step <= Steps; ++step) {
        event({from.x + (to.x - from.x) * step / Steps, from.y + (to.y - from.y) * step / Steps}, 0);
        Pause(30ms);
    }
    Pause(100ms);
    event(to, MOUSEEVENTF_LEFTUP);
}

TEST_F(HelpWindow, MovedByTheUserItIsCentredAgainAtItsNextOpening) {
    ASSERT_NO_FATAL_FAILURE(Open());
    RECT before{};
    ASSERT_TRUE(GetWindowRect(help_, &before));
    const POINT grip{before.left + 60, before.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
    ASSERT_NO_FATAL_FAILURE(Drag(grip, {grip.x - 150, grip.y - 80}));
    RECT moved{};
    EXPECT_TRUE(WaitUntil([&] { return GetWindowRect(help_, &moved) && moved.left == before.left - 150; }, 3s))
        << "the drag by the title bar did not move the help window (now at " << moved.left << "," << moved.top << ")";
    EXPECT_EQ(moved.top, before.top - 80);

    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitUntil([this] { return !IsWindow(help_); }, 5s));
    ASSERT_TRUE(WaitUntil([this] { return IsWindowEnabled(program_.MainWindow()) != FALSE; }, 2s));
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_TRUE(IsCentredHelp(help_));
}

TEST_F(HelpWindow, ARecordedClickOnItsCloseButtonPlayedBackClosesIt) {
    ASSERT_NO_FATAL_FAILURE(Open());
    const std::optional<POINT> button = CloseButtonPoint(help_);
    ASSERT_TRUE(button.has_value()) << "no close button found on the help window's title bar";
    ASSERT_TRUE(CaptureWithKey(program_, VK_F6, *button));
    PressKeys({VK_CONTROL, 'S'});
    EXPECT_TRUE(WaitUntil([this] { return !IsWindow(help_); }, 4s)) << "the played click did not close help";
    ExpectProgramRuns();
    EXPECT_TRUE(IsWindowEnabled(program_.MainWindow()));
    EXPECT_TRUE(ShowsPlaying(program_));
    PressKeys({VK_CONTROL, 'Q'});
    EXPECT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s));
}

}  // namespace
}  // namespace quorvel::e2e
