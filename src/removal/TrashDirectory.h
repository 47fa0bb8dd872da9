#pragma once

#include "EntryStatus.h"
#include "FileDescriptor.h"

#include <filesystem>
#include <optional>
#include <string>

namespace orvelane {

class RemovalTarget;

/**
 * @brief One freedesktop.org trash folder, opened for filling: its files/ and info/ folders
 * held as descriptors.
 *
 * An item can only be renamed into a trash on its own file system, and copying followed by
 * deleting could lose data half way, so an item on another volume than the home trash goes to
 * that volume's own trash or nowhere.
 */
class TrashDirectory
{
public:
    /// The home trash at `root` ($XDG_DATA_HOME/Trash); it and its missing parents are created
    /// with mode 0700. The root itself may be reached through links (a linked data folder is
    /// the user's own set-up); files/ and info/ inside it may not be links.
    static TrashDirectory home(const std::filesystem::path& root);

    /**
     * @brief The trash of the volume that holds the item, below the volume's top folder:
     * "$top/.Trash/$uid" when the administrator prepared "$top/.Trash" (a real folder, not a
     * link, with the sticky bit), otherwise "$top/.Trash-$uid", created 0700. A trash folder
     * that is a link or belongs to someone else is never used.
     */
    static TrashDirectory onVolumeOf(const RemovalTarget& target);

    /**
     * @brief A trash that is already there, for taking items out of it; nothing is created.
     * A root named ".Trash-$uid", or "$uid" inside ".Trash", is a volume's trash and held to
     * the same rules as when filling it (no link below the volume's top, the user's own, a
     * shared ".Trash" only with the sticky bit); any other root is a home trash, which may be
     * reached through links (see home()).
     */
    static TrashDirectory existing(const std::filesystem::path& root);

    /// The home trash when it is on the item's file system, otherwise the item's volume's trash.
    static TrashDirectory forItem(const RemovalTarget& target, const std::filesystem::path& homeRoot);

    bool isOpen() const { return !failure_; }
    const std::optional<std::string>& failure() const { return failure_; }

    int filesFd() const { return files_.get(); }
    int infoFd() const { return info_.get(); }
    const std::filesystem::path& root() const { return root_; }
    /// The volume's top folder for a volume's trash, whose records name paths relative to it;
    /// nothing for the home trash.
    const std::optional<std::filesystem::path>& volumeTop() const { return volumeTop_; }
    /// Whether an item in the open folder `folderFd` can be renamed into this trash: the
    /// folder lies on the same mount (the device alone cannot tell a bind mount apart).
    bool takesItemsFrom(int folderFd) const;

    /// The original location as the record stores it: absolute in the home trash, relative
    /// to the volume's top folder in a volume's trash (as the freedesktop.org Trash standard allows
    /// there), by the item's real location, whatever links its path was given through.
    std::string recordedPath(const RemovalTarget& target) const;

private:
    static TrashDirectory failed(std::string failure);
    static TrashDirectory openParts(FileDescriptor root, std::filesystem::path rootPath, bool mustOwn,
                                    bool create = true);

    FileDescriptor files_;
    FileDescriptor info_;
    std::filesystem::path root_;
    std::optional<std::filesystem::path> itemFolderBelowTop_;
    std::optional<std::filesystem::path> volumeTop_;
    EntryStatus filesMount_;
    std::optional<std::string> failure_;
};

} // namespace orvelane
