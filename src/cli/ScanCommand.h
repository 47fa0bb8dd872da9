#pragma once

#include "CliOptions.h"
#include "Layout.h"

namespace orvelane::cli {

/// Runs `orvelane-cli scan` on the layout; returns the exit status.
int runScan(const CliOptions& options, const JunkScanner::Layout& layout);

} // namespace orvelane::cli
