#pragma once

#include "CliOptions.h"

namespace orvelane::cli {

/// Runs `orvelane-cli clean`; returns the exit status.
int runClean(const CliOptions& options);

} // namespace orvelane::cli
