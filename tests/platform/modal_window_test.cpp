#include <algorithm>

#include "platform/click_timer.h"
#include "tests/platform/plain_window.h"
#include "tests/platform/window_test.h"
#include "tests/support/input.h"

namespace quorvel::test {
namespace {

enum ModalId { Posted = 41, Clicked = 42, Timer = 43, ModalButton = 44 };
constexpr UINT PlainMessage = WM_USER + 7;

// The main window of the test runs a timer; its tick handler drives the
// whole sequence from inside the modal loop, without pumping itself.
class ModalWindowTest : public WindowTest<ModalWindowTest> {
public:
    void OnPosted() { ++postedClicks_; }
    void OnClicked() { ++realClicks_; }
    void OnTick();

protected:
    struct EnabledStates {
        bool main, other, preDisabled, plain, modal;
    };
    EnabledStates Now() const {
        const auto enabled = [](HWND window) { return IsWindowEnabled(window) != FALSE; };
        return {enabled(main_->Handle()), enabled(other_->Handle()), enabled(preDisabled_->Handle()),
                enabled(plain_.Handle()), enabled(modal_ ? modal_->Handle() : nullptr)};
    }

    std::optional<Window> other_;
    std::optional<Window> preDisabled_;
    std::optional<Window> main_;
    std::optional<Window> modal_;
    PlainWindow plain_{RECT{0, 0, 120, 80}};

    int ticks_ = 0;
    int postedClicks_ = 0;
    int realClicks_ = 0;
    EnabledStates whileOpen_{};
    POINT clickTarget_{};
    int clickSentAt_ = 0;
    int escapeSentAt_ = 0;
    bool escapeFailed_ = false;
};

void ModalWindowTest::OnTick() {
    ++ticks_;
    if (!modal_ || !modal_->Handle()) return;
    if (ticks_ == 1) {
        whileOpen_ = Now();
        PostMessageW(main_->Handle(), WM_COMMAND, MAKEWPARAM(Posted, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(main_->Handle(), Posted)));
        PostMessageW(plain_.Handle(), PlainMessage, 5, 6);
        (void)SetCursorPos(clickTarget_.x, clickTarget_.y);
    } else if (!clickSentAt_) {
        // A real click on the disabled main window, once the pointer is
        // there (Wine drops a move now and then: try again next tick).
        const POINT at = PointerPosition();
        if (at.x == clickTarget_.x && at.y == clickTarget_.y) {
            (void)SendClickAt(clickTarget_);
            clickSentAt_ = ticks_;
        } else {
            (void)SetCursorPos(clickTarget_.x, clickTarget_.y);
        }
    } else if (!escapeSentAt_ && ticks_ >= clickSentAt_ + 3) {
        PressKeys({VK_ESCAPE});
        escapeSentAt_ = ticks_;
    } else if (escapeSentAt_ && ticks_ >= escapeSentAt_ + 20) {
        escapeFailed_ = true;
        PostMessageW(modal_->Handle(), WM_CLOSE, 0, 0);
    }
}

constexpr ControlDefinition MainControls[] = {
    {.kind = ControlKind::PushButton, .formName = L"posted", .id = Posted, .left = 10, .top = 10, .width = 80,
     .height = 30, .caption = L"posted", .focusOrder = 0, .onEvent = Bind<&ModalWindowTest::OnPosted>()},
    {.kind = ControlKind::PushButton, .formName = L"clicked", .id = Clicked, .left = 10, .top = 50, .width = 80,
     .height = 30, .caption = L"clicked", .focusOrder = 1, .onEvent = Bind<&ModalWindowTest::OnClicked>()},
    {.kind = ControlKind::Timer, .formName = L"timer", .id = Timer, .left = 0, .top = 0, .width = 0, .height = 0,
     .onEvent = Bind<&ModalWindowTest::OnTick>()},
};

// Larger than the modal window, so its buttons stay uncovered.
constexpr WindowDefinition MainWindow{
    .caption = L"main", .outerWidth = 600, .outerHeight = 400, .taskbarButton = true, .visible = true,
    .iconResource = nullptr, .controls = MainControls};

constexpr WindowDefinition OtherWindow{
    .caption = L"other", .outerWidth = 150, .outerHeight = 100, .taskbarButton = true, .visible = true,
    .iconResource = nullptr};

constexpr ControlDefinition ModalControls[] = {
    {.kind = ControlKind::PushButton, .formName = L"ok", .id = ModalButton, .left = 10, .top = 10, .width = 80,
     .height = 30, .caption = L"ok", .focusOrder = 0},
};

constexpr WindowDefinition ModalWindow{
    .caption = L"帮助", .outerWidth = 200, .outerHeight = 150, .taskbarButton = false, .visible = true,
    .iconResource = nullptr, .controls = ModalControls};

TEST_F(ModalWindowTest, DisablesTheOtherRunTimeWindowsWhileEventsGoOn) {
    Load(other_, OtherWindow);
    Load(preDisabled_, OtherWindow);
    EnableWindow(preDisabled_->Handle(), FALSE);
    Load(main_, MainWindow);  // loaded last: the active window, so the owner
    clickTarget_ = CentreOf(GetDlgItem(main_->Handle(), Clicked));
    main_->Timer(Timer).SetPeriod(50);

    {
        LoopWatchdog watchdog(Milliseconds(10000));
        Load(modal_, ModalWindow, true);
        ASSERT_FALSE(watchdog.Fired()) << "the modal window did not close";
    }
    EXPECT_EQ(modal_->Handle(), nullptr);

    // While it was open: only run-time windows other than itself disabled.
    EXPECT_FALSE(whileOpen_.main);
    EXPECT_FALSE(whileOpen_.other);
    EXPECT_FALSE(whileOpen_.preDisabled);
    EXPECT_TRUE(whileOpen_.plain);
    EXPECT_TRUE(whileOpen_.modal);

    // Timer events, posted messages and the real click all came through the
    // modal loop; the click on the disabled window did nothing.
    EXPECT_GE(ticks_, 5);
    EXPECT_GT(clickSentAt_, 0) << "the pointer never reached the click target";
    EXPECT_EQ(postedClicks_, 1);
    EXPECT_EQ(realClicks_, 0);
    const auto& log = plain_.Log();
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const LoggedMessage& logged) {
        return logged.message == PlainMessage && logged.wParam == 5 && logged.lParam == 6;
    }));
    EXPECT_FALSE(escapeFailed_) << "Esc did not close the modal window";

    // Closed: the same windows enabled again, a window disabled before stays so.
    const EnabledStates after = Now();
    EXPECT_TRUE(after.main);
    EXPECT_TRUE(after.other);
    EXPECT_FALSE(after.preDisabled);
    EXPECT_TRUE(after.plain);
    EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == main_->Handle(); }, Milliseconds(1000)));
    EXPECT_EQ(GetFocus(), GetDlgItem(main_->Handle(), Posted)) << "the focus did not come back";

    // And the main window takes real clicks again.
    const int ticksBefore = ticks_;
    ASSERT_TRUE(ClickAt(clickTarget_, MouseButton::Left, PumpFor));
    EXPECT_TRUE(PumpUntil([&] { return realClicks_ == 1; }, Milliseconds(1000)));
    EXPECT_TRUE(PumpUntil([&] { return ticks_ > ticksBefore; }, Milliseconds(1000)));
}

}  // namespace
}  // namespace quorvel::test
