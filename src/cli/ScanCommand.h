#pragma once

#include "CliOptions.h"
#include "ScanDocument.h"

namespace orvelane::cli {

/// Scans the categories at the same time, one thread each; results in the order asked for.
/// Reports finished categories on standard error when it is a terminal.
CategoryResults scanConcurrently(const std::vector<CategoryKind>& categories);

/// Runs `orvelane-cli scan`; returns the exit status.
int runScan(const CliOptions& options);

} // namespace orvelane::cli
