#pragma once

#include "RemovalResult.h"

#include <filesystem>

/**
 * @brief The platform's own trash call, where the platform has one (macOS: the file manager's
 * trashItemAtURL). Only built on Apple platforms; elsewhere the freedesktop.org layout of
 * TrashMover is the platform's trash.
 */
namespace orvelane::SystemTrash {

/// Moves the item at `item` to the Trash of its volume; the failure is the system's localized
/// description.
RemovalResult moveToTrash(const std::filesystem::path& item, bool isDirectory);

} // namespace orvelane::SystemTrash
