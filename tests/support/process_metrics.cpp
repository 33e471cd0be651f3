#include "tests/support/process_metrics.h"

#include <vector>

namespace quorvel::test {
namespace {

// NtQuerySystemInformation with the class as a plain number: the headers
// know nothing of the extended handle table, which gives process ids and
// handle values at full width.
using QuerySystemInformation = LONG(WINAPI*)(ULONG infoClass, void* buffer, ULONG bytes, ULONG* needed);
constexpr ULONG SystemExtendedHandleInformation = 64;
constexpr LONG StatusInfoLengthMismatch = static_cast<LONG>(0xC0000004L);

struct HandleEntry {
    void* object;
    ULONG_PTR processId;
    ULONG_PTR handleValue;
    ULONG grantedAccess;
    USHORT creatorBackTraceIndex;
    USHORT objectTypeIndex;
    ULONG attributes;
    ULONG reserved;
};

struct HandleTable {
    ULONG_PTR count;
    ULONG_PTR reserved;
    HandleEntry entries[1];
};

struct WindowSearch {
    DWORD processId;
    std::size_t count = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM parameter) {
    ++reinterpret_cast<WindowSearch*>(parameter)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId) return TRUE;
    ++search.count;
    EnumChildWindows(window, &CountChild, parameter);
    return TRUE;
}

}  // namespace

std::optional<std::uint64_t> CommittedPrivateBytes(HANDLE process) {
    std::uint64_t total = 0;
    bool any = false;
    MEMORY_BASIC_INFORMATION region{};
    for (auto* address = static_cast<char*>(nullptr);
         VirtualQueryEx(process, address, &region, sizeof(region)) == sizeof(region);
         address = static_cast<char*>(region.BaseAddress) + region.RegionSize) {
        any = true;
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        if (region.RegionSize == 0) break;
    }
    if (!any) return std::nullopt;
    return total;
}

std::optional<std::size_t> HandleCount(DWORD processId) {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const FARPROC found = ntdll ? GetProcAddress(ntdll, "NtQuerySystemInformation") : nullptr;
    if (!found) return std::nullopt;
    const auto query = reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void*>(found));
    std::vector<unsigned char> buffer(1 << 20);
    for (int attempt = 0; attempt < 8; ++attempt) {
        ULONG needed = 0;
        const LONG status =
            query(SystemExtendedHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == StatusInfoLengthMismatch) {
            buffer.resize(needed > buffer.size() ? needed + 4096 : buffer.size() * 2);
            continue;
        }
        if (status < 0) return std::nullopt;
        const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
        std::size_t count = 0;
        for (ULONG_PTR i = 0; i < table->count; ++i) {
            if (table->entries[i].processId == processId) ++count;
        }
        return count;
    }
    return std::nullopt;
}

std::size_t WindowCount(DWORD processId) {
    WindowSearch search{processId};
    EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

}  // namespace quorvel::test
