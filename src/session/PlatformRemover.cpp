#include "CleaningWorker.h"
#include "PermanentRemoval.h"
#include "RemovalTarget.h"
#include "TrashLocation.h"
#include "TrashMover.h"

namespace orvelane {
namespace {

// Opens the item relative to its parent folder, trusting links only at or above the home
// folder, and confirms it is the object that was scanned before anything moves.
class FileSystemRemover final : public ItemRemover
{
public:
    std::optional<std::string> moveToTrash(const ScannedItem& item, const std::filesystem::path& home) override
    {
        return trash(item, home).failure;
    }

    RemovalResult trash(const ScannedItem& item, const std::filesystem::path& home) override
    {
        const RemovalTarget target = RemovalTarget::open(item.path, item.inode, home);
        if (!target.isOpen())
            return {target.failure(), {}};
#ifdef __APPLE__
        return TrashMover::moveToTrash(target);
#else
        return TrashMover::moveToTrash(target, trashRootFolder(home));
#endif
    }

    std::optional<std::string> removePermanently(const ScannedItem& item, const std::filesystem::path& home) override
    {
        const RemovalTarget target = RemovalTarget::open(item.path, item.inode, home);
        if (!target.isOpen())
            return target.failure();
        return orvelane::removePermanently(target).failure;
    }
};

} // namespace

ItemRemover& platformRemover()
{
    static FileSystemRemover remover;
    return remover;
}

} // namespace orvelane
