// Start plays the rows on the target window, one click a second, in order and
// round again; Stop ends it; Start on an empty list is refused.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "quorvel_fixture.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

// One recorded row, planned as a point in the target's client area.
struct PlannedRow {
    MouseButton button;
    POINT client;
};

constexpr PlannedRow RowA{MouseButton::Left, {40, 60}};
constexpr PlannedRow RowB{MouseButton::Right, {250, 150}};
constexpr PlannedRow RowC{MouseButton::Left, {120, 330}};
constexpr PlannedRow RowD{MouseButton::Right, {200, 380}};

// Generous bounds for one playback period; the figures themselves are
// printed by ClickPeriod, not asserted.
constexpr double ShortestPeriodMs = 700;
constexpr double LongestPeriodMs = 1600;

class Playback : public QuorvelTest {
protected:
    void Record(const PlannedRow& row) {
        ASSERT_TRUE(CaptureWithKey(program_, row.button == MouseButton::Left ? VK_F6 : VK_F7, SpotOf(row)));
    }

    POINT SpotOf(const PlannedRow& row) const { return target_.ToScreen(row.client); }

    // Once playback has ended or was refused, no click may follow: watch for
    // longer than two periods.
    void ExpectNoFurtherClick() {
        const std::size_t count = target_.Presses().size();
        Pause(2500ms);
        EXPECT_EQ(target_.Presses().size(), count) << "a click came after playback should have ended";
    }

    // The presses hit the planned rows in `order`, and each press is
    // followed by the release of the same button at the same spot.
    void ExpectClicks(const std::vector<PlannedRow>& order) {
        const std::vector<MouseRecord> records = target_.Records();
        const std::vector<MouseRecord> presses = target_.Presses();
        ASSERT_GE(presses.size(), order.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            EXPECT_TRUE(presses[i].button == order[i].button && SamePoint(presses[i].client, order[i].client))
                << "click " << i << ": " << Describe(presses[i]) << ", planned " << Describe(order[i]);
        }
        for (std::size_t i = 0; i + 1 < records.size(); i += 2) {
            const MouseRecord& press = records[i];
            const MouseRecord& release = records[i + 1];
            ASSERT_TRUE(press.down && !release.down) << "record " << i << " breaks press-release pairs";
            EXPECT_TRUE(release.button == press.button && SamePoint(release.client, press.client))
                << "click " << i / 2 << ": pressed " << Describe(press) << ", released " << Describe(release);
        }
    }

    static bool SamePoint(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

    static std::string Describe(MouseButton button, POINT client) {
        return std::string(button == MouseButton::Left ? "left" : "right") + " at " + std::to_string(client.x) + "," +
               std::to_string(client.y);
    }
    static std::string Describe(const MouseRecord& record) { return Describe(record.button, record.client); }
    static std::string Describe(const PlannedRow& row) { return Describe(row.button, row.client); }
};

TEST_F(Playback, CtrlSPlaysRowsInOrderRoundAgainUntilCtrlQ) {
    for (const PlannedRow& row : {RowA, RowB, RowC}) ASSERT_NO_FATAL_FAILURE(Record(row));
    EXPECT_TRUE(target_.Presses().empty()) << "recording clicked";

    PressKeys({VK_CONTROL, 'S'});
    ASSERT_TRUE(WaitUntil([this] { return ShowsPlaying(program_); }, 2s)) << "Start disabled and Stop enabled expected";
    ASSERT_TRUE(target_.WaitForPresses(7, 10s));
    PressKeys({VK_CONTROL, 'Q'});
    ASSERT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s));
    ExpectNoFurtherClick();

    ExpectClicks({RowA, RowB, RowC, RowA, RowB, RowC, RowA});
    // The pointer stays where the last click was.
    const std::vector<MouseRecord> presses = target_.Presses();
    POINT pointer{};
    ASSERT_TRUE(GetCursorPos(&pointer));
    EXPECT_EQ(pointer.x, presses.back().screen.x);
    EXPECT_EQ(pointer.y, presses.back().screen.y);
}

TEST_F(Playback, StartAndStopButtonsWorkLikeTheKeys) {
    ASSERT_NO_FATAL_FAILURE(Record(RowB));
    ASSERT_TRUE(ClickControl(program_, ids::StartButton));
    ASSERT_TRUE(WaitUntil([this] { return ShowsPlaying(program_); }, 2s));
    ASSERT_TRUE(target_.WaitForPresses(2, 5s));
    // Right after a click the pointer is free for a second: use it on Stop.
    ASSERT_TRUE(ClickControl(program_, ids::StopButton));
    ASSERT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s));
    ExpectNoFurtherClick();
    ExpectClicks({RowB, RowB});
}

