#include "TreeEraser.h"

#include "DirectoryStream.h"
#include "FileDescriptor.h"
#include "RaceWindow.h"
#include "StatusQuery.h"

#include <cerrno>
#include <fcntl.h>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace orvelane {
namespace {

// Levels deeper than this are closed while their subfolders are emptied.
constexpr std::size_t kOpenLevels = 32;

constexpr int kListingFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

struct Level
{
    std::string name;     // this folder's name inside the level above; empty at the top
    EntryStatus identity; // as recorded on the way down, with the mount it lies on
    DirectoryStream listing;
    std::set<std::string> kept; // entries that could not be removed: skipped when listed again
    bool incomplete = false;
};

bool sameObject(const EntryStatus& a, const EntryStatus& b)
{
    return a.device == b.device && a.inode == b.inode;
}

class Eraser
{
public:
    EraseOutcome run(int folderFd)
    {
        int error = 0;
        const auto top = statusOfDescriptor(folderFd, &error);
        if (!top)
            return {error, {}};
        levels_.emplace_back();
        levels_.back().identity = *top;
        levels_.back().listing = DirectoryStream::adopt(::openat(folderFd, ".", kListingFlags));
        if (!levels_.back().listing.isOpen())
            return {levels_.back().listing.error(), {}};
        while (!finished_) {
            if (!emptyTopLevel())
                continue; // went one level down
            climb();
        }
        return outcome_;
    }

private:
    void keep(Level& level, const std::string& name, int error)
    {
        if (outcome_.error == 0)
            outcome_.error = error;
        level.kept.insert(name);
        level.incomplete = true;
    }

    void keepMount(Level& level, const std::string& name)
    {
        if (!outcome_.mountInside) {
            std::filesystem::path below;
            for (std::size_t i = 1; i < levels_.size(); ++i)
                below /= levels_[i].name;
            outcome_.mountInside = below / name;
        }
        keep(level, name, EBUSY);
    }

    // Removes the top level's entries; false when it went down into a subfolder instead.
    bool emptyTopLevel()
    {
        Level& level = levels_.back();
        while (auto entry = level.listing.next()) {
            const std::string name = entry->name;
            if (level.kept.count(name) != 0)
                continue;
            int error = 0;
            const auto status = statusAt(level.listing.fd(), name.c_str(), &error);
            if (!status) {
                if (error != ENOENT)
                    keep(level, name, error);
                continue;
            }
            if (isOtherMount(*status, level.identity)) {
                keepMount(level, name);
                continue;
            }
            if (status->kind != EntryKind::directory) {
                if (::unlinkat(level.listing.fd(), name.c_str(), 0) != 0 && errno != ENOENT)
                    keep(level, name, errno);
                continue;
            }
            if (descend(level, name, *status))
                return false;
        }
        if (level.listing.error() != 0) {
            if (outcome_.error == 0)
                outcome_.error = level.listing.error();
            level.incomplete = true;
        }
        return true;
    }

    bool descend(Level& level, const std::string& name, const EntryStatus& listed)
    {
        const int fd = level.listing.fd();
        struct stat raw{};
        // Only the folder that was listed gets its permissions widened, never what was mounted
        // or swapped there since.
        if (::fstatat(fd, name.c_str(), &raw, AT_SYMLINK_NOFOLLOW) == 0 &&
            static_cast<std::uint64_t>(raw.st_ino) == listed.inode &&
            static_cast<std::uint64_t>(raw.st_dev) == listed.device)
            makeErasable(fd, name.c_str(), raw);
        FileDescriptor child(::openat(fd, name.c_str(), kListingFlags));
        if (!child.isOpen()) {
            keep(level, name, errno);
            return false;
        }
        int error = 0;
        const auto opened = statusOfDescriptor(child.get(), &error);
        if (!opened) {
            keep(level, name, error);
            return false;
        }
        if (isOtherMount(*opened, level.identity)) { // mounted between the listing and the opening
            keepMount(level, name);
            return false;
        }
        if (!sameObject(*opened, listed)) { // swapped between listing and opening
            keep(level, name, ESTALE);
            return false;
        }
        Level below;
        below.name = name;
        below.identity = *opened;
        below.listing = DirectoryStream::adopt(child.release());
        if (!below.listing.isOpen()) {
            keep(level, name, below.listing.error());
            return false;
        }
        if (levels_.size() >= kOpenLevels)
            level.listing.close();
        levels_.push_back(std::move(below)); // `level` is invalid from here on
        return true;
    }

    // Leaves the emptied top level and removes its folder from the level above.
    void climb()
    {
        if (levels_.size() == 1) {
            finished_ = true;
            return;
        }
        Level& done = levels_.back();
        Level& parent = levels_[levels_.size() - 2];
        if (!parent.listing.isOpen() && !reopenParent(done, parent)) {
            if (outcome_.error == 0)
                outcome_.error = ESTALE;
            finished_ = true;
            return;
        }
        const Level finished = std::move(done);
        levels_.pop_back();
        Level& above = levels_.back();
        if (finished.incomplete) {
            above.kept.insert(finished.name);
            above.incomplete = true;
        } else if (::unlinkat(above.listing.fd(), finished.name.c_str(), AT_REMOVEDIR) != 0 && errno != ENOENT) {
            keep(above, finished.name, errno);
        }
    }

    // Found again through "..", which is never a link; if it is no longer the folder we came
    // down from, the tree was moved: stop rather than work somewhere else.
    bool reopenParent(const Level& child, Level& parent)
    {
        RaceWindow::reach(RaceWindow::Moment::beforeClimbingToParent);
        FileDescriptor up(::openat(child.listing.fd(), "..", kListingFlags));
        if (!up.isOpen())
            return false;
        const auto status = statusOfDescriptor(up.get());
        if (!status || !sameObject(*status, parent.identity))
            return false;
        parent.listing = DirectoryStream::adopt(up.release()); // lists again from the start
        return parent.listing.isOpen();
    }

    std::vector<Level> levels_;
    EraseOutcome outcome_;
    bool finished_ = false;
};

} // namespace

void makeErasable(int parentFd, const char* name, const struct stat& status)
{
    if (status.st_uid != ::geteuid() || (status.st_mode & S_IRWXU) == S_IRWXU)
        return;
    // Where changing a mode without following links is not supported this fails, and the removal
    // below reports the permission problem instead.
    ::fchmodat(parentFd, name, (status.st_mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW);
}

EraseOutcome eraseFolderContents(int folderFd)
{
    return Eraser().run(folderFd);
}

} // namespace orvelane
