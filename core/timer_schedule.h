#pragma once

#include <cstdint>

namespace quorvel {

// When the events of a periodic timer fall due. Event k of a run is due at
// start + k * period, so lateness never accumulates; after a stall the
// missed events are skipped rather than fired in a burst. Times are
// microseconds of a monotonic clock.
class TimerSchedule {
public:
    struct Wake {
        bool fire;                // an event is due now
        std::int64_t delayUs;     // until the next due time
    };

    void Start(std::int64_t nowUs, std::uint32_t periodMs);
    void Stop() { periodUs_ = 0; }
    bool Running() const { return periodUs_ != 0; }

    // The timer woke at `nowUs`: fire at most one event and say when to wake
    // again. Only valid while Running().
    Wake OnWake(std::int64_t nowUs);

    std::int64_t DelayUs(std::int64_t nowUs) const { return nextDueUs_ - nowUs; }

private:
    std::int64_t startUs_ = 0;
    std::int64_t periodUs_ = 0;
    std::int64_t nextDueUs_ = 0;
};

}  // namespace quorvel
