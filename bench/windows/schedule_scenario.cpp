#include <vector>

#include "bench/click_schedule.h"
#include "figures.h"
#include "scenarios.h"
#include "tests/e2e/quorvel_process.h"
#include "tests/e2e/remote_list.h"
#include "tests/e2e/target_window.h"
#include "tests/e2e/wait.h"
#include "tests/support/input.h"
#include "ui/main_window_ids.h"

namespace quorvel::bench {

using namespace e2e;

namespace {

int RowCount(const QuorvelProcess& program) {
    return RemoteList(program.Control(main_window_ids::PointList)).RowCount();
}

bool Record(const QuorvelProcess& program, WORD key, POINT at) {
    const int before = RowCount(program);
    if (!test::MovePointer(at)) return false;
    test::PressKeys({key});
    return WaitUntil([&] { return RowCount(program) > before; });
}

}  // namespace

int MeasureSchedule(int clicks) {
    // Left of the centred main window, as in the end-to-end tests.
    const int mainLeft = (GetSystemMetrics(SM_CXSCREEN) - 295) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - 400) / 2;
    TargetWindow target({mainLeft - 340, top, mainLeft - 20, top + 400});
    QuorvelProcess program;
    if (!target.Handle() || !program.Start()) return Failed("the program or the target window did not start");

    // Two rows: every click moves the pointer, so the pointer clock sees it.
    const POINT first = target.ToScreen({40, 60});
    const POINT second = target.ToScreen({250, 150});
    if (!Record(program, VK_F6, first) || !Record(program, VK_F7, second)) return Failed("a capture failed");
    // The pointer clock counts only what follows the marker.
    const POINT marker = target.ToScreen({150, 330});
    if (!test::MovePointer(marker)) return Failed("the pointer did not reach the marker");
    Figure("marker_x", static_cast<std::uint64_t>(marker.x));
    Figure("marker_y", static_cast<std::uint64_t>(marker.y));

    const double started = NowMs();
    test::PressKeys({VK_CONTROL, 'S'});
    const auto wanted = static_cast<std::size_t>(clicks);
    const bool all = target.WaitForPresses(wanted, std::chrono::milliseconds(clicks * 1000 + 10000));
    test::PressKeys({VK_CONTROL, 'Q'});
    if (!all) return Failed("fewer clicks reached the target window than asked for");

    std::vector<double> times;
    for (const MouseRecord& press : target.Presses()) {
        if (times.size() < wanted) times.push_back(press.timeMs);
    }
    const ScheduleFigures figures = Schedule(times, 1000.0);
    Figure("target_clicks", static_cast<std::uint64_t>(figures.clicks));
    Figure("target_first_click_ms", times.front() - started);
    Figure("target_mean_ms", figures.meanPeriodMs);
    Figure("target_latest_ms", figures.latestMs);
    Figure("target_earliest_ms", figures.earliestMs);
    Figure("target_drift_ms", figures.driftMs);
    return 0;
}

}  // namespace quorvel::bench
