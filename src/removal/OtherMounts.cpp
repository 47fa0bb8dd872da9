#include "OtherMounts.h"

#include "DisplayText.h"
#include "FileDescriptor.h"
#include "FileSystem.h"
#include "RemovalResult.h"
#include "RemovalTarget.h"
#include "StatusQuery.h"
#include "TreeEnumerator.h"

#include <cerrno>
#include <fcntl.h>

namespace orvelane {
namespace {

class FirstMount final : public TreeVisitor
{
public:
    void visit(const char*, const EntryStatus&) override {}
    void statusFailed(const char*, int) override {}
    void folderFailed(const char*, int) override {}
    void mountFound(const std::filesystem::path& below, const EntryStatus&) override
    {
        if (!found)
            found = below;
    }

    std::optional<std::filesystem::path> found;
};

bool isTheOpenedItem(const EntryStatus& status, const RemovalTarget& target)
{
    return status.inode == static_cast<std::uint64_t>(target.status().st_ino) &&
           status.device == static_cast<std::uint64_t>(target.status().st_dev);
}

std::string failureOf(int error)
{
    return error == ENOENT ? std::string(RemovalFailure::vanished) : FileSystem::describeError(error);
}

} // namespace

std::string mountRefusalText(const RemovalTarget& target, const std::filesystem::path& below)
{
    if (below.empty())
        return localizedFormat(DISPLAY_TEXT("The item is itself a mount point (%@) and was left untouched."),
                               {target.path().native()});
    return localizedFormat(DISPLAY_TEXT("The item contains a mounted folder (%@) and was left untouched."),
                           {(target.path() / below).native()});
}

std::string mountKeptText(const RemovalTarget& target, const std::filesystem::path& below)
{
    return localizedFormat(
        DISPLAY_TEXT("A folder mounted inside the item (%@) was left in place; the item was removed only in part."),
        {(target.path() / below).native()});
}

std::optional<std::string> mountRefusal(const RemovalTarget& target)
{
    int error = 0;
    const auto parent = statusOfDescriptor(target.parentFd(), &error);
    if (!parent)
        return failureOf(error);
    const auto item = statusAt(target.parentFd(), target.name().c_str(), &error);
    if (!item)
        return failureOf(error);
    if (!isTheOpenedItem(*item, target))
        return std::string(RemovalFailure::changed);
    if (isOtherMount(*item, *parent))
        return mountRefusalText(target, {});
    if (item->kind != EntryKind::directory)
        return std::nullopt;

    FileDescriptor folder(
        ::openat(target.parentFd(), target.name().c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.isOpen()) // a folder one cannot list: a move keeps it whole, the eraser looks again
        return std::nullopt;
    const auto opened = statusOfDescriptor(folder.get(), &error);
    if (!opened)
        return failureOf(error);
    if (!isTheOpenedItem(*opened, target))
        return std::string(RemovalFailure::changed);
    FirstMount visitor;
    enumerateTree(folder.get(), visitor, {.skipPackageContents = false});
    if (visitor.found)
        return mountRefusalText(target, *visitor.found);
    return std::nullopt;
}

} // namespace orvelane
