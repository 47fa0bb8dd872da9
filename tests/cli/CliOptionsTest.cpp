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
    EXPECT_EQ(parse({"scan", "--bogus", "--help"}).options->command, Command::help);
    EXPECT_EQ(parse({}).options->command, Command::help);
}

} // namespace
