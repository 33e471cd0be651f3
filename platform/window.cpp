#include "platform/window.h"

#include <algorithm>
#include <cstdlib>

#include "platform/click_timer.h"
#include "platform/label.h"
#include "platform/push_button.h"
#include "platform/report_list.h"

namespace quorvel {
namespace {

std::unique_ptr<Control> MakeControl(const ControlDefinition& definition) {
    switch (definition.kind) {
        case ControlKind::PushButton: return std::make_unique<PushButton>(definition);
        case ControlKind::Timer: return std::make_unique<ClickTimer>(definition);
        case ControlKind::ReportList: return std::make_unique<ReportList>(definition);
        case ControlKind::Label: return std::make_unique<Label>(definition);
    }
    std::abort();  // a control kind without a class
}

UniqueIcon LoadIconSized(const wchar_t* resource, int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return UniqueIcon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), resource, IMAGE_ICON, size, size, 0)));
}

bool CanTakeFocus(HWND control) { return control && IsWindowEnabled(control) && IsWindowVisible(control); }

}  // namespace

Window::Window(RunTime& runTime, const WindowDefinition& definition, void* owner)
    : runTime_(runTime), definition_(definition), owner_(owner) {
    for (const ControlDefinition& control : definition.controls) {
        controls_.push_back(MakeControl(control));
    }
}

Window::~Window() {
    // Children and timers go with the window; the icons must outlive it.
    if (handle_) DestroyWindow(handle_);
}

template <class T>
T& Window::Get(int id) {
    // A definition that names a missing control is a programming error.
    auto* control = dynamic_cast<T*>(FindControl(id));
    if (!control) std::abort();
    return *control;
}

PushButton& Window::Button(int id) { return Get<PushButton>(id); }
ClickTimer& Window::Timer(int id) { return Get<ClickTimer>(id); }
ReportList& Window::List(int id) { return Get<ReportList>(id); }

Control* Window::FindControl(int id) {
    for (auto& control : controls_) {
        if (control->Definition().id == id) return control.get();
    }
    return nullptr;
}

Control* Window::FindControl(HWND child) {
    if (!child) return nullptr;
    for (auto& control : controls_) {
        if (control->Handle() == child) return control.get();
    }
    return nullptr;
}

bool Window::Load(bool modal) {
    largeIcon_ = LoadIconSized(definition_.iconResource, SM_CXICON);
    smallIcon_ = LoadIconSized(definition_.iconResource, SM_CXSMICON);

    // Without a taskbar button of its own the window is owned by the
    // currently active window of the program.
    const HWND owner = definition_.taskbarButton ? nullptr : GetActiveWindow();
    const int left = (GetSystemMetrics(SM_CXSCREEN) - definition_.outerWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - definition_.outerHeight) / 2;
    const HWND created =
        CreateWindowExW(0, RunTime::WindowClassName, definition_.caption,
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, left, top,
                        definition_.outerWidth, definition_.outerHeight, owner, nullptr,
                        GetModuleHandleW(nullptr), this);
    if (!created) return false;

    SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
    SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    for (auto& control : controls_) control->Create(handle_);

    if (definition_.onCreated) definition_.onCreated.invoke(owner_);
    if (!handle_) return true;  // the created handler closed the window

    if (modal) DisableOtherWindows();
    if (definition_.visible) {
        ShowWindow(handle_, SW_SHOWNORMAL);
        SetForegroundWindow(handle_);
    }
    if (modal) RunModalLoop();
    return true;
}

void Window::RunModalLoop() {
    MSG message{};
    while (handle_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The quit request belongs to the outer loop.
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        DispatchThreadMessage(message);
    }
}

BOOL CALLBACK Window::DisableIfOther(HWND window, LPARAM modalWindow) {
    auto* modal = reinterpret_cast<Window*>(modalWindow);
    if (window != modal->handle_ && IsWindowEnabled(window) && FromHandle(window)) {
        modal->disabledByModal_.push_back(window);
        EnableWindow(window, FALSE);
    }
    return TRUE;
}

void Window::DisableOtherWindows() {
    EnumThreadWindows(GetCurrentThreadId(), &Window::DisableIfOther, reinterpret_cast<LPARAM>(this));
}

void Window::EnableOtherWindows() {
    for (HWND window : disabledByModal_) EnableWindow(window, TRUE);
    disabledByModal_.clear();
}

