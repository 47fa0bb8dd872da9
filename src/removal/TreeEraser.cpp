#include "TreeEraser.h"

#include "DirectoryStream.h"
#include "FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orvelane {
namespace {

// Levels deeper than this are closed while their subfolders are emptied.
constexpr std::size_t kOpenLevels = 32;

constexpr int kListingFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

struct Level
{
    std::string name; // this folder's name inside the level above; empty at the top
    struct stat identity{}; // as recorded on the way down
    DirectoryStream listing;
    std::set<std::string> kept; // entries that could not be removed: skipped when listed again
    bool incomplete = false;
};

bool sameObject(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

void makeErasable(int parentFd, const char* name, const struct stat& status)
{
    if (status.st_uid != ::geteuid() || (status.st_mode & S_IRWXU) == S_IRWXU)
        return;
    // Where changing a mode without following links is not supported this fails, and the removal
    // below reports the permission problem instead.
    ::fchmodat(parentFd, name, (status.st_mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW);
}

int eraseFolderContents(int folderFd)
{
    int firstError = 0;
    std::vector<Level> levels;
    levels.emplace_back();
    if (::fstat(folderFd, &levels.back().identity) != 0)
        return errno;
    levels.back().listing = DirectoryStream::adopt(::openat(folderFd, ".", kListingFlags));
    if (!levels.back().listing.isOpen())
        return levels.back().listing.error();

    const auto keep = [&](Level& level, const std::string& name, int error) {
        if (firstError == 0)
            firstError = error;
        level.kept.insert(name);
        level.incomplete = true;
    };

    for (;;) {
        Level& level = levels.back();
        const int fd = level.listing.fd();
        bool descended = false;
        while (auto entry = level.listing.next()) {
            const std::string name = entry->name;
            if (level.kept.count(name) != 0)
                continue;
            struct stat status{};
            if (::fstatat(fd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
                if (errno != ENOENT)
                    keep(level, name, errno);
                continue;
            }
            if (!S_ISDIR(status.st_mode)) {
                if (::unlinkat(fd, name.c_str(), 0) != 0 && errno != ENOENT)
                    keep(level, name, errno);
                continue;
            }
            makeErasable(fd, name.c_str(), status);
            FileDescriptor child(::openat(fd, name.c_str(), kListingFlags));
            struct stat opened{};
            if (!child.isOpen() || ::fstat(child.get(), &opened) != 0) {
                keep(level, name, errno);
                continue;
            }
            if (!sameObject(opened, status)) { // swapped between listing and opening
                keep(level, name, ESTALE);
                continue;
            }
            Level below;
            below.name = name;
            below.identity = opened;
            below.listing = DirectoryStream::adopt(child.release());
            if (!below.listing.isOpen()) {
                keep(level, name, below.listing.error());
                continue;
            }
            if (levels.size() >= kOpenLevels)
                level.listing.close();
            levels.push_back(std::move(below)); // `level` is invalid from here on
            descended = true;
            break;
        }
        if (descended)
            continue;

        Level& finished = levels.back();
        if (finished.listing.error() != 0) {
            if (firstError == 0)
                firstError = finished.listing.error();
            finished.incomplete = true;
        }
        if (levels.size() == 1)
            break;

        Level& parent = levels[levels.size() - 2];
        if (!parent.listing.isOpen()) {
            // Found again through "..", which is never a link; if it is no longer the folder we
            // came down from, the tree was moved: stop rather than work somewhere else.
            FileDescriptor up(::openat(finished.listing.fd(), "..", kListingFlags));
            struct stat status{};
            if (!up.isOpen() || ::fstat(up.get(), &status) != 0 || !sameObject(status, parent.identity))
                return firstError != 0 ? firstError : ESTALE;
            parent.listing = DirectoryStream::adopt(up.release()); // lists again from the start
        }
        const Level done = std::move(finished);
        levels.pop_back();
        Level& above = levels.back();
        if (done.incomplete) {
            above.kept.insert(done.name);
            above.incomplete = true;
        } else if (::unlinkat(above.listing.fd(), done.name.c_str(), AT_REMOVEDIR) != 0 && errno != ENOENT) {
            keep(above, done.name, errno);
        }
    }
    return firstError;
}

} // namespace orvelane
