#include <algorithm>
#include <optional>
#include <thread>

#include "figures.h"
#include "linux_process.h"
#include "scenarios.h"
#include "tests/e2e/quorvel_process.h"
#include "tests/e2e/remote_list.h"
#include "tests/e2e/screen_pixels.h"
#include "tests/e2e/wait.h"
#include "tests/support/input.h"
#include "tests/support/process_metrics.h"
#include "ui/main_window_ids.h"

namespace quorvel::bench {

using namespace e2e;

namespace {

constexpr int HeldRepeats = 1000;
constexpr int PostedMessages = 5000;
constexpr double GiveUpMs = 300000;
// Often enough to time 100 rows, seldom enough not to slow the program.
constexpr DWORD PollMs = 5;

struct Memory {
    std::uint64_t privateBytes;
    std::uint64_t residentBytes;
};

std::optional<Memory> MemoryOf(const QuorvelProcess& program, const LinuxProcess& host) {
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, program.ProcessId()));
    const auto privateBytes = test::CommittedPrivateBytes(process.get());
    const auto resident = host.ResidentBytes();
    if (!privateBytes || !resident) return std::nullopt;
    return Memory{*privateBytes, *resident};
}

// The row count by the one message that needs no buffer in the program:
// cheap enough to ask every few milliseconds.
int RowCount(HWND list) {
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count)) return -1;
    return static_cast<int>(count);
}

// Polls the row count finely and notes when it first reached each of
// `marks`; false if it never reached the last.
bool TimeRows(HWND list, double started, const std::vector<int>& marks, std::vector<double>& at) {
    at.assign(marks.size(), 0);
    std::size_t next = 0;
    while (next < marks.size() && NowMs() - started < GiveUpMs) {
        const int rows = RowCount(list);
        const double now = NowMs() - started;
        while (next < marks.size() && rows >= marks[next]) at[next++] = now;
        if (next < marks.size()) Sleep(PollMs);
    }
    return next == marks.size();
}

int HeldKeyBurst() {
    QuorvelProcess program;
    if (!program.Start()) return Failed("the program did not start");
    const HWND list = program.Control(main_window_ids::PointList);
    const double started = NowMs();
    test::HoldKey(VK_F6, HeldRepeats);
    const double sent = NowMs() - started;
    std::vector<double> at;
    if (!TimeRows(list, started, {HeldRepeats}, at)) return Failed("the held key's rows did not all arrive");
    Figure("held_rows", static_cast<std::uint64_t>(HeldRepeats));
    Figure("held_sendinput_ms", sent);
    Figure("held_all_in_ms", at[0]);
    return 0;
}

int PostedBurst() {
    QuorvelProcess program;
    if (!program.Start()) return Failed("the program did not start");
    const std::optional<LinuxProcess> host = LinuxProcess::Find("Quorvel.exe");
    if (!host) return Failed("the program's Linux process was not found");
    Pause(1s);
    const std::optional<Memory> before = MemoryOf(program, *host);
    const std::optional<double> cpuBefore = host->CpuMs();
    if (!before || !cpuBefore) return Failed("no memory or CPU figures after start-up");

    // Posted by a thread of their own, so the rows are timed from the first
    // one on. 5,000 fit into the 10,000 messages of a posted-message queue.
    const HWND list = program.Control(main_window_ids::PointList);
    const HWND window = program.MainWindow();
    const double started = NowMs();
    double posted = 0;
    bool allPosted = true;
    std::thread poster([&] {
        for (int i = 0; i < PostedMessages; ++i) {
            allPosted = PostMessageW(window, WM_HOTKEY, 3, MAKELPARAM(0, VK_F6)) && allPosted;
        }
        posted = NowMs() - started;
    });
    std::vector<double> at;
    const bool arrived = TimeRows(list, started, {PostedMessages}, at);
    poster.join();
    if (!allPosted) return Failed("a post failed");
    if (!arrived) return Failed("the posted rows did not all arrive");
    const std::optional<double> cpuAfter = host->CpuMs();
    Pause(1s);
    const std::optional<Memory> after = MemoryOf(program, *host);
    if (!after || !cpuAfter) return Failed("no memory or CPU figures after the rows");

    Figure("posted_rows", static_cast<std::uint64_t>(PostedMessages));
    Figure("posted_post_ms", posted);
    Figure("posted_all_in_ms", at[0]);
    Figure("posted_cpu_ms_per_row", (*cpuAfter - *cpuBefore) / PostedMessages);
    Figure("memory_startup_private_kib", static_cast<double>(before->privateBytes) / 1024);
    Figure("memory_startup_resident_kib", static_cast<double>(before->residentBytes) / 1024);
    Figure("memory_rows_private_kib", static_cast<double>(after->privateBytes) / 1024);
    Figure("memory_rows_resident_kib", static_cast<double>(after->residentBytes) / 1024);
    Figure("memory_private_bytes_per_row",
           (static_cast<double>(after->privateBytes) - static_cast<double>(before->privateBytes)) / PostedMessages);
    Figure("memory_resident_bytes_per_row",
           (static_cast<double>(after->residentBytes) - static_cast<double>(before->residentBytes)) / PostedMessages);
    return 0;
}

