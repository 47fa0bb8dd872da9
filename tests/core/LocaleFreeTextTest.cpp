// Texts that rules compare and that log records carry must not change with the process locale;
// this suite also runs as a CTest entry of its own under tr_TR.UTF-8.

#include "AsciiText.h"
#include "DurationText.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>

namespace orvelane {
namespace {

using namespace std::chrono_literals;

TEST(AsciiText, LowerCasesOnlyTheTwentySixLettersWhateverTheLocale)
{
    EXPECT_EQ(lowerCasedAscii("COM.APPLE.MEDIAANALYSISD"), "com.apple.mediaanalysisd");
    EXPECT_EQ(lowerCasedAscii("IiIı@[`{Zz"), "iiiı@[`{zz"); // the neighbours of A–Z stay
    EXPECT_EQ(lowerCasedAscii("\xC4\xB0STANBUL \xC9"), "\xC4\xB0stanbul \xC9"); // İ and stray bytes kept
    EXPECT_EQ(lowerCasedAscii(std::string_view("A\0B", 3)), std::string("a\0b", 3));
}

TEST(DurationText, AlwaysADotAndExactlyTheDecimalsAsked)
{
    EXPECT_EQ(secondsText(0ns, 3), "0.000");
    EXPECT_EQ(secondsText(1250ms, 3), "1.250");
    EXPECT_EQ(secondsText(1250ms, 2), "1.25");
    EXPECT_EQ(secondsText(1'004'999'999ns, 2), "1.00");
    EXPECT_EQ(secondsText(1'005'000'000ns, 2), "1.01"); // half rounds away from zero
    EXPECT_EQ(secondsText(999'500us, 3), "1.000");      // the carry reaches the seconds
    EXPECT_EQ(secondsText(62'000'001ns, 3), "0.062");
    EXPECT_EQ(secondsText(7s, 0), "7");
    EXPECT_EQ(secondsText(-1500ms, 1), "-1.5");
    EXPECT_EQ(secondsText(-1ns, 3), "0.000"); // no "-0.000"
    EXPECT_EQ(secondsText(123'456'789ns, 9), "0.123456789");
    EXPECT_EQ(secondsText(std::chrono::nanoseconds::max(), 3), "9223372036.855");
    EXPECT_EQ(secondsText(std::chrono::nanoseconds::min(), 3), "-9223372036.855");
}

TEST(DurationText, TheTurkishRunReallyHasADecimalComma)
{
    if (std::getenv("ORVELANE_TEST_LOCALE") == nullptr)
        GTEST_SKIP() << "only meaningful in the run under tr_TR.UTF-8";
    // Proof that this run exercises the locale the texts must ignore.
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 0.5);
    EXPECT_STREQ(printed, "0,5");
    EXPECT_EQ(secondsText(500ms, 1), "0.5");
}

} // namespace
} // namespace orvelane
