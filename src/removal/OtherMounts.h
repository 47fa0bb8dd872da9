#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orvelane {

class RemovalTarget;

/**
 * @brief Whether removing the item would reach into another mount.
 *
 * A folder with a mount below it (a bind mount of the same file system, a tmpfs, a FUSE
 * mount) shows data that is not the item's: emptying it would erase that data, and even a
 * move to the Trash would carry the mount along until the Trash is emptied. Such an item is
 * neither moved nor deleted. The whole tree is walked from the item's own descriptor (checked
 * to be the opened item), packages included; a folder inside that cannot be listed is not
 * seen into here, and the permanent eraser refuses to enter any mount it meets on its own.
 *
 * @return nothing when neither the item nor anything below it is the top of another mount;
 *         otherwise the refusal, naming the mounted folder.
 */
std::optional<std::string> mountRefusal(const RemovalTarget& target);

/// The refusal for an item that has the top of another mount `below` it (relative to the
/// item; empty when the item itself is one), in the current language.
std::string mountRefusalText(const RemovalTarget& target, const std::filesystem::path& below);

/// The failure for a permanent removal that met the top of another mount `below` the item only
/// while emptying it (mounted after the check): that mount was kept, the rest of the item went.
std::string mountKeptText(const RemovalTarget& target, const std::filesystem::path& below);

} // namespace orvelane
