#pragma once

#include "DiskSpace.h"
#include "Layout.h"
#include "ScanSession.h"

#include <filesystem>
#include <optional>
#include <string>

namespace orvelane::cli {

/// The readable scan report, in the current language: per category its title, total, items and skipped count.
/// The free space of the home folder's disk closes it, when known.
std::string textReport(const JunkScanner::Layout& layout, const std::filesystem::path& home, bool trashReadable,
                       const CategoryResults& results, const std::optional<DiskSpace>& space = {});

} // namespace orvelane::cli
