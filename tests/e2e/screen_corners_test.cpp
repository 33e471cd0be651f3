// Captures at the four corner pixels of the virtual screen record exactly
// those pixels, and playback clicks exactly there.
#include <array>
#include <memory>
#include <string>

#include "quorvel_fixture.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

constexpr int TargetSize = 40;

struct Corner {
    const char* name;
    POINT pixel;
    MouseButton button;
};

std::array<Corner, 4> Corners() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int right = left + GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1;
    const int bottom = top + GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1;
    return {{{"top left", {left, top}, MouseButton::Left},
             {"top right", {right, top}, MouseButton::Right},
             {"bottom left", {left, bottom}, MouseButton::Right},
             {"bottom right", {right, bottom}, MouseButton::Left}}};
}

// A small target centred on the corner pixel, reaching off the screen, so
// that the pixel lies in its client area and not on its border.
RECT TargetAround(POINT pixel) {
    return {pixel.x - TargetSize / 2, pixel.y - TargetSize / 2, pixel.x + TargetSize / 2, pixel.y + TargetSize / 2};
}

using ScreenCorners = QuorvelTest;

TEST_F(ScreenCorners, AreCapturedAndClickedExactly) {
    const std::array<Corner, 4> corners = Corners();
    std::vector<std::unique_ptr<TargetWindow>> targets;
    for (const Corner& corner : corners) {
        targets.push_back(std::make_unique<TargetWindow>(TargetAround(corner.pixel)));
        ASSERT_NE(targets.back()->Handle(), nullptr);
    }
    for (const Corner& corner : corners) {
        SCOPED_TRACE(corner.name);
        ASSERT_TRUE(CaptureWithKey(program_, corner.button == MouseButton::Left ? VK_F6 : VK_F7, corner.pixel));
    }
    const std::vector<ListRow> rows = RowsOf(program_);
    ASSERT_EQ(rows.size(), corners.size());
    for (std::size_t i = 0; i < corners.size(); ++i) {
        SCOPED_TRACE(corners[i].name);
        EXPECT_EQ(rows[i].x, std::to_wstring(corners[i].pixel.x));
        EXPECT_EQ(rows[i].y, std::to_wstring(corners[i].pixel.y));
    }

    PressKeys({VK_CONTROL, 'S'});
    ASSERT_TRUE(targets.back()->WaitForPresses(1, 8s)) << "the last corner was not clicked";
    PressKeys({VK_CONTROL, 'Q'});
    ASSERT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s));

    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Corner& corner = corners[i];
        SCOPED_TRACE(corner.name);
        const std::vector<MouseRecord> presses = targets[i]->Presses();
        ASSERT_FALSE(presses.empty()) << "no click reached the corner";
        EXPECT_EQ(presses[0].screen.x, corner.pixel.x);
        EXPECT_EQ(presses[0].screen.y, corner.pixel.y);
        EXPECT_TRUE(presses[0].button == corner.button) << "the other button";
    }
}

}  // namespace
}  // namespace quorvel::e2e
