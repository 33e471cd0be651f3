#include "platform/click_timer.h"

#include "platform/monotonic_clock.h"

namespace quorvel {

void ClickTimer::SetPeriod(std::uint32_t milliseconds) {
    if (milliseconds == periodMs_) return;  // a running interval is not restarted
    periodMs_ = milliseconds;
    if (milliseconds == 0) {
        schedule_.Stop();
        (void)KillTimer(parent_, static_cast<UINT_PTR>(definition_.id));
        return;
    }
    const std::int64_t now = MonotonicMicroseconds();
    schedule_.Start(now, milliseconds);
    Arm(schedule_.DelayUs(now));
}

bool ClickTimer::OnTimer() {
    // A WM_TIMER generated before the timer was stopped must not reach the
    // handler.
    if (!schedule_.Running()) {
        (void)KillTimer(parent_, static_cast<UINT_PTR>(definition_.id));
        return false;
    }
    const TimerSchedule::Wake wake = schedule_.OnWake(MonotonicMicroseconds());
    // Re-armed before the handler runs: the handler may set a new period.
    Arm(wake.delayUs);
    return wake.fire;
}

void ClickTimer::OnParentDestroyed() {
    schedule_.Stop();  // the OS timer went with the window
    parent_ = nullptr;
}

void ClickTimer::Arm(std::int64_t delayUs) {
    // SetTimer takes whole milliseconds; round up so it never wakes early.
    const auto delayMs = static_cast<UINT>((delayUs + 999) / 1000);
    (void)SetTimer(parent_, static_cast<UINT_PTR>(definition_.id), delayMs, nullptr);
}

}  // namespace quorvel
