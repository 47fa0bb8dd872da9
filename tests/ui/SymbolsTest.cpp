#include "CategoryKind.h"
#include "CategoryStyle.h"
#include "Symbols.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unordered_set>

using namespace orvelane;

namespace {

// Every symbol a view or model names, and it must be drawable.
const char* const kSymbolsInUse[] = {
    "internaldrive", "doc.text", "hammer", "shippingbox", "chevron.left.forwardslash.chevron.right",
    "arrow.down.circle", "trash", "chart.bar.doc.horizontal", "arrow.clockwise", "checkmark.seal.fill",
    "exclamationmark.triangle.fill", "globe", "lock.shield", "shield.checkered", "sparkles", "terminal",
    "trash.slash",
};

TEST(Symbols, EveryNamedSymbolHasALigature)
{
    for (const char* name : kSymbolsInUse)
        EXPECT_FALSE(orvelane::materialLigature(name).empty()) << name;
    for (orvelane::CategoryKind kind : orvelane::allCategoryKinds)
        EXPECT_FALSE(orvelane::materialLigature(orvelane::CategoryStyle::symbolName(kind)).empty()) << orvelane::rawValue(kind);
    EXPECT_TRUE(orvelane::materialLigature("no.such.symbol").empty());
}

TEST(Symbols, LigaturesExistInTheInstalledIconFont)
{
    // The font package ships its ligature names; a ligature missing there would draw as plain text.
    const std::filesystem::path names =
        "/usr/share/fonts-material-design-icons-iconfont/scss/_variables.scss";
    if (!std::filesystem::exists(names))
        GTEST_SKIP() << "icon font package not installed";
    std::ifstream in(names);
    std::stringstream content;
    content << in.rdbuf();
    for (std::string_view name : orvelane::knownSymbolNames()) {
        const std::string entry = "\"" + std::string(orvelane::materialLigature(name)) + "\":";
        EXPECT_NE(content.str().find(entry), std::string::npos) << name;
    }
}

TEST(CategoryStyle, IconsAndColours)
{
    EXPECT_EQ(CategoryStyle::symbolName(CategoryKind::caches), "internaldrive");
    EXPECT_EQ(CategoryStyle::symbolName(CategoryKind::devArtifacts), "chevron.left.forwardslash.chevron.right");
    EXPECT_EQ(CategoryStyle::accent(CategoryKind::caches), (Color{0.03, 0.48, 0.85, 1.0}));
    std::unordered_set<double> reds;
    for (CategoryKind kind : allCategoryKinds)
        reds.insert(CategoryStyle::accent(kind).red * 1000 + CategoryStyle::accent(kind).green * 10 + CategoryStyle::accent(kind).blue);
    EXPECT_EQ(reds.size(), 8u) << "every category has its own accent";
}

} // namespace
