#include "tests/platform/input.h"

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

bool ClickAt(POINT at) {
    if (!MovePointer(at)) return false;
    INPUT events[2]{};
    events[0].type = INPUT_MOUSE;
    events[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    events[1].type = INPUT_MOUSE;
    events[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(2, events, sizeof(INPUT)) == 2;
}

POINT CentreOf(HWND window) {
    RECT bounds{};
    (void)GetWindowRect(window, &bounds);
    return POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

std::string Utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int wide = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    (void)WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

}  // namespace quorvel::test
