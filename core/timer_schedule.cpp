#include "core/timer_schedule.h"

namespace quorvel {

void TimerSchedule::Start(std::int64_t nowUs, std::uint32_t periodMs) {
    startUs_ = nowUs;
    periodUs_ = std::int64_t{periodMs} * 1000;
    nextDueUs_ = startUs_ + periodUs_;
}

TimerSchedule::Wake TimerSchedule::OnWake(std::int64_t nowUs) {
    if (nowUs < nextDueUs_) return {false, nextDueUs_ - nowUs};  // woke early
    const std::int64_t elapsedPeriods = (nowUs - startUs_) / periodUs_;
    nextDueUs_ = startUs_ + (elapsedPeriods + 1) * periodUs_;
    return {true, nextDueUs_ - nowUs};
}

}  // namespace quorvel
