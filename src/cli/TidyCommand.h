#pragma once

#include "CliOptions.h"
#include "Layout.h"

namespace orvelane::cli {

/// Runs `orvelane-cli tidy` (a tidy, or turning the weekly one on or off); returns the exit status.
int runTidyCommand(const CliOptions& options, const JunkScanner::Layout& layout);

} // namespace orvelane::cli
