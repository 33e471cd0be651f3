#pragma once

#include <cstdint>

#include "core/playback_ports.h"
#include "core/timer_schedule.h"
#include "platform/control.h"

namespace quorvel {

// The timer control: no window of its own; its events arrive as WM_TIMER on
// the parent window, so every modal loop of the thread keeps them coming.
class ClickTimer final : public Control, public PeriodicTimer {
public:
    explicit ClickTimer(const ControlDefinition& definition) : Control(definition) {}

    void Create(HWND parent) override { parent_ = parent; }
    void OnParentDestroyed() override;

    void SetPeriod(std::uint32_t milliseconds) override;
    std::uint32_t Period() const { return periodMs_; }

    // Re-arms the OS timer for the next due time; true if the periodic
    // event is due now.
    bool OnTimer() override;

private:
    void Arm(std::int64_t delayUs);

    HWND parent_ = nullptr;  // borrowed
    std::uint32_t periodMs_ = 0;
    TimerSchedule schedule_;
};

}  // namespace quorvel
