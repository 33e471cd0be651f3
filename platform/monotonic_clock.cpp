#include "platform/monotonic_clock.h"

#include "platform/win32.h"

namespace quorvel {

std::int64_t MonotonicMicroseconds() {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER counter{};
    (void)QueryPerformanceFrequency(&frequency);
    (void)QueryPerformanceCounter(&counter);
    // Split to keep counter * 1e6 from overflowing on fast counters.
    const std::int64_t seconds = counter.QuadPart / frequency.QuadPart;
    const std::int64_t rest = counter.QuadPart % frequency.QuadPart;
    return seconds * 1000000 + rest * 1000000 / frequency.QuadPart;
}

}  // namespace quorvel
