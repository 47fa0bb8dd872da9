#pragma once

#include "CliOptions.h"
#include "ExclusionList.h"
#include "ScanDocument.h"

namespace orvelane::cli {

/// Scans the categories at the same time, one thread each; results in the order asked for.
/// Reports finished categories on standard error when it is a terminal.
CategoryResults scanConcurrently(const std::vector<CategoryKind>& categories, const ExclusionList& exclusions = {});

/// Why the active layout refuses the category (it does not offer it), or nothing.
std::optional<std::string> notOffered(CategoryKind kind);

/// Runs `orvelane-cli scan`; returns the exit status.
int runScan(const CliOptions& options);

} // namespace orvelane::cli
