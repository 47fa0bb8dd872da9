#pragma once

#include "TestFiles.h"

#include <filesystem>
#include <set>
#include <string>

namespace orvelane::testing {

struct Shell
{
    int status = -1;
    std::string out; ///< standard output and error together
};

/// Runs a shell command line in this process's environment (the fake home's HOME and XDG folders).
Shell sh(const std::string& commandLine);

bool onPath(const char* tool);

/// The original places trash-list (trash-cli) reports for the current XDG_DATA_HOME's Trash: its
/// own reading of the records, independent of ours.
std::set<std::string> trashListedPlaces();

} // namespace orvelane::testing
