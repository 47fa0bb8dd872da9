#pragma once

#include <array>
#include <string_view>

// The macOS tables, relative to the home folder; the order of each is the order of the candidates.
namespace orvelane::JunkScanner {

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

} // namespace orvelane::JunkScanner
