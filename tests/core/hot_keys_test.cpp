#include "core/hot_keys.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

namespace quorvel {
namespace {

// The exact integer test the double arithmetic must agree with.
bool ExactMatch(const HotKeyBinding& binding, std::uint32_t wParam, std::int32_t lParam) {
    return wParam == static_cast<std::uint32_t>(binding.identifier) &&
           static_cast<std::int64_t>(lParam) ==
               static_cast<std::int64_t>(binding.virtualKey) * 65536 + binding.modifiers;
}

std::vector<HotKeyAction> Triggered(std::uint32_t wParam, std::int32_t lParam) {
    std::vector<HotKeyAction> actions;
    ForEachMatchingHotKey(wParam, lParam, [&](HotKeyAction action) { actions.push_back(action); });
    return actions;
}

constexpr std::int32_t Key(std::uint32_t vk, std::uint32_t modifiers) {
    return static_cast<std::int32_t>(vk * 65536 + modifiers);
}

TEST(HotKeyTable, HoldsTheFourKeysInRegistrationOrder) {
    const HotKeyBinding expected[] = {
        {1, 2, 83, HotKeyAction::Start},
        {2, 2, 81, HotKeyAction::Stop},
        {3, 0, 117, HotKeyAction::CaptureLeft},
        {4, 0, 118, HotKeyAction::CaptureRight},
    };
    ASSERT_EQ(HotKeyTable.size(), std::size(expected));
    for (std::size_t i = 0; i < HotKeyTable.size(); ++i) {
        EXPECT_EQ(HotKeyTable[i].identifier, expected[i].identifier);
        EXPECT_EQ(HotKeyTable[i].modifiers, expected[i].modifiers);
        EXPECT_EQ(HotKeyTable[i].virtualKey, expected[i].virtualKey);
        EXPECT_EQ(HotKeyTable[i].action, expected[i].action);
    }
}

TEST(HotKeyDispatch, EdgeMessages) {
    const struct {
        std::uint32_t wParam;
        std::int32_t lParam;
        std::optional<HotKeyAction> action;
    } cases[] = {
        {1, Key(83, 2), HotKeyAction::Start},
        {2, Key(81, 2), HotKeyAction::Stop},
        {3, Key(117, 0), HotKeyAction::CaptureLeft},
        {4, Key(118, 0), HotKeyAction::CaptureRight},
        {2, Key(83, 2), std::nullopt},    // identifier and key disagree
        {1, Key(83, 6), std::nullopt},    // Ctrl+Shift
        {1, Key(83, 0), std::nullopt},    // modifier missing
        {1, Key(83, 3), std::nullopt},    // Ctrl+Alt
        {1, Key(83, 0x4002), std::nullopt},  // Ctrl with MOD_NOREPEAT
        {3, Key(117, 2), std::nullopt},
        {3, Key(117, 1), std::nullopt},   // Alt+F6
        {3, Key(118, 0), std::nullopt},
        {4, Key(117, 0), std::nullopt},
        {0, Key(83, 2), std::nullopt},
        {5, Key(83, 2), std::nullopt},
        {0xFFFFFFFFu, Key(117, 0), std::nullopt},
        {0xFFFFFFFFu, -1, std::nullopt},
        {3, Key(117, 0) | static_cast<std::int32_t>(0x80000000u), std::nullopt},
        {1, -Key(83, 2), std::nullopt},
        {1, -Key(83, 0) + 2, std::nullopt},
        {3, -Key(117, 0), std::nullopt},
        {3, 117, std::nullopt},           // key in the low half
        {1, Key(83, 2) + 65536, std::nullopt},
        {3, Key(117, 0) - 1, std::nullopt},
        {3, Key(117, 0) + 1, std::nullopt},
        {1, -2147483647 - 1, std::nullopt},
        {4, 2147483647, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto actions = Triggered(c.wParam, c.lParam);
        const auto expected = c.action ? std::vector<HotKeyAction>{*c.action} : std::vector<HotKeyAction>{};
        EXPECT_EQ(actions, expected) << "wParam " << c.wParam << " lParam " << c.lParam;
    }
}

// A 64-bit build hands the message parameters over at 64 bits: a genuine
// press with any bit above bit 31 added is no press.
TEST(HotKeyDispatch, WideParametersBeyondThirtyTwoBitsMatchNothing) {
    constexpr std::uint64_t Bit32 = std::uint64_t{1} << 32;
    const struct {
        std::uint64_t wParam;
        std::int64_t lParam;
        std::optional<HotKeyAction> action;
    } cases[] = {
        {3, Key(117, 0), HotKeyAction::CaptureLeft},
        {4, std::int64_t{Key(118, 0)}, HotKeyAction::CaptureRight},
        {Bit32 | 3, Key(117, 0), std::nullopt},
        {(std::uint64_t{1} << 63) | 1, Key(83, 2), std::nullopt},
        {UINT64_MAX, Key(117, 0), std::nullopt},
        {1, static_cast<std::int64_t>(Bit32) | Key(83, 2), std::nullopt},
        {3, static_cast<std::int64_t>(Bit32 << 30) | Key(117, 0), std::nullopt},
        {2, std::int64_t{Key(81, 2)} - static_cast<std::int64_t>(Bit32), std::nullopt},
        {3, INT64_MIN | Key(117, 0), std::nullopt},
        {3, std::int64_t{INT32_MAX} + 1 + Key(117, 0), std::nullopt},
    };
    for (const auto& c : cases) {
        std::vector<HotKeyAction> actions;
        ForEachMatchingHotKey(c.wParam, c.lParam, [&](HotKeyAction action) { actions.push_back(action); });
        const auto expected = c.action ? std::vector<HotKeyAction>{*c.action} : std::vector<HotKeyAction>{};
        EXPECT_EQ(actions, expected) << "wParam " << c.wParam << " lParam " << c.lParam;
    }
}

TEST(MatchesHotKey, AgreesWithTheExactTestOnEdgesAndARandomSample) {
    std::vector<std::uint32_t> wParams = {0, 1, 2, 3, 4, 5, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu};
    std::vector<std::int32_t> lParams = {0, 1, -1, 2, 65535, 65536, -65536, 2147483647, -2147483647 - 1};
    for (const auto& binding : HotKeyTable) {
        const std::int32_t exact = Key(binding.virtualKey, binding.modifiers);
        for (std::int32_t delta : {-65537, -65536, -65535, -2, -1, 0, 1, 2, 4, 0x4000, 65535, 65536}) {
            lParams.push_back(exact + delta);
            lParams.push_back(-(exact + delta));
            lParams.push_back(static_cast<std::int32_t>(static_cast<std::uint32_t>(exact + delta) | 0x80000000u));
        }
    }
    for (const auto& binding : HotKeyTable) {
        for (std::uint32_t w : wParams) {
            for (std::int32_t l : lParams) {
                ASSERT_EQ(MatchesHotKey(binding, w, l), ExactMatch(binding, w, l))
                    << "id " << binding.identifier << " wParam " << w << " lParam " << l;
            }
        }
    }

    std::mt19937 random(6117);
    std::uniform_int_distribution<std::uint32_t> bits;
    std::uniform_int_distribution<int> pick(0, 3);
    for (int i = 0; i < 1000000; ++i) {
        const auto& binding = HotKeyTable[static_cast<std::size_t>(pick(random))];
        // Half the sample keeps the right identifier and key in the high half,
        // so the modifier part is what decides.
        const bool near = (i & 1) == 0;
        const std::uint32_t w = near ? static_cast<std::uint32_t>(binding.identifier) : bits(random);
        const std::uint32_t raw = near ? (binding.virtualKey << 16) | (bits(random) & 0x0000000Fu) : bits(random);
        const auto l = static_cast<std::int32_t>(raw);
        ASSERT_EQ(MatchesHotKey(binding, w, l), ExactMatch(binding, w, l))
            << "id " << binding.identifier << " wParam " << w << " lParam " << l;
    }
}

}  // namespace
}  // namespace quorvel
