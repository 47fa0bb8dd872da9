// Every rule that compares text answers the same under any locale. This suite runs once under
// "C" and once, as a CTest entry of its own, under tr_TR.UTF-8, where the C library keeps "I"
// upper-case and prints a decimal comma.

#include "Layout.h"
#include "FakeHome.h"
#include "FileAnalysis.h"
#include "JunkScanner.h"

#include <cwctype>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>

namespace orvelane {
namespace {

using namespace std::chrono_literals;
using testing::FakeHome;
using testing::LogCapture;

TEST(LocaleIndependence, TheTurkishRunReallyHasTurkishCaseRulesAndADecimalComma)
{
    if (std::getenv("ORVELANE_REQUIRE_LOCALE") == nullptr)
        GTEST_SKIP() << "only meaningful in the run under tr_TR.UTF-8";
    // Without these the run below would pass on locale-dependent code as well.
    // Turkish case rules: capital I lower-cases to a dotless ı (a wide character), so the
    // byte-wise tolower leaves it as it is.
    EXPECT_EQ(std::towlower(L'I'), L'\u0131');
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.3f", 0.25);
    EXPECT_STREQ(printed, "0,250");
}

TEST(LocaleIndependence, UpperCaseIStillMatchesTheRulesWrittenInLowerCase)
{
    const auto old = Clock::now() - 5 * 365 * 24h;
    EXPECT_EQ(JunkScanner::safetyAssessment(CategoryKind::caches,
                                            "/h/Library/Caches/COM.APPLE.MEDIAANALYSISD", old, Clock::now()),
              (JunkScanner::SafetyJudgement{SafetyLevel::review, SafetyReason::expensiveToRegenerate}));

    FakeHome home;
    home.file("Downloads/DEBIAN.ISO", 5000); // small, but an installer
    home.file("Downloads/INSTALLER.PKG", 5000);
    home.file("Downloads/NOTES.TXT", 5000);
    home.file("Apps/FILTER.PLUGIN/Contents/MacOS/filter", 500'000); // a package: contents not counted
    home.file("Apps/readme", 4000);
    const auto downloads = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::downloads);
    EXPECT_EQ(downloads.items.size(), 2u);
    EXPECT_EQ(downloads.skipped.size(), 1u);
    EXPECT_EQ(JunkScanner::analyze(home / "Apps").size, testing::allocatedBytesByFind(home / "Apps/readme"));
}

TEST(LocaleIndependence, LogRecordsWriteSecondsWithADot)
{
    FakeHome home;
    LogCapture log;
    JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::logs);
    const auto info = log.messages(LogLevel::info);
    ASSERT_EQ(info.size(), 1u);
    EXPECT_TRUE(std::regex_search(info[0], std::regex(R"( in \d+\.\d{3}s$)"))) << info[0];
}

} // namespace
} // namespace orvelane
