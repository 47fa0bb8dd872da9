#include "LayoutFolders.h"

#include "CleanupValidation.h"
#include "PathResolution.h"
#include "TrashLocation.h"
#include "XdgFolders.h"

namespace orvelane::JunkScanner {

LayoutFolders::LayoutFolders(std::filesystem::path home, std::filesystem::path root)
    : home_(standardized(home)), root_(standardized(root))
{}

const std::filesystem::path& LayoutFolders::resolvedHome() const
{
    if (!resolvedHome_) {
        const auto resolved = resolvingLinks(home_);
        resolvedHome_ = resolved ? standardized(*resolved) : home_;
    }
    return *resolvedHome_;
}

const std::filesystem::path& LayoutFolders::realRoot() const
{
    if (!realRoot_) {
        const auto resolved = resolvingLinks(root_);
        realRoot_ = resolved ? standardized(*resolved) : root_;
    }
    return *realRoot_;
}

// The folder rewritten below the root: by its place below the home folder as spelled, or else
// by where it really lies (a variable may name the home through a link).
std::optional<std::filesystem::path> LayoutFolders::belowRoot(const std::filesystem::path& folder) const
{
    const auto spelled = standardized(folder);
    if (spelled == home_)
        return std::nullopt; // a whole home is no cache, data or download folder
    if (isContained(spelled, home_))
        return root_ / spelled.lexically_relative(home_);
    const auto resolved = resolvingLinks(spelled);
    if (!resolved)
        return std::nullopt;
    const auto real = standardized(*resolved);
    if (real == resolvedHome() || !isContained(real, resolvedHome()))
        return std::nullopt;
    return root_ / real.lexically_relative(resolvedHome());
}

std::optional<std::filesystem::path> LayoutFolders::base(Base base) const
{
    auto& known = bases_[static_cast<std::size_t>(base)];
    if (known)
        return *known;
    switch (base) {
    case Base::home:
        known = root_;
        break;
    case Base::cache:
        known = belowRoot(Xdg::cacheHome(home_));
        break;
    case Base::config:
        known = belowRoot(Xdg::configHome(home_));
        break;
    case Base::data:
        known = belowRoot(Xdg::dataHome(home_));
        break;
    case Base::state:
        known = belowRoot(Xdg::stateHome(home_));
        break;
    case Base::downloads: {
        const auto folder = Xdg::downloadFolder(home_);
        known = folder ? belowRoot(*folder) : std::nullopt;
        break;
    }
    case Base::trash:
        known = belowRoot(trashItemsFolder(home_));
        break;
    }
    return *known;
}

std::optional<std::filesystem::path> LayoutFolders::location(const Location& row) const
{
    auto folder = base(row.base);
    if (folder && !row.path.empty())
        *folder /= row.path;
    return folder;
}

const std::optional<std::filesystem::path>& LayoutFolders::trashRoot() const
{
    if (!trashRoot_)
        trashRoot_ = belowRoot(trashRootFolder(home_));
    return *trashRoot_;
}

std::vector<std::filesystem::path> walkClosedFolders(const Layout& layout, const LayoutFolders& folders)
{
    std::vector<std::filesystem::path> closed;
    if (const auto& trash = folders.trashRoot())
        closed.push_back(*trash);
    if (layout.walkSkipsBaseFolders)
        for (const Base base : {Base::cache, Base::config, Base::data, Base::state})
            if (const auto folder = folders.base(base))
                closed.push_back(*folder);
    return closed;
}

} // namespace orvelane::JunkScanner
