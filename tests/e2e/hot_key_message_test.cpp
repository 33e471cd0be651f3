// Hot key messages that another program posts to the main window: only the
// exact registered combination acts, so the decoding of wParam and lParam is
// exact.
#include <iterator>
#include <string>

#include "quorvel_fixture.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

constexpr WPARAM StartId = 1, StopId = 2, F6Id = 3, F7Id = 4;

LPARAM HotKeyLParam(UINT modifiers, UINT key) { return MAKELPARAM(modifiers, key); }

struct SpoofedMessage {
    const char* name;
    WPARAM id;
    LPARAM lParam;
    bool whilePlaying;  // a wrong Stop shows only while playing
};

void PrintTo(const SpoofedMessage& message, std::ostream* out) { *out << message.name; }

const SpoofedMessage SpoofedMessages[] = {
    {"F6WithCtrl", F6Id, HotKeyLParam(MOD_CONTROL, VK_F6), false},
    {"F6WithNoRepeatFlag", F6Id, HotKeyLParam(MOD_NOREPEAT, VK_F6), false},
    {"F7WithShift", F7Id, HotKeyLParam(MOD_SHIFT, VK_F7), false},
    {"F7IdentifierWithF6Key", F7Id, HotKeyLParam(0, VK_F6), false},
    {"CtrlShiftS", StartId, HotKeyLParam(MOD_CONTROL | MOD_SHIFT, 'S'), false},
    {"SWithoutCtrl", StartId, HotKeyLParam(0, 'S'), false},
    {"StartIdentifierWithCtrlQ", StartId, HotKeyLParam(MOD_CONTROL, 'Q'), false},
    {"StopIdentifierWithCtrlS", StopId, HotKeyLParam(MOD_CONTROL, 'S'), true},
    {"CtrlAltQ", StopId, HotKeyLParam(MOD_CONTROL | MOD_ALT, 'Q'), true},
    {"UnknownIdentifier0", 0, HotKeyLParam(0, VK_F6), false},
    {"UnknownIdentifier5", 5, HotKeyLParam(0, VK_F7), false},
};

class SpoofedHotKey : public QuorvelTest, public testing::WithParamInterface<SpoofedMessage> {};

TEST_P(SpoofedHotKey, DoesNothingAndTheKeysStillWork) {
    const SpoofedMessage& spoof = GetParam();
    const HWND window = program_.MainWindow();
    // With a row in the list a Start let through plays instead of asking.
    ASSERT_TRUE(CaptureWithKey(program_, VK_F6, target_.ToScreen({30, 30})));
    if (spoof.whilePlaying) {
        PressKeys({VK_CONTROL, 'S'});
        ASSERT_TRUE(WaitUntil([this] { return ShowsPlaying(program_); }, 2s));
    }

    ASSERT_TRUE(PostMessageW(window, WM_HOTKEY, spoof.id, spoof.lParam));
    // Posted messages are handled in order: once the row of this genuine F6
    // message is there, the spoofed one has been handled too.
    ASSERT_TRUE(PostMessageW(window, WM_HOTKEY, F6Id, HotKeyLParam(0, VK_F6)));
    ASSERT_TRUE(WaitUntil([this] { return RowCountOf(program_) >= 2; }));
    Pause(100ms);

    const std::vector<ListRow> rows = RowsOf(program_);
    ASSERT_EQ(rows.size(), 2u) << "the spoofed message recorded a row";
    EXPECT_EQ(rows[1].kind, L"左键单击");
    EXPECT_EQ(ShowsPlaying(program_), spoof.whilePlaying) << "the spoofed message started or stopped playback";
    EXPECT_EQ(MessageBoxOf(program_), nullptr);

    // The real keys still act.
    ASSERT_TRUE(CaptureWithKey(program_, VK_F7, target_.ToScreen({60, 60})));
    if (spoof.whilePlaying) {
        PressKeys({VK_CONTROL, 'Q'});
        EXPECT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s));
    }
}

INSTANTIATE_TEST_SUITE_P(Message, SpoofedHotKey, testing::ValuesIn(SpoofedMessages),
                         [](const testing::TestParamInfo<SpoofedMessage>& message) {
                             return std::string(message.param.name);
                         });

using PostedHotKey = QuorvelTest;

TEST_F(PostedHotKey, ExactCombinationActsLikeTheKey) {
    const HWND window = program_.MainWindow();
    struct Capture {
        WPARAM id;
        LPARAM lParam;
        POINT at;
        const wchar_t* kind;
        LPARAM value;
    };
    const Capture captures[] = {
        {F6Id, HotKeyLParam(0, VK_F6), target_.ToScreen({30, 40}), L"左键单击", 0},
        {F7Id, HotKeyLParam(0, VK_F7), target_.ToScreen({70, 90}), L"右键单击", 1},
    };
    for (std::size_t i = 0; i < std::size(captures); ++i) {
        const Capture& capture = captures[i];
        SCOPED_TRACE(testing::Message() << "wParam " << capture.id);
        ASSERT_TRUE(MovePointer(capture.at));
        ASSERT_TRUE(PostMessageW(window, WM_HOTKEY, capture.id, capture.lParam));
        ASSERT_TRUE(WaitUntil([&] { return RowCountOf(program_) > static_cast<int>(i); }));
        const ListRow row = RowsOf(program_).at(i);
        EXPECT_EQ(row.kind, capture.kind);
        EXPECT_EQ(row.x, std::to_wstring(capture.at.x));
        EXPECT_EQ(row.y, std::to_wstring(capture.at.y));
        EXPECT_EQ(row.value, capture.value);
    }

    ASSERT_TRUE(PostMessageW(window, WM_HOTKEY, StartId, HotKeyLParam(MOD_CONTROL, 'S')));
    EXPECT_TRUE(WaitUntil([this] { return ShowsPlaying(program_); }, 2s)) << "Start did not run";
    ASSERT_TRUE(PostMessageW(window, WM_HOTKEY, StopId, HotKeyLParam(MOD_CONTROL, 'Q')));
    EXPECT_TRUE(WaitUntil([this] { return ShowsIdle(program_); }, 2s)) << "Stop did not run";
}

}  // namespace
}  // namespace quorvel::e2e
