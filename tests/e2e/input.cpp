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

INPUT MouseEvent(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
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
    for (int attempt = 0; attempt < 10; ++attempt) {
        SetCursorPos(target.x, target.y);
        if (WaitUntil([target] { return PointerAt(target); }, 200ms)) return true;
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
    const bool left = button == MouseButton::Left;
    Send({MouseEvent(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN),
          MouseEvent(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP)});
    return true;
}

bool BringToFront(HWND window) {
    const auto inFront = [window] { return GetForegroundWindow() == window; };
    if (inFront()) return true;
    SetForegroundWindow(window);
    return WaitUntil(inFront, 2s);
}

}  // namespace quorvel::e2e
