#pragma once

#include <filesystem>
#include <optional>

namespace orvelane {

/**
 * @brief The path with "." components, doubled and trailing separators removed and ".."
 * applied to the component before it, purely as text (the disk is not consulted).
 *
 * Only safe for paths whose links are already resolved: "link/.." names the link target's
 * parent on disk, not the folder holding the link.
 */
std::filesystem::path standardized(const std::filesystem::path& path);

/**
 * @brief Where the kernel would arrive for this path: every link along it (the last
 * component included) replaced by its target, ".." applied after the link before it is
 * resolved, exactly as the kernel does.
 *
 * Components that do not exist (yet) are kept as written. Nothing when a link cannot be read
 * or links nest too deeply to be resolved (a loop): such a path has no trustworthy location.
 */
std::optional<std::filesystem::path> resolvingLinks(const std::filesystem::path& path);

/**
 * @brief Where an entry itself really is: its folder with every link resolved, then its own
 * name, kept as it is (an entry that is a link stays that link). Doubled and trailing
 * separators and "." components are dropped first. When the folder cannot be resolved, the
 * path as written, so spelled.
 */
std::filesystem::path realLocation(const std::filesystem::path& path);

} // namespace orvelane
