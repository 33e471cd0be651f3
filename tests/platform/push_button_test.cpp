#include "platform/push_button.h"

#include "tests/platform/case_name.h"
#include "tests/platform/window_test.h"
#include "tests/support/input.h"

namespace quorvel::test {
namespace {

enum ButtonId { A = 11, B = 12, C = 13, D = 14 };

class PushButtonTest : public WindowTest<PushButtonTest> {
public:
    void OnA() { ++clicks_[0]; }
    void OnB() { ++clicks_[1]; }
    void OnC() { ++clicks_[2]; }
    void OnD() { ++clicks_[3]; }

protected:
    void SetUp() override;
    PushButton& Button(ButtonId id) { return window_->Button(id); }
    HWND Handle(ButtonId id) { return Button(id).Handle(); }
    int Clicks(ButtonId id) const { return clicks_[id - A]; }

    std::optional<Window> window_;
    int clicks_[4]{};
};

// A row of four buttons; C starts disabled, A shows the hand.
constexpr ControlDefinition ButtonControls[] = {
    {.kind = ControlKind::PushButton, .formName = L"a", .id = A, .left = 10, .top = 10, .width = 80, .height = 30,
     .caption = L"开始", .pointer = PointerShape::Hand, .focusOrder = 0, .onEvent = Bind<&PushButtonTest::OnA>()},
    {.kind = ControlKind::PushButton, .formName = L"b", .id = B, .left = 100, .top = 10, .width = 80,
     .height = 30, .caption = L"b", .focusOrder = 1, .onEvent = Bind<&PushButtonTest::OnB>()},
    {.kind = ControlKind::PushButton, .formName = L"c", .id = C, .left = 190, .top = 10, .width = 80,
     .height = 30, .caption = L"c", .enabled = false, .focusOrder = 2, .onEvent = Bind<&PushButtonTest::OnC>()},
    {.kind = ControlKind::PushButton, .formName = L"d", .id = D, .left = 280, .top = 10, .width = 80,
     .height = 30, .caption = L"d", .focusOrder = 3, .onEvent = Bind<&PushButtonTest::OnD>()},
};

constexpr WindowDefinition ButtonWindow{
    .caption = L"buttons", .outerWidth = 390, .outerHeight = 100, .taskbarButton = true, .visible = true,
    .iconResource = nullptr, .controls = ButtonControls};

void PushButtonTest::SetUp() { Load(window_, ButtonWindow); }

TEST_F(PushButtonTest, SetDisabledGreysTheButtonAndBack) {
    ASSERT_TRUE(IsWindowEnabled(Handle(B)));
    Button(B).SetDisabled(true);
    EXPECT_FALSE(IsWindowEnabled(Handle(B)));
    Button(B).SetDisabled(false);
    EXPECT_TRUE(IsWindowEnabled(Handle(B)));
    EXPECT_FALSE(IsWindowEnabled(Handle(C)));  // disabled by its definition
}

enum class ClickRoute { ButtonClickMessage, RealMouseClick, ForgedNotification };

struct ClickCase {
    const char* name;
    ClickRoute route;
    bool disabled;
    int expectedClicks;
};

class ButtonClickTest : public PushButtonTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(ButtonClickTest, RaisesTheClickedEventOnlyWhenEnabled) {
    const ClickCase& clickCase = GetParam();
    if (clickCase.disabled) Button(A).SetDisabled(true);

