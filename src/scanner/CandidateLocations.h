#pragma once

#include "CategoryKind.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

namespace orvelane::JunkScanner {

// Locations relative to the home folder; the order of each table is the order of the candidates.
inline constexpr std::array<std::string_view, 3> xcodeLocations{
    "Library/Developer/Xcode/DerivedData",
    "Library/Developer/Xcode/iOS DeviceSupport",
    "Library/Developer/CoreSimulator/Caches",
};

inline constexpr std::array<std::string_view, 6> devCacheLocations{
    ".npm/_cacache",      ".cache",           ".gradle/caches", ".cargo/registry/cache",
    "Library/pnpm/store", "go/pkg/mod/cache",
};

inline constexpr std::array<std::string_view, 3> insightLocations{
    "Library/Containers/com.docker.docker/Data",
    "Library/Developer/CoreSimulator/Devices",
    "Library/Application Support/MobileSync/Backup",
};

inline constexpr std::string_view cachesLocation = "Library/Caches";
inline constexpr std::string_view logsLocation = "Library/Logs";
inline constexpr std::string_view downloadsLocation = "Downloads";
/// One sub-folder per sandboxed application; its private library is "Data/Library/" inside.
inline constexpr std::string_view containersLocation = "Library/Containers";
/// One sub-folder per shared group container; its library is "Library/" inside.
inline constexpr std::string_view groupContainersLocation = "Library/Group Containers";

/// The paths a scan of the category measures, in order. Never fails; problems are logged.
std::vector<std::filesystem::path> candidateURLs(CategoryKind kind);

/// The direct entries of a folder in listing order; empty (and logged) when it is missing or unreadable.
std::vector<std::filesystem::path> contents(const std::filesystem::path& folder, bool includeHidden);

/// The existing folders of that name in the libraries of all containers, application containers first.
std::vector<std::filesystem::path> containerLibraryDirs(std::string_view name);

/// Whether the trash can be listed. A trash that does not exist yet is an empty, readable one.
bool hasFullDiskAccess();

} // namespace orvelane::JunkScanner
