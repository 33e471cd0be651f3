#include "core/timer_schedule.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// Times are microseconds after Start; a large origin shows that nothing
// depends on the clock starting near zero.
constexpr std::int64_t Origin = 5'000'000'000;

struct Wake {
    std::int64_t atUs;
    bool fires;
    std::int64_t delayUs;  // what the timer is re-armed with
};

struct ScheduleCase {
    const char* name;
    std::uint32_t periodMs;
    std::vector<Wake> wakes;
};

const ScheduleCase ScheduleCases[] = {
    {"OnTimeWakesFireEveryPeriod", 100, {{100'000, true, 100'000}, {200'000, true, 100'000}}},
    // Event k stays due at k * period: each delay makes up for its lateness.
    {"LateWakesDoNotDrift",
     100,
     {{100'700, true, 99'300}, {203'000, true, 97'000}, {300'050, true, 99'950}, {415'000, true, 85'000},
      {500'001, true, 99'999}}},
    {"EarlyWakeWaitsForTheRest", 100, {{99'000, false, 1'000}, {100'000, true, 100'000}}},
    {"EarlyWakeAfterAnEventDoesNotFire", 100, {{100'000, true, 100'000}, {150'000, false, 50'000}, {200'000, true, 100'000}}},
    // Due at 200, 300 and 400 ms: one event, then the next multiple.
    {"StallFiresOnceAndSkipsMissedEvents",
     100,
     {{100'000, true, 100'000}, {472'000, true, 28'000}, {472'500, false, 27'500}, {500'000, true, 100'000}}},
    {"StallEndingOnADueTime", 100, {{100'000, true, 100'000}, {400'000, true, 100'000}, {500'000, true, 100'000}}},
    {"StallBeforeTheFirstEvent", 1000, {{3'500'000, true, 500'000}, {4'000'000, true, 1'000'000}}},
    {"OneMillisecondPeriod", 1, {{1'000, true, 1'000}, {1'400, false, 600}, {2'000, true, 1'000}}},
};

class TimerScheduleTest : public ::testing::TestWithParam<ScheduleCase> {};

TEST_P(TimerScheduleTest, FiresAndReArmsAsTabled) {
    const ScheduleCase& scheduleCase = GetParam();
    TimerSchedule schedule;
    schedule.Start(Origin, scheduleCase.periodMs);
    ASSERT_TRUE(schedule.Running());
    // The first event is one full period away.
    EXPECT_EQ(schedule.DelayUs(Origin), std::int64_t{scheduleCase.periodMs} * 1000);

    for (const Wake& wake : scheduleCase.wakes) {
        SCOPED_TRACE(testing::Message() << "wake at +" << wake.atUs << " us");
        const TimerSchedule::Wake result = schedule.OnWake(Origin + wake.atUs);
        EXPECT_EQ(result.fire, wake.fires);
        EXPECT_EQ(result.delayUs, wake.delayUs);
    }
}

INSTANTIATE_TEST_SUITE_P(Wakes, TimerScheduleTest, ::testing::ValuesIn(ScheduleCases),
                         [](const testing::TestParamInfo<ScheduleCase>& row) { return std::string(row.param.name); });

// A day of one-second events, each woken up to 40 ms late by a varying
// amount: every wake fires, and every re-arm aims at the exact multiple.
TEST(TimerScheduleRun, LongRunOfLateWakesStaysOnTheGrid) {
    constexpr std::int64_t PeriodUs = 1'000'000;
    TimerSchedule schedule;
    schedule.Start(Origin, 1000);
    std::uint32_t lateness = 12345;
    for (std::int64_t k = 1; k <= 86'400; ++k) {
        lateness = lateness * 1103515245u + 12345u;
        const std::int64_t now = Origin + k * PeriodUs + (lateness >> 8) % 40'000;
        const TimerSchedule::Wake wake = schedule.OnWake(now);
        ASSERT_TRUE(wake.fire) << "event " << k;
        ASSERT_EQ(now + wake.delayUs, Origin + (k + 1) * PeriodUs) << "event " << k;
    }
}

TEST(TimerScheduleRun, RestartMovesTheGridToTheNewStart) {
    TimerSchedule schedule;
    schedule.Start(Origin, 100);
    ASSERT_TRUE(schedule.OnWake(Origin + 100'000).fire);

    // A new period written at +130 ms: the old due time (+200 ms) is gone.
    schedule.Start(Origin + 130'000, 250);
    EXPECT_EQ(schedule.DelayUs(Origin + 130'000), 250'000);
    const TimerSchedule::Wake oldDue = schedule.OnWake(Origin + 200'000);
    EXPECT_FALSE(oldDue.fire);
    EXPECT_EQ(oldDue.delayUs, 180'000);
    EXPECT_TRUE(schedule.OnWake(Origin + 380'000).fire);
}

TEST(TimerScheduleRun, StopEndsTheRun) {
    TimerSchedule schedule;
    EXPECT_FALSE(schedule.Running());
    schedule.Start(Origin, 100);
    EXPECT_TRUE(schedule.Running());
    schedule.Stop();
    EXPECT_FALSE(schedule.Running());
}

}  // namespace
}  // namespace quorvel
