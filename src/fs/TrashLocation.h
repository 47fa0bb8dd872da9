#pragma once

#include <filesystem>

namespace orvelane {

/**
 * @brief Where the desktop keeps the user's trash, relative to the home folder.
 *
 * Freedesktop systems keep trashed items in ".local/share/Trash/files" with one ".trashinfo"
 * record each in ".local/share/Trash/info"; macOS keeps them in ".Trash". Everything that
 * lists, probes, validates or fills the trash names it through these functions.
 */
std::filesystem::path trashItemsRelativePath();

/// The folder that holds trashed items (a trashed file lands directly inside it).
std::filesystem::path trashItemsFolder(const std::filesystem::path& home);

/// The folder of restore records; empty where the platform keeps none.
std::filesystem::path trashRecordsFolder(const std::filesystem::path& home);

/// The whole trash (items and records): the folder a search of the home folder stays out of.
std::filesystem::path trashRootFolder(const std::filesystem::path& home);

} // namespace orvelane
