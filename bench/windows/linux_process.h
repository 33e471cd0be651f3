#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvel::bench {

// A process of this Wine prefix as Linux sees it, read from /proc through
// drive Z:. Under Wine 8 GetProcessTimes and GetProcessMemoryInfo give wrong
// or zero figures for another process; the kernel's own are exact.
class LinuxProcess {
public:
    // The newest process of this prefix whose command line contains `name`
    // (case-insensitive); none if there is none.
    static std::optional<LinuxProcess> Find(std::string_view name);

    int Pid() const { return pid_; }
    // CPU time of all its threads, in milliseconds.
    std::optional<double> CpuMs() const;
    // Resident set size: the working set.
    std::optional<std::uint64_t> ResidentBytes() const;

private:
    explicit LinuxProcess(int pid) : pid_(pid) {}
    int pid_;
};

}  // namespace quorvel::bench
