#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/win32.h"
#include "tests/support/text.h"

namespace quorvel::e2e {

using test::Utf8;

// A window's text as the window itself reports it (WM_GETTEXT, marshalled
// across processes); empty if the window does not answer in time.
std::wstring WindowText(HWND window);

std::wstring ClassName(HWND window);

// The window that has the keyboard focus on `threadId`, as that thread's
// input state records it; null if none.
HWND FocusOf(DWORD threadId);

// A top-level window of process `processId` with this class and, when given,
// this caption.
HWND FindTopLevelWindow(DWORD processId, std::wstring_view className, std::optional<std::wstring_view> caption = {});

// The first child of `parent` with class Static whose text is not empty: the
// message of a message box.
std::wstring StaticTextOf(HWND parent);

// A point on the close button of `window`'s title bar, confirmed by the
// window's own hit test.
std::optional<POINT> CloseButtonPoint(HWND window);

// Makes `window` the foreground window, as a user's click on it would.
bool BringToFront(HWND window);

// The close button of `window`'s title bar in screen coordinates, as far as
// the window's own hit test reaches along the middle row and column.
std::optional<RECT> CloseButtonBounds(HWND window);

// The client area of `window` in screen coordinates.
RECT ClientBounds(HWND window);

// Whether the shell gives this visible top-level window a button of its own
// on the taskbar: an app window always, else only a window that has no owner
// and is not a tool window (the rule of the Windows taskbar).
bool HasTaskbarButton(HWND window);

}  // namespace quorvel::e2e
