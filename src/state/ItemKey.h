#pragma once

#include <QString>

#include <filesystem>

namespace orvelane {

/// A lossless text form of a path for QML: its bytes percent-encoded, '/' kept readable.
QString itemKey(const std::filesystem::path& path);

/// The path whose key this is; an empty path for text that is not a key.
std::filesystem::path pathFromItemKey(const QString& key);

/// The path for display: UTF-8, invalid bytes shown as replacement characters.
QString displayPath(const std::filesystem::path& path);

/// A file URL naming exactly these bytes (for the desktop's file manager).
QString fileUriOf(const std::filesystem::path& path);

} // namespace orvelane
