#pragma once

#include <QJsonObject>

#include <filesystem>
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

/// The JSON object a --json run printed (empty when it printed none).
QJsonObject jsonOf(const std::string& output);

/// A file's bytes, and a file written with these bytes (its folders created).
std::string contentOf(const std::filesystem::path& file);
void write(const std::filesystem::path& file, const std::string& content);

} // namespace orvelane::testing
