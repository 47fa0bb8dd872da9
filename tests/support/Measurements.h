#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// Sizes and identities as the standard tools report them, to hold the scanner's own to.
namespace orvelane::testing {

/// Bytes allocated to the regular files below `path` as GNU find counts them (Σ %b × 512);
/// `prune` goes before the type test, e.g. "-name '*.app' -prune -o".
std::int64_t allocatedBytesByFind(const std::filesystem::path& path, const std::string& prune = "");

/// What removing `path` would free as find reports it: Σ %b × 512 over its regular files, each
/// file once, leaving out files with links (find's %n) that lie outside `path`.
std::int64_t freedBytesByFind(const std::filesystem::path& path, const std::string& prune = "");

/// `du -x -s` of `path` in bytes, less the blocks of its folders and links: GNU du's own count
/// of the regular files on the path's mount, each hard-linked file once.
std::int64_t fileBytesByDuOneFileSystem(const std::filesystem::path& path);

/// The inode as stat(1) reports it for the entry itself.
std::uint64_t inodeByStat(const std::filesystem::path& path);

} // namespace orvelane::testing
