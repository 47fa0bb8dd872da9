#pragma once

#include <filesystem>
#include <optional>
#include <string>

/**
 * @brief The freedesktop base and user folders of a home folder.
 *
 * A base variable (XDG_CACHE_HOME and the like) counts only when it holds an absolute path, as
 * the base-directory convention says; otherwise its default below the home folder applies.
 * Whether a folder found this way lies inside the home folder is for the caller to judge.
 * Read afresh on every call.
 */
namespace orvelane::Xdg {

std::filesystem::path cacheHome(const std::filesystem::path& home);  // ~/.cache
std::filesystem::path configHome(const std::filesystem::path& home); // ~/.config
std::filesystem::path dataHome(const std::filesystem::path& home);   // ~/.local/share
std::filesystem::path stateHome(const std::filesystem::path& home);  // ~/.local/state

/**
 * The download folder named by XDG_DOWNLOAD_DIR in `$XDG_CONFIG_HOME/user-dirs.dirs` (often
 * localised, such as "~/İndirilenler"), or ~/Downloads when the file or the line is missing.
 * Nothing when the line points at the home folder itself: that is how the convention turns a
 * user folder off, and the whole home is no download folder.
 */
std::optional<std::filesystem::path> downloadFolder(const std::filesystem::path& home);

/// The value of one `XDG_<NAME>_DIR="…"` line of a user-dirs.dirs text, resolved against the
/// home folder; nothing when the text has no usable line of that name.
std::optional<std::filesystem::path> userDirectoryIn(const std::string& userDirs, const std::string& name,
                                                     const std::filesystem::path& home);

} // namespace orvelane::Xdg
