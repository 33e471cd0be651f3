#include "platform/run_time.h"

#include "platform/window.h"

namespace quorvel {


RunTime::RunTime() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    (void)InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Window::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = WindowClassName;
    windowClass_ = RegisterClassExW(&windowClass);
    if (windowClass_ == 0) FatalAppExitW(0, L"Quorvel: the window class cannot be registered.");
}

RunTime::~RunTime() {
    (void)UnregisterClassW(WindowClassName, GetModuleHandleW(nullptr));
}

void RunTime::WindowDestroyed() {
    if (--liveWindows_ == 0) PostQuitMessage(0);
}

void RunTime::RunMessageLoop() {
    if (liveWindows_ == 0) return;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchThreadMessage(message);
}

void DispatchThreadMessage(MSG& message) {
    if (Window::TranslateKeyboard(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace quorvel
