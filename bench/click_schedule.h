#pragma once

#include <cstddef>
#include <vector>

namespace quorvel::bench {

// How a series of click times keeps to the ideal schedule first + k x period.
struct ScheduleFigures {
    std::size_t clicks = 0;
    double meanPeriodMs = 0;  // (last - first) / (clicks - 1)
    double latestMs = 0;      // the largest deviation after the ideal time
    double earliestMs = 0;    // the most negative deviation
    double driftMs = 0;       // the deviation of the last click
};

// Needs at least two times, in milliseconds, in order.
ScheduleFigures Schedule(const std::vector<double>& timesMs, double periodMs);

}  // namespace quorvel::bench
