#pragma once

#include "CliOptions.h"
#include "Layout.h"

namespace orvelane::cli {

/// Runs `orvelane-cli clean`, its re-checks on the layout; returns the exit status.
int runClean(const CliOptions& options, const JunkScanner::Layout& layout);

} // namespace orvelane::cli
