// Tab and Shift+Tab move the keyboard focus round the enabled controls.
#include <algorithm>
#include <string>
#include <vector>

#include "quorvel_fixture.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

struct TabCase {
    const char* name;
    bool whilePlaying;
    bool backwards;
    std::vector<int> cycle;  // the controls the focus visits, in order
};

void PrintTo(const TabCase& tab, std::ostream* out) { *out << tab.name; }

const TabCase TabCases[] = {
    {"TabWhileIdle", false, false, {ids::StartButton, ids::HelpButton, ids::PointList}},
    {"ShiftTabWhileIdle", false, true, {ids::StartButton, ids::PointList, ids::HelpButton}},
    // Playing: Start is disabled and skipped, Stop follows the list.
    {"TabWhilePlaying", true, false, {ids::HelpButton, ids::PointList, ids::StopButton}},
    {"ShiftTabWhilePlaying", true, true, {ids::HelpButton, ids::StopButton, ids::PointList}},
};

class TabOrder : public QuorvelTest, public testing::WithParamInterface<TabCase> {};

std::string NameOf(const QuorvelProcess& program, HWND control) {
    const std::pair<int, const char*> names[] = {
        {ids::StartButton, "Start"}, {ids::StopButton, "Stop"}, {ids::HelpButton, "Help"}, {ids::PointList, "list"}};
    for (const auto& [id, name] : names) {
        if (program.Control(id) == control) return name;
    }
    return control ? Utf8(ClassName(control)) : "nothing";
}

TEST_P(TabOrder, GoesRoundTheEnabledControls) {
    const TabCase& tab = GetParam();
    if (tab.whilePlaying) {
        ASSERT_TRUE(CaptureWithKey(program_, VK_F6, target_.ToScreen({40, 40})));
        PressKeys({VK_CONTROL, 'S'});
        ASSERT_TRUE(WaitUntil([this] { return !IsEnabled(program_, ids::StartButton); }, 2s));
    }
    ASSERT_TRUE(BringToFront(program_.MainWindow()));

    // Start from wherever the focus is, as long as it is on the cycle.
    const HWND first = FocusOf(program_.GuiThreadId());
    const auto begin = std::find_if(tab.cycle.begin(), tab.cycle.end(),
                                    [&](int id) { return program_.Control(id) == first; });
    ASSERT_NE(begin, tab.cycle.end()) << "the focus is on " << NameOf(program_, first);
    if (!tab.whilePlaying) {
        EXPECT_EQ(*begin, ids::StartButton);
    }

    const auto start = static_cast<std::size_t>(begin - tab.cycle.begin());
    for (std::size_t step = 1; step <= tab.cycle.size(); ++step) {
        const HWND expected = program_.Control(tab.cycle[(start + step) % tab.cycle.size()]);
        if (tab.backwards) {
            PressKeys({VK_SHIFT, VK_TAB});
        } else {
            PressKeys({VK_TAB});
        }
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(program_.GuiThreadId()) == expected; }, 2s))
            << "step " << step << ": focus on " << NameOf(program_, FocusOf(program_.GuiThreadId()))
            << ", expected " << NameOf(program_, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, TabOrder, testing::ValuesIn(TabCases),
                         [](const testing::TestParamInfo<TabCase>& tab) { return std::string(tab.param.name); });

}  // namespace
}  // namespace quorvel::e2e
