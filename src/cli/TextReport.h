#pragma once

#include "ScanDocument.h"

#include <string>

namespace orvelane::cli {

/// The readable scan report, in the current language: per category its title, total, items and skipped count.
std::string textReport(const std::filesystem::path& home, bool hasFullDiskAccess, const CategoryResults& results);

} // namespace orvelane::cli
