#pragma once

#include <cstdint>

#include "core/list_rows.h"
#include "core/playback_ports.h"

namespace quorvel {

// Replays the recorded rows, one click per timer event. The timer's period
// is the state: 0 is Idle, PlaybackPeriodMs is Running.
class PlaybackController {
public:
    static constexpr std::uint32_t PlaybackPeriodMs = 1000;

    struct Ports {
        const ListRows& rows;
        Button& startButton;
        Button& stopButton;
        PeriodicTimer& clickTimer;
        ModalMessageBox& messageBox;
        ClickSynthesizer& clicks;
    };

    explicit PlaybackController(const Ports& ports) : ports_(ports) {}

    void OnStartClicked();
    void OnStopClicked();
    void OnClickTimerTick();

    std::int32_t PlaybackCount() const { return playbackCount_; }
    std::int32_t PlaybackIndex() const { return playbackIndex_; }

private:
    void ShowRunningArrangement();
    void ShowIdleArrangement();

    Ports ports_;
    std::int32_t playbackCount_ = 0;
    std::int32_t playbackIndex_ = 0;
};

}  // namespace quorvel
