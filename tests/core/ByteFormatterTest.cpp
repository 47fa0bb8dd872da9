#include "ByteFormatter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using orvelane::ByteFormatLocale;
using orvelane::formatBytes;

namespace {

const ByteFormatLocale kEnglish{"en", ".", ","};
const ByteFormatLocale kTurkish{"tr", ",", "."};

TEST(FormatBytes, ZeroIsSpelledOutInEachLanguage)
{
    EXPECT_EQ(formatBytes(0, kEnglish), "Zero bytes");
    EXPECT_EQ(formatBytes(0, kTurkish), "Sıfır bayt");
}

TEST(FormatBytes, UnitsAreDecimalMultiples)
{
    EXPECT_EQ(formatBytes(1, kEnglish), "1 byte");
    EXPECT_EQ(formatBytes(999, kEnglish), "999 bytes");
    EXPECT_EQ(formatBytes(1000, kEnglish), "1 kB");
    EXPECT_EQ(formatBytes(1024, kEnglish), "1 kB");
    EXPECT_EQ(formatBytes(1'000'000, kEnglish), "1 MB");
    EXPECT_EQ(formatBytes(1'048'576, kEnglish), "1 MB");
    EXPECT_EQ(formatBytes(1'000'000'000, kEnglish), "1 GB");
}

TEST(FormatBytes, FractionDigitsGrowWithTheUnitAndTrailingZerosAreDropped)
{
    EXPECT_EQ(formatBytes(1'499, kEnglish), "1 kB");
    EXPECT_EQ(formatBytes(1'500, kEnglish), "2 kB");
    EXPECT_EQ(formatBytes(1'550'000, kEnglish), "1.6 MB");
    EXPECT_EQ(formatBytes(2'000'001, kEnglish), "2 MB");
    EXPECT_EQ(formatBytes(1'500'000'000, kEnglish), "1.5 GB");
    EXPECT_EQ(formatBytes(1'234'567'890, kEnglish), "1.23 GB");
    EXPECT_EQ(formatBytes(1'205'000'000, kEnglish), "1.21 GB");
    EXPECT_EQ(formatBytes(1'050'000'000, kEnglish), "1.05 GB") << "only trailing zeros go";
    EXPECT_EQ(formatBytes(1'005'000'000, kEnglish), "1.01 GB");
    EXPECT_EQ(formatBytes(2'500'000'000'000, kEnglish), "2.5 TB");
}

TEST(FormatBytes, LargeValuesPickAFittingUnit)
{
    EXPECT_EQ(formatBytes(7'250'000'000'000, kEnglish), "7.25 TB");
    EXPECT_EQ(formatBytes(999'000'000'000'000, kEnglish), "999 TB");
    EXPECT_EQ(formatBytes(3'000'000'000'000'000, kEnglish), "3 PB");
    EXPECT_EQ(formatBytes(std::numeric_limits<std::int64_t>::max(), kEnglish), "9.22 EB");
}

TEST(FormatBytes, RoundingUpToAThousandMovesToTheNextUnit)
{
    EXPECT_EQ(formatBytes(999'999, kEnglish), "1 MB");
    EXPECT_EQ(formatBytes(999'499, kEnglish), "999 kB");
    EXPECT_EQ(formatBytes(999'960'000, kEnglish), "1 GB");
}

TEST(FormatBytes, TurkishUsesDecimalCommaAndTurkishUnitWords)
{
    EXPECT_EQ(formatBytes(1'500'000'000, kTurkish), "1,5 GB");
    EXPECT_EQ(formatBytes(1'550'000, kTurkish), "1,6 MB");
    EXPECT_EQ(formatBytes(999, kTurkish), "999 bayt");
    EXPECT_EQ(formatBytes(1000, kTurkish), "1 kB");
    EXPECT_EQ(formatBytes(12'340'000'000'000, kTurkish), "12,34 TB");
    EXPECT_EQ(orvelane::formatCount(12'408, kTurkish), "12.408");
    EXPECT_EQ(orvelane::formatCount(12'408, kEnglish), "12,408");
    EXPECT_EQ(orvelane::formatCount(408, kEnglish), "408");
}

TEST(FormatBytes, NegativeValuesAndExtremesNeverCrash)
{
    EXPECT_EQ(formatBytes(-1'500'000, kEnglish), "-1.5 MB");
    EXPECT_EQ(formatBytes(-1, kEnglish), "-1 byte");
    EXPECT_EQ(formatBytes(std::numeric_limits<std::int64_t>::min(), kEnglish), "-9.22 EB");
    EXPECT_EQ(orvelane::formatCount(std::numeric_limits<std::int64_t>::min(), kEnglish),
              "-9,223,372,036,854,775,808");
}

TEST(FormatBytes, ReadsTheInstalledLocaleOnEveryCall)
{
    ByteFormatLocale current = kEnglish;
    orvelane::installByteFormatLocaleProvider([&current] { return current; });
    EXPECT_EQ(formatBytes(1'500'000'000), "1.5 GB");
    current = kTurkish;
    EXPECT_EQ(formatBytes(1'500'000'000), "1,5 GB");
    orvelane::installByteFormatLocaleProvider(nullptr);
    EXPECT_EQ(formatBytes(1'500'000'000), "1.5 GB");
}

} // namespace
