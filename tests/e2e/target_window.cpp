#include "target_window.h"

#include "wait.h"

namespace quorvel::e2e {
namespace {

constexpr wchar_t TargetClassName[] = L"QuorvelE2eTarget";

}  // namespace

TargetWindow::TargetWindow(RECT bounds, Activation activation) : activation_(activation) {
    std::promise<HWND> created;
    std::future<HWND> window = created.get_future();
    // The thread owns the promise, so setting it never races with its end.
    thread_ = std::thread([this, bounds, created = std::move(created)]() mutable { Run(bounds, created); });
    if (window.wait_for(DefaultTimeout) == std::future_status::ready) window_ = window.get();
}

TargetWindow::~TargetWindow() {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (thread_.joinable()) thread_.join();
}

void TargetWindow::Run(RECT bounds, std::promise<HWND>& created) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &TargetWindow::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = TargetClassName;
    RegisterClassExW(&windowClass);  // fails harmlessly when a previous test registered it

    const DWORD extended = WS_EX_TOPMOST | (activation_ == Activation::Never ? WS_EX_NOACTIVATE : 0);
    const HWND window = CreateWindowExW(extended, TargetClassName, L"Quorvel click target",
                                        WS_POPUP | WS_BORDER, bounds.left, bounds.top, bounds.right - bounds.left,
                                        bounds.bottom - bounds.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (window) ShowWindow(window, SW_SHOWNOACTIVATE);
    created.set_value(window);
    if (!window) return;

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
}

LRESULT CALLBACK TargetWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TargetWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_MOUSEACTIVATE:
            // Clicks here must not take the keyboard from the program.
            if (self && self->activation_ == Activation::Never) return MA_NOACTIVATE;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            if (self) self->Record(window, message, lParam);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void TargetWindow::Record(HWND window, UINT message, LPARAM lParam) {
    const double now = NowMs();
    const POINT client{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    POINT screen = client;
    ClientToScreen(window, &screen);
    const bool left = message == WM_LBUTTONDOWN || message == WM_LBUTTONUP;
    const bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
    std::lock_guard lock(mutex_);
    records_.push_back({left ? MouseButton::Left : MouseButton::Right, down, client, screen, now});
}

POINT TargetWindow::ToScreen(POINT client) const {
    POINT screen = client;
    ClientToScreen(window_, &screen);
    return screen;
}

std::vector<MouseRecord> TargetWindow::Records() const {
    std::lock_guard lock(mutex_);
    return records_;
}

std::vector<MouseRecord> TargetWindow::Presses() const {
    std::vector<MouseRecord> presses;
    for (const MouseRecord& record : Records()) {
        if (record.down) presses.push_back(record);
    }
    return presses;
}

bool TargetWindow::WaitForPresses(std::size_t count, std::chrono::milliseconds timeout) {
    return WaitUntil([this, count] { return Presses().size() >= count; }, timeout);
}

}  // namespace quorvel::e2e
