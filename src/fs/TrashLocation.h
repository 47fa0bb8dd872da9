#pragma once

#include <filesystem>

namespace orvelane {

/**
 * @brief Where the desktop keeps the user's trash.
 *
 * Freedesktop systems keep the home trash in $XDG_DATA_HOME/Trash (~/.local/share/Trash when
 * the variable is unset or not absolute), trashed items in its "files" folder with one
 * ".trashinfo" record each in "info"; macOS keeps them in ~/.Trash. Everything that lists,
 * probes, validates, fills or empties the trash names it through these functions, so that our
 * items and those of other trash tools share one trash. Read afresh on every call.
 */

/// The folder that holds trashed items (a trashed file lands directly inside it).
std::filesystem::path trashItemsFolder(const std::filesystem::path& home);

/// The folder of restore records; empty where the platform keeps none.
std::filesystem::path trashRecordsFolder(const std::filesystem::path& home);

/// The whole trash (items and records): the folder a search of the home folder stays out of.
std::filesystem::path trashRootFolder(const std::filesystem::path& home);

} // namespace orvelane
