// Every way of closing the main window ends the program with exit code 0,
// also while it plays clicks.
#include <string>

#include "quorvel_fixture.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

enum class CloseBy { Esc, AltF4, CloseButton };

struct ClosingCase {
    const char* name;
    CloseBy way;
    bool whilePlaying;
};

void PrintTo(const ClosingCase& closing, std::ostream* out) { *out << closing.name; }

const ClosingCase ClosingCases[] = {
    {"EscWhileIdle", CloseBy::Esc, false},
    {"EscWhilePlaying", CloseBy::Esc, true},
    {"AltF4WhileIdle", CloseBy::AltF4, false},
    {"CloseButtonWhileIdle", CloseBy::CloseButton, false},
    {"CloseButtonWhilePlaying", CloseBy::CloseButton, true},
};

class Closing : public QuorvelTest, public testing::WithParamInterface<ClosingCase> {};

TEST_P(Closing, EndsTheProgramWithExitCodeZero) {
    const ClosingCase& closing = GetParam();
    const HWND window = program_.MainWindow();
    if (closing.whilePlaying) {
        ASSERT_TRUE(CaptureWithKey(program_, VK_F6, target_.ToScreen({40, 40})));
        PressKeys({VK_CONTROL, 'S'});
        // Act right after a click, while the pointer is free for a second.
        ASSERT_TRUE(target_.WaitForPresses(1, 3s));
    }
    ASSERT_TRUE(BringToFront(window));

    switch (closing.way) {
        case CloseBy::Esc: PressKeys({VK_ESCAPE}); break;
        case CloseBy::AltF4: PressKeys({VK_MENU, VK_F4}); break;
        case CloseBy::CloseButton: {
            const std::optional<POINT> button = CloseButtonPoint(window);
            ASSERT_TRUE(button.has_value()) << "no close button found on the title bar";
            ASSERT_TRUE(ClickAt(*button));
            break;
        }
    }
    const std::optional<DWORD> exitCode = program_.WaitForExit(10s);
    ASSERT_TRUE(exitCode.has_value()) << "the program did not end";
    EXPECT_EQ(*exitCode, 0u);
}

INSTANTIATE_TEST_SUITE_P(Way, Closing, testing::ValuesIn(ClosingCases),
                         [](const testing::TestParamInfo<ClosingCase>& closing) {
                             return std::string(closing.param.name);
                         });

}  // namespace
}  // namespace quorvel::e2e
