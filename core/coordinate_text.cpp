#include "core/coordinate_text.h"

#include <limits>

namespace quorvel {
namespace {

bool IsSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

std::wstring CoordinateText(std::int32_t value) {
    // Written by hand: std::to_wstring drags a whole printf engine into the
    // Windows exe.
    wchar_t digits[12];
    wchar_t* end = digits + 12;
    wchar_t* first = end;
    // Work in 64 bits so the most negative value has a magnitude.
    std::int64_t magnitude = value < 0 ? -std::int64_t{value} : std::int64_t{value};
    do {
        *--first = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) *--first = L'-';
    return std::wstring(first, end);
}

std::int32_t ParseCoordinate(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }

    // Accumulate the magnitude in 64 bits and stop growing once it is past
    // every 32-bit value, so long digit runs cannot overflow.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (magnitude <= limit) magnitude = magnitude * 10 + (text[i] - L'0');
    }

    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

}  // namespace quorvel