    switch (clickCase.route) {
        case ClickRoute::ButtonClickMessage:
            SendMessageW(Handle(A), BM_CLICK, 0, 0);
            break;
        case ClickRoute::RealMouseClick:
            ASSERT_TRUE(ClickAt(CentreOf(Handle(A)), MouseButton::Left, PumpFor));
            break;
        case ClickRoute::ForgedNotification:
            // What a stray or late notification would look like.
            PostMessageW(window_->Handle(), WM_COMMAND, MAKEWPARAM(A, BN_CLICKED),
                         reinterpret_cast<LPARAM>(Handle(A)));
            break;
    }
    PumpFor(Milliseconds(300));
    EXPECT_EQ(Clicks(A), clickCase.expectedClicks);
    EXPECT_EQ(Clicks(B) + Clicks(C) + Clicks(D), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, ButtonClickTest,
    testing::Values(ClickCase{"ClickMessageEnabled", ClickRoute::ButtonClickMessage, false, 1},
                    ClickCase{"ClickMessageDisabled", ClickRoute::ButtonClickMessage, true, 0},
                    ClickCase{"MouseEnabled", ClickRoute::RealMouseClick, false, 1},
                    ClickCase{"MouseDisabled", ClickRoute::RealMouseClick, true, 0},
                    ClickCase{"NotificationEnabled", ClickRoute::ForgedNotification, false, 1},
                    ClickCase{"NotificationDisabled", ClickRoute::ForgedNotification, true, 0}),
    CaseName());

TEST_F(PushButtonTest, SpaceOnTheFocusedButtonClicksItOnce) {
    SetFocus(Handle(B));
    ASSERT_EQ(GetFocus(), Handle(B));
    PressKeys({VK_SPACE});
    PumpFor(Milliseconds(300));
    EXPECT_EQ(Clicks(B), 1);
    EXPECT_EQ(Clicks(A) + Clicks(C) + Clicks(D), 0);
}

struct FocusCase {
    const char* name;
    ButtonId focused;
    ButtonId disabled;
    ButtonId expectedFocus;
};

class DisableFocusTest : public PushButtonTest, public testing::WithParamInterface<FocusCase> {};

TEST_P(DisableFocusTest, FocusMovesOnToTheNextEnabledControl) {
    const FocusCase& focusCase = GetParam();
    SetFocus(Handle(focusCase.focused));
    ASSERT_EQ(GetFocus(), Handle(focusCase.focused));

    Button(focusCase.disabled).SetDisabled(true);
    EXPECT_FALSE(IsWindowEnabled(Handle(focusCase.disabled)));
    EXPECT_EQ(GetFocus(), Handle(focusCase.expectedFocus));
}

// Tab order A, B, C, D with C disabled.
INSTANTIATE_TEST_SUITE_P(Cases, DisableFocusTest,
                         testing::Values(FocusCase{"ToTheNext", A, A, B}, FocusCase{"SkipsADisabledOne", B, B, D},
                                         FocusCase{"WrapsToTheFirst", D, D, A},
                                         FocusCase{"OtherButtonLeavesTheFocus", A, B, A}),
                         CaseName());

struct ShapeCase {
    const char* name;
    ButtonId button;
    bool setShape;  // false: the shape from the definition
    PointerShape shape;
    LPCWSTR expectedCursor;
};

class PointerShapeTest : public PushButtonTest, public testing::WithParamInterface<ShapeCase> {};

// The system asks the button's parent for the pointer with WM_SETCURSOR.
TEST_P(PointerShapeTest, SetCursorOverTheButtonShowsItsShape) {
    const ShapeCase& shapeCase = GetParam();
    if (shapeCase.setShape) Button(shapeCase.button).SetPointerShape(shapeCase.shape);

    SetCursor(LoadCursorW(nullptr, IDC_CROSS));
    const HWND button = Handle(shapeCase.button);
    SendMessageW(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, shapeCase.expectedCursor));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PointerShapeTest,
    testing::Values(ShapeCase{"DefinedHand", A, false, PointerShape::Hand, IDC_HAND},
                    ShapeCase{"DefinedStandard", B, false, PointerShape::Standard, IDC_ARROW},
                    ShapeCase{"SetHand", B, true, PointerShape::Hand, IDC_HAND},
                    ShapeCase{"SetStandard", A, true, PointerShape::Standard, IDC_ARROW}),
    CaseName());

// Without a pointer move the system would not ask again: the shape must
// change at once when the pointer rests on the button, and only then.
TEST_F(PushButtonTest, NewShapeShowsAtOnceUnderTheRestingPointer) {
    const POINT onB = CentreOf(Handle(B));
    ASSERT_TRUE(MovePointer(onB, PumpFor));
    PumpFor(Milliseconds(100));

    SetCursor(LoadCursorW(nullptr, IDC_CROSS));
    Button(B).SetPointerShape(PointerShape::Hand);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    Button(B).SetPointerShape(PointerShape::Standard);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));

    // A button the pointer is not on leaves the shown pointer alone.
    SetCursor(LoadCursorW(nullptr, IDC_CROSS));
    Button(D).SetPointerShape(PointerShape::Hand);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_CROSS));

    const POINT after = PointerPosition();
    EXPECT_EQ(after.x, onB.x);
    EXPECT_EQ(after.y, onB.y);
}

}  // namespace
}  // namespace quorvel::test
