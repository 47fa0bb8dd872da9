#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace orvelane {

/**
 * @brief The paths the user asked never to be offered again.
 *
 * A path is excluded when it is one of the list's paths, byte for byte, or lies below one,
 * whole component by whole component: "/a/b" excludes "/a/b/c" but not "/a/bc". Nothing is
 * folded: no case, no Unicode normalisation, no link resolution, so a name that is not valid
 * UTF-8 matches exactly itself. Doubled and trailing separators and "." components name the
 * same path and are dropped; relative paths and paths with ".." are not accepted.
 */
class ExclusionList
{
public:
    ExclusionList() = default;
    /// The usable paths of `paths`, each once, in the order given.
    explicit ExclusionList(const std::vector<std::filesystem::path>& paths);

    /// The path as the list keeps it, or nothing when it cannot be excluded.
    static std::optional<std::filesystem::path> normalized(const std::filesystem::path& path);

    bool excludes(const std::filesystem::path& path) const;
    /// Adds the path; false when it is unusable or already listed.
    bool add(const std::filesystem::path& path);
    /// Removes exactly this path (not paths below it); false when it was not listed.
    bool remove(const std::filesystem::path& path);

    const std::vector<std::filesystem::path>& paths() const { return paths_; }
    bool empty() const { return paths_.empty(); }

private:
    std::vector<std::filesystem::path> paths_;
};

} // namespace orvelane
