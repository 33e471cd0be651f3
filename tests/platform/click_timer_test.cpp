#include "platform/click_timer.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/monotonic_clock.h"
#include "tests/platform/window_test.h"

namespace quorvel::test {
namespace {

constexpr int TimerId = 7;

// A window whose only control is the timer; every event is time-stamped on
// the clock the timer itself uses.
class ClickTimerTest : public WindowTest<ClickTimerTest> {
public:
    void OnTick() { ticks_.push_back(MonotonicMicroseconds()); }

protected:
    void SetUp() override;
    ClickTimer& Timer() { return window_->Timer(TimerId); }
    bool PumpUntilTicks(std::size_t count, Milliseconds timeout) {
        return PumpUntil([&] { return ticks_.size() >= count; }, timeout);
    }

    std::optional<Window> window_;
    std::vector<std::int64_t> ticks_;
};

constexpr ControlDefinition TimerControls[] = {
    {.kind = ControlKind::Timer, .formName = L"timer", .id = TimerId, .left = 0, .top = 0, .width = 0,
     .height = 0, .onEvent = Bind<&ClickTimerTest::OnTick>()},
};

constexpr WindowDefinition TimerWindow{
    .caption = L"timer", .outerWidth = 200, .outerHeight = 120, .taskbarButton = true, .visible = true,
    .iconResource = nullptr, .controls = TimerControls};

void ClickTimerTest::SetUp() { Load(window_, TimerWindow); }

constexpr std::int64_t Ms = 1000;

TEST_F(ClickTimerTest, WritingTheSamePeriodKeepsTheRunningInterval) {
    const std::int64_t start = MonotonicMicroseconds();
    Timer().SetPeriod(400);
    PumpFor(Milliseconds(250));
    Timer().SetPeriod(400);  // a restart would move the first event to +650 ms

    ASSERT_TRUE(PumpUntilTicks(1, Milliseconds(2000)));
    const std::int64_t first = ticks_[0] - start;
    std::printf("first event %.1f ms after the start\n", static_cast<double>(first) / Ms);
    EXPECT_GE(first, 400 * Ms);
    EXPECT_LT(first, 600 * Ms);
    EXPECT_EQ(Timer().Period(), 400u);
}

TEST_F(ClickTimerTest, NewPeriodRestartsTheIntervalFromTheWrite) {
    Timer().SetPeriod(100);
    PumpFor(Milliseconds(70));
    const std::int64_t written = MonotonicMicroseconds();
    Timer().SetPeriod(300);  // the old interval's event at +100 ms must not come

    ASSERT_TRUE(PumpUntilTicks(2, Milliseconds(2000)));
    const std::int64_t first = ticks_[0] - written;
    std::printf("first event %.1f ms after the new period was written\n", static_cast<double>(first) / Ms);
    EXPECT_GE(first, 300 * Ms);
    EXPECT_LT(first, 500 * Ms);
    EXPECT_GE(ticks_[1] - written, 600 * Ms);
}

TEST_F(ClickTimerTest, PeriodZeroStopsEvenAnEventAlreadyGenerated) {
    Timer().SetPeriod(30);
    ASSERT_TRUE(PumpUntilTicks(1, Milliseconds(1000)));

    // Let the next WM_TIMER fall due, take it from the queue, then stop.
    Sleep(100);
    MSG pending{};
    ASSERT_TRUE(PeekMessageW(&pending, window_->Handle(), WM_TIMER, WM_TIMER, PM_REMOVE));
    ASSERT_EQ(pending.wParam, static_cast<WPARAM>(TimerId));
    Timer().SetPeriod(0);
    const std::size_t ticksAtStop = ticks_.size();

    DispatchMessageW(&pending);
    // A stray timer message after the stop is ignored as well.
    PostMessageW(window_->Handle(), WM_TIMER, TimerId, 0);
    PumpFor(Milliseconds(200));
    EXPECT_EQ(ticks_.size(), ticksAtStop);
    EXPECT_EQ(Timer().Period(), 0u);
}

TEST_F(ClickTimerTest, StopThenStartWithTheSamePeriodRunsAgain) {
    Timer().SetPeriod(50);
    ASSERT_TRUE(PumpUntilTicks(1, Milliseconds(1000)));
    Timer().SetPeriod(0);
    PumpFor(Milliseconds(120));
    ticks_.clear();

    const std::int64_t restarted = MonotonicMicroseconds();
    Timer().SetPeriod(50);
    ASSERT_TRUE(PumpUntilTicks(1, Milliseconds(1000)));
    EXPECT_GE(ticks_[0] - restarted, 50 * Ms);
}

// The thread is busy for several periods: one event when it is free again,
// then the grid goes on; the missed events are not made up in a burst.
TEST_F(ClickTimerTest, StallGivesOneEventAndSkipsTheMissedOnes) {
    const std::int64_t start = MonotonicMicroseconds();
    Timer().SetPeriod(50);
    Sleep(265);

    // Due times 50, 100, ..., 250 passed during the stall; next is 300.
    PumpFor(Milliseconds(25));
    EXPECT_EQ(ticks_.size(), 1u);
    ASSERT_TRUE(PumpUntilTicks(2, Milliseconds(1000)));
    EXPECT_GE(ticks_[1] - start, 300 * Ms);
    EXPECT_LT(ticks_[1] - start, 350 * Ms);
}

TEST_F(ClickTimerTest, EventsKeepToTheStartPlusWholePeriods) {
    constexpr int Period = 100;
    constexpr std::size_t Events = 10;
    const std::int64_t start = MonotonicMicroseconds();
    Timer().SetPeriod(Period);
    ASSERT_TRUE(PumpUntilTicks(Events, Milliseconds(Period * Events + 1500)));
    Timer().SetPeriod(0);

    std::vector<std::int64_t> deviations;
    for (std::size_t k = 0; k < Events; ++k) {
        const auto due = start + static_cast<std::int64_t>(k + 1) * Period * Ms;
        deviations.push_back(ticks_[k] - due);
    }
    std::int64_t sum = 0;
    for (std::int64_t deviation : deviations) sum += deviation;
    const std::int64_t largest = *std::max_element(deviations.begin(), deviations.end());
    const std::int64_t smallest = *std::min_element(deviations.begin(), deviations.end());
    std::printf("%zu events of %d ms: mean deviation %.2f ms, largest %.2f ms, smallest %.2f ms\n", Events,
                Period, static_cast<double>(sum) / static_cast<double>(Events) / Ms,
                static_cast<double>(largest) / Ms, static_cast<double>(smallest) / Ms);

    // Never early; lateness bounded without growing with k (a drifting
    // timer would be about k times its per-event lateness off by the end).
    EXPECT_GE(smallest, 0);
    EXPECT_LT(largest, Period / 2 * Ms);
}

}  // namespace
}  // namespace quorvel::test
