#pragma once

#include "platform/win32.h"

namespace quorvel {

// The window-and-control run time of the GUI thread: common controls, the
// window class of every run-time window, the count of live windows and the
// message loop. Create it on the thread that becomes the GUI thread.
class RunTime {
public:
    static constexpr const wchar_t* WindowClassName = L"QuorvelWindow";

    RunTime();
    ~RunTime();
    RunTime(const RunTime&) = delete;
    RunTime& operator=(const RunTime&) = delete;

    // Returns at once if no window exists; otherwise dispatches the thread's
    // messages until the last window is gone.
    void RunMessageLoop();

    // Kept by every window from creation to WM_NCDESTROY; the last one to go
    // posts the quit request.
    void WindowCreated() { ++liveWindows_; }
    void WindowDestroyed();
    int LiveWindows() const { return liveWindows_; }

private:
    ATOM windowClass_ = 0;
    int liveWindows_ = 0;
};

// Runs one message of the GUI thread through the keyboard handling of the
// run-time windows, then dispatches it. Shared by every loop we own.
void DispatchThreadMessage(MSG& message);

}  // namespace quorvel
