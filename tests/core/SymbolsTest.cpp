#include "CategoryKind.h"
#include "Symbols.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

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
        EXPECT_FALSE(orvelane::materialLigature(orvelane::icon(kind)).empty()) << orvelane::rawValue(kind);
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

} // namespace
