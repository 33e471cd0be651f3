#include <optional>
#include <string>

#include "figures.h"
#include "linux_process.h"
#include "scenarios.h"
#include "tests/e2e/quorvel_process.h"
#include "tests/e2e/wait.h"
#include "tests/support/process_metrics.h"

namespace quorvel::bench {

using e2e::UniqueHandle;
using namespace std::chrono_literals;

namespace {

constexpr int BurnMs = 2000;
constexpr int LeakKib = 3200;
constexpr int LeakHandles = 50;

// The subject program beside this one, started with `arguments` and ended
// when this goes.
class Subject {
public:
    explicit Subject(const std::string& arguments)
        : go_(CreateEventA(nullptr, TRUE, FALSE, "QuorvelBenchGo")),
          done_(CreateEventA(nullptr, TRUE, FALSE, "QuorvelBenchDone")) {
        std::string commandLine = "instrument_subject.exe " + arguments + " QuorvelBenchGo QuorvelBenchDone";
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        if (CreateProcessA(SubjectPath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &info_)) {
            CloseHandle(info_.hThread);
            process_.reset(info_.hProcess);
        }
    }
    ~Subject() {
        if (!process_.get()) return;
        TerminateProcess(process_.get(), 0);
        WaitForSingleObject(process_.get(), 5000);
    }
    Subject(const Subject&) = delete;
    Subject& operator=(const Subject&) = delete;

    HANDLE Process() const { return process_.get(); }
    DWORD Id() const { return info_.dwProcessId; }
    // Lets it do its harm and waits until it has.
    bool Act() const { return SetEvent(go_.get()) && WaitForSingleObject(done_.get(), 30000) == WAIT_OBJECT_0; }

private:
    // Beside this program's own exe.
    static std::string SubjectPath() {
        char path[MAX_PATH]{};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string folder(path);
        return folder.substr(0, folder.find_last_of('\\') + 1) + "instrument_subject.exe";
    }

    UniqueHandle go_, done_, process_;
    PROCESS_INFORMATION info_{};
};

double TimesMs(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
    const auto ms = [](FILETIME time) {
        return static_cast<double>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

int CheckCpu() {
    const Subject subject("burn " + std::to_string(BurnMs));
    if (!subject.Process()) return Failed("the subject program did not start");
    e2e::Pause(500ms);
    const std::optional<LinuxProcess> host = LinuxProcess::Find("instrument_subject.exe");
    if (!host) return Failed("the subject's Linux process was not found");
    const std::optional<double> before = host->CpuMs();
    const double timesBefore = TimesMs(subject.Process());
    if (!subject.Act()) return Failed("the subject did not burn");
    const std::optional<double> after = host->CpuMs();
    if (!before || !after) return Failed("/proc gave no CPU times");
    Figure("instrument_burn_ms", static_cast<std::uint64_t>(BurnMs));
    Figure("instrument_burn_proc_cpu_ms", *after - *before);
    Figure("instrument_burn_getprocesstimes_ms", TimesMs(subject.Process()) - timesBefore);
    return 0;
}

int CheckMemory() {
    const Subject subject("leak " + std::to_string(LeakKib) + " " + std::to_string(LeakHandles));
    if (!subject.Process()) return Failed("the subject program did not start");
    e2e::Pause(500ms);
    const std::optional<LinuxProcess> host = LinuxProcess::Find("instrument_subject.exe");
    const UniqueHandle query(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, subject.Id()));
    if (!host || !query.get()) return Failed("the subject could not be measured");
    const auto privateBefore = test::CommittedPrivateBytes(query.get());
    const auto handlesBefore = test::HandleCount(subject.Id());
    const auto residentBefore = host->ResidentBytes();
    if (!subject.Act()) return Failed("the subject did not leak");
    const auto privateAfter = test::CommittedPrivateBytes(query.get());
    const auto handlesAfter = test::HandleCount(subject.Id());
    const auto residentAfter = host->ResidentBytes();
    if (!privateBefore || !handlesBefore || !residentBefore || !privateAfter || !handlesAfter || !residentAfter) {
        return Failed("an instrument gave no figure");
    }
    Figure("instrument_leak_kib", static_cast<std::uint64_t>(LeakKib));
    Figure("instrument_leak_handles", static_cast<std::uint64_t>(LeakHandles));
    Figure("instrument_leak_private_kib", (static_cast<double>(*privateAfter) - static_cast<double>(*privateBefore)) / 1024);
    Figure("instrument_leak_resident_kib",
           (static_cast<double>(*residentAfter) - static_cast<double>(*residentBefore)) / 1024);
    Figure("instrument_leak_handle_count",
           static_cast<double>(*handlesAfter) - static_cast<double>(*handlesBefore));
    return 0;
}

}  // namespace

int CheckInstruments() {
    if (const int status = CheckCpu()) return status;
    return CheckMemory();
}

}  // namespace quorvel::bench
