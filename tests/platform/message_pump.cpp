#include "tests/platform/message_pump.h"

#include "platform/run_time.h"

namespace quorvel::test {
namespace {

using Clock = std::chrono::steady_clock;

// Dispatches what is queued now; a quit request is dropped because the
// tests run no outer loop that could take it. Bounded: a message that keeps
// coming back (WM_PAINT of a window that never paints) cannot hold it.
void DispatchQueued() {
    MSG message{};
    for (int count = 0; count < 10'000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++count) {
        if (message.message != WM_QUIT) DispatchThreadMessage(message);
    }
}

// The one watchdog that may be armed; a TIMERPROC has no context of its own.
LoopWatchdog* ArmedWatchdog = nullptr;

}  // namespace

bool PumpUntil(const std::function<bool()>& done, Milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        DispatchQueued();
        if (done()) return true;
        const auto left = std::chrono::duration_cast<Milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        (void)MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left.count()), QS_ALLINPUT,
                                          MWMO_INPUTAVAILABLE);
    }
}

void PumpFor(Milliseconds duration) { (void)PumpUntil([] { return false; }, duration); }

void FlushMessages() { DispatchQueued(); }

LoopWatchdog::LoopWatchdog(Milliseconds timeout) {
    ArmedWatchdog = this;
    timer_ = SetTimer(nullptr, 0, static_cast<UINT>(timeout.count()), &LoopWatchdog::OnTimer);
}

LoopWatchdog::~LoopWatchdog() {
    if (timer_) (void)KillTimer(nullptr, timer_);
    ArmedWatchdog = nullptr;
}

void CALLBACK LoopWatchdog::OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    (void)KillTimer(nullptr, timer);
    if (!ArmedWatchdog) return;
    ArmedWatchdog->timer_ = 0;
    ArmedWatchdog->fired_ = true;
    PostQuitMessage(0);
}

}  // namespace quorvel::test
