#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvelane {

/**
 * @brief Absolute paths as the components they name, byte for byte.
 *
 * Only plain absolute paths are compared or acted on: ".." after a folder that is a link names
 * a place the text does not show, and a relative path depends on whatever the working folder
 * is. Empty and "." components (doubled or trailing separators) name nothing and are dropped.
 */
using PathComponents = std::vector<std::string>;

/// The components below "/", or nothing when the path is relative or holds "..".
std::optional<PathComponents> plainComponents(const std::filesystem::path& path);

/// The path rebuilt from its plain components ("/" for the root), or nothing as above.
std::optional<std::filesystem::path> plainPath(const std::filesystem::path& path);

/// Whether `inner` is `outer` or lies below it, whole component by whole component: "/a/b"
/// holds "/a/b/c" but not "/a/bc". False when either is not plain.
bool isSameOrBelow(const std::filesystem::path& inner, const std::filesystem::path& outer);

/// The same, without `inner` == `outer`.
bool isStrictlyBelow(const std::filesystem::path& inner, const std::filesystem::path& outer);

} // namespace orvelane
