#include "click_schedule.h"

#include <algorithm>
#include <cmath>

namespace quorvel::bench {

ScheduleFigures Schedule(const std::vector<double>& timesMs, double periodMs) {
    ScheduleFigures figures;
    figures.clicks = timesMs.size();
    if (timesMs.size() < 2) return figures;
    const double first = timesMs.front();
    const auto slotOf = [&](double time) { return std::llround((time - first) / periodMs); };
    const long long lastSlot = slotOf(timesMs.back());
    figures.missed = static_cast<std::size_t>(std::max(0LL, lastSlot + 1 - static_cast<long long>(timesMs.size())));
    figures.meanPeriodMs = lastSlot > 0 ? (timesMs.back() - first) / static_cast<double>(lastSlot) : 0;
    for (const double time : timesMs) {
        const double deviation = time - (first + static_cast<double>(slotOf(time)) * periodMs);
        figures.latestMs = std::max(figures.latestMs, deviation);
        figures.earliestMs = std::min(figures.earliestMs, deviation);
        figures.driftMs = deviation;
    }
    return figures;
}

}  // namespace quorvel::bench