TEST_F(Playback, NewRowsWaitForTheNextStartWhichBeginsAtTheFirstRow) {
    for (const PlannedRow& row : {RowA, RowB, RowC}) ASSERT_NO_FATAL_FAILURE(Record(row));
    PressKeys({VK_CONTROL, 'S'});
    ASSERT_TRUE(target_.WaitForPresses(1, 3s));
    // Recorded between two clicks while playing: not played this round.
    ASSERT_NO_FATAL_FAILURE(Record(RowD));
    ASSERT_TRUE(target_.WaitForPresses(4, 5s));
    // Start while running: back to the first row, now with four rows.
    PressKeys({VK_CONTROL, 'S'});
    ASSERT_TRUE(target_.WaitForPresses(9, 8s));
    PressKeys({VK_CONTROL, 'Q'});
    ASSERT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s));
    ExpectClicks({RowA, RowB, RowC, RowA, RowA, RowB, RowC, RowD, RowA});
}

TEST_F(Playback, ClickPeriodIsAboutOneSecond) {
    constexpr std::size_t Clicks = 11;
    ASSERT_NO_FATAL_FAILURE(Record(RowA));
    const double started = NowMs();
    PressKeys({VK_CONTROL, 'S'});
    ASSERT_TRUE(target_.WaitForPresses(Clicks, 16s));
    PressKeys({VK_CONTROL, 'Q'});
    ASSERT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s));

    const std::vector<MouseRecord> presses = target_.Presses();
    const double first = presses.front().timeMs;
    double largestDeviation = 0;
    for (std::size_t k = 0; k < presses.size(); ++k) {
        const double ideal = first + static_cast<double>(k) * 1000.0;
        largestDeviation = std::max(largestDeviation, std::abs(presses[k].timeMs - ideal));
    }
    const double mean = (presses.back().timeMs - first) / static_cast<double>(presses.size() - 1);
    std::printf("click period over %u clicks: first click %.1f ms after Ctrl+S, mean interval %.2f ms, "
                "largest deviation from first + k x 1000 ms: %.2f ms\n",
                static_cast<unsigned>(presses.size()), first - started, mean, largestDeviation);
    std::fflush(stdout);

    EXPECT_GT(first - started, ShortestPeriodMs);
    EXPECT_LT(first - started, LongestPeriodMs);
    for (std::size_t k = 1; k < presses.size(); ++k) {
        const double interval = presses[k].timeMs - presses[k - 1].timeMs;
        EXPECT_GT(interval, ShortestPeriodMs) << "interval " << k;
        EXPECT_LT(interval, LongestPeriodMs) << "interval " << k;
    }
}

// Start on an empty list: the refusal message, hot keys still working under
// it, and afterwards the idle buttons and no playback.
enum class StartBy { CtrlS, StartButton };

std::string NameOf(StartBy trigger) { return trigger == StartBy::CtrlS ? "CtrlS" : "StartButton"; }
void PrintTo(StartBy trigger, std::ostream* out) { *out << NameOf(trigger); }

class EmptyListStart : public Playback, public testing::WithParamInterface<StartBy> {};

TEST_P(EmptyListStart, IsRefusedWithAMessageWhileF6StillRecords) {
    const POINT spot = target_.ToScreen(RowA.client);
    if (GetParam() == StartBy::CtrlS) {
        PressKeys({VK_CONTROL, 'S'});
    } else {
        ASSERT_TRUE(ClickControl(program_, ids::StartButton));
    }
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = MessageBoxOf(program_)) != nullptr; })) << "no message";
    EXPECT_EQ(StaticTextOf(box), L"请选择鼠标点击位置！");
    EXPECT_FALSE(IsWindowEnabled(program_.MainWindow())) << "the message must be modal for the program";
    // Start shows the playing buttons before it finds the list empty.
    EXPECT_TRUE(ShowsPlaying(program_));

    // The message waits; the hot keys do not.
    ASSERT_TRUE(CaptureWithKey(program_, VK_F6, spot));
    ASSERT_TRUE(IsWindow(box));

    ASSERT_TRUE(BringToFront(box));
    PressKeys({VK_RETURN});
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5s)) << "Enter did not dismiss the message";
    EXPECT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s));
    EXPECT_TRUE(IsWindowEnabled(program_.MainWindow()));
    // A row exists now, but the refused Start must not have started the timer.
    ExpectNoFurtherClick();
    EXPECT_TRUE(target_.Presses().empty()) << "the refused Start played";
    EXPECT_EQ(RowCountOf(program_), 1);
}

INSTANTIATE_TEST_SUITE_P(Trigger, EmptyListStart, testing::Values(StartBy::CtrlS, StartBy::StartButton),
                         [](const testing::TestParamInfo<StartBy>& trigger) { return NameOf(trigger.param); });

}  // namespace
}  // namespace quorvel::e2e
