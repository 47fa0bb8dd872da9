#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orvelane::testing {

/// Creates the file (and its folders) with this content; returns its inode.
std::uint64_t writeFile(const std::filesystem::path& path, const std::string& content = "data");
std::string readFile(const std::filesystem::path& path);
/// The inode of the entry itself (a link is not followed); 0 when there is none.
std::uint64_t inodeOf(const std::filesystem::path& path);
/// The entries of a folder, by name; empty when it does not exist.
std::vector<std::string> entries(const std::filesystem::path& folder);

/// The path as one shell word, whatever bytes it holds.
std::string shellQuoted(const std::filesystem::path& path);
/// The standard output of a shell command line, whatever its status.
std::string outputOf(const std::string& commandLine);
/// The standard output of a shell command line that must succeed (it throws otherwise).
std::string outputOfSuccessful(const std::string& commandLine);

} // namespace orvelane::testing
