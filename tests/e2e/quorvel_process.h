#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/win32.h"

namespace quorvel::e2e {

// A path as the build system gives it, as a Windows program under Wine
// reaches it: a Linux path through drive Z:.
std::wstring WindowsPathOf(std::string_view buildPath);

// Owns a kernel handle.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }
    HANDLE get() const { return handle_; }
    void reset(HANDLE handle = nullptr) {
        if (handle_) CloseHandle(handle_);
        handle_ = handle;
    }

private:
    HANDLE handle_ = nullptr;
};

// The path of the Quorvel.exe under test, as Windows programs name it.
std::wstring ProgramPath();

// One running copy of the real Quorvel.exe, started from outside as a user
// would. The copy is ended when this object goes, whatever the test did:
// first by closing its window, then, if that fails, by its process handle.
class QuorvelProcess {
public:
    QuorvelProcess() = default;
    QuorvelProcess(const QuorvelProcess&) = delete;
    QuorvelProcess& operator=(const QuorvelProcess&) = delete;
    ~QuorvelProcess();

    // Starts the program and waits until its main window is shown and the
    // program waits for input.
    testing::AssertionResult Start();

    HWND MainWindow() const { return mainWindow_; }
    HWND Control(int id) const { return GetDlgItem(mainWindow_, id); }
    DWORD ProcessId() const { return processId_; }
    DWORD GuiThreadId() const { return guiThreadId_; }

    // The exit code once the process has ended within `timeout`.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout);

private:
    void End();

    UniqueHandle process_;
    DWORD processId_ = 0;
    DWORD guiThreadId_ = 0;
    HWND mainWindow_ = nullptr;
};

}  // namespace quorvel::e2e
