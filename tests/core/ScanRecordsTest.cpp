#include "ScanRecords.h"

#include <gtest/gtest.h>

#include <unordered_set>

using namespace orvelane;

namespace {

ScannedItem sampleItem()
{
    return ScannedItem{"/home/u/Library/Caches/com.example", "com.example", 4096,
                       Date{std::chrono::seconds(1'700'000'000)}, SafetyLevel::safe,
                       SafetyReason::oldRegenerable, std::nullopt, 42};
}

TEST(ScannedItem, IdentityIsThePathWhileEqualityCoversEveryField)
{
    const ScannedItem a = sampleItem();
    ScannedItem b = a;
    EXPECT_EQ(a, b);
    EXPECT_EQ(std::hash<ScannedItem>{}(a), std::hash<ScannedItem>{}(b));

    b.actionHint = "npm install";
    EXPECT_NE(a, b);
    EXPECT_EQ(a.id(), b.id());

    ScannedItem resized = a;
    resized.size = 8192;
    EXPECT_NE(a, resized);
    EXPECT_EQ(a.id(), resized.id());
}

TEST(ScannedItem, AbsentOptionalsCompareEqualAndHashApartFromPresentOnes)
{
    ScannedItem a = sampleItem();
    ScannedItem b = sampleItem();
    a.modified.reset();
    b.modified.reset();
    EXPECT_EQ(a, b);
    EXPECT_EQ(std::hash<ScannedItem>{}(a), std::hash<ScannedItem>{}(b));

    ScannedItem withZeroID = sampleItem();
    withZeroID.inode = 0;
    ScannedItem withoutID = sampleItem();
    withoutID.inode.reset();
    EXPECT_NE(withZeroID, withoutID);
    EXPECT_NE(std::hash<ScannedItem>{}(withZeroID), std::hash<ScannedItem>{}(withoutID));

    ScannedItem dated = sampleItem();
    dated.projectTouched = Date{};
    EXPECT_NE(dated, sampleItem());
    EXPECT_NE(std::hash<ScannedItem>{}(dated), std::hash<ScannedItem>{}(sampleItem()));

    ScannedItem emptyHint = sampleItem();
    emptyHint.actionHint = "";
    EXPECT_NE(emptyHint, sampleItem());
    EXPECT_NE(std::hash<ScannedItem>{}(emptyHint), std::hash<ScannedItem>{}(sampleItem()));
}

TEST(SkippedItem, SizeAbsentDiffersFromSizeZero)
{
    const SkippedItem absent{"/home/u/.Trash/x", "x", std::nullopt, SkipReason::emptyOrInaccessible};
    const SkippedItem zero{"/home/u/.Trash/x", "x", 0, SkipReason::emptyOrInaccessible};
    EXPECT_NE(absent, zero);
    EXPECT_EQ(absent.id(), zero.id());
    EXPECT_NE(std::hash<SkippedItem>{}(absent), std::hash<SkippedItem>{}(zero));
}

TEST(ScanRecords, NonUtf8PathsKeepTheirBytes)
{
    const std::filesystem::path raw(std::string("/home/u/Downloads/caf\xE9.dmg"));
    ScannedItem a = sampleItem();
    a.path = raw;
    ScannedItem b = a;
    b.path = std::filesystem::path(std::string("/home/u/Downloads/caf\xC3\xA9.dmg"));
    EXPECT_NE(a, b) << "Latin-1 and UTF-8 spellings are different files";
    EXPECT_EQ(a.path.native(), std::string("/home/u/Downloads/caf\xE9.dmg"));
}

TEST(ScanRecords, ItemsWorkAsSetElements)
{
    std::unordered_set<ScannedItem> set{sampleItem(), sampleItem()};
    EXPECT_EQ(set.size(), 1u);
    ScannedItem other = sampleItem();
    other.safetyLevel = SafetyLevel::review;
    set.insert(other);
    EXPECT_EQ(set.size(), 2u);
}

} // namespace
