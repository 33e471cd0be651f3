#include "click_schedule.h"

#include <algorithm>

namespace quorvel::bench {

ScheduleFigures Schedule(const std::vector<double>& timesMs, double periodMs) {
    ScheduleFigures figures;
    figures.clicks = timesMs.size();
    if (timesMs.size() < 2) return figures;
    const double first = timesMs.front();
    figures.meanPeriodMs = (timesMs.back() - first) / static_cast<double>(timesMs.size() - 1);
    for (std::size_t k = 0; k < timesMs.size(); ++k) {
        const double deviation = timesMs[k] - (first + static_cast<double>(k) * periodMs);
        figures.latestMs = std::max(figures.latestMs, deviation);
        figures.earliestMs = std::min(figures.earliestMs, deviation);
        figures.driftMs = deviation;
    }
    return figures;
}

}  // namespace quorvel::bench
