#pragma once

#include "ScanRecords.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace orvelane::JunkScanner {

struct Layout;

/// What one measurement of a path found.
struct FileAnalysis
{
    std::int64_t size = 0; // bytes allocated on disk to its regular files; 0 when nothing could be measured
    std::optional<Date> modified; // newest modification seen, folders included
    ItemContents contents{}; // entries seen below and including the path; none when nothing could be measured
};

/**
 * @brief Measures a path in one pass: links count nothing and are never followed, package
 * contents below the path count nothing, unreadable parts are logged and left out.
 */
FileAnalysis analyze(const std::filesystem::path& path);

/// The inode number of the item itself, to notice a path replaced after the scan.
std::optional<std::uint64_t> inodeOf(const std::filesystem::path& path);
} // namespace orvelane::JunkScanner
