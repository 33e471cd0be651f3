#include "core/hot_keys.h"

#include <cmath>

namespace quorvel {

bool MatchesHotKey(const HotKeyBinding& binding, std::uint32_t wParam, std::int32_t lParam) {
    if (wParam != static_cast<std::uint32_t>(binding.identifier)) return false;

    // Split lParam the way a 16.16 reading does: every value here is exact in
    // double precision, and a negative lParam leaves a negative rest that no
    // modifier value can cancel.
    const double whole = static_cast<double>(lParam);
    const double key = std::trunc(whole / 65536.0);
    if (key != static_cast<double>(binding.virtualKey)) return false;

    const double rest = whole - key * 65536.0 - static_cast<double>(binding.modifiers);
    return std::fabs(rest) <= 1e-7;
}

}  // namespace quorvel
