#pragma once

#include <chrono>
#include <functional>

namespace quorvel::e2e {

using namespace std::chrono_literals;

// Every wait of the suite is bounded, so a hung or slow program fails a test
// instead of hanging the run.
inline constexpr std::chrono::milliseconds DefaultTimeout = 10s;

// Polls `condition` until it holds or `timeout` has passed; returns the last
// result.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = DefaultTimeout);

void Pause(std::chrono::milliseconds duration);

// Milliseconds of the high-resolution performance counter, the clock of all
// recorded input.
double NowMs();

}  // namespace quorvel::e2e
