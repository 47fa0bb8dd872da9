#pragma once

#include "Layout.h"

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

namespace orvelane::JunkScanner {

/**
 * @brief The folders a layout's locations are written relative to, for one home folder.
 *
 * Every folder is written below `root`: the home folder as given for the candidate search, its
 * real location (links resolved) for validation, so that the two forms never mix. A base
 * folder that lies outside the home folder, or is the home folder itself, is absent: nothing
 * outside the home is ever offered. Folders are worked out on first use and kept.
 */
class LayoutFolders
{
public:
    LayoutFolders(std::filesystem::path home, std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }

    /// The root with its links resolved (itself when they cannot be): where every folder
    /// written below the root really lies when none of them is reached through a link.
    const std::filesystem::path& realRoot() const;

    std::optional<std::filesystem::path> base(Base base) const;

    /// The row's folder (or file): its base and the path below it; absent with its base.
    std::optional<std::filesystem::path> location(const Location& row) const;

    /// The whole trash (items and records) in this form, when it lies in the home folder.
    const std::optional<std::filesystem::path>& trashRoot() const;

private:
    std::optional<std::filesystem::path> belowRoot(const std::filesystem::path& folder) const;
    const std::filesystem::path& resolvedHome() const;

    std::filesystem::path home_;
    std::filesystem::path root_;
    mutable std::optional<std::filesystem::path> resolvedHome_;
    mutable std::optional<std::filesystem::path> realRoot_;
    mutable std::array<std::optional<std::optional<std::filesystem::path>>, 7> bases_{};
    mutable std::optional<std::optional<std::filesystem::path>> trashRoot_;
};

/// The folders the project walk stays out of by place rather than by name, in the form of
/// `folders`: the trash, and on layouts that say so the freedesktop base folders wherever the
/// variables put them in the home. The walk and the re-check of what it found both ask here.
std::vector<std::filesystem::path> walkClosedFolders(const Layout& layout, const LayoutFolders& folders);

} // namespace orvelane::JunkScanner
