#include "core/playback_controller.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/click_list.h"
#include "tests/core/fakes.h"

namespace quorvel {
namespace {

using fakes::CallLog;
using Click = fakes::FakeClicks::Click;

CallLog RunningArrangement() {
    return {"start shape 0", "start disable", "stop shape 14", "stop enable"};
}
CallLog IdleArrangement() {
    return {"stop shape 0", "stop disable", "start shape 14", "start enable"};
}
CallLog Concat(std::initializer_list<CallLog> parts) {
    CallLog all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Public, so the nested-handler table can reach into the fixture.
class PlaybackTest : public ::testing::Test {
public:
    PlaybackTest() {
        records.lastCapturedPoint = std::make_unique<ClickPoint>();
        records.cursorScratch = std::make_unique<ClickPoint>();
    }

    void Capture(ClickKind kind, ClickPoint at) {
        pointer.position = at;
        kind == ClickKind::Left ? list.CaptureLeftClickPoint() : list.CaptureRightClickPoint();
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) playback.OnClickTimerTick();
    }

    CallLog log;
    fakes::FakeListRows rows{log};
    fakes::FakePointer pointer{log};
    fakes::FakeButton start{log, "start"};
    fakes::FakeButton stop{log, "stop"};
    fakes::FakeTimer timer{log};
    fakes::FakeMessageBox messageBox{log};
    fakes::FakeClicks clicks{log};
    ProgramRecords records;
    ClickList list{rows, pointer, records};
    PlaybackController playback{{rows, start, stop, timer, messageBox, clicks}};
};

TEST_F(PlaybackTest, StartArrangesButtonsBeforeSettingThePeriod) {
    rows.Add(0, L"1", L"2");
    playback.OnStartClicked();
    EXPECT_EQ(log, Concat({RunningArrangement(), {"period 1000"}}));
    EXPECT_EQ(playback.PlaybackCount(), 1);
    EXPECT_EQ(playback.PlaybackIndex(), 0);
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(PlaybackTest, StartOnEmptyListIsRefusedWithTheMessageThenIdle) {
    playback.OnStartClicked();
    EXPECT_EQ(log, Concat({RunningArrangement(), {"message box", "message box dismissed"}, IdleArrangement()}));
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].first, L"请选择鼠标点击位置！");
    EXPECT_EQ(messageBox.shown[0].second, L"提示");
    EXPECT_EQ(timer.period, 0u);
    EXPECT_FALSE(start.disabled);
    EXPECT_EQ(start.shape, PointerShape::Hand);
    EXPECT_TRUE(stop.disabled);
    EXPECT_EQ(stop.shape, PointerShape::Standard);
}

TEST_F(PlaybackTest, RefusedStartWritesCountButLeavesIndexAndPeriod) {
    rows.Add(0, L"1", L"1");
    rows.Add(0, L"2", L"2");
    playback.OnStartClicked();
    playback.OnClickTimerTick();  // index 1
    playback.OnStopClicked();
    rows.rows.clear();            // only a test can empty the list
    log.clear();
    playback.OnStartClicked();
    EXPECT_EQ(playback.PlaybackCount(), 0);
    EXPECT_EQ(playback.PlaybackIndex(), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "period 0") + std::count(log.begin(), log.end(), "period 1000"), 0);
}

