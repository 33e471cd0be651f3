#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

// Plain decimal with a leading '-' for negatives: no '+', no leading zeros,
// no grouping.
std::wstring CoordinateText(std::int32_t value);

// Reads a coordinate back from a cell: leading white space, an optional sign,
// then digits up to the first other character; no digits gives 0. A digit run
// beyond the 32-bit range saturates at the nearest limit instead of wrapping.
std::int32_t ParseCoordinate(std::wstring_view text);

}  // namespace quorvel
