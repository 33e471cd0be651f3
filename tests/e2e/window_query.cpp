#include "window_query.h"

#include <algorithm>
#include <vector>

#include "wait.h"

namespace quorvel::e2e {
namespace {

constexpr UINT AnswerTimeoutMs = 5000;

struct WindowSearch {
    DWORD processId;
    std::wstring_view className;
    std::optional<std::wstring_view> caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || ClassName(window) != search.className) return TRUE;
    if (search.caption && WindowText(window) != *search.caption) return TRUE;
    search.found = window;
    return FALSE;
}

BOOL CALLBACK MatchStaticText(HWND child, LPARAM parameter) {
    auto& text = *reinterpret_cast<std::wstring*>(parameter);
    if (ClassName(child) != L"Static") return TRUE;
    text = WindowText(child);
    return text.empty() ? TRUE : FALSE;
}

}  // namespace

std::wstring WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &length)) return {};
    std::vector<wchar_t> buffer(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, AnswerTimeoutMs, &copied)) {
        return {};
    }
    return std::wstring(buffer.data(), std::min<std::size_t>(copied, length));
}

std::wstring ClassName(HWND window) {
    wchar_t name[64]{};
    const int length = GetClassNameW(window, name, 64);
    return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

HWND FindTopLevelWindow(DWORD processId, std::wstring_view className, std::optional<std::wstring_view> caption) {
    WindowSearch search{processId, className, caption};
    EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring StaticTextOf(HWND parent) {
    std::wstring text;
    EnumChildWindows(parent, &MatchStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

std::optional<POINT> CloseButtonPoint(HWND window) {
    // Walk the middle of the title bar from the right edge and let the
    // window's own hit test say where its close button is.
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const int y = bounds.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    for (int x = bounds.right - 1; x > bounds.right - 80; --x) {
        DWORD_PTR hit = 0;
        if (SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, AnswerTimeoutMs, &hit) &&
            hit == HTCLOSE) {
            // Aim a few pixels inside the button, not at its edge.
            return POINT{x - 4, y};
        }
    }
    return std::nullopt;
}

namespace {

bool HitsClose(HWND window, int x, int y) {
    DWORD_PTR hit = 0;
    return SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, AnswerTimeoutMs, &hit) &&
           hit == HTCLOSE;
}

}  // namespace

std::optional<RECT> CloseButtonBounds(HWND window) {
    const std::optional<POINT> inside = CloseButtonPoint(window);
    if (!inside) return std::nullopt;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    RECT button{inside->x, inside->y, inside->x + 1, inside->y + 1};
    while (button.left > bounds.left && HitsClose(window, button.left - 1, inside->y)) --button.left;
    while (button.right < bounds.right && HitsClose(window, button.right, inside->y)) ++button.right;
    while (button.top > bounds.top && HitsClose(window, inside->x, button.top - 1)) --button.top;
    while (button.bottom < bounds.bottom && HitsClose(window, inside->x, button.bottom)) ++button.bottom;
    return button;
}

RECT ClientBounds(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    OffsetRect(&client, origin.x, origin.y);
    return client;
}

bool HasTaskbarButton(HWND window) {
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    if (!IsWindowVisible(window)) return false;
    if (exStyle & WS_EX_APPWINDOW) return true;
    return GetWindow(window, GW_OWNER) == nullptr && !(exStyle & WS_EX_TOOLWINDOW);
}

bool BringToFront(HWND window) {
    const auto inFront = [window] { return GetForegroundWindow() == window; };
    if (inFront()) return true;
    SetForegroundWindow(window);
    return WaitUntil(inFront, 2s);
}

}  // namespace quorvel::e2e
