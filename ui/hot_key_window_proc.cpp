#include "ui/hot_key_window_proc.h"

namespace quorvel {
namespace {

// The window's procedure as it was before the replacement; the single
// window it serves is the main window.
WNDPROC PreviousWindowProc = nullptr;

// The hot key target travels with the window, so the procedure needs no
// other state.
constexpr const wchar_t* TargetProperty = L"Quorvel.HotKeyTarget";

}  // namespace

void InstallHotKeys(HWND window, HotKeyTarget& target, HotKeyRegistrations& registrations) {
    (void)SetPropW(window, TargetProperty, &target);
    // The ANSI forms throughout the chain: the system converts where the
    // saved procedure is a Unicode one.
    PreviousWindowProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    (void)SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotKeyWindowProc));
    for (std::size_t i = 0; i < HotKeyTable.size(); ++i) {
        const HotKeyBinding& binding = HotKeyTable[i];
        registrations[i].emplace(window, binding.identifier, binding.modifiers, binding.virtualKey);
    }
}

void ReleaseHotKeys(HWND window, HotKeyRegistrations& registrations) {
    (void)SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PreviousWindowProc));
    for (auto& registration : registrations) registration.reset();
    (void)RemovePropW(window, TargetProperty);
}

LRESULT CALLBACK HotKeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) {
        if (auto* target = static_cast<HotKeyTarget*>(GetPropW(window, TargetProperty))) {
            ForEachMatchingHotKey(static_cast<std::uint64_t>(wParam), static_cast<std::int64_t>(lParam),
                                  [target](HotKeyAction action) { target->RunHotKeyAction(action); });
        }
    }
    return CallWindowProcA(PreviousWindowProc, window, message, wParam, lParam);
}

}  // namespace quorvel
