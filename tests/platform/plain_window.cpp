#include "tests/platform/plain_window.h"

namespace quorvel::test {
namespace {

constexpr const wchar_t* ClassName = L"QuorvelTestPlainWindow";

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
        windowClass.lpszClassName = ClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

PlainWindow::PlainWindow(RECT screenBounds) {
    RegisterOnce();
    handle_ = CreateWindowExW(0, ClassName, L"plain", WS_POPUP | WS_VISIBLE, screenBounds.left, screenBounds.top,
                              screenBounds.right - screenBounds.left, screenBounds.bottom - screenBounds.top,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    // The log starts once the object can take it; creation messages are not
    // what the tests look at.
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PlainWindow::Procedure));
}

PlainWindow::~PlainWindow() {
    if (handle_) DestroyWindow(handle_);
}

LRESULT CALLBACK PlainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto* self = reinterpret_cast<PlainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
        self->log_.push_back({message, wParam, lParam});
        if (message == WM_NCDESTROY) self->handle_ = nullptr;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quorvel::test
