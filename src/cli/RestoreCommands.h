#pragma once

#include "CliOptions.h"

namespace orvelane::cli {

/// Runs `orvelane-cli undo`; returns the exit status.
int runUndo(const CliOptions& options);

/// Runs `orvelane-cli restore PATH...`; returns the exit status.
int runRestore(const CliOptions& options);

/// Runs `orvelane-cli exclusions [list|add|remove]`; returns the exit status.
int runExclusions(const CliOptions& options);

} // namespace orvelane::cli
