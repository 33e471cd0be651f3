#pragma once

#include <chrono>
#include <initializer_list>

#include "platform/win32.h"

namespace quorvel::test {

// Real input through SendInput, as a user would give it: keys reach the
// focus of the foreground window, clicks the window under the pointer.

// How a helper passes the time while it waits. A thread that owns windows
// passes its message pump, so that its windows keep answering meanwhile.
using Idle = void (*)(std::chrono::milliseconds);
void SleepFor(std::chrono::milliseconds duration);

// Presses the keys in order, then releases them in reverse: {VK_SHIFT, VK_TAB}.
void PressKeys(std::initializer_list<WORD> keys);

// A held key: the key-downs of the keyboard's auto-repeat, then the release,
// handed to the system in one call; the keys `after` (pressed in order,
// released in reverse) follow right behind in the same call.
void HoldKey(WORD key, int repeats, std::initializer_list<WORD> after = {});

// Moves the pointer and waits until the position reads back steadily, so
// that whoever reads the pointer next sees the new position. False if it
// never settled there.
[[nodiscard]] bool MovePointer(POINT target, Idle idle = SleepFor);
POINT PointerPosition();

enum class MouseButton { Left, Right };

// Presses and releases the button at `at`, without moving the pointer first
// or waiting.
[[nodiscard]] bool SendClickAt(POINT at, MouseButton button = MouseButton::Left);
// Moves the pointer there first (checked), then clicks.
[[nodiscard]] bool ClickAt(POINT at, MouseButton button = MouseButton::Left, Idle idle = SleepFor);

// The centre of a window, in screen coordinates.
POINT CentreOf(HWND window);

}  // namespace quorvel::test
