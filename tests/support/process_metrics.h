#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/win32.h"

namespace quorvel::test {

// Figures of another process by the instruments that Wine 8 answers
// correctly. Its GetProcessMemoryInfo and GetProcessHandleCount give zero
// for another process, and GetGuiResources is not implemented.

// The committed private memory of `process`, walked region by region with
// VirtualQueryEx. The handle needs PROCESS_QUERY_INFORMATION.
std::optional<std::uint64_t> CommittedPrivateBytes(HANDLE process);

// The entries of `processId` in the system's handle table.
std::optional<std::size_t> HandleCount(DWORD processId);

// The windows of `processId`: top-level ones and all their descendants.
std::size_t WindowCount(DWORD processId);

}  // namespace quorvel::test
