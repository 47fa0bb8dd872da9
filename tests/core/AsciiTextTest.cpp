// Rules compare names lower-cased the same way under every locale; this suite also runs as a
// CTest entry of its own under tr_TR.UTF-8, where the C library keeps "I" as it is.

#include "AsciiText.h"

#include <cwctype>
#include <cstdlib>
#include <gtest/gtest.h>

namespace orvelane {
namespace {

TEST(AsciiText, LowerCasesOnlyTheTwentySixLettersWhateverTheLocale)
{
    EXPECT_EQ(lowerCasedAscii("COM.APPLE.MEDIAANALYSISD"), "com.apple.mediaanalysisd");
    EXPECT_EQ(lowerCasedAscii("IiIı@[`{Zz"), "iiiı@[`{zz"); // the neighbours of A–Z stay
    EXPECT_EQ(lowerCasedAscii("\xC4\xB0STANBUL \xC9"), "\xC4\xB0stanbul \xC9"); // İ and stray bytes kept
    EXPECT_EQ(lowerCasedAscii(std::string_view("A\0B", 3)), std::string("a\0b", 3));
}

TEST(AsciiText, TheTurkishRunReallyKeepsCapitalIInTheCLibrary)
{
    if (std::getenv("ORVELANE_REQUIRE_LOCALE") == nullptr)
        GTEST_SKIP() << "only meaningful in the run under tr_TR.UTF-8";
    // Turkish case rules: capital I lower-cases to a dotless ı (a wide character), so the
    // byte-wise tolower leaves it as it is.
    EXPECT_EQ(std::towlower(L'I'), L'\u0131');
    EXPECT_EQ(lowerCasedAscii("I"), "i");
}

} // namespace
} // namespace orvelane
