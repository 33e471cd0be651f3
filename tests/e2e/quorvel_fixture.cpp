#include "quorvel_fixture.h"

#include "wait.h"
#include "window_query.h"

namespace quorvel::e2e {

std::vector<ListRow> RowsOf(const QuorvelProcess& program) {
    return RemoteList(program.Control(ids::PointList)).Rows();
}

int RowCountOf(const QuorvelProcess& program) { return RemoteList(program.Control(ids::PointList)).RowCount(); }

bool IsEnabled(const QuorvelProcess& program, int controlId) {
    return IsWindowEnabled(program.Control(controlId)) != FALSE;
}

bool ShowsPlaying(const QuorvelProcess& program) {
    return !IsEnabled(program, ids::StartButton) && IsEnabled(program, ids::StopButton);
}

bool ShowsIdle(const QuorvelProcess& program) {
    return IsEnabled(program, ids::StartButton) && !IsEnabled(program, ids::StopButton);
}

HWND MessageBoxOf(const QuorvelProcess& program) {
    return FindTopLevelWindow(program.ProcessId(), L"#32770", L"提示");
}

HWND HelpWindowOf(const QuorvelProcess& program) {
    return FindTopLevelWindow(program.ProcessId(), L"QuorvelWindow", L"帮助");
}

testing::AssertionResult OpenHelp(const QuorvelProcess& program, HWND& help) {
    help = nullptr;
    if (auto clicked = ClickControl(program, ids::HelpButton); !clicked) return clicked;
    const bool shown = WaitUntil([&] {
        help = HelpWindowOf(program);
        return help && IsWindowVisible(help) && GetForegroundWindow() == help;
    });
    if (!shown) return testing::AssertionFailure() << "no help window came to the front after a click on Help";
    return testing::AssertionSuccess();
}

testing::AssertionResult CaptureWithKey(const QuorvelProcess& program, WORD key, POINT at) {
    const int before = RowCountOf(program);
    if (!MovePointer(at)) return testing::AssertionFailure() << "the pointer did not move to " << at.x << "," << at.y;
    PressKeys({key});
    if (!WaitUntil([&] { return RowCountOf(program) > before; })) {
        return testing::AssertionFailure() << "no row appeared for key " << key;
    }
    // A second row would come within a few milliseconds of the first.
    Pause(100ms);
    const int after = RowCountOf(program);
    if (after != before + 1) {
        return testing::AssertionFailure() << "one key press gave " << after - before << " rows";
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult ClickControl(const QuorvelProcess& program, int controlId) {
    const HWND control = program.Control(controlId);
    const POINT centre = CentreOf(control);
    if (WindowFromPoint(centre) != control) {
        return testing::AssertionFailure() << "control " << controlId << " is covered at " << centre.x << ","
                                           << centre.y;
    }
    if (!ClickAt(centre)) return testing::AssertionFailure() << "the pointer did not reach control " << controlId;
    return testing::AssertionSuccess();
}

RECT QuorvelTest::TargetBounds() {
    const int mainLeft = (GetSystemMetrics(SM_CXSCREEN) - 295) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - 400) / 2;
    return {mainLeft - 340, top, mainLeft - 20, top + 400};
}

void QuorvelTest::SetUp() {
    ASSERT_NE(target_.Handle(), nullptr) << "the target window was not created";
    ASSERT_TRUE(program_.Start());
}

}  // namespace quorvel::e2e
