#pragma once

#include "EntryStatus.h"

#include <filesystem>
#include <optional>

namespace orvelane {

/**
 * @brief Status queries that also tell which mount an entry lies on.
 *
 * On Linux these ask `statx` for the mount ID and the mount-root attribute (a bind mount of the
 * same file system is invisible to the device number); automounts are not triggered. Where
 * `statx` is missing they fall back to the plain status call, and mount boundaries are seen by
 * the device number alone. Links are never followed.
 */
std::optional<EntryStatus> statusAt(int dirFd, const char* name, int* error = nullptr);

/// The status of an open descriptor.
std::optional<EntryStatus> statusOfDescriptor(int fd, int* error = nullptr);

/// The status of the item a path names (the last component itself, not a link's target).
std::optional<EntryStatus> statusOfPath(const std::filesystem::path& path, int* error = nullptr);

/// The status of what a path leads to, every link followed (the folder an item really lies in).
std::optional<EntryStatus> statusFollowingLinks(const std::filesystem::path& path, int* error = nullptr);

} // namespace orvelane
