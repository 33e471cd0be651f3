#pragma once

#include <chrono>
#include <cstddef>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/win32.h"
#include "tests/support/input.h"

namespace quorvel::e2e {

using test::MouseButton;

// One mouse button event that reached the target window.
struct MouseRecord {
    MouseButton button;
    bool down;     // press, else release
    POINT client;  // as the message carries it
    POINT screen;
    double timeMs;  // NowMs() when the message arrived
};

// A window of the driver that playback clicks land on. It lives on a thread
// of its own that does nothing but receive messages, so the recorded times
// are those of arrival whatever the test thread is doing. It stays on top and
// by default never takes the activation, so the program keeps the keyboard
// while it plays clicks here.
class TargetWindow {
public:
    enum class Activation { Never, Allowed };

    // `bounds` in screen coordinates.
    explicit TargetWindow(RECT bounds, Activation activation = Activation::Never);
    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;
    ~TargetWindow();

    HWND Handle() const { return window_; }

    // The screen point of a client position.
    POINT ToScreen(POINT client) const;

    std::vector<MouseRecord> Records() const;
    std::vector<MouseRecord> Presses() const;

    // Waits until at least `count` presses have arrived.
    bool WaitForPresses(std::size_t count, std::chrono::milliseconds timeout);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Run(RECT bounds, std::promise<HWND>& created);
    void Record(HWND window, UINT message, LPARAM lParam);

    mutable std::mutex mutex_;
    std::vector<MouseRecord> records_;
    Activation activation_;
    HWND window_ = nullptr;
    std::thread thread_;
};

}  // namespace quorvel::e2e
