#include "LocationRules.h"

#include "CandidateLocations.h"
#include "CleanupValidation.h"
#include "FileSystem.h"
#include "Logger.h"
#include "PathResolution.h"
#include "PathText.h"

#include <algorithm>
#include <set>

namespace orvelane::JunkScanner {
namespace {

using Path = std::filesystem::path;
using Names = std::set<std::string, std::less<>>;

std::vector<std::string> componentsOf(const Path& relative)
{
    std::vector<std::string> parts;
    for (const auto& part : relative)
        if (!part.empty() && part != ".")
            parts.push_back(part.native());
    return parts;
}

// The components of `path` below `folder`, or nothing when it does not lie strictly inside.
std::optional<std::vector<std::string>> below(const Path& path, const Path& folder)
{
    const Path inner = standardized(path);
    const Path outer = standardized(folder);
    if (inner == outer || !isContained(inner, outer))
        return std::nullopt;
    return componentsOf(inner.lexically_relative(outer));
}

// Names of a folder's entries that are, or hold, another row's location: those rows offer them,
// so this one must neither offer them twice nor allow what they hold under another category.
Names claimedEntries(const Layout& layout, const Location& row, const Path& folder, const LayoutFolders& folders)
{
    Names claimed;
    for (const Location& other : layout.locations) {
        if (&other == &row)
            continue;
        const auto location = folders.location(other);
        if (!location)
            continue;
        if (const auto parts = below(*location, folder); parts && !parts->empty())
            claimed.insert(parts->front());
    }
    return claimed;
}

bool entryOffered(const Location& row, std::string_view name, const Names& claimed)
{
    if (!row.suffix.empty() && !name.ends_with(row.suffix))
        return false;
    if (std::find(row.leftOut.begin(), row.leftOut.end(), name) != row.leftOut.end())
        return false;
    return !claimed.contains(name);
}

bool isRealFolder(const Path& path)
{
    const auto status = FileSystem::itemStatus(path);
    return status && status->kind == EntryKind::directory;
}

// A location that leads, links resolved, out of the home folder (or onto it) offers nothing.
bool staysInHome(const Path& location, const LayoutFolders& folders)
{
    const auto home = resolvingLinks(folders.root());
    const auto real = resolvingLinks(location);
    if (!home || !real)
        return false;
    const Path realHome = standardized(*home);
    const Path realLocation = standardized(*real);
    return realLocation != realHome && isContained(realLocation, realHome);
}

// A folder whose entries are offered must be where it is spelled: validation judges an entry
// by where it really lies, so a folder reached through a link (a cache folder that is really
// the documents) would offer what can never be cleaned, or worse, look like it could.
bool isWhereSpelled(const Path& folder, const LayoutFolders& folders)
{
    const auto home = resolvingLinks(folders.root());
    const auto real = resolvingLinks(folder);
    if (!home || !real)
        return false;
    return standardized(*real) == standardized(*home) / standardized(folder).lexically_relative(folders.root());
}

void appendEntries(const Layout& layout, const Location& row, const Path& folder, const LayoutFolders& folders,
                   ListingCache& listings, std::vector<Path>& into)
{
    const Names claimed = claimedEntries(layout, row, folder, folders);
    for (const Path& entry : listings.entries(folder, row.includeHidden))
        if (entryOffered(row, entry.filename().native(), claimed))
            into.push_back(entry);
}

void appendPlaces(const Location& row, const Path& folder, const LayoutFolders& folders, ListingCache& listings,
                  std::vector<Path>& into)
{
    const auto& trash = folders.trashRoot();
    for (const Path& child : listings.entries(folder, false)) {
        if (trash && child == *trash)
            continue; // what lies in the trash belongs to the trash alone
        const Path place = child / row.place;
        if (FileSystem::exists(place) && isRealFolder(child))
            into.push_back(place);
    }
}

bool entriesAllow(const Layout& layout, const Location& row, const Path& item, const Path& folder,
                  const LayoutFolders& folders)
{
    const auto parts = below(item, folder);
    if (!parts)
        return false; // the folder itself is never an item
    return entryOffered(row, parts->front(), claimedEntries(layout, row, folder, folders));
}

// Exactly <folder>/<one sub-folder>/<place>, or inside it.
bool placeAllows(const Location& row, const Path& item, const Path& folder)
{
    const auto parts = below(item, folder);
    const auto place = componentsOf(Path(row.place));
    if (!parts || parts->size() < place.size() + 1 || FileSystem::isHiddenName(parts->front()))
        return false;
    return std::equal(place.begin(), place.end(), parts->begin() + 1);
}

std::string withChild(const Location& row, const Path& path)
{
    const auto depth = componentsOf(Path(row.place)).size();
    Path child = path;
    for (std::size_t i = 0; i < depth; ++i)
        child = child.parent_path();
    const std::string name = displayText(child.filename());
    return row.naming == Naming::child ? name : name + "/" + std::string(row.place);
}

// The name every candidate of the row ends in, where the row fixes it: a cheap test that spares
// most paths (all of a walk's project folders) the comparison of whole locations.
std::string_view fixedLastComponent(const Location& row)
{
    const std::string_view spelled = row.shape == Shape::eachChild ? row.place : row.path;
    if (row.shape == Shape::entries || spelled.empty())
        return {};
    const auto slash = spelled.find_last_of('/');
    return slash == std::string_view::npos ? spelled : spelled.substr(slash + 1);
}

// Whether `path` is exactly a candidate the row offers (not something inside one).
bool offersExactly(const Location& row, const Path& path, const Path& location)
{
    switch (row.shape) {
    case Shape::itself:
        return standardized(path) == standardized(location);
    case Shape::entries: {
        const auto parts = below(path, location);
        return parts && parts->size() == 1;
    }
    case Shape::eachChild: {
        const auto parts = below(path, location);
        const auto place = componentsOf(Path(row.place));
        return parts && parts->size() == place.size() + 1 && std::equal(place.begin(), place.end(), parts->begin() + 1);
    }
    }
    return false;
}

} // namespace

const std::vector<Path>& ListingCache::entries(const Path& folder, bool includeHidden)
{
    auto& known = listings_[{folder, includeHidden}];
    if (!known)
        known = contents(folder, includeHidden);
    return *known;
}

void appendCandidates(const Layout& layout, const Location& row, const LayoutFolders& folders, ListingCache& listings,
                      std::vector<Path>& into)
{
    const auto location = folders.location(row);
    if (!location)
        return;
    switch (row.shape) {
    case Shape::itself:
        if (FileSystem::exists(*location) && staysInHome(*location, folders))
            into.push_back(*location);
        return;
    case Shape::entries:
    case Shape::eachChild:
        if (!staysInHome(*location, folders) || !isWhereSpelled(*location, folders)) {
            Logger::debug("JunkScanner: Not listing " + displayText(*location) + " - it is reached through a link");
            return;
        }
        if (row.shape == Shape::entries)
            appendEntries(layout, row, *location, folders, listings, into);
        else
            appendPlaces(row, *location, folders, listings, into);
        return;
    }
}

bool rowAllows(const Layout& layout, const Location& row, const Path& item, const LayoutFolders& folders)
{
    const auto location = folders.location(row);
    if (!location)
        return false;
    switch (row.shape) {
    case Shape::itself:
        return isContained(item, *location);
    case Shape::entries:
        return entriesAllow(layout, row, item, *location, folders);
    case Shape::eachChild:
        return placeAllows(row, item, *location);
    }
    return false;
}

std::optional<std::string> rowName(const Layout& layout, const Path& path, const LayoutFolders& folders)
{
    const Path filename = path.filename();
    const std::string_view name = filename.native();
    for (const Location& row : layout.locations) {
        if (row.naming == Naming::lastComponent)
            continue;
        if (const auto last = fixedLastComponent(row); !last.empty() && last != name)
            continue;
        const auto location = folders.location(row);
        if (!location || !offersExactly(row, path, *location))
            continue;
        switch (row.naming) {
        case Naming::fixed:
            return std::string(row.name);
        case Naming::fromHome:
            return "~/" + displayText(standardized(path).lexically_relative(folders.root()));
        case Naming::child:
        case Naming::childAndPlace:
            return withChild(row, path);
        case Naming::lastComponent:
            break;
        }
    }
    return std::nullopt;
}

std::optional<std::string> rowHint(const Layout& layout, CategoryKind kind, const Path& path,
                                   const LayoutFolders& folders)
{
    for (const Location& row : layout.locations) {
        if (row.category != kind || row.hint.empty())
            continue;
        if (const auto location = folders.location(row); location && offersExactly(row, path, *location))
            return std::string(row.hint);
    }
    return std::nullopt;
}

} // namespace orvelane::JunkScanner
