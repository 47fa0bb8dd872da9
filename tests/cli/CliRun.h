#pragma once

#include <string>
#include <vector>

namespace orvelane::testing {

struct CliRun
{
    int status = -1; // exit status, or 128 + signal
    std::string out;
    std::string err;
};

/// Runs the real orvelane-cli with byte-exact arguments (QProcess would re-encode them as
/// UTF-8). A run still going after `timeoutSeconds` is ended by SIGALRM (status 142).
CliRun runCli(const std::vector<std::string>& args, unsigned timeoutSeconds = 60);

} // namespace orvelane::testing
