#include "core/playback_controller.h"

#include "core/click_point.h"
#include "core/coordinate_text.h"

namespace quorvel {

void PlaybackController::ShowRunningArrangement() {
    ports_.startButton.SetPointerShape(PointerShape::Standard);
    ports_.startButton.SetDisabled(true);
    ports_.stopButton.SetPointerShape(PointerShape::Hand);
    ports_.stopButton.SetDisabled(false);
}

void PlaybackController::ShowIdleArrangement() {
    ports_.stopButton.SetPointerShape(PointerShape::Standard);
    ports_.stopButton.SetDisabled(true);
    ports_.startButton.SetPointerShape(PointerShape::Hand);
    ports_.startButton.SetDisabled(false);
}

void PlaybackController::OnStartClicked() {
    ShowRunningArrangement();
    // Taken before the test, so a refused Start also leaves the count at 0.
    playbackCount_ = ports_.rows.RowCount();
    if (playbackCount_ != 0) {
        playbackIndex_ = 0;
        ports_.clickTimer.SetPeriod(PlaybackPeriodMs);
        return;
    }
    // Other handlers may run while the box is open; whatever they did, the
    // refused Start ends in the idle arrangement.
    ports_.messageBox.ShowTaskModal(L"请选择鼠标点击位置！", L"提示");
    ShowIdleArrangement();
}

void PlaybackController::OnStopClicked() {
    ShowIdleArrangement();
    ports_.clickTimer.SetPeriod(0);
}

void PlaybackController::OnClickTimerTick() {
    if (playbackIndex_ >= playbackCount_) {
        playbackIndex_ = 0;
        return;
    }
    const int row = playbackIndex_;
    const std::int32_t x = ParseCoordinate(ports_.rows.CellText(row, 1));
    const std::int32_t y = ParseCoordinate(ports_.rows.CellText(row, 2));
    const bool left = ports_.rows.RowValue(row) == static_cast<std::int32_t>(ClickKind::Left);
    ports_.clicks.SimulateMouseClick(x, y, left ? ClickCode::LeftSingle : ClickCode::RightSingle);
    if (++playbackIndex_ == playbackCount_) playbackIndex_ = 0;
}

}  // namespace quorvel
