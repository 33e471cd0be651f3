#include "tests/platform/input.h"

#include <cstdint>
#include <vector>

#include "tests/platform/message_pump.h"

namespace quorvel::test {

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> events;
    for (WORD key : keys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        events.push_back(down);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *key;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        events.push_back(up);
    }
    (void)SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

bool MovePointer(POINT to) {
    const auto arrived = [to] {
        const POINT at = PointerPosition();
        return at.x == to.x && at.y == to.y;
    };
    // Under Wine a late event of an earlier move can put the pointer back a
    // moment after it arrived: it must still be there a little later.
    for (int attempt = 0; attempt < 20; ++attempt) {
        (void)SetCursorPos(to.x, to.y);
        PumpFor(Milliseconds(10));
        if (!arrived()) continue;
        PumpFor(Milliseconds(30));
        if (arrived()) return true;
    }
    return false;
}

POINT PointerPosition() {
    POINT at{};
    (void)GetCursorPos(&at);
    return at;
}

namespace {

// The normalised absolute coordinate that maps back to exactly this pixel of
// the primary screen.
LONG Normalised(LONG pixel, int extent) {
    return static_cast<LONG>((std::int64_t{pixel} * 65536 + extent - 1) / extent);
}

}  // namespace

bool SendClickAt(POINT at) {
    // The events carry the point too: a late pointer report of Wine's that
    // lands before them cannot move the click elsewhere.
    INPUT events[2]{};
    for (INPUT& event : events) {
        event.type = INPUT_MOUSE;
        event.mi.dx = Normalised(at.x, GetSystemMetrics(SM_CXSCREEN));
        event.mi.dy = Normalised(at.y, GetSystemMetrics(SM_CYSCREEN));
    }
    events[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    events[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
    return SendInput(2, events, sizeof(INPUT)) == 2;
}

bool ClickAt(POINT at) { return MovePointer(at) && SendClickAt(at); }

POINT CentreOf(HWND window) {
    RECT bounds{};
    (void)GetWindowRect(window, &bounds);
    return POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

}  // namespace quorvel::test