bool PostF6(HWND window, int count) {
    for (int i = 0; i < count; ++i) {
        if (!PostMessageW(window, WM_HOTKEY, 3, MAKELPARAM(0, VK_F6))) return false;
    }
    return true;
}

// Milliseconds per row of a burst of 100 posted captures onto a list of
// `rows` rows, timed from the first post until the last row is in.
std::optional<double> HundredMoreRows(const QuorvelProcess& program, int rows) {
    const HWND list = program.Control(main_window_ids::PointList);
    const double started = NowMs();
    if (!PostF6(program.MainWindow(), 100)) return std::nullopt;
    while (RowCount(list) < rows + 100) {
        if (NowMs() - started > GiveUpMs) return std::nullopt;
        Sleep(1);
    }
    return (NowMs() - started) / 100;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The first 100 rows against the last 100 of 5,000, in a few fresh copies.
int RowCostByLength() {
    constexpr int Rounds = 5;
    std::vector<double> first, last;
    for (int round = 0; round < Rounds; ++round) {
        QuorvelProcess program;
        if (!program.Start()) return Failed("the program did not start");
        const HWND list = program.Control(main_window_ids::PointList);
        Pause(1s);  // past the program's start-up work
        const std::optional<double> early = HundredMoreRows(program, 0);
        Pause(300ms);  // idle: the list repaints
        const int filled = PostedMessages - 100;
        if (!early || !PostF6(program.MainWindow(), filled - 100) ||
            !WaitUntil([&] { return RowCount(list) >= filled; }, 60s)) {
            return Failed("the rows of the first 4,900 did not all arrive");
        }
        Pause(300ms);
        const std::optional<double> late = HundredMoreRows(program, filled);
        if (!late) return Failed("the last 100 rows did not all arrive");
        first.push_back(*early);
        last.push_back(*late);
    }
    Figure("posted_first100_ms_per_row", Median(first));
    Figure("posted_last100_ms_per_row", Median(last));
    return 0;
}

// From a single posted F6 until its row shows on the screen, each capture
// made once the program is idle; the median of a few.
int SingleCaptureOnScreen() {
    constexpr int Captures = 7;
    QuorvelProcess program;
    if (!program.Start()) return Failed("the program did not start");
    const HWND list = program.Control(main_window_ids::PointList);
    const RemoteList reader(list);
    Pause(1s);
    std::vector<double> drawn;
    for (int row = 0; row < Captures; ++row) {
        const double started = NowMs();
        if (!PostF6(program.MainWindow(), 1)) return Failed("a post failed");
        bool shown = false;
        while (!shown && NowMs() - started < 2000) {
            const std::optional<RECT> label = reader.LabelOnScreen(row);
            shown = label && ScreenShowsText(*label);
        }
        if (!shown) return Failed("a single capture was not drawn within 2 s");
        drawn.push_back(NowMs() - started);
        Pause(300ms);
    }
    Figure("single_capture_drawn_median_ms", Median(drawn));
    Figure("single_capture_drawn_slowest_ms", *std::max_element(drawn.begin(), drawn.end()));
    return 0;
}

}  // namespace

int MeasureCaptures() {
    if (const int status = HeldKeyBurst()) return status;
    if (const int status = PostedBurst()) return status;
    if (const int status = RowCostByLength()) return status;
    return SingleCaptureOnScreen();
}

}  // namespace quorvel::bench
