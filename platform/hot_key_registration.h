#pragma once

#include "platform/win32.h"

namespace quorvel {

// One RegisterHotKey for a window; the destructor unregisters it. The
// registration may have failed (the key is held elsewhere): unregistering
// then fails harmlessly, so the outcome is not kept.
class HotKeyRegistration {
public:
    HotKeyRegistration(HWND window, int identifier, UINT modifiers, UINT virtualKey)
        : window_(window), identifier_(identifier) {
        (void)RegisterHotKey(window, identifier, modifiers, virtualKey);
    }
    ~HotKeyRegistration() { (void)UnregisterHotKey(window_, identifier_); }
    HotKeyRegistration(const HotKeyRegistration&) = delete;
    HotKeyRegistration& operator=(const HotKeyRegistration&) = delete;

private:
    HWND window_;  // borrowed
    int identifier_;
};

}  // namespace quorvel
