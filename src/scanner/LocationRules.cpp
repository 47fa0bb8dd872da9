#include "LocationRules.h"

#include "CandidateLocations.h"
#include "CleanupValidation.h"
#include "DisplayText.h"
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

bool matchesPattern(std::string_view pattern, std::string_view name)
{
    if (pattern.ends_with('*'))
        return name.starts_with(pattern.substr(0, pattern.size() - 1));
    return name == pattern;
}

// What the row knows of one of its entries or sub-folders: the first known pattern it
// matches, or what the row says of all the others.
const Knowledge& knowledgeOf(const Location& row, std::string_view name)
{
    const auto known = std::find_if(row.known.begin(), row.known.end(),
                                    [&](const KnownEntry& entry) { return matchesPattern(entry.pattern, name); });
    return known == row.known.end() ? row.about : known->knowledge;
}

// A sandbox id names its program in its last part ("org.gnome.Maps": Maps); any other folder
// is named as it is.
std::string programNamedBy(std::string_view folder)
{
    if (std::count(folder.begin(), folder.end(), '.') >= 2)
        folder = folder.substr(folder.find_last_of('.') + 1);
    return displayText(folder);
}

std::optional<std::string> programOf(const Location& row, std::string_view child, const Knowledge& knowledge)
{
    if (!knowledge.application.empty())
        return std::string(knowledge.application);
    if (row.shape != Shape::eachChild)
        return std::nullopt;
    const auto named = std::find_if(row.programs.begin(), row.programs.end(),
                                    [&](const ProgramName& program) { return matchesPattern(program.pattern, child); });
    return named != row.programs.end() ? std::string(named->name) : programNamedBy(child);
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
    if (!row.prefix.empty() && !name.starts_with(row.prefix))
        return false;
    if (std::find(row.leftOut.begin(), row.leftOut.end(), name) != row.leftOut.end())
        return false;
    return !claimed.contains(name) && knowledgeOf(row, name).verdict != Verdict::never;
}

bool childOffered(const Location& row, std::string_view child)
{
    return !FileSystem::isHiddenName(child) && knowledgeOf(row, child).verdict != Verdict::never;
}

bool isRealFolder(const Path& path)
{
    const auto status = FileSystem::itemStatus(path);
    return status && status->kind == EntryKind::directory;
}

// Whether the path lies where it is spelled, inside the home folder: the re-check judges an item by where it really lies, so a folder reached through a link (a
// cache folder that is really the documents) would offer what can never be cleaned, or worse,
// look like it could.
bool isWhereSpelled(const Path& path, const LayoutFolders& folders, bool mayBeHome = false)
{
    const auto real = resolvingLinks(path);
    if (!real)
        return false;
    const Path realHome = folders.realRoot();
    const Path found = standardized(*real);
    const Path expected = standardized(realHome / standardized(path).lexically_relative(standardized(folders.root())));
    return found == expected && (mayBeHome || found != realHome);
}

void appendEntries(const Layout& layout, const Location& row, const Path& folder, const LayoutFolders& folders,
                   ListingCache& listings, std::vector<Candidate>& into)
{
    const Names claimed = claimedEntries(layout, row, folder, folders);
    for (const Path& entry : listings.entries(folder, row.includeHidden))
        if (entryOffered(row, entry.filename().native(), claimed))
            into.push_back({entry, &row});
}

