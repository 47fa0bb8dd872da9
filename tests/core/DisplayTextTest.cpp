#include "DisplayText.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using orvelane::substitutePlaceholders;

namespace {

TEST(Placeholders, SubstitutedInOrderWhateverTheirKind)
{
    EXPECT_EQ(substitutePlaceholders("Move %lld items (%@) to the Trash?", {"3", "1.5 GB"}),
              "Move 3 items (1.5 GB) to the Trash?");
    EXPECT_EQ(substitutePlaceholders("Total found: %@", {"12 MB"}), "Total found: 12 MB");
    EXPECT_EQ(substitutePlaceholders("%d and %ld", {"1", "2"}), "1 and 2");
}

TEST(Placeholders, PositionalFormsReorderValues)
{
    EXPECT_EQ(substitutePlaceholders("%2$@ içinde %1$lld öğe", {"4", "Çöp"}), "Çöp içinde 4 öğe");
}

TEST(Placeholders, PercentSignsAndMissingValuesStayVisible)
{
    EXPECT_EQ(substitutePlaceholders("100%% done", {}), "100% done");
    EXPECT_EQ(substitutePlaceholders("%@ and %@", {"one"}), "one and %@");
    EXPECT_EQ(substitutePlaceholders("50% off %", {}), "50% off %");
    EXPECT_EQ(substitutePlaceholders("%9$@", {"x"}), "%9$@");
}

TEST(Placeholders, ValuesAreInsertedVerbatim)
{
    // A value that itself looks like a placeholder is not substituted again.
    EXPECT_EQ(substitutePlaceholders("Rebuild: %@", {"npm %@ install"}), "Rebuild: npm %@ install");
}

TEST(TextLookup, InstallingWhileOthersReadIsSafe)
{
    std::atomic<bool> stop{false};
    std::vector<std::thread> readers;
    for (int i = 0; i < 4; ++i)
        readers.emplace_back([&stop] {
            while (!stop.load()) {
                const std::string text = orvelane::localizedText("Scan");
                ASSERT_TRUE(text == "Scan" || text == "Tara") << text;
            }
        });
    for (int i = 0; i < 2000; ++i)
        orvelane::installTextLookup(i % 2 ? orvelane::TextLookup([](std::string_view) { return std::string("Tara"); })
                                          : orvelane::TextLookup());
    stop = true;
    for (auto& reader : readers)
        reader.join();
    orvelane::installTextLookup(nullptr);
}

} // namespace
