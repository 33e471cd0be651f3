// The help window opened and closed hundreds of times while playback runs:
// nothing piles up in the program, the clicks keep coming, and every opening
// is centred anew.
#include <chrono>
#include <cstdio>

#include "quorvel_fixture.h"
#include "tests/support/process_metrics.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

using HelpSoak = QuorvelTest;

struct Figures {
    std::uint64_t privateBytes;
    std::size_t handles;
    std::size_t windows;
};

// Polls more finely than WaitUntil: each opening takes a few milliseconds.
bool WaitBriefly(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(2);
    }
    return true;
}

TEST_F(HelpSoak, ThreeHundredOpeningsDuringPlaybackLeaveNothingBehind) {
    constexpr int WarmUp = 20;
    constexpr int Openings = 300;
    ASSERT_TRUE(CaptureWithKey(program_, VK_F6, target_.ToScreen({50, 50})));
    PressKeys({VK_CONTROL, 'S'});
    ASSERT_TRUE(target_.WaitForPresses(1, 3s));

    const UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, program_.ProcessId()));
    ASSERT_NE(process.get(), nullptr);
    const auto measure = [&]() -> std::optional<Figures> {
        const auto bytes = test::CommittedPrivateBytes(process.get());
        const auto handles = test::HandleCount(program_.ProcessId());
        if (!bytes || !handles) return std::nullopt;
        return Figures{*bytes, *handles, test::WindowCount(program_.ProcessId())};
    };

    const HWND main = program_.MainWindow();
    const HWND helpButton = program_.Control(ids::HelpButton);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - 280) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - 177) / 2;
    std::optional<Figures> before;
    std::size_t pressesBefore = 0;
    double started = 0;
    int offCentre = 0;
    for (int opening = 0; opening < Openings; ++opening) {
        if (opening == WarmUp) {
            before = measure();
            ASSERT_TRUE(before.has_value()) << "the instruments gave no figures";
            pressesBefore = target_.Presses().size();
            started = NowMs();
        }
        SCOPED_TRACE(testing::Message() << "opening " << opening);
        // Posted: the program handles the click inside its own loop, and
        // the driver is not held in the modal wait.
        ASSERT_TRUE(PostMessageW(helpButton, BM_CLICK, 0, 0));
        HWND help = nullptr;
        ASSERT_TRUE(WaitBriefly([&] {
            help = FindTopLevelWindow(program_.ProcessId(), L"QuorvelWindow", L"帮助");
            return help && IsWindowVisible(help);
        })) << "the help window did not open";
        RECT bounds{};
        GetWindowRect(help, &bounds);
        if (bounds.left != left || bounds.top != top) ++offCentre;
        ASSERT_TRUE(PostMessageW(help, WM_CLOSE, 0, 0));
        ASSERT_TRUE(WaitBriefly([&] { return !IsWindow(help) && IsWindowEnabled(main); }))
            << "the help window did not close";
    }
    const double seconds = (NowMs() - started) / 1000.0;
    const std::size_t presses = target_.Presses().size() - pressesBefore;
    const std::optional<Figures> after = measure();
    ASSERT_TRUE(after.has_value());

    const auto grown = static_cast<double>(after->privateBytes) - static_cast<double>(before->privateBytes);
    std::printf("figure: %d help openings in %.1f s during playback: private bytes %+.0f KiB (%.0f KiB before), "
                "handles %+d (%zu before), windows %+d, %zu clicks\n",
                Openings - WarmUp, seconds, grown / 1024, static_cast<double>(before->privateBytes) / 1024,
                static_cast<int>(after->handles) - static_cast<int>(before->handles), before->handles,
                static_cast<int>(after->windows) - static_cast<int>(before->windows), presses);
    std::fflush(stdout);

    EXPECT_EQ(offCentre, 0) << "openings not centred";
    // A leak of one small block per opening would show: 280 openings x 1 KiB.
    EXPECT_LT(grown, 256.0 * 1024) << "private bytes grew";
    EXPECT_LE(after->handles, before->handles + 2) << "handles grew";
    EXPECT_EQ(after->windows, before->windows) << "windows were left behind";
    EXPECT_GE(static_cast<double>(presses), seconds - 2) << "playback stalled behind the help window";
    EXPECT_TRUE(ShowsPlaying(program_));
}

}  // namespace
}  // namespace quorvel::e2e
