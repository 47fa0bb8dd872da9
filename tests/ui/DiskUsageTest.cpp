// The disk bar's arithmetic: whatever the disk and the scan report, the bar's stretches fill it
// exactly, none is negative or wider than the bar, and no share of the disk is claimed that the
// figures cannot back.
#include "DiskUsage.h"
#include "Localizer.h"
#include "ShareText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <ostream>

namespace orvelane {
namespace {

using Part = DiskUsageSegment::Part;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

struct DiskRow
{
    const char* what;
    std::int64_t available;
    std::int64_t total;
    CategoryTotals reclaimable;
    bool drawn;                          // a bar at all
    std::vector<Part> parts;             // the stretches, in drawing order
    bool fits;                           // shares of the disk can be claimed
};

const std::vector<DiskRow> kDiskRows{
    {"disk of unknown size", -1, -1, {{CategoryKind::caches, 10}}, false, {}, false},
    {"disk of no size", 0, 0, {}, false, {}, false},
    {"before a scan: used and free only", 400, 1000, {}, true, {Part::otherUse, Part::free}, true},
    {"an ordinary scan", 400, 1000, {{CategoryKind::caches, 100}, {CategoryKind::trash, 50}}, true,
     {Part::otherUse, Part::category, Part::category, Part::free}, true},
    {"a category of 0 bytes has no stretch", 400, 1000, {{CategoryKind::caches, 0}, {CategoryKind::logs, 5}}, true,
     {Part::otherUse, Part::category, Part::free}, true},
    {"a negative size counts as none", 400, 1000, {{CategoryKind::caches, -50}}, true, {Part::otherUse, Part::free}, true},
    {"reclaimable exactly what is used", 400, 1000, {{CategoryKind::downloads, 600}}, true, {Part::category, Part::free}, true},
    {"reclaimable beyond what is used (another disk)", 900, 1000,
     {{CategoryKind::downloads, 300}, {CategoryKind::trash, 100}}, true, {Part::category, Part::category, Part::free}, false},
    {"reclaimable on a full disk beyond it", 0, 1000, {{CategoryKind::downloads, 5000}}, true, {Part::category}, false},
    {"nothing free", 0, 1000, {{CategoryKind::caches, 10}}, true, {Part::otherUse, Part::category}, true},
    {"free space reported beyond the disk", 2000, 1000, {}, true, {Part::free}, true},
    {"negative free space", -5, 1000, {}, true, {Part::otherUse}, true},
    {"sizes that overflow when added", 0, kMax, {{CategoryKind::caches, kMax}, {CategoryKind::logs, kMax}}, true,
     {Part::category, Part::category}, false},
    {"a tiny category on a huge disk", 1, kMax, {{CategoryKind::logs, 1}}, true, {Part::otherUse, Part::category, Part::free}, true},
};

// A failing row names itself rather than dumping its bytes.
void PrintTo(const DiskRow& row, std::ostream* out) { *out << row.what; }

class DiskUsageRows : public ::testing::TestWithParam<DiskRow>
{
};

TEST_P(DiskUsageRows, StretchesFillTheBarAndClaimOnlyWhatHolds)
{
    const DiskRow& row = GetParam();
    const auto usage = diskUsage(row.available, row.total, row.reclaimable);
    ASSERT_EQ(usage.has_value(), row.drawn);
    if (!usage)
        return;
    std::vector<Part> parts;
    double sum = 0;
    for (const DiskUsageSegment& segment : usage->segments) {
        parts.push_back(segment.part);
        EXPECT_GE(segment.fraction, 0.0);
        EXPECT_LE(segment.fraction, 1.0);
        EXPECT_GT(segment.bytes, 0) << "a stretch of nothing is not drawn";
        sum += segment.fraction;
    }
    EXPECT_EQ(parts, row.parts);
    EXPECT_NEAR(sum, 1.0, 1e-9) << "the stretches fill the bar exactly";
    EXPECT_EQ(usage->reclaimableFits, row.fits);
    EXPECT_EQ(usage->used + usage->available, usage->total);

    for (const auto& [kind, bytes] : row.reclaimable) {
        const auto share = usage->shareOfDisk(bytes);
        EXPECT_EQ(share.has_value(), row.fits);
        if (share) {
            EXPECT_GE(*share, 0.0);
            EXPECT_LE(*share, 1.0);
        }
        // The legend keeps the true figure even where the bar squeezes the stretch.
        for (const DiskUsageSegment& segment : usage->segments) {
            if (segment.category == kind) {
                EXPECT_EQ(segment.bytes, bytes);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Disks, DiskUsageRows, ::testing::ValuesIn(kDiskRows),
                         [](const auto& info) { return "row" + std::to_string(info.index); });

TEST(DiskUsage, SqueezedCategoriesKeepTheirProportionWithinTheUsedPart)
{
    const auto usage = diskUsage(900, 1000, {{CategoryKind::downloads, 300}, {CategoryKind::trash, 100}});
    ASSERT_TRUE(usage);
    ASSERT_EQ(usage->segments.size(), 3u);
    EXPECT_NEAR(usage->segments[0].fraction / usage->segments[1].fraction, 3.0, 1e-9);
    EXPECT_NEAR(usage->segments[0].fraction + usage->segments[1].fraction, 0.1, 1e-9) << "the used tenth, no more";
}

struct WidthRow
{
    const char* what;
    std::vector<double> fractions;
    double width;
    double minimum;
};

const std::vector<WidthRow> kWidthRows{
    {"a sliver among large stretches", {0.5, 0.0001, 0.4999}, 200, 3},
    {"several slivers", {0.97, 0.01, 0.01, 0.01}, 100, 4},
    {"a sliver whose minimum pushes a small one under", {0.9, 0.07, 0.03}, 40, 4},
    {"minimums that overfill the bar", {0.2, 0.2, 0.2, 0.2, 0.2}, 10, 3},
    {"a stretch of nothing stays out", {0.6, 0.0, 0.4}, 100, 3},
    {"no bar", {0.6, 0.4}, 0, 3},
};

void PrintTo(const WidthRow& row, std::ostream* out) { *out << row.what; }

class DrawnWidthRows : public ::testing::TestWithParam<WidthRow>
{
};

TEST_P(DrawnWidthRows, EveryStretchShowsAndTogetherTheyFillTheBar)
{
    const WidthRow& row = GetParam();
    const std::vector<double> widths = drawnWidths(row.fractions, row.width, row.minimum);
    ASSERT_EQ(widths.size(), row.fractions.size());
    const double sum = std::accumulate(widths.begin(), widths.end(), 0.0);
    EXPECT_NEAR(sum, std::max(row.width, 0.0), 1e-9);
    const bool roomForMinimums =
        std::count_if(row.fractions.begin(), row.fractions.end(), [](double f) { return f > 0; }) * row.minimum < row.width;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        EXPECT_GE(widths[i], 0.0);
        if (row.fractions[i] <= 0 || row.width <= 0) {
            EXPECT_EQ(widths[i], 0.0);
        } else if (roomForMinimums) {
            EXPECT_GE(widths[i], row.minimum - 1e-9) << "stretch " << i;
        }
    }
    // Squeezing never reorders: a larger stretch is never drawn narrower than a smaller one.
    for (std::size_t i = 0; i < widths.size(); ++i) {
        for (std::size_t j = 0; j < widths.size(); ++j) {
            if (row.fractions[i] > row.fractions[j]) {
                EXPECT_GE(widths[i], widths[j] - 1e-9);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Bars, DrawnWidthRows, ::testing::ValuesIn(kWidthRows),
                         [](const auto& info) { return "row" + std::to_string(info.index); });

struct ShareRow
{
    double fraction;
    const char* english;
    const char* turkish;
};

// Turkish puts the sign first and writes a decimal comma; a sliver is "under", never "0".
const std::vector<ShareRow> kShareRows{
    {0.013, "1.3 %", "%1,3"},
    {0.5, "50 %", "%50"},
    {0.0004, "under 0.1 %", "%0,1'den az"},
    {0.0, "0 %", "%0"},
    {0.99996, "99.9 %", "%99,9"},
    {1.0, "100 %", "%100"},
    {1.7, "100 %", "%100"},
    {-0.2, "0 %", "%0"},
    {std::nan(""), "0 %", "%0"},
};

void PrintTo(const ShareRow& row, std::ostream* out) { *out << row.fraction; }

class ShareTextRows : public ::testing::TestWithParam<ShareRow>
{
protected:
    void TearDown() override { Localizer::shared().setLanguage(Localizer::Language::en); }
};

TEST_P(ShareTextRows, PercentIsWrittenAsTheLanguageWritesIt)
{
    const ShareRow& row = GetParam();
    Localizer::shared().setLanguage(Localizer::Language::en);
    EXPECT_EQ(ShareText::percent(row.fraction), row.english);
    Localizer::shared().setLanguage(Localizer::Language::tr);
    EXPECT_EQ(ShareText::percent(row.fraction), row.turkish);
}

INSTANTIATE_TEST_SUITE_P(Shares, ShareTextRows, ::testing::ValuesIn(kShareRows),
                         [](const auto& info) { return "row" + std::to_string(info.index); });

} // namespace
} // namespace orvelane
