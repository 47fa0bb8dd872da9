// Sizes are what removing an item frees: a hard-linked file counts once, and not at all while
// one of its links lies outside the item. Checked against find's and du's own counts.

#include "Layout.h"
#include "FakeHome.h"
#include "FileAnalysis.h"
#include "HardLinkLedger.h"
#include "JunkScanner.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <unistd.h>

namespace orvelane {
namespace {

using JunkScanner::analyze;
using testing::FakeHome;
namespace fs = std::filesystem;

constexpr std::int64_t kMiB = 1'048'576;

void hardLink(const fs::path& existing, const fs::path& added)
{
    fs::create_directories(added.parent_path());
    ASSERT_EQ(::link(existing.c_str(), added.c_str()), 0) << added;
}

TEST(HardLinks, LinksThatAllLieInsideCountTheirFileOnce)
{
    FakeHome home;
    const auto big = home.allocated("Library/Caches/app/blob", 3 * kMiB);
    hardLink(big, home / "Library/Caches/app/copy");
    hardLink(big, home / "Library/Caches/app/deeper/still/third");
    home.file("Library/Caches/app/own", 20'000);

    const auto size = analyze(home / "Library/Caches/app").size;
    EXPECT_EQ(size, testing::fileBytesByDuOneFileSystem(home / "Library/Caches/app"));
    EXPECT_EQ(size, testing::freedBytesByFind(home / "Library/Caches/app"));
    EXPECT_EQ(size, 3 * kMiB + testing::allocatedBytesByFind(home / "Library/Caches/app/own"));
}

TEST(HardLinks, AFileLinkedFromOutsideFreesNothingAsInAPnpmStore)
{
    FakeHome home;
    // pnpm keeps one copy of every package file in its store and links it into each project.
    for (int i = 0; i < 40; ++i) {
        const auto stored =
            home.file("Library/pnpm/store/v3/files/" + std::to_string(i % 7) + "/f" + std::to_string(i),
                      30'000 + 1000 * static_cast<std::size_t>(i));
        hardLink(stored, home / ("code/web/node_modules/.pnpm/pkg" + std::to_string(i) + "/index.js"));
        if (i % 4 == 0) // a second project shares the same file
            hardLink(stored, home / ("code/api/node_modules/.pnpm/pkg" + std::to_string(i) + "/index.js"));
    }
    home.file("code/web/node_modules/.modules.yaml", 9000);     // the project's own file
    home.allocated("Library/pnpm/store/v3/files/unused", kMiB); // in the store only

    EXPECT_EQ(analyze(home / "code/web/node_modules").size,
              testing::allocatedBytesByFind(home / "code/web/node_modules/.modules.yaml"));
    EXPECT_EQ(analyze(home / "code/web/node_modules").size,
              testing::freedBytesByFind(home / "code/web/node_modules"));
    EXPECT_EQ(analyze(home / "code/api/node_modules").size, 0);
    EXPECT_EQ(analyze(home / "Library/pnpm/store").size, kMiB);
    EXPECT_EQ(analyze(home / "Library/pnpm/store").size,
              testing::freedBytesByFind(home / "Library/pnpm/store"));
    // The whole home holds every link: there each file counts exactly once, as du counts it.
    EXPECT_EQ(analyze(home.root()).size, testing::fileBytesByDuOneFileSystem(home.root()));
}

TEST(HardLinks, ACargoTargetWithLinkedBinariesCountsWhatRemovingItFrees)
{
    FakeHome home;
    home.file("code/tool/Cargo.toml");
    const auto binary = home.allocated("code/tool/target/debug/deps/tool-3f9a1c", 6 * kMiB);
    hardLink(binary, home / "code/tool/target/debug/tool"); // cargo links the final artefact
    const auto library = home.allocated("code/tool/target/debug/deps/libtool-3f9a1c.rlib", 6 * kMiB);
    hardLink(library, home / "code/tool/target/debug/libtool.rlib");
    for (int i = 0; i < 30; ++i)
        home.file("code/tool/target/debug/incremental/tool-1/s-" + std::to_string(i), 7000);
    const auto target = home / "code/tool/target";
    EXPECT_EQ(analyze(target).size, testing::fileBytesByDuOneFileSystem(target));
    EXPECT_EQ(analyze(target).size, testing::freedBytesByFind(target));

    // Installed by hand with `ln` into ~/bin: that binary stays, so it no longer counts.
    hardLink(binary, home / "bin/tool");
    EXPECT_EQ(analyze(target).size, testing::freedBytesByFind(target));
    EXPECT_EQ(analyze(target).size, testing::fileBytesByDuOneFileSystem(target) - 6 * kMiB);

    const auto scanned = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::devArtifacts);
    ASSERT_EQ(scanned.items.size(), 1u);
    EXPECT_EQ(scanned.items[0].size, analyze(target).size);
}

TEST(HardLinks, AFileItemWithASecondLinkElsewhereFreesNothing)
{
    FakeHome home;
    const auto iso = home.allocated("Downloads/debian.iso", 12 * kMiB);
    EXPECT_EQ(analyze(iso).size, 12 * kMiB);
    hardLink(iso, home / "Documents/keep.iso");
    EXPECT_EQ(analyze(iso).size, 0);
    EXPECT_NE(analyze(iso).modified, std::nullopt);
    const auto scanned = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::downloads);
    EXPECT_TRUE(scanned.items.empty());
    ASSERT_EQ(scanned.skipped.size(), 1u);
    EXPECT_EQ(scanned.skipped[0].reason, SkipReason::emptyOrInaccessible);
}

TEST(HardLinkLedger, AgreesWithAPlainCountOverManyInterleavedFiles)
{
    // Enough files to grow the table several times and to shift many probe runs on removal.
    std::mt19937_64 random(7);
    struct File
    {
        std::uint64_t number;
        std::uint64_t links;
        std::uint64_t linksInside;
        std::int64_t bytes;
    };
    std::vector<File> files;
    std::vector<std::size_t> sightings;
    for (std::size_t i = 0; i < 20'000; ++i) {
        const std::uint64_t links = 1 + random() % 4;
        const std::uint64_t inside = 1 + random() % links;
        // Consecutive and clustered numbers, as file systems hand them out.
        files.push_back(
            {1000 + i * (i % 3 == 0 ? 1 : 4096), links, inside, std::int64_t(4096 * (1 + random() % 50))});
        for (std::uint64_t k = 0; k < inside; ++k)
            sightings.push_back(i);
    }
    std::shuffle(sightings.begin(), sightings.end(), random);

    JunkScanner::HardLinkLedger ledger;
    for (const auto i : sightings)
        ledger.record(files[i].number, files[i].links, files[i].bytes);

    std::int64_t expected = 0;
    std::size_t pending = 0;
    for (const auto& file : files) {
        expected += file.linksInside == file.links ? file.bytes : 0;
        pending += file.linksInside == file.links ? 0 : 1;
    }
    EXPECT_EQ(ledger.completeBytes(), expected);
    EXPECT_EQ(ledger.pendingFiles(), pending); // completed files are let go
}

TEST(HardLinkLedger, HoldsNothingForSingleLinkFilesAndSaturates)
{
    JunkScanner::HardLinkLedger ledger;
    for (std::uint64_t i = 1; i <= 50'000; ++i)
        ledger.record(i, 1, 4096);
    EXPECT_EQ(ledger.pendingFiles(), 0u);
    EXPECT_EQ(ledger.completeBytes(), 50'000 * 4096);
    ledger.record(9, 2, INT64_MAX);
    ledger.record(9, 2, INT64_MAX);
    EXPECT_EQ(ledger.completeBytes(), INT64_MAX);
    EXPECT_EQ(ledger.pendingFiles(), 0u);
}

} // namespace
} // namespace orvelane
