#include "TreeEnumerator.h"

#include "DirectoryStream.h"
#include "FileSystem.h"
#include "StatusQuery.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace orvelane {
namespace {

struct Level
{
    DirectoryStream stream; // closed while evicted
    EntryStatus status;
    std::size_t consumed = 0; // entries taken from the listing, to find the place again
    std::string name;
};

class Walk
{
public:
    Walk(TreeVisitor& visitor, const TreeWalkLimits& limits)
        : visitor_(visitor), limits_(limits), maxOpen_(std::max<std::size_t>(limits.maxOpenFolders, 1))
    {}

    int run(DirectoryStream stream, const std::string& rootName)
    {
        if (!stream.isOpen())
            return stream.error();
        int error = 0;
        const auto status = statusOfDescriptor(stream.fd(), &error);
        if (!status)
            return error;
        push(std::move(stream), *status, rootName);
        while (!levels_.empty())
            step();
        return 0;
    }

private:
    void step()
    {
        Level& top = levels_.back();
        const auto entry = top.stream.next();
        if (!entry) {
            if (top.stream.error() != 0)
                visitor_.folderFailed(top.name.c_str(), top.stream.error());
            climb();
            return;
        }
        ++top.consumed;
        int error = 0;
        const auto status = statusAt(top.stream.fd(), entry->name, &error);
        if (!status) {
            visitor_.statusFailed(entry->name, error);
            return;
        }
        if (isOtherMount(*status, top.status)) {
            visitor_.mountFound(pathBelowRoot(entry->name), *status);
            return;
        }
        visitor_.visit(entry->name, *status);
        if (shouldDescend(entry->name, *status))
            descend(entry->name, *status);
    }

    // Only spelled out for the rare report of a mount, so the walk itself keeps no paths.
    std::filesystem::path pathBelowRoot(const char* name) const
    {
        std::filesystem::path below;
        for (std::size_t i = 1; i < levels_.size(); ++i)
            below /= levels_[i].name;
        return below / name;
    }

    bool shouldDescend(const char* name, const EntryStatus& status) const
    {
        if (status.kind != EntryKind::directory)
            return false;
        return !(limits_.skipPackageContents && FileSystem::isPackageName(name));
    }

    bool isOpenHigherUp(const EntryStatus& status) const
    {
        return std::any_of(levels_.begin(), levels_.end(), [&](const Level& level) {
            return level.status.inode == status.inode && level.status.device == status.device;
        });
    }

    void descend(const char* name, const EntryStatus& status)
    {
        if (isOpenHigherUp(status)) {
            visitor_.folderFailed(name, ELOOP);
            return;
        }
        auto child = DirectoryStream::openAt(levels_.back().stream.fd(), name);
        if (!child.isOpen()) {
            visitor_.folderFailed(name, child.error());
            return;
        }
        push(std::move(child), status, name);
    }

    void push(DirectoryStream stream, const EntryStatus& status, std::string name)
    {
        levels_.push_back(Level{std::move(stream), status, 0, std::move(name)});
        if (levels_.size() - firstOpen_ > maxOpen_)
            levels_[firstOpen_++].stream.close();
    }

    // Leaves the finished top folder, making sure its parent is open to carry on with.
    void climb()
    {
        if (levels_.size() >= 2 && !levels_[levels_.size() - 2].stream.isOpen()) {
            if (!reopenParent()) {
                abandonAll();
                return;
            }
        }
        levels_.pop_back();
        firstOpen_ = std::min(firstOpen_, levels_.empty() ? 0 : levels_.size() - 1);
    }

    bool reopenParent()
    {
        Level& child = levels_.back();
        Level& parent = levels_[levels_.size() - 2];
        const int fd = ::openat(child.stream.fd(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat status
        {};
        if (fd < 0 || ::fstat(fd, &status) != 0) {
            visitor_.folderFailed(parent.name.c_str(), errno);
            if (fd >= 0)
                ::close(fd);
            return false;
        }
        if (static_cast<std::uint64_t>(status.st_ino) != parent.status.inode ||
            static_cast<std::uint64_t>(status.st_dev) != parent.status.device) {
            ::close(fd); // the folder moved while we were below it: its place is lost
            visitor_.folderFailed(parent.name.c_str(), ENOENT);
            return false;
        }
        parent.stream = DirectoryStream::adopt(fd);
        for (std::size_t i = 0; i < parent.consumed && parent.stream.next(); ++i) {
        }
        return true;
    }

    void abandonAll()
    {
        levels_.clear();
        firstOpen_ = 0;
    }

    TreeVisitor& visitor_;
    const TreeWalkLimits& limits_;
    const std::size_t maxOpen_;
    std::vector<Level> levels_;
    std::size_t firstOpen_ = 0;
};

} // namespace

int enumerateTree(const std::filesystem::path& root, TreeVisitor& visitor, const TreeWalkLimits& limits)
{
    return Walk(visitor, limits).run(DirectoryStream::open(root, DirectoryStream::Links::refuse),
                                     root.filename().native());
}

int enumerateTree(int folderFd, TreeVisitor& visitor, const TreeWalkLimits& limits)
{
    // A listing of its own, so the caller's descriptor keeps its position and stays open.
    const int own = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (own < 0)
        return errno;
    return Walk(visitor, limits).run(DirectoryStream::adopt(own), ".");
}

} // namespace orvelane
