#pragma once

#include <vector>

#include "platform/win32.h"

namespace quorvel::test {

struct LoggedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A top-level window that is not a run-time window: it logs every message
// its procedure receives and otherwise behaves like DefWindowProc. Owns the
// OS window.
class PlainWindow {
public:
    explicit PlainWindow(RECT screenBounds);
    ~PlainWindow();
    PlainWindow(const PlainWindow&) = delete;
    PlainWindow& operator=(const PlainWindow&) = delete;

    HWND Handle() const { return handle_; }
    const std::vector<LoggedMessage>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    std::vector<LoggedMessage> log_;
};

}  // namespace quorvel::test
