// Watches the X pointer from outside Wine: samples XQueryPointer every half
// millisecond and stamps each change of position with the Linux monotonic
// clock, so that the click times are those of the pointer itself, not of
// Wine's delivery of input to a window.
//
//   pointer_clock record LOG SECONDS    changes as "nanoseconds x y" lines,
//                                       until SECONDS pass or SIGTERM/SIGINT
//   pointer_clock analyse LOG X Y       the schedule of the changes after the
//                                       pointer last stood at the marker X,Y
#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string_view>
#include <vector>

#include "click_schedule.h"

namespace {

volatile std::sig_atomic_t Stop = 0;

void OnSignal(int) { Stop = 1; }

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

int Record(const char* log, double seconds) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "pointer_clock: cannot open the X display\n");
        return 1;
    }
    std::FILE* out = std::fopen(log, "w");
    if (!out) {
        std::fprintf(stderr, "pointer_clock: cannot write %s\n", log);
        XCloseDisplay(display);
        return 1;
    }
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    const Window root = DefaultRootWindow(display);
    const long long end = NowNs() + static_cast<long long>(seconds * 1e9);
    int lastX = -1, lastY = -1;
    long long samples = 0;
    for (long long next = NowNs(); !Stop && next < end; next += 500'000) {
        Window rootReturn = 0, child = 0;
        int x = 0, y = 0, windowX = 0, windowY = 0;
        unsigned int mask = 0;
        if (XQueryPointer(display, root, &rootReturn, &child, &x, &y, &windowX, &windowY, &mask)) {
            const long long at = NowNs();
            ++samples;
            if (x != lastX || y != lastY) {
                std::fprintf(out, "%lld %d %d\n", at, x, y);
                std::fflush(out);
                lastX = x;
                lastY = y;
            }
        }
        const long long wait = next + 500'000 - NowNs();
        if (wait > 0) {
            const timespec pause{0, static_cast<long>(wait)};
            nanosleep(&pause, nullptr);
        }
    }
    std::fprintf(out, "# samples %lld\n", samples);
    std::fclose(out);
    XCloseDisplay(display);
    return 0;
}

int Analyse(const char* log, int markerX, int markerY) {
    std::ifstream in(log);
    if (!in) {
        std::fprintf(stderr, "pointer_clock: cannot read %s\n", log);
        return 1;
    }
    std::vector<double> clicks;
    long long at = 0;
    int x = 0, y = 0;
    while (in >> at >> x >> y) {
        if (x == markerX && y == markerY) {
            clicks.clear();  // only what follows the marker counts
        } else {
            clicks.push_back(static_cast<double>(at) / 1e6);
        }
    }
    const quorvel::bench::ScheduleFigures figures = quorvel::bench::Schedule(clicks, 1000.0);
    std::printf("pointer_clicks=%zu\npointer_missed=%zu\n", figures.clicks, figures.missed);
    std::printf("pointer_mean_ms=%.2f\npointer_latest_ms=%.2f\npointer_earliest_ms=%.2f\npointer_drift_ms=%.2f\n",
                figures.meanPeriodMs, figures.latestMs, figures.earliestMs, figures.driftMs);
    return figures.clicks >= 2 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string_view(argv[1]) == "record") return Record(argv[2], std::atof(argv[3]));
    if (argc == 5 && std::string_view(argv[1]) == "analyse") {
        return Analyse(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    }
    std::fprintf(stderr, "usage: pointer_clock record LOG SECONDS | analyse LOG MARKER_X MARKER_Y\n");
    return 2;
}
