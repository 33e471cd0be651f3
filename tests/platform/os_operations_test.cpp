#include "platform/os_operations.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "tests/platform/case_name.h"
#include "tests/platform/message_pump.h"
#include "tests/platform/plain_window.h"
#include "tests/support/input.h"

#include <windowsx.h>  // GET_X_LPARAM; after the Windows headers

namespace quorvel::test {
namespace {

// A window of the test under every point the tests click or read.
class OsOperationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetForegroundWindow(target_.Handle());
        PumpFor(Milliseconds(50));
    }
    void TearDown() override { FlushMessages(); }

    PlainWindow target_{RECT{100, 100, 700, 600}};
};

struct ClickCase {
    const char* name;
    ClickCode code;
    POINT at;
    UINT down;
    UINT up;
};

class SendInputClicksTest : public OsOperationsTest, public testing::WithParamInterface<ClickCase> {};

// The button messages that reached the target, with their screen points.
struct ButtonMessage {
    UINT message;
    POINT at;
};

TEST_P(SendInputClicksTest, MovesThePointerAndClicksTheButtonThere) {
    const ClickCase& clickCase = GetParam();
    const auto isButtonMessage = [](UINT message) {
        return message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK;
    };
    ASSERT_TRUE(MovePointer(POINT{150, 150}, PumpFor));
    target_.ClearLog();

    SendInputClicks clicks;
    clicks.SimulateMouseClick(clickCase.at.x, clickCase.at.y, clickCase.code);
    PumpUntil(
        [&] {
            const auto& log = target_.Log();
            return std::any_of(log.begin(), log.end(),
                               [&](const LoggedMessage& logged) { return logged.message == clickCase.up; });
        },
        Milliseconds(1000));

    std::vector<ButtonMessage> buttons;
    for (const LoggedMessage& logged : target_.Log()) {
        if (!isButtonMessage(logged.message)) continue;
        POINT at{GET_X_LPARAM(logged.lParam), GET_Y_LPARAM(logged.lParam)};
        ClientToScreen(target_.Handle(), &at);
        buttons.push_back({logged.message, at});
    }
    const POINT pointer = PointerPosition();
    EXPECT_EQ(pointer.x, clickCase.at.x);
    EXPECT_EQ(pointer.y, clickCase.at.y);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].message, clickCase.down);
    EXPECT_EQ(buttons[1].message, clickCase.up);
    for (const ButtonMessage& button : buttons) {
        EXPECT_EQ(button.at.x, clickCase.at.x);
        EXPECT_EQ(button.at.y, clickCase.at.y);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, SendInputClicksTest,
    testing::Values(ClickCase{"Left", ClickCode::LeftSingle, {300, 250}, WM_LBUTTONDOWN, WM_LBUTTONUP},
                    ClickCase{"Right", ClickCode::RightSingle, {300, 250}, WM_RBUTTONDOWN, WM_RBUTTONUP},
                    ClickCase{"LeftNearACorner", ClickCode::LeftSingle, {698, 598}, WM_LBUTTONDOWN, WM_LBUTTONUP},
                    ClickCase{"RightNearACorner", ClickCode::RightSingle, {101, 597}, WM_RBUTTONDOWN, WM_RBUTTONUP}),
    CaseName());

struct PointCase {
    const char* name;
    POINT at;
};

class CursorPositionReaderTest : public OsOperationsTest, public testing::WithParamInterface<PointCase> {};

TEST_P(CursorPositionReaderTest, ReadsWhereThePointerIs) {
    const POINT at = GetParam().at;
    ASSERT_TRUE(MovePointer(at, PumpFor));
    ClickPoint point{-5, -5};
    CursorPositionReader reader;
    reader.ReadPointerPosition(point);
    EXPECT_EQ(point, (ClickPoint{at.x, at.y}));
}

INSTANTIATE_TEST_SUITE_P(Points, CursorPositionReaderTest,
                         testing::Values(PointCase{"Origin", {0, 0}}, PointCase{"NearTheOrigin", {1, 2}},
                                         PointCase{"Centre", {512, 384}}, PointCase{"LowerLeft", {17, 700}}),
                         CaseName());

TEST_F(OsOperationsTest, CursorPositionReaderReachesTheFarCorner) {
    const POINT corner{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1};
    ASSERT_TRUE(MovePointer(corner, PumpFor));
    ClickPoint point{};
    CursorPositionReader reader;
    reader.ReadPointerPosition(point);
    EXPECT_EQ(point, (ClickPoint{corner.x, corner.y}));
}

}  // namespace
}  // namespace quorvel::test
