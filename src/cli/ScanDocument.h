#pragma once

#include "CategoryKind.h"
#include "DiskSpace.h"
#include "ScanRecords.h"
#include "ScanSession.h"

#include <QByteArray>
#include <QJsonObject>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvelane::cli {

/**
 * @brief Writes the JSON document of a scan: categories in catalogue order, lists in the
 * scanner's order, one record per line.
 *
 * Written record by record: a Trash of tens of thousands of entries must not be held as one
 * JSON tree in memory next to the scan results.
 */
void writeScanDocument(std::FILE* out, const std::filesystem::path& home, bool trashReadable,
                       const CategoryResults& results, const std::optional<DiskSpace>& space = {});

/// The items of a saved scan by category, exactly as scanned (paths byte-exact, levels, file IDs).
struct SavedScan
{
    std::map<CategoryKind, std::vector<ScannedItem>> items;
};

/// The largest scan document `clean` reads: a scan of a very full home is a few tens of MiB.
inline constexpr std::int64_t kMaxScanDocumentBytes = 256LL * 1024 * 1024;

/// Reads a saved scan; on failure, nothing and a message naming what is wrong. An item listed
/// twice in a category is kept once, so that it is cleaned once.
std::optional<SavedScan> readScanDocument(const QByteArray& json, std::string& error);

/// The bytes of a scan document file (or pipe), refusing more than kMaxScanDocumentBytes; on
/// failure, nothing and a message.
std::optional<QByteArray> readScanDocumentFile(const std::filesystem::path& file, std::string& error);

/// A path's JSON fields: "path" for display, plus "pathBytes" (hex) when it is not valid UTF-8.
void writePath(QJsonObject& object, const std::filesystem::path& path);

} // namespace orvelane::cli
