// Another program closes the main window while it is disabled behind the
// refusal message or the help window. WM_CLOSE closes it, since nothing in
// the program can refuse the closing: the program ends with exit code 0 and
// no click after it. SC_CLOSE is a system command, which the system carries
// out only for an enabled window, as it is the user's Close of the system
// menu: the window stays and goes on working, and closes normally later.
#include <string>

#include "quorvel_fixture.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

enum class Behind { RefusalMessage, HelpWindowDuringPlayback };
enum class CloseWith { Close, SysCommandClose };

struct OutsideCloseCase {
    const char* name;
    Behind behind;
    CloseWith message;
    bool closes;
};

void PrintTo(const OutsideCloseCase& closing, std::ostream* out) { *out << closing.name; }

const OutsideCloseCase OutsideCloseCases[] = {
    {"WmCloseBehindTheRefusalMessage", Behind::RefusalMessage, CloseWith::Close, true},
    {"ScCloseBehindTheRefusalMessage", Behind::RefusalMessage, CloseWith::SysCommandClose, false},
    {"WmCloseBehindTheHelpWindow", Behind::HelpWindowDuringPlayback, CloseWith::Close, true},
    {"ScCloseBehindTheHelpWindow", Behind::HelpWindowDuringPlayback, CloseWith::SysCommandClose, false},
};

class ClosingFromOutside : public QuorvelTest, public testing::WithParamInterface<OutsideCloseCase> {
protected:
    // Ends the program by a plain WM_CLOSE and checks that it went cleanly.
    void ExpectCleanEnd(HWND modal) {
        const std::optional<DWORD> exitCode = program_.WaitForExit(10s);
        const std::size_t presses = target_.Presses().size();
        ASSERT_TRUE(exitCode.has_value()) << "the program did not end; main window "
                                          << (IsWindow(program_.MainWindow()) ? "still there" : "gone")
                                          << ", modal window " << (IsWindow(modal) ? "still there" : "gone");
        EXPECT_EQ(*exitCode, 0u);
        EXPECT_FALSE(IsWindow(modal)) << "the modal window outlived the program";
        Pause(2500ms);
        EXPECT_EQ(target_.Presses().size(), presses) << "a click came after the close";
    }

    // The window stayed: it keeps working behind the modal window and
    // after it.
    void ExpectItKeepsWorking(HWND modal, bool playing) {
        const std::size_t presses = target_.Presses().size();
        Pause(1500ms);
        ASSERT_TRUE(IsWindow(program_.MainWindow())) << "the main window closed";
        ASSERT_TRUE(IsWindow(modal));
        if (playing) {
            EXPECT_GT(target_.Presses().size(), presses) << "playback stopped";
        }

        if (ClassName(modal) == L"#32770") {
            ASSERT_TRUE(PostMessageW(modal, WM_COMMAND, IDOK, 0));
        } else {
            ASSERT_TRUE(PostMessageW(modal, WM_CLOSE, 0, 0));
        }
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(modal) && IsWindowEnabled(program_.MainWindow()); }, 5s));
        EXPECT_EQ(ShowsPlaying(program_), playing);
        const int rows = RowCountOf(program_);
        ASSERT_TRUE(CaptureWithKey(program_, VK_F7, target_.ToScreen({90, 90})));
        EXPECT_EQ(RowCountOf(program_), rows + 1);
        ASSERT_TRUE(PostMessageW(program_.MainWindow(), WM_CLOSE, 0, 0));
    }
};

TEST_P(ClosingFromOutside, EndsTheProgramOrLeavesItWorking) {
    const OutsideCloseCase& closing = GetParam();
    const HWND window = program_.MainWindow();
    HWND modal = nullptr;
    if (closing.behind == Behind::RefusalMessage) {
        PressKeys({VK_CONTROL, 'S'});
        ASSERT_TRUE(WaitUntil([&] { return (modal = MessageBoxOf(program_)) != nullptr; })) << "no message";
    } else {
        ASSERT_TRUE(CaptureWithKey(program_, VK_F6, target_.ToScreen({40, 40})));
        PressKeys({VK_CONTROL, 'S'});
        ASSERT_TRUE(target_.WaitForPresses(1, 3s));
        ASSERT_TRUE(ClickControl(program_, ids::HelpButton));
        ASSERT_TRUE(WaitUntil([&] {
            modal = FindTopLevelWindow(program_.ProcessId(), L"QuorvelWindow", L"帮助");
            return modal != nullptr;
        })) << "no help window";
    }
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(window); }, 2s)) << "the main window is not disabled";

    if (closing.message == CloseWith::Close) {
        ASSERT_TRUE(PostMessageW(window, WM_CLOSE, 0, 0));
    } else {
        ASSERT_TRUE(PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0));
    }
    if (!closing.closes) {
        ASSERT_NO_FATAL_FAILURE(ExpectItKeepsWorking(modal, closing.behind == Behind::HelpWindowDuringPlayback));
    }
    ExpectCleanEnd(modal);
}

INSTANTIATE_TEST_SUITE_P(Way, ClosingFromOutside, testing::ValuesIn(OutsideCloseCases),
                         [](const testing::TestParamInfo<OutsideCloseCase>& closing) {
                             return std::string(closing.param.name);
                         });

}  // namespace
}  // namespace quorvel::e2e
