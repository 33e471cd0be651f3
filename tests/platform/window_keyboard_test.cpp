#include <vector>

#include "platform/push_button.h"
#include "tests/platform/case_name.h"
#include "tests/platform/plain_window.h"
#include "tests/platform/window_test.h"
#include "tests/support/input.h"

namespace quorvel::test {
namespace {

enum KeyId { A = 31, List = 32, Timer = 33, Untabbed = 34, C = 35, D = 36 };

class WindowKeyboardTest : public WindowTest<WindowKeyboardTest> {
public:
    void OnDestroying() { ++destroyed_; }

protected:
    void SetUp() override;
    HWND Control(KeyId id) { return GetDlgItem(window_->Handle(), id); }
    // The id of the control with the focus, 0 for none of ours.
    int FocusId() {
        const HWND focus = GetFocus();
        return focus && GetParent(focus) == window_->Handle() ? GetDlgCtrlID(focus) : 0;
    }

    std::optional<Window> window_;
    int destroyed_ = 0;
};

constexpr ColumnDefinition OneColumn[] = {{L"列", 100, ColumnAlignment::Left}};

// Focus order: List, C (disabled), A, D; Untabbed never takes the focus.
constexpr ControlDefinition KeyControls[] = {
    {.kind = ControlKind::PushButton, .formName = L"a", .id = A, .left = 10, .top = 10, .width = 80, .height = 30,
     .caption = L"a", .focusOrder = 2},
    {.kind = ControlKind::ReportList, .formName = L"list", .id = List, .left = 10, .top = 50, .width = 250,
     .height = 90, .focusOrder = 0, .columns = OneColumn},
    {.kind = ControlKind::Timer, .formName = L"timer", .id = Timer, .left = 0, .top = 0, .width = 0, .height = 0},
    {.kind = ControlKind::PushButton, .formName = L"untabbed", .id = Untabbed, .left = 100, .top = 10,
     .width = 80, .height = 30, .caption = L"u"},
    {.kind = ControlKind::PushButton, .formName = L"c", .id = C, .left = 190, .top = 10, .width = 80, .height = 30,
     .caption = L"c", .enabled = false, .focusOrder = 1},
    {.kind = ControlKind::PushButton, .formName = L"d", .id = D, .left = 280, .top = 10, .width = 80, .height = 30,
     .caption = L"d", .focusOrder = 3},
};

constexpr WindowDefinition KeyWindow{
    .caption = L"keys", .outerWidth = 380, .outerHeight = 190, .taskbarButton = true, .visible = true,
    .iconResource = nullptr, .onDestroying = Bind<&WindowKeyboardTest::OnDestroying>(), .controls = KeyControls};

void WindowKeyboardTest::SetUp() {
    Load(window_, KeyWindow);
    ASSERT_EQ(FocusId(), List);
}

struct TabCase {
    const char* name;
    bool shift;
    bool swapStates;  // disable A and enable C before tabbing
    std::vector<int> expectedFocus;
};

class TabOrderTest : public WindowKeyboardTest, public testing::WithParamInterface<TabCase> {};

TEST_P(TabOrderTest, FocusFollowsTheFocusOrderOverEnabledControls) {
    const TabCase& tabCase = GetParam();
    if (tabCase.swapStates) {
        window_->Button(A).SetDisabled(true);
        window_->Button(C).SetDisabled(false);
    }
    std::vector<int> focus;
    for (std::size_t i = 0; i < tabCase.expectedFocus.size(); ++i) {
        if (tabCase.shift) {
            PressKeys({VK_SHIFT, VK_TAB});
        } else {
            PressKeys({VK_TAB});
        }
        const int before = focus.empty() ? List : focus.back();
        PumpUntil([&] { return FocusId() != before; }, Milliseconds(500));
        focus.push_back(FocusId());
    }
    EXPECT_EQ(focus, tabCase.expectedFocus);
}

INSTANTIATE_TEST_SUITE_P(Keys, TabOrderTest,
                         testing::Values(TabCase{"Tab", false, false, {A, D, List, A}},
                                         TabCase{"ShiftTab", true, false, {D, A, List, D}},
                                         TabCase{"TabAfterStatesChanged", false, true, {C, D, List, C}}),
                         CaseName());

struct EscapeCase {
    const char* name;
    KeyId focus;
};

class EscapeTest : public WindowKeyboardTest, public testing::WithParamInterface<EscapeCase> {};

TEST_P(EscapeTest, EscClosesTheWindow) {
    SetFocus(Control(GetParam().focus));
    ASSERT_EQ(FocusId(), GetParam().focus);
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(PumpUntil([&] { return window_->Handle() == nullptr; }, Milliseconds(2000)));
    EXPECT_EQ(destroyed_, 1);
}

INSTANTIATE_TEST_SUITE_P(FocusOn, EscapeTest, testing::Values(EscapeCase{"List", List}, EscapeCase{"Button", D}),
                         CaseName());

struct ReturnCase {
    const char* name;
    bool disableWhileAway;
    int expectedFocus;
};

class ActivationTest : public WindowKeyboardTest, public testing::WithParamInterface<ReturnCase> {};

// Another window takes the activation; coming back, the focus returns to
// the control that had it, or to the first in order if that one can no
// longer take it.
TEST_P(ActivationTest, RegainedActivationGivesTheFocusBack) {
    SetFocus(Control(D));
    ASSERT_EQ(FocusId(), D);

    PlainWindow other(RECT{20, 20, 220, 120});
    SetForegroundWindow(other.Handle());
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == other.Handle(); }, Milliseconds(1000)));
    EXPECT_EQ(FocusId(), 0);
    if (GetParam().disableWhileAway) window_->Button(D).SetDisabled(true);

    SetForegroundWindow(window_->Handle());
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == window_->Handle(); }, Milliseconds(1000)));
    PumpFor(Milliseconds(50));
    EXPECT_EQ(FocusId(), GetParam().expectedFocus);
}

INSTANTIATE_TEST_SUITE_P(Cases, ActivationTest,
                         testing::Values(ReturnCase{"ToTheSameControl", false, D},
                                         ReturnCase{"ToTheFirstWhenItWasDisabled", true, List}),
                         CaseName());

}  // namespace
}  // namespace quorvel::test
