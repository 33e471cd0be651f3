#include "linux_process.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace quorvel::bench {
namespace {

// Files in /proc report no size: read until the end.
std::optional<std::string> ReadProcFile(int pid, const char* name) {
    const std::string path = "Z:\\proc\\" + std::to_string(pid) + "\\" + name;
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) content.append(buffer, read);
    CloseHandle(file);
    return content;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The 22nd field of /proc/PID/stat, the start time; the command name in
// field 2 may hold spaces, so count from the closing parenthesis.
std::optional<std::vector<std::string>> StatFields(int pid) {
    const std::optional<std::string> stat = ReadProcFile(pid, "stat");
    if (!stat) return std::nullopt;
    const std::size_t close = stat->rfind(')');
    if (close == std::string::npos) return std::nullopt;
    std::vector<std::string> fields{"pid", "comm"};
    std::size_t at = close + 1;
    while (at < stat->size()) {
        while (at < stat->size() && (*stat)[at] == ' ') ++at;
        const std::size_t end = stat->find(' ', at);
        fields.push_back(stat->substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) break;
        at = end;
    }
    return fields;
}

}  // namespace

std::optional<LinuxProcess> LinuxProcess::Find(std::string_view name) {
    const char* prefix = std::getenv("WINEPREFIX");
    if (!prefix) return std::nullopt;
    const std::string ownPrefix = std::string("WINEPREFIX=") + prefix;
    const std::string wanted = Lower(std::string(name));

    std::optional<int> newest;
    unsigned long long newestStart = 0;
    WIN32_FIND_DATAA entry{};
    const HANDLE search = FindFirstFileA("Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    do {
        if (!std::isdigit(static_cast<unsigned char>(entry.cFileName[0]))) continue;
        const int pid = std::atoi(entry.cFileName);
        const std::optional<std::string> commandLine = ReadProcFile(pid, "cmdline");
        if (!commandLine || Lower(*commandLine).find(wanted) == std::string::npos) continue;
        // Other prefixes may run programs of the same name.
        const std::optional<std::string> environment = ReadProcFile(pid, "environ");
        if (!environment || environment->find(ownPrefix + '\0') == std::string::npos) continue;
        const auto fields = StatFields(pid);
        if (!fields || fields->size() < 23) continue;
        const unsigned long long start = std::strtoull((*fields)[21].c_str(), nullptr, 10);
        if (!newest || start >= newestStart) {
            newest = pid;
            newestStart = start;
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    if (!newest) return std::nullopt;
    return LinuxProcess(*newest);
}

std::optional<double> LinuxProcess::CpuMs() const {
    // Nanoseconds on the CPU of each live thread, where the kernel keeps
    // them; else the 10 ms clock ticks (the fixed USER_HZ of x86 Linux) of
    // the whole process.
    const std::string tasks = "Z:\\proc\\" + std::to_string(pid_) + "\\task\\*";
    WIN32_FIND_DATAA entry{};
    const HANDLE search = FindFirstFileA(tasks.c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        double totalNs = 0;
        bool any = false;
        do {
            if (!std::isdigit(static_cast<unsigned char>(entry.cFileName[0]))) continue;
            const std::string name = std::string("task\\") + entry.cFileName + "\\schedstat";
            if (const std::optional<std::string> schedstat = ReadProcFile(pid_, name.c_str())) {
                totalNs += std::strtod(schedstat->c_str(), nullptr);
                any = true;
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
        if (any) return totalNs / 1e6;
    }
    constexpr double MsPerTick = 10.0;
    const auto fields = StatFields(pid_);
    if (!fields || fields->size() < 16) return std::nullopt;
    const double ticks = std::strtod((*fields)[13].c_str(), nullptr) + std::strtod((*fields)[14].c_str(), nullptr);
    return ticks * MsPerTick;
}

std::optional<std::uint64_t> LinuxProcess::ResidentBytes() const {
    const std::optional<std::string> status = ReadProcFile(pid_, "status");
    if (!status) return std::nullopt;
    const std::size_t at = status->find("VmRSS:");
    if (at == std::string::npos) return std::nullopt;
    return std::strtoull(status->c_str() + at + 6, nullptr, 10) * 1024;
}

}  // namespace quorvel::bench
