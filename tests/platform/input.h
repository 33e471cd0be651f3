#pragma once

#include <initializer_list>

#include "platform/win32.h"

namespace quorvel::test {

// Real input through SendInput, as a user would give it: keys reach the
// focus of the foreground window, clicks the window under the pointer.

// Presses the keys in order, then releases them in reverse: {VK_SHIFT, VK_TAB}.
void PressKeys(std::initializer_list<WORD> keys);

// SetCursorPos, read back and retried: Wine drops a move now and then.
// False if the pointer never settled there.
[[nodiscard]] bool MovePointer(POINT to);
POINT PointerPosition();

// Presses and releases the left button at `at`, without waiting.
[[nodiscard]] bool SendClickAt(POINT at);
// Moves the pointer there first (checked), then clicks.
[[nodiscard]] bool ClickAt(POINT at);

// The centre of a window, in screen coordinates.
POINT CentreOf(HWND window);

}  // namespace quorvel::test
