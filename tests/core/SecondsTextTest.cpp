// Log texts are read by people and scripts alike: a duration must read the same under every
// locale (this suite also runs under tr_TR.UTF-8, where printf writes "0,25").
#include "ByteCount.h"
#include "SecondsText.h"

#include <gtest/gtest.h>

#include <limits>

namespace orvelane {
namespace {

TEST(SecondsText, AlwaysADecimalPointAndTheAskedDigits)
{
    EXPECT_EQ(secondsText(0.0, 3), "0.000");
    EXPECT_EQ(secondsText(0.25, 2), "0.25");
    EXPECT_EQ(secondsText(12.3456, 3), "12.346");
    EXPECT_EQ(secondsText(1234567.5, 2), "1234567.50") << "no digit grouping";
}

TEST(ByteCount, SumsHoldAtTheLimitsInsteadOfWrapping)
{
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(addBytes(9'000'000'000'000'000'000, 9'000'000'000'000'000'000), kMax);
    EXPECT_EQ(addBytes(kMax, 1), kMax);
    EXPECT_EQ(addBytes(kMin, -1), kMin);
    EXPECT_EQ(addBytes(kMax, -1), kMax - 1);
    struct Sized
    {
        std::int64_t size;
    };
    EXPECT_EQ(sumOfSizes(std::vector<Sized>{{kMax / 2}, {kMax / 2}, {kMax / 2}}), kMax);
    EXPECT_EQ(sumOfSizes(std::vector<Sized>{{1}, {2}, {3}}), 6);
}

} // namespace
} // namespace orvelane
