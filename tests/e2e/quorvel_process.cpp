#include "quorvel_process.h"

#include <string>

#include "wait.h"
#include "window_query.h"
#include "tests/support/text.h"

namespace quorvel::e2e {

std::wstring ProgramPath() { return WindowsPathOf(QUORVEL_EXE); }

std::wstring WindowsPathOf(std::string_view buildPath) {
    std::wstring path = test::FromUtf8(buildPath);
    if (path.starts_with(L'/')) path.insert(0, L"Z:");
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    return path;
}

QuorvelProcess::~QuorvelProcess() { End(); }

testing::AssertionResult QuorvelProcess::Start() {
    const std::wstring path = ProgramPath();
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        return testing::AssertionFailure() << "cannot start " << Utf8(path) << ", error " << GetLastError();
    }
    process_.reset(info.hProcess);
    CloseHandle(info.hThread);
    processId_ = info.dwProcessId;

    const bool shown = WaitUntil([this] {
        mainWindow_ = FindTopLevelWindow(processId_, L"QuorvelWindow");
        return mainWindow_ && IsWindowVisible(mainWindow_);
    });
    if (!shown) return testing::AssertionFailure() << "the main window did not appear";
    guiThreadId_ = GetWindowThreadProcessId(mainWindow_, nullptr);
    if (WaitForInputIdle(process_.get(), 10000) != 0) {
        return testing::AssertionFailure() << "the program did not become idle";
    }
    return testing::AssertionSuccess();
}

std::optional<DWORD> QuorvelProcess::WaitForExit(std::chrono::milliseconds timeout) {
    if (!process_.get() || WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
    return code;
}

void QuorvelProcess::End() {
    if (!process_.get()) return;
    if (WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0) return;
    // A message box of the program would keep the window from closing:
    // dismiss it first.
    if (HWND box = FindTopLevelWindow(processId_, L"#32770")) PostMessageW(box, WM_COMMAND, IDOK, 0);
    if (mainWindow_) PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.get(), 5000) == WAIT_OBJECT_0) return;
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
}

}  // namespace quorvel::e2e
