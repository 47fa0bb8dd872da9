#pragma once

#include "CandidateLocations.h"
#include "CategoryKind.h"
#include "CleanupValidation.h"
#include "DeveloperArtifacts.h"
#include "ExclusionList.h"
#include "FileAnalysis.h"
#include "Layout.h"
#include "SafetyAssessment.h"
#include "ScanRecords.h"
#include "SizeThresholds.h"

#include <cstdint>
#include <optional>

/**
 * @brief The junk scanner: stateless functions that find, measure and judge what a category
 * can reclaim, and re-check an item before it is removed.
 *
 * Every function reads the disk afresh and only reads it. Scans of different categories (or
 * of the same one) may run at the same time on several threads.
 */
namespace orvelane::JunkScanner {

/**
 * @brief Scans one category: its candidates measured once each, offered or skipped, judged,
 * both lists sorted by size (largest first, ties in candidate order). Blocking; never fails.
 *
 * A candidate the user excluded (see ExclusionList) is never offered: it is listed as skipped
 * for that reason, without a size, and not measured.
 */
ScanResult scan(const Layout& layout, CategoryKind kind, const ExclusionList& exclusions = {});

} // namespace orvelane::JunkScanner
