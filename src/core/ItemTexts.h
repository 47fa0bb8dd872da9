#pragma once

#include "CategoryKind.h"
#include "ScanRecords.h"

#include <optional>
#include <string>

namespace orvelane {

/// Why the item has its safety level, naming its program where the reason speaks of it.
std::string reasonText(const ScannedItem& item);

/**
 * @brief The item's hint as one line in the current language, or nothing without a hint.
 *
 * A command reads "Rebuild: <command>" for build artifacts, whose hint rebuilds them, and
 * "Manage with: <command>" elsewhere; a sentence is shown on its own, with the item's
 * program put in.
 */
std::optional<std::string> hintText(const ScannedItem& item, CategoryKind kind);

} // namespace orvelane
