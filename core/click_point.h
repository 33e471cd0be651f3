#pragma once

#include <cstdint>
#include <string_view>

namespace quorvel {

// A screen position as the OS reports the pointer: negative left of or above
// the primary monitor.
struct ClickPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const ClickPoint&, const ClickPoint&) = default;
};

// Stored as a list row's integer value, so the numbers are part of the format.
enum class ClickKind : std::int32_t { Left = 0, Right = 1 };

// The column-0 text of a row of this kind.
std::wstring_view ClickKindText(ClickKind kind);

}  // namespace quorvel
