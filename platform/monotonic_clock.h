#pragma once

#include <cstdint>

namespace quorvel {

// Microseconds since an arbitrary start, from the performance counter.
std::int64_t MonotonicMicroseconds();

}  // namespace quorvel
