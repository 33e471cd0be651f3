#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text.h"
#include "platform/win32.h"

namespace quorvel::e2e {

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

// Centre of a window in screen coordinates.
POINT CentreOf(HWND window);

// A point on the close button of `window`'s title bar, confirmed by the
// window's own hit test.
std::optional<POINT> CloseButtonPoint(HWND window);

}  // namespace quorvel::e2e
