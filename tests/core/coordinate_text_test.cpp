#include "core/coordinate_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>

#include "tests/core/fakes.h"

namespace quorvel {
namespace {

constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();

TEST(CoordinateText, IsPlainDecimal) {
    const struct {
        std::int32_t value;
        const wchar_t* text;
    } cases[] = {
        {0, L"0"}, {7, L"7"}, {-5, L"-5"}, {300, L"300"}, {-640, L"-640"},
        {1000000, L"1000000"}, {Max32, L"2147483647"}, {Min32, L"-2147483648"},
    };
    for (const auto& c : cases) EXPECT_EQ(CoordinateText(c.value), c.text) << c.value;
}

TEST(ParseCoordinate, FollowsTheConversionRules) {
    const struct {
        const wchar_t* text;
        std::int32_t value;
    } cases[] = {
        {L"", 0},
        {L"-", 0},
        {L"+", 0},
        {L"abc", 0},
        {L"42", 42},
        {L"+42", 42},
        {L"-42", -42},
        {L" \t\n\v\f\r17", 17},   // all six white-space characters
        {L"\u00a017", 0},          // other spaces are not skipped
        {L"12abc", 12},            // digits up to the first other character
        {L"12 34", 12},
        {L"- 5", 0},               // no space between sign and digits
        {L"--5", 0},
        {L"007", 7},
        {L"-0", 0},
        {L"\uff11", 0},            // full-width digits are not digits
    };
    for (const auto& c : cases) EXPECT_EQ(ParseCoordinate(c.text), c.value) << fakes::Narrow(c.text);
}

TEST(ParseCoordinate, SaturatesDigitRunsBeyond32Bits) {
    const struct {
        const wchar_t* text;
        std::int32_t value;
    } cases[] = {
        {L"2147483647", Max32},
        {L"2147483648", Max32},
        {L"-2147483648", Min32},
        {L"-2147483649", Min32},
        {L"4294967296", Max32},   // would wrap to 0 modulo 2^32
        {L"-4294967297", Min32},
        {L"99999999999999999999999999999999999999999", Max32},
        {L"-99999999999999999999999999999999999999999", Min32},
        {L"00000000000000000000000000000000000000042", 42},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseCoordinate(c.text), c.value) << fakes::Narrow(c.text);
}

TEST(ParseCoordinate, RoundTripsEveryCapturedCoordinate) {
    std::mt19937 random(20261211);
    std::uniform_int_distribution<std::int32_t> any(Min32, Max32);
    for (std::int32_t edge : {Min32, Min32 + 1, -65536, -1, 0, 1, 65535, Max32 - 1, Max32}) {
        EXPECT_EQ(ParseCoordinate(CoordinateText(edge)), edge);
    }
    for (int i = 0; i < 200000; ++i) {
        const std::int32_t value = any(random);
        ASSERT_EQ(ParseCoordinate(CoordinateText(value)), value);
    }
}

}  // namespace
}  // namespace quorvel
