#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

enum class HotKeyAction { Start, Stop, CaptureLeft, CaptureRight };

struct HotKeyBinding {
    std::int32_t identifier;
    std::uint32_t modifiers;   // also the exact low 16 bits of a matching lParam
    std::uint32_t virtualKey;  // also the high 16 bits of a matching lParam
    HotKeyAction action;
};

// Values of the OS's modifier flags and key codes, kept here so the table
// needs no system header.
inline constexpr std::uint32_t ModifierNone = 0;
inline constexpr std::uint32_t ModifierControl = 0x0002;
inline constexpr std::uint32_t VirtualKeyS = 'S';
inline constexpr std::uint32_t VirtualKeyQ = 'Q';
inline constexpr std::uint32_t VirtualKeyF6 = 0x75;
inline constexpr std::uint32_t VirtualKeyF7 = 0x76;

// Registration order and matching order. No repeat suppression: holding a
// key repeats its action.
inline constexpr std::array<HotKeyBinding, 4> HotKeyTable{{
    {1, ModifierControl, VirtualKeyS, HotKeyAction::Start},
    {2, ModifierControl, VirtualKeyQ, HotKeyAction::Stop},
    {3, ModifierNone, VirtualKeyF6, HotKeyAction::CaptureLeft},
    {4, ModifierNone, VirtualKeyF7, HotKeyAction::CaptureRight},
}};

// True when a hot key message's (wParam, lParam) is exactly this binding's
// press: wParam is the identifier, lParam is key << 16 | modifiers.
bool MatchesHotKey(const HotKeyBinding& binding, std::uint32_t wParam, std::int32_t lParam);

// Runs `run(action)` for every table entry that matches, in table order; the
// identifiers are distinct, so at most one action runs. The parameters come
// at the message's full width: on a 64-bit build a wParam or lParam beyond
// the 32 bits of a hot key message is no hot key, not one cut down to size.
template <class Run>
void ForEachMatchingHotKey(std::uint64_t wParam, std::int64_t lParam, Run&& run) {
    if (wParam > UINT32_MAX || lParam < INT32_MIN || lParam > INT32_MAX) return;
    for (const HotKeyBinding& binding : HotKeyTable) {
        if (MatchesHotKey(binding, static_cast<std::uint32_t>(wParam), static_cast<std::int32_t>(lParam))) {
            run(binding.action);
        }
    }
}

}  // namespace quorvel
