#pragma once

#include "CategoryKind.h"
#include "ExclusionList.h"
#include "ScanRecords.h"

#include <filesystem>
#include <optional>
#include <string>

namespace orvelane::JunkScanner {

struct Layout;

/**
 * @brief Re-checks a scanned item against the disk right before it is removed.
 *
 * Nothing when the item may go; otherwise the one-sentence reason (English, not looked up).
 * The checks run in a fixed order and the first failing one answers. Never changes the disk,
 * never logs.
 */
std::optional<std::string> validationFailure(const Layout& layout, const ScannedItem& item, CategoryKind kind,
                                             const std::filesystem::path& home);

/// Whether the item's real location (links resolved) lies where the category may remove things.
bool isAllowed(const Layout& layout, const std::filesystem::path& path, CategoryKind kind,
               const std::filesystem::path& home);

/// Whether `path` is `folder` or lies inside it, component-wise ("Downloads2" is not inside "Downloads").
bool isContained(const std::filesystem::path& path, const std::filesystem::path& folder);

/**
 * @brief The user's exclusions as scan and re-check apply them: each path as the user gave it
 * and, where links lead elsewhere, where it really is, so that a folder excluded through a
 * linked home is excluded in the real one too, and the other way round.
 */
ExclusionList withRealLocations(const ExclusionList& exclusions);

/// Whether the item is excluded (`exclusions` from withRealLocations), as it is spelled or
/// where it really is.
bool isExcluded(const ExclusionList& exclusions, const std::filesystem::path& item);

} // namespace orvelane::JunkScanner
