#pragma once

#include <initializer_list>

#include "platform/win32.h"

namespace quorvel::e2e {

// Real input, injected as the system's own keyboard and mouse input, so the
// program sees what a user's keys and clicks would give it.

// Moves the pointer and waits until the position reads back steadily, so a
// program that reads the pointer next sees the new position.
bool MovePointer(POINT target);

// Presses and releases `key` while holding `modifiers` (virtual-key codes).
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

enum class MouseButton { Left, Right };

// Moves the pointer to `target` and presses and releases the button there.
bool ClickAt(POINT target, MouseButton button = MouseButton::Left);

// Makes `window` the foreground window, as a user's click on it would.
bool BringToFront(HWND window);

}  // namespace quorvel::e2e
