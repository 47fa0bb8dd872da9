#include "Layout.h"
#include "CliOptions.h"

#include <gtest/gtest.h>

using namespace orvelane;
using namespace orvelane::cli;

namespace {

ParseOutcome parse(std::vector<std::string> args) { return parseCommandLine(args); }

TEST(CliOptions, ScanTakesCategoriesJsonAndLanguage)
{
    const auto parsed = parse({"scan", "--json", "devArtifacts", "--lang", "tr", "trash"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->command, Command::scan);
    EXPECT_TRUE(parsed.options->json);
    EXPECT_EQ(parsed.options->language, "tr");
    EXPECT_EQ(parsed.options->categories, (std::vector{CategoryKind::devArtifacts, CategoryKind::trash}));
    EXPECT_TRUE(parse({"scan"}).options->categories.empty());
}

TEST(CliOptions, CleanNeedsDocumentCategoryAndPaths)
{
    const auto parsed = parse({"clean", "--from", "s.json", "downloads", "/h/a", "--", "-odd"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->document, "s.json");
    EXPECT_EQ(parsed.options->cleanCategory, CategoryKind::downloads);
    EXPECT_EQ(parsed.options->paths, (std::vector<std::filesystem::path>{"/h/a", "-odd"}));

    EXPECT_FALSE(parse({"clean", "downloads", "/h/a"}).options);
    EXPECT_FALSE(parse({"clean", "--from", "s.json", "downloads"}).options);
    EXPECT_FALSE(parse({"clean", "--from"}).options);
}

TEST(CliOptions, MistakesAreNamed)
{
    const auto unknownCategory = parse({"scan", "Downloads"});
    EXPECT_FALSE(unknownCategory.options);
    EXPECT_NE(unknownCategory.error.find("'Downloads'"), std::string::npos);
    EXPECT_FALSE(parse({"scan", "--lang", "de"}).options);
    EXPECT_FALSE(parse({"scan", "--verbose"}).options);
    EXPECT_FALSE(parse({"purge"}).options);
    EXPECT_FALSE(parse({"exclusions", "add", ""}).options) << "an empty path is not the working folder";
    EXPECT_FALSE(parse({"restore", "--", ""}).options);
    EXPECT_FALSE(parse({"undo", "--all", "--list"}).options);
    EXPECT_EQ(parse({"undo", "--all"}).options->undoScope, UndoScope::all);
    EXPECT_EQ(parse({"scan", "--bogus", "--help"}).options->command, Command::help);
    EXPECT_EQ(parse({}).options->command, Command::help);
}

} // namespace

namespace orvelane::cli {
namespace {

TEST(CliOptions, TheLayoutIsAnOptionOfBothCommandsSpelledExactly)
{
    using JunkScanner::LayoutId;
    EXPECT_EQ(parseCommandLine({"scan", "--layout", "linux"}).options->layout, LayoutId::linux);
    EXPECT_EQ(parseCommandLine({"scan"}).options->layout, std::nullopt);
    const auto clean = parseCommandLine({"clean", "--from", "s.json", "--layout=macos", "downloads", "/h/a"});
    ASSERT_TRUE(clean.options) << clean.error;
    EXPECT_EQ(clean.options->layout, LayoutId::macos);
    EXPECT_EQ(clean.options->paths, std::vector<std::filesystem::path>{"/h/a"});
    const auto afterSeparator = parseCommandLine({"clean", "--from", "s.json", "downloads", "--", "--layout"});
    ASSERT_TRUE(afterSeparator.options) << afterSeparator.error;
    EXPECT_EQ(afterSeparator.options->paths, std::vector<std::filesystem::path>{"--layout"});

    const auto capital = parseCommandLine({"scan", "--layout", "Linux"});
    EXPECT_FALSE(capital.options);
    EXPECT_EQ(capital.error, "--layout takes macos or linux, not 'Linux'");
    EXPECT_EQ(parseCommandLine({"scan", "--layout"}).error, "--layout needs a value: macos or linux");
    // The help names the categories of the layout asked for, wherever it was asked for.
    EXPECT_EQ(parseCommandLine({"--help", "--layout", "macos"}).options->layout, LayoutId::macos);
    EXPECT_EQ(parseCommandLine({"scan", "--layout=linux", "-h"}).options->layout, LayoutId::linux);
}

TEST(CliOptions, TheHelpListsTheCategoriesOfItsLayout)
{
    EXPECT_NE(usageText(JunkScanner::linuxLayout()).find("\nCategories: caches logs devCaches devArtifacts downloads trash insights\n"),
              std::string::npos);
    EXPECT_NE(usageText(JunkScanner::macLayout()).find("\nCategories: caches logs xcode devCaches devArtifacts downloads trash insights\n"),
              std::string::npos);
}

} // namespace
} // namespace orvelane::cli
