#include <algorithm>
#include <string>
#include <vector>

#include "figures.h"
#include "scenarios.h"
#include "tests/e2e/quorvel_process.h"
#include "tests/e2e/remote_list.h"
#include "tests/e2e/wait.h"
#include "tests/e2e/window_query.h"
#include "tests/support/input.h"
#include "ui/main_window_ids.h"

namespace quorvel::bench {

using namespace e2e;

namespace {

constexpr double GiveUpMs = 20000;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct StartUp {
    double shownMs;
    double hotKeyMs;
};

// One start: from CreateProcess to the main window shown, and on to the
// first F6 that records a row, with F6 pressed every few milliseconds.
std::optional<StartUp> StartOnce() {
    const std::wstring path = ProgramPath();
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    const double started = NowMs();
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        return std::nullopt;
    }
    const UniqueHandle process(info.hProcess);
    CloseHandle(info.hThread);

    std::optional<StartUp> result;
    HWND window = nullptr;
    while (NowMs() - started < GiveUpMs) {
        window = FindTopLevelWindow(info.dwProcessId, L"QuorvelWindow");
        if (window && IsWindowVisible(window)) break;
        Sleep(1);
    }
    const double shown = NowMs() - started;
    if (window && IsWindowVisible(window)) {
        const HWND list = GetDlgItem(window, main_window_ids::PointList);
        while (NowMs() - started < GiveUpMs) {
            test::PressKeys({VK_F6});
            if (RemoteList(list).RowCount() > 0) {
                result = StartUp{shown, NowMs() - started};
                break;
            }
            Sleep(3);
        }
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), 5000);
        return std::nullopt;
    }
    return result;
}

}  // namespace

int MeasureStartUp(int runs) {
    std::vector<double> shown, hotKey;
    for (int run = 0; run < runs; ++run) {
        const std::optional<StartUp> once = StartOnce();
        if (!once) return Failed("a start did not show the main window or take a hot key");
        shown.push_back(once->shownMs);
        hotKey.push_back(once->hotKeyMs);
        Pause(300ms);
    }
    Figure("startup_runs", static_cast<std::uint64_t>(runs));
    Figure("startup_shown_median_ms", Median(shown));
    Figure("startup_hotkey_median_ms", Median(hotKey));
    Figure("startup_hotkey_slowest_ms", *std::max_element(hotKey.begin(), hotKey.end()));
    return 0;
}

}  // namespace quorvel::bench
