#include "platform/os_operations.h"

#include <string>

#include "platform/win32.h"

namespace quorvel {

void CursorPositionReader::ReadPointerPosition(ClickPoint& point) {
    POINT position{};
    if (!GetCursorPos(&position)) return;  // the caller keeps its (0, 0)
    point = ClickPoint{static_cast<std::int32_t>(position.x), static_cast<std::int32_t>(position.y)};
}

void SendInputClicks::SimulateMouseClick(std::int32_t x, std::int32_t y, ClickCode code) {
    (void)SetCursorPos(x, y);
    const bool left = code == ClickCode::LeftSingle;
    INPUT events[2]{};
    events[0].type = INPUT_MOUSE;
    events[0].mi.dwFlags = left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
    events[1].type = INPUT_MOUSE;
    events[1].mi.dwFlags = left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
    (void)SendInput(2, events, sizeof(INPUT));
}

void TaskModalMessageBox::ShowTaskModal(std::wstring_view text, std::wstring_view title) {
    const std::wstring terminatedText(text);
    const std::wstring terminatedTitle(title);
    (void)MessageBoxW(nullptr, terminatedText.c_str(), terminatedTitle.c_str(), MB_OK | MB_TASKMODAL);
}

}  // namespace quorvel