Window* Window::FromHandle(HWND window) {
    wchar_t className[32]{};
    if (!GetClassNameW(window, className, 32) || std::wstring_view(className) != RunTime::WindowClassName) {
        return nullptr;
    }
    return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->handle_ = window;
        self->runTime_.WindowCreated();
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    Window* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = handle_;  // still needed after OnNcDestroy forgets it
    switch (message) {
        case WM_COMMAND: OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam)); return 0;
        case WM_TIMER: OnTimer(static_cast<int>(wParam)); return 0;
        case WM_SETCURSOR: if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE; break;
        case WM_PAINT: OnPaint(); return 0;
        case WM_ACTIVATE: if (OnActivate(LOWORD(wParam))) return 0; break;
        case WM_NEXTDLGCTL: MoveFocus(wParam == 0); return 0;
        // Give the disabled windows back before this one goes, so the
        // activation can return to them.
        case WM_CLOSE: EnableOtherWindows(); break;
        case WM_DESTROY: OnDestroy(); return 0;
        case WM_NCDESTROY: OnNcDestroy(); break;
        default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Window::OnCommand(HWND child, WORD notification) {
    if (Control* control = FindControl(child); control && control->OnCommand(notification)) RaiseEvent(*control);
}

void Window::OnTimer(int id) {
    if (Control* control = FindControl(id); control && control->OnTimer()) RaiseEvent(*control);
}

bool Window::OnSetCursor(HWND child, WORD hitTest) {
    const Control* control = FindControl(child);
    const HCURSOR cursor = control && hitTest == HTCLIENT ? control->Cursor() : nullptr;
    if (!cursor) return false;
    SetCursor(cursor);
    return true;
}

void Window::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC context = BeginPaint(handle_, &paint);
    for (const auto& control : controls_) control->Paint(context);
    EndPaint(handle_, &paint);
}

// False leaves the activation to the system, which focuses the window itself.
bool Window::OnActivate(WORD state) {
    if (state == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(handle_, focus)) lastFocus_ = focus;
        return true;
    }
    return RestoreFocus();
}

void Window::OnDestroy() {
    EnableOtherWindows();
    if (definition_.onDestroying) definition_.onDestroying.invoke(owner_);
    for (auto& control : controls_) control->OnParentDestroyed();
}

void Window::OnNcDestroy() {
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    handle_ = nullptr;
    lastFocus_ = nullptr;
    runTime_.WindowDestroyed();
}

void Window::RaiseEvent(const Control& control) {
    if (control.Definition().onEvent) control.Definition().onEvent.invoke(owner_);
}

bool Window::RestoreFocus() {
    HWND target = CanTakeFocus(lastFocus_) ? lastFocus_ : FirstFocusable();
    if (!target) return false;
    SetFocus(target);
    return true;
}

// Controls in Tab order that can take the focus right now.
HWND Window::FirstFocusable() const {
    const Control* best = nullptr;
    for (const auto& control : controls_) {
        const int order = control->Definition().focusOrder;
        if (order < 0 || !CanTakeFocus(control->Handle())) continue;
        if (!best || order < best->Definition().focusOrder) best = control.get();
    }
    return best ? best->Handle() : nullptr;
}

void Window::MoveFocus(bool forward) {
    std::vector<const Control*> order;
    for (const auto& control : controls_) {
        if (control->Definition().focusOrder >= 0) order.push_back(control.get());
    }
    std::sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->Definition().focusOrder < b->Definition().focusOrder;
    });
    if (order.empty()) return;

    const HWND focus = GetFocus();
    const auto count = static_cast<int>(order.size());
    int current = -1;
    for (int i = 0; i < count; ++i) {
        if (order[static_cast<std::size_t>(i)]->Handle() == focus) current = i;
    }
    if (current < 0) current = forward ? count - 1 : 0;
    for (int step = 1; step <= count; ++step) {
        const int next = ((current + (forward ? step : -step)) % count + count) % count;
        const HWND candidate = order[static_cast<std::size_t>(next)]->Handle();
        if (CanTakeFocus(candidate)) {
            SetFocus(candidate);
            return;
        }
    }
}

bool Window::TranslateKeyboard(const MSG& message) {
    if (message.message != WM_KEYDOWN || !message.hwnd) return false;
    Window* window = FromHandle(GetAncestor(message.hwnd, GA_ROOT));
    if (!window) return false;
    switch (message.wParam) {
        case VK_ESCAPE:
            SendMessageW(window->handle_, WM_CLOSE, 0, 0);
            return true;
        case VK_TAB:
            window->MoveFocus(GetKeyState(VK_SHIFT) >= 0);
            return true;
        default:
            return false;
    }
}

}  // namespace quorvel
