#include "CategoryKind.h"
#include "DisplayText.h"
#include "SafetyVocabulary.h"

#include <gtest/gtest.h>

#include <map>

using namespace orvelane;

namespace {

TEST(CategoryKind, CatalogueOrderAndRawValues)
{
    ASSERT_EQ(allCategoryKinds.size(), 8u);
    const char* expected[] = {"caches",       "logs",      "xcode", "devCaches",
                              "devArtifacts", "downloads", "trash", "insights"};
    for (std::size_t i = 0; i < allCategoryKinds.size(); ++i) {
        EXPECT_EQ(rawValue(allCategoryKinds[i]), expected[i]);
        EXPECT_EQ(id(allCategoryKinds[i]), expected[i]);
    }
}

TEST(CategoryKind, ConstructionFromRawValueIsExactAndCaseSensitive)
{
    for (CategoryKind kind : allCategoryKinds)
        EXPECT_EQ(categoryKindFromRawValue(rawValue(kind)), kind);
    EXPECT_EQ(categoryKindFromRawValue("devArtifacts"), CategoryKind::devArtifacts);
    EXPECT_FALSE(categoryKindFromRawValue("DevArtifacts"));
    EXPECT_FALSE(categoryKindFromRawValue("dev_artifacts"));
    EXPECT_FALSE(categoryKindFromRawValue("devartifacts"));
    EXPECT_FALSE(categoryKindFromRawValue(""));
    EXPECT_FALSE(categoryKindFromRawValue("caches "));
}

TEST(CategoryKind, EnglishTitlesAndSubtitlesWithoutATable)
{
    installTextLookup(nullptr);
    EXPECT_EQ(title(CategoryKind::xcode), "Xcode Junk");
    EXPECT_EQ(subtitle(CategoryKind::trash), "Items here are deleted PERMANENTLY and cannot be recovered!");
    EXPECT_EQ(subtitle(CategoryKind::devArtifacts),
              "Regenerable project folders (.terraform, node_modules\u2026). Safe to remove, but you'll need to "
              "rebuild \u2014 check the date first.");
}

TEST(CategoryKind, DisplayTextsAreLookedUpOnEveryRead)
{
    std::map<std::string, std::string, std::less<>> table{{"Xcode Junk", "Xcode Artıkları"}};
    installTextLookup([&table](std::string_view key) {
        const auto found = table.find(key);
        return found == table.end() ? std::string() : found->second;
    });
    EXPECT_EQ(title(CategoryKind::xcode), "Xcode Artıkları");
    // A key the table lacks falls back to the English text.
    EXPECT_EQ(title(CategoryKind::logs), "Log Files");
    table["Xcode Junk"] = "Changed";
    EXPECT_EQ(title(CategoryKind::xcode), "Changed");
    installTextLookup(nullptr);
    EXPECT_EQ(title(CategoryKind::xcode), "Xcode Junk");
}

TEST(CategoryKind, OnlyTrashIsPermanentAndOnlyInsightsIsGuidance)
{
    for (CategoryKind kind : allCategoryKinds) {
        EXPECT_EQ(isDeletedPermanently(kind), kind == CategoryKind::trash);
        EXPECT_EQ(isGuidanceOnly(kind), kind == CategoryKind::insights);
    }
}

TEST(SafetyVocabulary, RawValuesRoundTripExactly)
{
    for (SafetyLevel level : allSafetyLevels)
        EXPECT_EQ(safetyLevelFromRawValue(rawValue(level)), level);
    for (SafetyReason reason : allSafetyReasons)
        EXPECT_EQ(safetyReasonFromRawValue(rawValue(reason)), reason);
    for (SkipReason reason : allSkipReasons)
        EXPECT_EQ(skipReasonFromRawValue(rawValue(reason)), reason);
    EXPECT_EQ(rawValue(SafetyLevel::protected_), "protected");
    EXPECT_EQ(safetyLevelFromRawValue("protected"), SafetyLevel::protected_);
    EXPECT_FALSE(safetyLevelFromRawValue("Protected"));
    EXPECT_FALSE(safetyReasonFromRawValue("PermanentDeletion"));
    EXPECT_EQ(rawValue(SafetyReason::managedByAnotherTool), "managedByAnotherTool");
    EXPECT_EQ(rawValue(SkipReason::excludedByUser), "excludedByUser");
    EXPECT_FALSE(skipReasonFromRawValue("ExcludedByUser"));
}

TEST(SafetyVocabulary, EnglishTexts)
{
    installTextLookup(nullptr);
    EXPECT_EQ(explanation(SkipReason::belowSizeThreshold), "Below the display threshold");
    EXPECT_EQ(explanation(SkipReason::excludedByUser), "Excluded by you");
    EXPECT_EQ(title(SafetyLevel::protected_), "Protected");
    EXPECT_EQ(explanation(SafetyReason::recentlyActive),
              "Recently active \u2014 close the related app and review before cleaning.");
    EXPECT_EQ(explanation(SafetyReason::userFile),
              "This is one of your files; Orvelane cannot determine whether you still need it.");
}

TEST(SafetyVocabulary, HashingFollowsTheRawValue)
{
    EXPECT_EQ(std::hash<SafetyLevel>{}(SafetyLevel::review), std::hash<std::string_view>{}("review"));
    EXPECT_EQ(std::hash<SkipReason>{}(SkipReason::emptyOrInaccessible),
              std::hash<std::string_view>{}("emptyOrInaccessible"));
}

} // namespace