// Handlers that run while the refusal message is open; the refused Start must
// still finish with the idle arrangement afterwards.
TEST_F(PlaybackTest, NestedHandlersInsideTheRefusalMessage) {
    const struct {
        const char* name;
        std::function<void(PlaybackTest&)> nested;
        CallLog nestedCalls;
        int rowsAfter;
    } cases[] = {
        {"capture", [](PlaybackTest& t) { t.Capture(ClickKind::Left, {9, 8}); },
         {"read pointer", "append 0", "cell 0,0 ????", "cell 0,1 9", "cell 0,2 8"}, 1},
        {"timer tick", [](PlaybackTest& t) { t.playback.OnClickTimerTick(); }, {}, 0},
        {"stop", [](PlaybackTest& t) { t.playback.OnStopClicked(); },
         Concat({IdleArrangement(), {"period 0"}}), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        rows.rows.clear();
        list.ResetCapturedRowCount();
        messageBox.whileOpen = [this, &c] { c.nested(*this); };
        playback.OnStartClicked();
        EXPECT_EQ(log, Concat({RunningArrangement(), {"message box"}, c.nestedCalls, {"message box dismissed"},
                               IdleArrangement()}));
        EXPECT_EQ(rows.RowCount(), c.rowsAfter);
        EXPECT_FALSE(start.disabled);
        EXPECT_TRUE(stop.disabled);
        EXPECT_TRUE(clicks.clicks.empty());
    }
}

TEST_F(PlaybackTest, StepsClickRowsInOrderAndWrap) {
    Capture(ClickKind::Left, {10, 11});
    Capture(ClickKind::Right, {-5, 300});
    Capture(ClickKind::Left, {-2147483647 - 1, 2147483647});
    playback.OnStartClicked();
    Ticks(7);
    const Click a{10, 11, ClickCode::LeftSingle};
    const Click b{-5, 300, ClickCode::RightSingle};
    const Click c{-2147483647 - 1, 2147483647, ClickCode::LeftSingle};
    EXPECT_EQ(clicks.clicks, (std::vector<Click>{a, b, c, a, b, c, a}));
    EXPECT_EQ(playback.PlaybackIndex(), 1);
}

TEST_F(PlaybackTest, OneRowIsClickedAtEveryStep) {
    Capture(ClickKind::Right, {4, 4});
    playback.OnStartClicked();
    Ticks(3);
    EXPECT_EQ(clicks.clicks, (std::vector<Click>(3, Click{4, 4, ClickCode::RightSingle})));
    EXPECT_EQ(playback.PlaybackIndex(), 0);
}

TEST_F(PlaybackTest, KindComesFromTheRowValueAlone) {
    const struct {
        std::int32_t value;
        ClickCode code;
    } cases[] = {{0, ClickCode::LeftSingle}, {1, ClickCode::RightSingle}, {-1, ClickCode::RightSingle},
                 {7, ClickCode::RightSingle}};
    for (const auto& c : cases) {
        rows.rows.clear();
        clicks.clicks.clear();
        rows.Add(c.value, L" -12", L"+34x");
        rows.rows[0].cells[0] = L"左键单击";  // the text of column 0 is not consulted
        playback.OnStartClicked();
        playback.OnClickTimerTick();
        EXPECT_EQ(clicks.clicks, (std::vector<Click>{{-12, 34, c.code}})) << c.value;
    }
}

TEST_F(PlaybackTest, IndexPastTheCountResetsWithoutClicking) {
    // Reached when Start is refused on an empty list after a run was
    // stopped mid-list: the count drops to 0 but the index stays.
    rows.Add(0, L"1", L"1");
    rows.Add(0, L"2", L"2");
    playback.OnStartClicked();
    playback.OnClickTimerTick();
    rows.rows.clear();
    playback.OnStartClicked();
    clicks.clicks.clear();
    playback.OnClickTimerTick();
    EXPECT_TRUE(clicks.clicks.empty());
    EXPECT_EQ(playback.PlaybackIndex(), 0);
}

TEST_F(PlaybackTest, StartWhileRunningRestartsAtRowZeroAndTakesNewRows) {
    Capture(ClickKind::Left, {1, 1});
    Capture(ClickKind::Left, {2, 2});
    playback.OnStartClicked();
    playback.OnClickTimerTick();
    Capture(ClickKind::Right, {3, 3});  // captured while running
    playback.OnClickTimerTick();
    playback.OnClickTimerTick();        // wraps to row 0: the new row is not played yet
    log.clear();
    playback.OnStartClicked();          // Ctrl+S while running
    EXPECT_EQ(log, Concat({RunningArrangement(), {"period 1000"}}));
    EXPECT_EQ(timer.period, 1000u);
    Ticks(3);
    EXPECT_EQ(clicks.clicks, (std::vector<Click>{{1, 1, ClickCode::LeftSingle},
                                                 {2, 2, ClickCode::LeftSingle},
                                                 {1, 1, ClickCode::LeftSingle},
                                                 {1, 1, ClickCode::LeftSingle},
                                                 {2, 2, ClickCode::LeftSingle},
                                                 {3, 3, ClickCode::RightSingle}}));
}

TEST_F(PlaybackTest, StopArrangesButtonsThenStopsTimerAndKeepsCounters) {
    Capture(ClickKind::Left, {1, 1});
    Capture(ClickKind::Left, {2, 2});
    playback.OnStartClicked();
    playback.OnClickTimerTick();
    log.clear();
    playback.OnStopClicked();
    EXPECT_EQ(log, Concat({IdleArrangement(), {"period 0"}}));
    EXPECT_EQ(playback.PlaybackIndex(), 1);
    EXPECT_EQ(playback.PlaybackCount(), 2);

    playback.OnStartClicked();  // a new run begins at row 0
    playback.OnClickTimerTick();
    EXPECT_EQ(clicks.clicks.back(), (Click{1, 1, ClickCode::LeftSingle}));
}

TEST_F(PlaybackTest, StopWhileIdleOnlyRepeatsTheIdleArrangement) {
    playback.OnStopClicked();
    EXPECT_EQ(log, Concat({IdleArrangement(), {"period 0"}}));
    EXPECT_EQ(playback.PlaybackCount(), 0);
    EXPECT_EQ(playback.PlaybackIndex(), 0);
}

}  // namespace
}  // namespace quorvel
