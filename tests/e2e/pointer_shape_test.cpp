// The pointer shows the hand over whichever of Start and Stop is enabled and
// the arrow over the disabled one; the shape follows Start and Stop at once.
//
// Under Wine a cursor handle belongs to the process that loaded it and its
// image cannot be read from another process, so shapes are compared inside
// the program: the arrow is what the list shows, the hand what the enabled
// Start button shows. GetCursorInfo reports the shape that the foreground
// program has set.
#include "quorvel_fixture.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

HCURSOR ShownShape() {
    CURSORINFO info{};
    info.cbSize = sizeof(info);
    return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

// Rests the pointer on the control and returns the shape shown. The second,
// one-pixel move makes the program set the shape again for a position it
// surely reads right.
HCURSOR ShapeOver(const QuorvelProcess& program, int controlId) {
    const POINT centre = CentreOf(program.Control(controlId));
    if (!MovePointer(centre) || !MovePointer({centre.x + 1, centre.y})) return nullptr;
    Pause(50ms);
    return ShownShape();
}

class PointerShape : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        ASSERT_TRUE(BringToFront(program_.MainWindow()));
        arrow_ = ShapeOver(program_, ids::PointList);
        hand_ = ShapeOver(program_, ids::StartButton);
        ASSERT_NE(arrow_, nullptr);
        ASSERT_NE(hand_, arrow_) << "Start shows the same pointer as the list";
    }

    HCURSOR arrow_ = nullptr;
    HCURSOR hand_ = nullptr;
};

TEST_F(PointerShape, ArrowOverTheDisabledStopAndOverHelp) {
    EXPECT_EQ(ShapeOver(program_, ids::StopButton), arrow_);
    EXPECT_EQ(ShapeOver(program_, ids::HelpButton), arrow_);
    EXPECT_EQ(ShapeOver(program_, ids::StartButton), hand_);
}

TEST_F(PointerShape, SwapsWithStartAndStopEvenWhileThePointerRests) {
    ASSERT_TRUE(CaptureWithKey(program_, VK_F6, target_.ToScreen({40, 40})));

    // Started with the pointer resting on Start: the arrow at once.
    ASSERT_EQ(ShapeOver(program_, ids::StartButton), hand_);
    PressKeys({VK_CONTROL, 'S'});
    EXPECT_TRUE(WaitUntil([this] { return ShownShape() == arrow_; }, 500ms)) << "Start kept the hand";

    // Right after each click the pointer is free for a second.
    ASSERT_TRUE(target_.WaitForPresses(1, 3s));
    EXPECT_EQ(ShapeOver(program_, ids::StartButton), arrow_);
    ASSERT_TRUE(target_.WaitForPresses(2, 3s));
    EXPECT_EQ(ShapeOver(program_, ids::StopButton), hand_);

    // Stopped with the pointer resting on Stop: the arrow at once.
    PressKeys({VK_CONTROL, 'Q'});
    EXPECT_TRUE(WaitUntil([this] { return ShownShape() == arrow_; }, 500ms)) << "Stop kept the hand";
    EXPECT_FALSE(IsEnabled(program_, ids::StopButton));
}

}  // namespace
}  // namespace quorvel::e2e
