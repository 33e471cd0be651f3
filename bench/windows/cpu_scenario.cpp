#include <optional>

#include "figures.h"
#include "linux_process.h"
#include "scenarios.h"
#include "tests/e2e/quorvel_process.h"
#include "tests/e2e/remote_list.h"
#include "tests/e2e/target_window.h"
#include "tests/e2e/wait.h"
#include "tests/e2e/window_query.h"
#include "tests/support/input.h"
#include "ui/main_window_ids.h"

namespace quorvel::bench {

using namespace e2e;

namespace {

// Wine's notepad, idle beside the program: what any idle Wine program
// costs. Started and ended here.
class Notepad {
public:
    Notepad() {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        wchar_t commandLine[] = L"notepad.exe";
        if (CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_)) {
            CloseHandle(info_.hThread);
        }
    }
    ~Notepad() {
        if (!info_.hProcess) return;
        TerminateProcess(info_.hProcess, 0);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hProcess);
    }
    Notepad(const Notepad&) = delete;
    Notepad& operator=(const Notepad&) = delete;

    bool Shown() const {
        return info_.hProcess && WaitUntil([&] { return FindTopLevelWindow(info_.dwProcessId, L"Notepad"); });
    }

private:
    PROCESS_INFORMATION info_{};
};

// CPU milliseconds that each of two processes uses over `seconds`.
bool CpuOver(int seconds, const LinuxProcess& a, const LinuxProcess& b, double& usedA, double& usedB) {
    const std::optional<double> a0 = a.CpuMs(), b0 = b.CpuMs();
    Pause(std::chrono::seconds(seconds));
    const std::optional<double> a1 = a.CpuMs(), b1 = b.CpuMs();
    if (!a0 || !b0 || !a1 || !b1) return false;
    usedA = *a1 - *a0;
    usedB = *b1 - *b0;
    return true;
}

}  // namespace

int MeasureCpu(int seconds) {
    const int mainLeft = (GetSystemMetrics(SM_CXSCREEN) - 295) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - 400) / 2;
    TargetWindow target({mainLeft - 340, top, mainLeft - 20, top + 400});
    QuorvelProcess program;
    if (!target.Handle() || !program.Start()) return Failed("the program or the target window did not start");
    Notepad notepad;
    if (!notepad.Shown()) return Failed("notepad did not start");
    const std::optional<LinuxProcess> quorvel = LinuxProcess::Find("Quorvel.exe");
    const std::optional<LinuxProcess> idle = LinuxProcess::Find("notepad.exe");
    if (!quorvel || !idle) return Failed("the Linux processes of the program and notepad were not found");
    Pause(2s);  // both settled after start-up

    double quorvelMs = 0, notepadMs = 0;
    if (!CpuOver(seconds, *quorvel, *idle, quorvelMs, notepadMs)) return Failed("/proc gave no CPU times");
    Figure("cpu_seconds", static_cast<std::uint64_t>(seconds));
    Figure("cpu_idle_quorvel_ms", quorvelMs);
    Figure("cpu_idle_notepad_ms", notepadMs);

    const int rows = RemoteList(program.Control(main_window_ids::PointList)).RowCount();
    if (!test::MovePointer(target.ToScreen({60, 60}))) return Failed("the pointer did not move");
    test::PressKeys({VK_F6});
    if (!WaitUntil([&] { return RemoteList(program.Control(main_window_ids::PointList)).RowCount() > rows; })) {
        return Failed("the capture failed");
    }
    test::PressKeys({VK_CONTROL, 'S'});
    if (!target.WaitForPresses(1, 3s)) return Failed("playback did not start");
    const std::size_t pressed = target.Presses().size();
    if (!CpuOver(seconds, *quorvel, *idle, quorvelMs, notepadMs)) return Failed("/proc gave no CPU times");
    const std::size_t clicks = target.Presses().size() - pressed;
    test::PressKeys({VK_CONTROL, 'Q'});
    Figure("cpu_playing_quorvel_ms", quorvelMs);
    Figure("cpu_playing_notepad_ms", notepadMs);
    Figure("cpu_playing_clicks", static_cast<std::uint64_t>(clicks));
    return 0;
}

}  // namespace quorvel::bench