void appendPlaces(const Location& row, const Path& folder, const LayoutFolders& folders, ListingCache& listings,
                  std::vector<Candidate>& into)
{
    const auto& trash = folders.trashRoot();
    for (const Path& child : listings.entries(folder, false)) {
        if (trash && child == *trash)
            continue; // what lies in the trash belongs to the trash alone
        if (!childOffered(row, child.filename().native()))
            continue;
        const Path place = child / row.place;
        if (FileSystem::exists(place) && isRealFolder(child) && isWhereSpelled(place.parent_path(), folders))
            into.push_back({place, &row});
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
    if (!parts || parts->size() < place.size() + 1 || !childOffered(row, parts->front()))
        return false;
    return std::equal(place.begin(), place.end(), parts->begin() + 1);
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
bool offersExactly(const Layout& layout, const Location& row, const Path& path, const LayoutFolders& folders)
{
    const auto location = folders.location(row);
    if (!location)
        return false;
    if (row.shape == Shape::itself)
        return standardized(path) == standardized(*location);
    const auto parts = below(path, *location);
    if (!parts)
        return false;
    if (row.shape == Shape::entries)
        return parts->size() == 1 && entryOffered(row, parts->front(), claimedEntries(layout, row, *location, folders));
    const auto place = componentsOf(Path(row.place));
    return parts->size() == place.size() + 1 && std::equal(place.begin(), place.end(), parts->begin() + 1) &&
           childOffered(row, parts->front());
}

// The entry or sub-folder of the row's folder that the candidate is, or lies in.
std::string folderEntryOf(const Location& row, const Path& path, const LayoutFolders& folders)
{
    const auto location = folders.location(row);
    const auto parts = location ? below(path, *location) : std::nullopt;
    return parts && !parts->empty() ? parts->front() : std::string();
}

// The name the row gives its candidate when its knowledge names none.
std::string rowNaming(const Location& row, const Path& path, const LayoutFolders& folders,
                      const std::optional<std::string>& program)
{
    switch (row.naming) {
    case Naming::fromHome:
        return "~/" + displayText(standardized(path).lexically_relative(folders.root()));
    case Naming::child:
        return program.value_or(displayText(folderEntryOf(row, path, folders)));
    case Naming::childAndPlace:
        return displayText(folderEntryOf(row, path, folders)) + "/" + std::string(row.place);
    case Naming::fixed:
    case Naming::lastComponent:
        break;
    }
    return {};
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
                      std::vector<Candidate>& into)
{
    const auto location = folders.location(row);
    if (!location)
        return;
    switch (row.shape) {
    case Shape::itself:
        if (FileSystem::exists(*location) && isWhereSpelled(*location, folders))
            into.push_back({*location, &row});
        return;
    case Shape::entries:
    case Shape::eachChild:
        // The home folder itself is a row's folder only for names it picks out there.
        if (!isWhereSpelled(*location, folders, row.base == Base::home && row.path.empty())) {
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

Reading readCandidate(const Location& row, const Path& path, const LayoutFolders& folders)
{
    const std::string entry = row.shape == Shape::itself ? std::string() : folderEntryOf(row, path, folders);
    const Knowledge& knowledge = row.shape == Shape::itself ? row.about : knowledgeOf(row, entry);
    Reading reading;
    reading.application = programOf(row, entry, knowledge);
    reading.verdict = knowledge.verdict;
    reading.reason = knowledge.reason;
    reading.hint = knowledge.hint;
    if (!knowledge.name.empty())
        reading.name = localizedFormat(knowledge.name, {reading.application.value_or(displayText(entry))});
    else
        reading.name = rowNaming(row, path, folders, reading.application);
    return reading;
}

const Location* offeringRow(const Layout& layout, CategoryKind kind, const Path& path, const LayoutFolders& folders)
{
    for (const Location& row : layout.locations) {
        if (row.category != kind)
            continue;
        if (const auto last = fixedLastComponent(row); !last.empty() && last != path.filename().native())
            continue;
        if (offersExactly(layout, row, path, folders))
            return &row;
    }
    return nullptr;
}

const Location* namingRow(const Layout& layout, const Path& path, const LayoutFolders& folders)
{
    for (const Location& row : layout.locations) {
        const bool names = row.naming != Naming::lastComponent || !row.about.name.empty() || !row.known.empty();
        if (!names)
            continue;
        if (const auto last = fixedLastComponent(row); !last.empty() && last != path.filename().native())
            continue;
        if (offersExactly(layout, row, path, folders))
            return &row;
    }
    return nullptr;
}

} // namespace orvelane::JunkScanner
