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
    ClickTimer(const ControlDefinition& definition, void* handlerTarget)
        : Control(definition), handlerTarget_(handlerTarget) {}

    void Create(HWND parent) override { parent_ = parent; }
    void OnParentDestroyed() override;

    void SetPeriod(std::uint32_t milliseconds) override;
    std::uint32_t Period() const { return periodMs_; }

    // WM_TIMER with this timer's id.
    void OnTimerMessage();

private:
    void Arm(std::int64_t delayUs);

    void* handlerTarget_;
    HWND parent_ = nullptr;  // borrowed
    std::uint32_t periodMs_ = 0;
    TimerSchedule schedule_;
};

}  // namespace quorvel
