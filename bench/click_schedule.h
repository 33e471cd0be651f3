#pragma once

#include <cstddef>
#include <vector>

namespace quorvel::bench {

// How a series of click times keeps to the ideal schedule first + k x period.
// Each time is matched to the nearest slot k, so a click that the instrument
// did not see leaves its slot empty instead of shifting every later one.
struct ScheduleFigures {
    std::size_t clicks = 0;   // times seen
    std::size_t missed = 0;   // empty slots between the first and the last
    double meanPeriodMs = 0;  // (last - first) / (slots - 1)
    double latestMs = 0;      // the largest deviation after the ideal time
    double earliestMs = 0;    // the most negative deviation
    double driftMs = 0;       // the deviation of the last click
};

// Needs at least two times, in milliseconds, in order.
ScheduleFigures Schedule(const std::vector<double>& timesMs, double periodMs);

}  // namespace quorvel::bench
