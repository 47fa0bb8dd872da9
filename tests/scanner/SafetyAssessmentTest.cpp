// Safety levels at their exact age boundaries, and the hints.

#include "Layout.h"
#include "SafetyAssessment.h"

#include <gtest/gtest.h>

namespace orvelane {
namespace {

using namespace std::chrono_literals;
using JunkScanner::SafetyJudgement;

const Date kNow = Date(std::chrono::seconds(1'750'000'000));
const SafetyJudgement kRecent{SafetyLevel::review, SafetyReason::recentlyActive};
const SafetyJudgement kOld{SafetyLevel::safe, SafetyReason::oldRegenerable};

SafetyJudgement judged(CategoryKind kind, std::optional<Date> modified,
                       const char* path = "/h/Library/Caches/app")
{
    return JunkScanner::safetyAssessment(kind, path, modified, kNow);
}

TEST(SafetyAssessment, RegenerableDataIsRecentBelowItsThresholdAndSafeFromItOn)
{
    const std::pair<CategoryKind, std::chrono::seconds> thresholds[] = {{CategoryKind::caches, 604800s},
                                                                        {CategoryKind::logs, 1209600s},
                                                                        {CategoryKind::xcode, 259200s},
                                                                        {CategoryKind::devCaches, 1209600s}};
    for (const auto& [kind, threshold] : thresholds) {
        SCOPED_TRACE(std::string(rawValue(kind)));
        EXPECT_EQ(judged(kind, kNow - threshold), kOld);          // exactly at it is not below it
        EXPECT_EQ(judged(kind, kNow - threshold + 1ns), kRecent); // the smallest step below
        EXPECT_EQ(judged(kind, kNow + 1h), kRecent);              // the future is a negative age
        EXPECT_EQ(judged(kind, std::nullopt), kOld);
    }
    EXPECT_EQ(judged(CategoryKind::caches, kNow - (6 * 24h + 23h)), kRecent);
    EXPECT_EQ(judged(CategoryKind::xcode, kNow - 8 * 24h), kOld);
    EXPECT_EQ(judged(CategoryKind::logs, kNow - 8 * 24h), kRecent);
}

TEST(SafetyAssessment, TheMediaAnalysisStoreIsExpensiveHoweverOldButOnlyWhereDatesMatter)
{
    const SafetyJudgement expensive{SafetyLevel::review, SafetyReason::expensiveToRegenerate};
    const auto years = kNow - 5 * 365 * 24h;
    EXPECT_EQ(judged(CategoryKind::caches, years, "/h/Library/Caches/com.apple.MediaAnalysisD"), expensive);
    EXPECT_EQ(judged(CategoryKind::devCaches, years, "/h/MEDIAANALYSIS/.cache"),
              expensive); // anywhere in the path
    EXPECT_EQ(judged(CategoryKind::caches, years, "/h/Library/Caches/media-analysis"), kOld);
    EXPECT_EQ(judged(CategoryKind::downloads, years, "/h/Downloads/mediaanalysis.zip"),
              (SafetyJudgement{SafetyLevel::review, SafetyReason::userFile}));
}

TEST(ActionHint, NamesTheToolThatManagesOrRebuildsTheData)
{
    using JunkScanner::actionHint;
    EXPECT_EQ(actionHint(JunkScanner::activeLayout(), CategoryKind::insights, "/h/Library/Developer/CoreSimulator/Devices"),
              "xcrun simctl delete unavailable");
    EXPECT_EQ(actionHint(JunkScanner::activeLayout(), CategoryKind::insights, "/h/Library/Application Support/MobileSync/Backup"),
              "Finder \u2192 device \u2192 Manage Backups\u2026");
    EXPECT_EQ(actionHint(JunkScanner::activeLayout(), CategoryKind::insights, "/h/Library/Developer/CoreSimulator/devices"), std::nullopt);
    EXPECT_EQ(actionHint(JunkScanner::activeLayout(), CategoryKind::devArtifacts, "/h/.terraform.d/plugin-cache"), "terraform init");
    EXPECT_EQ(actionHint(JunkScanner::activeLayout(), CategoryKind::caches, "/h/Library/Caches/node_modules"), std::nullopt);
    EXPECT_EQ(actionHint(JunkScanner::activeLayout(), CategoryKind::xcode, "/h/Library/Developer/CoreSimulator/Devices"), std::nullopt);
}

} // namespace
} // namespace orvelane
