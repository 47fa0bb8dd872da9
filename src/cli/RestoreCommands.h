#pragma once

#include "CliOptions.h"
#include "Layout.h"

namespace orvelane::cli {

/// Runs `orvelane-cli undo`; returns the exit status.
int runUndo(const CliOptions& options, const JunkScanner::Layout& layout);

/// Runs `orvelane-cli restore PATH...`; the layout names no categories here; returns the exit status.
int runRestore(const CliOptions& options, const JunkScanner::Layout& layout);

/// Runs `orvelane-cli exclusions [list|add|remove]`; returns the exit status.
int runExclusions(const CliOptions& options);

} // namespace orvelane::cli
