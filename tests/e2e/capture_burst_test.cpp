// Bursts of captures, as a held key or another program gives them: every
// row is there in order, the list shows the result once the burst is over,
// and what is queued behind the burst is not held up.
#include <cstdio>
#include <string>
#include <vector>

#include "quorvel_fixture.h"
#include "screen_pixels.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

constexpr WPARAM F6Id = 3, F7Id = 4;

using test::HoldKey;

class CaptureBurst : public QuorvelTest {
protected:
    // Every burst here is far quicker than this; a bound, not a figure.
    bool WaitForRows(int count) {
        return WaitUntil([&] { return RowCountOf(program_) >= count; }, 30s);
    }

    void ExpectRows(const std::vector<bool>& leftRows, POINT at) {
        const std::vector<ListRow> rows = RowsOf(program_);
        ASSERT_EQ(rows.size(), leftRows.size());
        int wrong = 0;
        for (std::size_t i = 0; i < rows.size() && wrong < 5; ++i) {
            const bool left = leftRows[i];
            const ListRow& row = rows[i];
            if (row.kind != (left ? L"左键单击" : L"右键单击") || row.value != (left ? 0 : 1) ||
                row.x != std::to_wstring(at.x) || row.y != std::to_wstring(at.y)) {
                ADD_FAILURE() << "row " << i << ": " << Utf8(row.kind) << " " << Utf8(row.x) << "," << Utf8(row.y)
                              << " value " << row.value << ", expected " << (left ? "left" : "right") << " at "
                              << at.x << "," << at.y;
                ++wrong;
            }
        }
    }
};

TEST_F(CaptureBurst, HeldKeyRecordsEveryRepeat) {
    const POINT at = target_.ToScreen({25, 35});
    ASSERT_TRUE(MovePointer(at));
    HoldKey(VK_F6, 1000);
    ASSERT_TRUE(WaitForRows(1000)) << "rows: " << RowCountOf(program_);
    Pause(200ms);  // nothing more may come
    ExpectRows(std::vector<bool>(1000, true), at);
}

TEST_F(CaptureBurst, PostedMessagesAreRecordedInOrder) {
    const POINT at = target_.ToScreen({60, 45});
    ASSERT_TRUE(MovePointer(at));
    // F6 F7 F7, F6 F7 F7, ...: a lost, doubled or swapped message shows.
    std::vector<bool> leftRows;
    for (int i = 0; i < 1000; ++i) leftRows.push_back(i % 3 == 0);
    for (const bool left : leftRows) {
        const WPARAM id = left ? F6Id : F7Id;
        const LPARAM lParam = MAKELPARAM(0, left ? VK_F6 : VK_F7);
        ASSERT_TRUE(PostMessageW(program_.MainWindow(), WM_HOTKEY, id, lParam));
    }
    ASSERT_TRUE(WaitForRows(1000)) << "rows: " << RowCountOf(program_);
    Pause(200ms);
    ExpectRows(leftRows, at);
}

TEST_F(CaptureBurst, SingleCaptureAndTheLastRowOfABurstAreDrawn) {
    const HWND list = program_.Control(ids::PointList);
    RECT header{};
    ASSERT_TRUE(GetWindowRect(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), &header));
    // Where the first row goes: blank while the list is empty, so the
    // check can tell a drawn row from none.
    const RECT firstRow{header.left + 4, header.bottom + 1, header.left + 60, header.bottom + 15};
    ASSERT_FALSE(ScreenShowsText(firstRow)) << "the empty list shows text";

    ASSERT_TRUE(CaptureWithKey(program_, VK_F6, target_.ToScreen({30, 30})));
    const RemoteList reader(list);
    EXPECT_TRUE(WaitUntil([&] { return ScreenShowsText(reader.LabelOnScreen(0).value_or(RECT{})); }, 1s))
        << "a single capture was not drawn";

    HoldKey(VK_F6, 1000);
    ASSERT_TRUE(WaitForRows(1001));
    // Scrolled to the end, as the user would: the last row is drawn there.
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(list, LVM_ENSUREVISIBLE, 1000, FALSE, SMTO_ABORTIFHUNG, 5000, &ignored));
    EXPECT_TRUE(WaitUntil([&] { return ScreenShowsText(reader.LabelOnScreen(1000).value_or(RECT{})); }, 2s))
        << "the last row of the burst was not drawn";
}

TEST_F(CaptureBurst, CtrlQRightBehindAHeldKeyStopsPlaybackAtOnce) {
    const POINT at = target_.ToScreen({40, 40});
    ASSERT_TRUE(CaptureWithKey(program_, VK_F6, at));
    PressKeys({VK_CONTROL, 'S'});
    ASSERT_TRUE(WaitUntil([this] { return ShowsPlaying(program_); }, 2s));
    // Right after a click the pointer stays put for a second.
    ASSERT_TRUE(target_.WaitForPresses(1, 3s));

    HoldKey(VK_F6, 1000, {VK_CONTROL, 'Q'});
    const double burstEnd = NowMs();
    ASSERT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 10s)) << "Ctrl+Q did not stop playback";
    const double stopped = NowMs() - burstEnd;
    std::printf("figure: Ctrl+Q behind 1,000 held-key repeats stopped playback %.0f ms after the burst\n", stopped);
    std::fflush(stdout);
    EXPECT_LT(stopped, 500.0) << "Ctrl+Q waited behind the captures";
    // The captures came first, all of them.
    EXPECT_EQ(RowCountOf(program_), 1001);
}

}  // namespace
}  // namespace quorvel::e2e
