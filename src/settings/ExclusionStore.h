#pragma once

#include "ExclusionList.h"
#include "SettingsStore.h"

#include <QString>

#include <filesystem>
#include <optional>
#include <string>

namespace orvelane {

/**
 * @brief The never-offer-again list in the per-user settings store (the file the language is
 * kept in), key "ExcludedPaths": each path as the hexadecimal text of its bytes, so that a name
 * that is not valid UTF-8 survives the store unchanged.
 *
 * Every call reads the store afresh, so that the window and the command line see each other's
 * changes. Entries that do not decode to a usable path are ignored (and dropped at the next
 * change).
 */
namespace ExclusionStore {

inline constexpr const char* kKey = "ExcludedPaths";

ExclusionList load(const QString& file = settingsFilePath());

/// What became of a change: nothing when it was saved, otherwise why not.
using SaveFailure = std::optional<std::string>;

/// Adds the path (a path already excluded, or below an excluded one, is added all the same:
/// removing the wider one later must not offer it again).
SaveFailure add(const std::filesystem::path& path, const QString& file = settingsFilePath());
/// Removes exactly this path.
SaveFailure remove(const std::filesystem::path& path, const QString& file = settingsFilePath());
/// Removes every listed path that excludes `path`: afterwards it is offered again.
SaveFailure removeCovering(const std::filesystem::path& path,
                           const QString& file = settingsFilePath());

} // namespace ExclusionStore
} // namespace orvelane
