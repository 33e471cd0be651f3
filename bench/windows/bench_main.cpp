// The Windows side of scripts/bench: one scenario per run.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scenarios.h"

int main(int argc, char** argv) {
    using namespace quorvel::bench;
    const auto number = [&](int fallback) { return argc > 2 ? std::atoi(argv[2]) : fallback; };
    if (argc >= 2) {
        const char* scenario = argv[1];
        if (!std::strcmp(scenario, "schedule")) return MeasureSchedule(number(62));
        if (!std::strcmp(scenario, "cpu")) return MeasureCpu(number(30));
        if (!std::strcmp(scenario, "startup")) return MeasureStartUp(number(10));
        if (!std::strcmp(scenario, "captures")) return MeasureCaptures();
        if (!std::strcmp(scenario, "instruments")) return CheckInstruments();
    }
    std::fprintf(stderr, "usage: quorvel_bench schedule [CLICKS] | cpu [SECONDS] | startup [RUNS] | captures | "
                         "instruments\n");
    return 2;
}
