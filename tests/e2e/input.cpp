#include "input.h"

#include <vector>

#include "wait.h"

namespace quorvel::e2e {
namespace {

INPUT KeyEvent(WORD key, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

// A button event at `at`, in the 0..65535 units of absolute mouse input,
// rounded up so that scaling back gives exactly `at`.
INPUT AbsoluteMouseEvent(POINT at, DWORD buttonFlags) {
    const LONG width = GetSystemMetrics(SM_CXSCREEN);
    const LONG height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (at.x * 65536 + width - 1) / width;
    input.mi.dy = (at.y * 65536 + height - 1) / height;
    input.mi.dwFlags = buttonFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void Send(std::vector<INPUT> events) {
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

bool PointerAt(POINT target) {
    POINT now{};
    return GetCursorPos(&now) && now.x == target.x && now.y == target.y;
}

}  // namespace

bool MovePointer(POINT target) {
    // Right after a move the system may report the previous position again
    // for about 100 ms, and now and then a move is lost altogether. A move to
    // the position the system believes in already does nothing, so a retry
    // goes by a neighbouring pixel. The position must then hold for a while.
    constexpr double HoldMs = 150;
    const POINT neighbour{target.x > 0 ? target.x - 1 : target.x + 1, target.y};
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (attempt > 0) SetCursorPos(neighbour.x, neighbour.y);
        SetCursorPos(target.x, target.y);
        const double deadline = NowMs() + 600;
        double heldSince = -1;
        while (NowMs() < deadline) {
            if (!PointerAt(target)) {
                heldSince = -1;
            } else if (heldSince < 0) {
                heldSince = NowMs();
            } else if (NowMs() - heldSince >= HoldMs) {
                return true;
            }
            Sleep(5);
        }
    }
    return false;
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> events;
    for (WORD modifier : modifiers) events.push_back(KeyEvent(modifier, false));
    events.push_back(KeyEvent(key, false));
    events.push_back(KeyEvent(key, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) events.push_back(KeyEvent(*it, true));
    Send(std::move(events));
}

bool ClickAt(POINT target, MouseButton button) {
    if (!MovePointer(target)) return false;
    // The press and the release carry the position themselves: the position
    // that the system keeps for button events can lag behind the one it
    // reports.
    const bool left = button == MouseButton::Left;
    Send({AbsoluteMouseEvent(target, left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN),
          AbsoluteMouseEvent(target, left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP)});
    return true;
}

bool BringToFront(HWND window) {
    const auto inFront = [window] { return GetForegroundWindow() == window; };
    if (inFront()) return true;
    SetForegroundWindow(window);
    return WaitUntil(inFront, 2s);
}

}  // namespace quorvel::e2e
