#include "DeliberatePresses.h"

#include <gtest/gtest.h>

using orvelane::DeliberatePresses;

namespace {

constexpr int kReturn = 0x01000004;
constexpr int kSpace = 0x20;

TEST(DeliberatePresses, AKeyHeldWhenWatchingBeganPressesNothing)
{
    DeliberatePresses presses;
    // Return went down before; X11 repeats it as release-and-press pairs with one time stamp,
    // flagged or (when the pair was read apart) not.
    for (std::uint64_t time = 1000; time < 2500; time += 33) {
        const bool flagged = time % 2 == 0;
        EXPECT_FALSE(presses.release(kReturn, time, flagged)) << time;
        EXPECT_FALSE(presses.press(kReturn, time, flagged)) << time;
    }
    EXPECT_FALSE(presses.release(kReturn, 2600, false)) << "the last release ends no deliberate press";
    // Then the user presses it again, on purpose.
    EXPECT_TRUE(presses.press(kReturn, 3100, false));
    EXPECT_TRUE(presses.release(kReturn, 3180, false));
}

TEST(DeliberatePresses, AFreshPressCountsAndItsRepeatsDoNot)
{
    DeliberatePresses presses;
    EXPECT_TRUE(presses.press(kSpace, 100, false)) << "nothing was held: the first press counts";
    EXPECT_FALSE(presses.press(kSpace, 760, true)) << "a flagged repeat";
    EXPECT_TRUE(presses.release(kSpace, 800, false));
    EXPECT_FALSE(presses.release(kSpace, 900, false)) << "no second release for one press";
}

TEST(DeliberatePresses, TheGapBetweenReleaseAndPressDecides)
{
    DeliberatePresses presses;
    presses.release(kReturn, 500, false);
    EXPECT_FALSE(presses.press(kReturn, 500 + DeliberatePresses::minimumGap - 1, false));
    presses.release(kReturn, 600, false);
    EXPECT_TRUE(presses.press(kReturn, 600 + DeliberatePresses::minimumGap, false));
    // Keys are told apart: a release of Space says nothing about Return.
    DeliberatePresses other;
    other.release(kSpace, 1000, false);
    EXPECT_TRUE(other.press(kReturn, 1000, false));
}

} // namespace
