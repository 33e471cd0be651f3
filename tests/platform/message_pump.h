#pragma once

#include <chrono>
#include <functional>

#include "platform/win32.h"

namespace quorvel::test {

using Milliseconds = std::chrono::milliseconds;

// Dispatches the thread's messages the way the program's own loops do (the
// run time's keyboard handling first) until `done` holds or `timeout` has
// passed; returns whether `done` held. Every wait of a test goes through
// here or through a LoopWatchdog, so no test can hang.
bool PumpUntil(const std::function<bool()>& done, Milliseconds timeout);
void PumpFor(Milliseconds duration);

// Handles whatever is still queued and drops a quit request, so nothing of
// one test reaches the loops of the next.
void FlushMessages();

// For tests that enter a loop they do not control (the run time's message
// loop, a modal Load): after `timeout` a thread timer posts a quit request,
// which ends either loop, and Fired() says the loop did not end by itself.
class LoopWatchdog {
public:
    explicit LoopWatchdog(Milliseconds timeout);
    ~LoopWatchdog();
    LoopWatchdog(const LoopWatchdog&) = delete;
    LoopWatchdog& operator=(const LoopWatchdog&) = delete;

    bool Fired() const { return fired_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD);

    UINT_PTR timer_ = 0;
    bool fired_ = false;
};

}  // namespace quorvel::test
