#pragma once

#include <cstdint>
#include <cstdio>

namespace quorvel::bench {

// Every figure goes to standard output as one "name=value" line, for
// scripts/bench to put into its table.
inline void Figure(const char* name, double value) {
    std::printf("%s=%.2f\n", name, value);
    std::fflush(stdout);
}

inline void Figure(const char* name, std::uint64_t value) {
    std::printf("%s=%llu\n", name, static_cast<unsigned long long>(value));
    std::fflush(stdout);
}

// One line naming what failed; the scenario's exit status is then 1.
inline int Failed(const char* what) {
    std::fprintf(stderr, "quorvel_bench: %s\n", what);
    return 1;
}

}  // namespace quorvel::bench
