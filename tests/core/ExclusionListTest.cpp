// Never-offer-again paths: exactly the path, byte for byte, or whole components below it; no
// folding of case or Unicode under any locale, bytes that are not UTF-8 included.

#include "ExclusionList.h"
#include "HexBytes.h"
#include "PlainPath.h"

#include <gtest/gtest.h>

namespace orvelane {
namespace {

TEST(ExclusionList, APathExcludesItselfAndWholeComponentsBelow)
{
    const ExclusionList list({"/home/u/.cache/pip", "/home/u/Projects/app/node_modules"});
    EXPECT_TRUE(list.excludes("/home/u/.cache/pip"));
    EXPECT_TRUE(list.excludes("/home/u/.cache/pip/http/x"));
    EXPECT_TRUE(list.excludes("/home/u//.cache/pip/"));
    EXPECT_TRUE(list.excludes("/home/u/./.cache/pip"));
    EXPECT_FALSE(list.excludes("/home/u/.cache/pipx"));
    EXPECT_FALSE(list.excludes("/home/u/.cache/pi"));
    EXPECT_FALSE(list.excludes("/home/u/.cache")) << "a folder holding an excluded path is not excluded";
    EXPECT_FALSE(list.excludes("/home/u/Projects/app/node_modules.bak"));
    EXPECT_FALSE(list.excludes("/home/u/.cache/pip/../other")) << "no path with ..";
    EXPECT_FALSE(list.excludes(".cache/pip"));
    EXPECT_FALSE(ExclusionList().excludes("/home/u/x"));
}

TEST(ExclusionList, BytesAreComparedAsTheyAre)
{
    const ExclusionList list({"/home/u/Downloads/caf\xE9.iso", "/home/u/İndirilenler", "/home/u/Music"});
    EXPECT_TRUE(list.excludes("/home/u/Downloads/caf\xE9.iso"));
    EXPECT_FALSE(list.excludes("/home/u/Downloads/caf\xC3\xA9.iso")) << "the UTF-8 spelling is another name";
    EXPECT_FALSE(list.excludes("/home/u/Downloads/caf\xE8.iso"));
    EXPECT_TRUE(list.excludes("/home/u/İndirilenler/setup.run"));
    EXPECT_FALSE(list.excludes("/home/u/indirilenler"));
    EXPECT_FALSE(list.excludes("/home/u/I\xCC\x87ndirilenler")) << "no Unicode normalisation";
    EXPECT_FALSE(list.excludes("/home/u/music"));
    EXPECT_FALSE(list.excludes("/home/u/MUSIC"));
}

TEST(ExclusionList, AddingAndRemovingKeepEachPathOnceAndRemoveExactlyIt)
{
    ExclusionList list;
    EXPECT_TRUE(list.add("/home/u/a/"));
    EXPECT_FALSE(list.add("/home/u//a")) << "the same path spelled otherwise";
    EXPECT_FALSE(list.add("relative/path"));
    EXPECT_FALSE(list.add("/home/u/../root"));
    EXPECT_FALSE(list.add(""));
    EXPECT_TRUE(list.add("/home/u/a/b"));
    EXPECT_EQ(list.paths(), (std::vector<std::filesystem::path>{"/home/u/a", "/home/u/a/b"}));

    EXPECT_FALSE(list.remove("/home/u/a/b/c")) << "only listed paths are removed";
    EXPECT_TRUE(list.remove("/home/u/a/"));
    EXPECT_TRUE(list.excludes("/home/u/a/b/c")) << "the path below stays excluded";
    EXPECT_FALSE(list.excludes("/home/u/a/c"));
    EXPECT_FALSE(list.remove("/home/u/a"));
    EXPECT_EQ(ExclusionList({"/x", "/x/", "y", "/z"}).paths(), (std::vector<std::filesystem::path>{"/x", "/z"}));
}

TEST(PlainPath, ComponentsAreWholeAndPlain)
{
    EXPECT_EQ(plainPath("//a///b/./c/"), std::filesystem::path("/a/b/c"));
    EXPECT_EQ(plainPath("/"), std::filesystem::path("/"));
    EXPECT_EQ(plainPath("/a/../b"), std::nullopt);
    EXPECT_EQ(plainPath("a/b"), std::nullopt);
    EXPECT_TRUE(isSameOrBelow("/a/b", "/a/b/"));
    EXPECT_TRUE(isStrictlyBelow("/a/b/c", "/a/b"));
    EXPECT_FALSE(isStrictlyBelow("/a/b", "/a/b"));
    EXPECT_FALSE(isSameOrBelow("/a/bc", "/a/b"));
    EXPECT_TRUE(isStrictlyBelow("/a", "/"));
    EXPECT_FALSE(isSameOrBelow("/a/b/../../etc", "/a"));
}

TEST(HexBytes, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    EXPECT_EQ(hexDecoded(hexEncoded(all)), all);
    EXPECT_EQ(hexEncoded("/\xE9\n"), "2fe90a");
    EXPECT_EQ(hexDecoded("2FE90A"), std::string("/\xE9\n"));
    EXPECT_EQ(hexDecoded("2f6"), std::nullopt);
    EXPECT_EQ(hexDecoded("2g"), std::nullopt);
    EXPECT_EQ(hexDecoded(" 2f"), std::nullopt);
    EXPECT_EQ(hexDecoded(""), std::string());
}

} // namespace
} // namespace orvelane
