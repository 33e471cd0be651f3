#pragma once

#include <array>
#include <optional>

#include "core/hot_keys.h"
#include "platform/hot_key_registration.h"
#include "platform/win32.h"

namespace quorvel {

// Receives the actions of the hot keys that HotKeyWindowProc recognises.
class HotKeyTarget {
public:
    virtual void RunHotKeyAction(HotKeyAction action) = 0;

protected:
    ~HotKeyTarget() = default;
};

// One registration per entry of the hot key table, released in table order.
using HotKeyRegistrations = std::array<std::optional<HotKeyRegistration>, HotKeyTable.size()>;

// Puts HotKeyWindowProc in front of the window's procedure, then registers
// the hot key table for the window into `registrations`.
void InstallHotKeys(HWND window, HotKeyTarget& target, HotKeyRegistrations& registrations);
// Puts the saved procedure back, then unregisters every hot key.
void ReleaseHotKeys(HWND window, HotKeyRegistrations& registrations);

// Runs the action of a matching WM_HOTKEY, then hands every message on to
// the saved procedure unchanged and returns its result unchanged.
LRESULT CALLBACK HotKeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quorvel
