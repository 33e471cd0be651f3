#include "tests/support/input.h"

#include <chrono>
#include <cstdint>
#include <iterator>
#include <vector>

namespace quorvel::test {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

INPUT KeyEvent(WORD key, bool release) {
    INPUT event{};
    event.type = INPUT_KEYBOARD;
    event.ki.wVk = key;
    event.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    event.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return event;
}

// The 0..65535 unit of absolute mouse input that maps back to exactly this
// pixel of the primary screen.
LONG Normalised(LONG pixel, int extent) {
    return static_cast<LONG>((std::int64_t{pixel} * 65536 + extent - 1) / extent);
}

INPUT AbsoluteMouseEvent(POINT at, DWORD buttonFlag) {
    INPUT event{};
    event.type = INPUT_MOUSE;
    event.mi.dx = Normalised(at.x, GetSystemMetrics(SM_CXSCREEN));
    event.mi.dy = Normalised(at.y, GetSystemMetrics(SM_CYSCREEN));
    event.mi.dwFlags = buttonFlag | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return event;
}

bool PointerAt(POINT target) {
    const POINT now = PointerPosition();
    return now.x == target.x && now.y == target.y;
}

}  // namespace

void SleepFor(milliseconds duration) { Sleep(static_cast<DWORD>(duration.count())); }

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> events;
    for (WORD key : keys) events.push_back(KeyEvent(key, false));
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) events.push_back(KeyEvent(*key, true));
    (void)SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

void HoldKey(WORD key, int repeats, std::initializer_list<WORD> after) {
    std::vector<INPUT> events(static_cast<std::size_t>(repeats), KeyEvent(key, false));
    events.push_back(KeyEvent(key, true));
    for (WORD code : after) events.push_back(KeyEvent(code, false));
    for (auto code = std::rbegin(after); code != std::rend(after); ++code) events.push_back(KeyEvent(*code, true));
    (void)SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

bool MovePointer(POINT target, Idle idle) {
    // Right after a move Wine may report the previous position again for
    // about 100 ms, a late event of an earlier move can put the pointer back,
    // and now and then a move is lost altogether. A move to the position the
    // system believes in already does nothing, so a retry goes by a
    // neighbouring pixel. The position must then hold for a while.
    constexpr milliseconds Hold{150};
    constexpr milliseconds Patience{600};
    constexpr milliseconds Step{5};
    const POINT neighbour{target.x > 0 ? target.x - 1 : target.x + 1, target.y};
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (attempt > 0) (void)SetCursorPos(neighbour.x, neighbour.y);
        (void)SetCursorPos(target.x, target.y);
        const auto deadline = Clock::now() + Patience;
        auto heldSince = Clock::time_point::max();
        while (Clock::now() < deadline) {
            if (!PointerAt(target)) {
                heldSince = Clock::time_point::max();
            } else if (heldSince == Clock::time_point::max()) {
                heldSince = Clock::now();
            } else if (Clock::now() - heldSince >= Hold) {
                return true;
            }
            idle(Step);
        }
    }
    return false;
}

POINT PointerPosition() {
    POINT at{};
    (void)GetCursorPos(&at);
    return at;
}

bool SendClickAt(POINT at, MouseButton button) {
    // The press and the release carry the point themselves: the position
    // that Wine keeps for button events can lag behind the one it reports,
    // and a late pointer report cannot move the click elsewhere.
    const bool left = button == MouseButton::Left;
    INPUT events[2] = {AbsoluteMouseEvent(at, left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN),
                       AbsoluteMouseEvent(at, left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP)};
    return SendInput(2, events, sizeof(INPUT)) == 2;
}

bool ClickAt(POINT at, MouseButton button, Idle idle) { return MovePointer(at, idle) && SendClickAt(at, button); }

POINT CentreOf(HWND window) {
    RECT bounds{};
    (void)GetWindowRect(window, &bounds);
    return POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

}  // namespace quorvel::test
