// The bounded search of the home folder for regenerable project folders.

#include "DeveloperArtifacts.h"
#include "DirectoryStream.h"
#include "FileSystem.h"
#include "HomeFolder.h"
#include "Layout.h"
#include "LayoutFolders.h"
#include "Logger.h"
#include "PathText.h"
#include "StatusQuery.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace orvelane::JunkScanner {
namespace {

using ListedEntry = std::pair<std::string, EntryKind>;

void logOpenFailure(const std::filesystem::path& folder, int error)
{
    if (error == ENOENT)
        Logger::debug("JunkScanner: Directory does not exist - " + displayText(folder));
    else
        Logger::warning("JunkScanner: Failed to read directory " + displayText(folder) + " - " +
                        FileSystem::describeErrorForLog(error));
}

// The whole listing is taken first: it is logged with its count before anything is entered,
// and the walk is shallow enough for that to stay small.
std::optional<std::vector<ListedEntry>> listEntries(DirectoryStream& folder,
                                                    const std::filesystem::path& path)
{
    std::vector<ListedEntry> entries;
    while (auto entry = folder.next())
        entries.emplace_back(entry->name, entry->kindHint);
    if (folder.error() != 0) {
        logOpenFailure(path, folder.error());
        return std::nullopt;
    }
    Logger::debug("JunkScanner: Found " + std::to_string(entries.size()) + " items in " +
                  displayText(path.filename()));
    return entries;
}

// What lies beside the folders of one listing, asked once per name: every sub-folder of a
// project asks the same few questions.
class Beside
{
public:
    Beside(const DirectoryStream& folder, const std::vector<ListedEntry>& entries) : folder_(folder), entries_(entries) {}

    bool operator()(std::string_view pattern)
    {
        const auto known = answers_.find(pattern);
        if (known != answers_.end())
            return known->second;
        const bool answer = pattern.starts_with('*') ? anyEndsWith(pattern.substr(1)) : exists(pattern);
        answers_.emplace(std::string(pattern), answer);
        return answer;
    }

private:
    bool exists(std::string_view name) const
    {
        struct stat status
        {};
        return ::fstatat(folder_.fd(), std::string(name).c_str(), &status, 0) == 0; // follows links, like exists()
    }

    bool anyEndsWith(std::string_view ending) const
    {
        return std::any_of(entries_.begin(), entries_.end(), [&](const ListedEntry& entry) {
            return entry.first.size() > ending.size() && std::string_view(entry.first).ends_with(ending);
        });
    }

    const DirectoryStream& folder_;
    const std::vector<ListedEntry>& entries_;
    std::map<std::string, bool, std::less<>> answers_;
};

class ArtifactSearch
{
public:
    ArtifactSearch(const Layout& layout, std::filesystem::path home)
        : home_(std::move(home)), layout_(layout), closed_(walkClosedFolders(layout_, LayoutFolders(home_, home_))),
          anyName_(hasRulesForAnyName(layout))
    {}

    std::vector<FoundArtifact> run()
    {
        auto root = DirectoryStream::open(home_, DirectoryStream::Links::follow);
        int error = root.error();
        const auto rootStatus = root.isOpen() ? statusOfDescriptor(root.fd(), &error) : std::nullopt;
        if (rootStatus)
            walk(root, *rootStatus, home_, 0, false);
        else
            logOpenFailure(home_, error);
        if (FileSystem::exists(home_ / terraformPluginCache))
            found_.push_back({home_ / terraformPluginCache, std::nullopt});
        return std::move(found_);
    }

private:
    enum class Step { pass, offer, enter };

    /**
     * Offers the project folders below `path` and returns the newest modification among the
     * files of its tree outside them, when `aged` (a project lies here or above) or a project
     * lies here; nothing otherwise. The files are asked only then: a home's photos and papers
     * cost no more than before. A folder's own date is not counted: creating a build folder
     * changes the date of the folder it lies in, not the project's sources.
     */
    std::optional<Date> walk(DirectoryStream& folder, const EntryStatus& folderStatus,
                             const std::filesystem::path& path, int depth, bool aged)
    {
        const auto entries = listEntries(folder, path);
        if (!entries)
            return std::nullopt;
        const std::string here = path.filename().native();
        Beside beside(folder, *entries);
        // First what each entry is, so that the files of a folder holding a project are dated
        // before its sub-folders are entered; then, in listing order, what becomes of them.
        std::vector<std::pair<Step, std::optional<EntryStatus>>> steps(entries->size(), {Step::pass, std::nullopt});
        bool project = false;
        for (std::size_t i = 0; i < entries->size(); ++i) {
            const auto& [name, hint] = (*entries)[i];
            if (hint != EntryKind::directory && hint != EntryKind::unknown)
                continue; // a file or a link: links are never followed
            // Folders only: the status tells links from folders where the listing did not, and
            // where another mount begins (asked without triggering an automount).
            auto status = statusAt(folder.fd(), name.c_str());
            if (!status)
                continue;
            if (status->kind != EntryKind::directory) {
                steps[i].second = status; // a file after all: its date is known already
                continue;
            }
            if (isOtherMount(*status, folderStatus)) {
                Logger::debug("JunkScanner: Not searching mount point " + displayText(path / name));
                continue; // neither offered nor searched: its data is not this home's to clean
            }
            const DevArtifact* named = devArtifactNamed(layout_, name);
            if ((named || anyName_) && qualifies(folder, beside, name, depth)) {
                steps[i].first = Step::offer;
                project = true;
                continue; // an artifact's own folders are never searched
            }
            if (named && !named->searchedWithoutMarker)
                continue; // nor, for names no plain folder carries, one without its project file
            if (walkSkips(layout_, here, name, depth))
                continue;
            steps[i] = {Step::enter, status};
        }
        const bool dated = aged || project;
        std::optional<Date> newest;
        const auto note = [&](const std::optional<Date>& date) {
            if (date && (!newest || *date > *newest))
                newest = date;
        };
        const std::size_t offeredFrom = found_.size();
        for (std::size_t i = 0; i < entries->size(); ++i) {
            const auto& [name, hint] = (*entries)[i];
            auto& [step, status] = steps[i];
            if (step == Step::offer) {
                found_.push_back({path / name, std::nullopt});
            } else if (step == Step::enter) {
                note(enter(folder, *status, path / name, depth + 1, dated));
            } else if (dated && hint != EntryKind::directory) {
                if (!status)
                    status = statusAt(folder.fd(), name.c_str());
                if (status && status->kind != EntryKind::directory)
                    note(status->modified);
            }
        }
        for (std::size_t i = offeredFrom; i < found_.size(); ++i)
            if (found_[i].path.parent_path() == path)
                found_[i].projectTouched = newest;
        return dated ? newest : std::nullopt;
    }

    // The project-file rule, and never a tool's own home that merely carries an artifact's name.
    bool qualifies(const DirectoryStream& folder, Beside& beside, const std::string& name, int depth) const
    {
        if (depth == 0 && isToolHomeNamedLikeArtifact(name))
            return false;
        const auto inside = [&](std::string_view file) {
            struct stat status
            {};
            return ::fstatat(folder.fd(), (name + "/" + std::string(file)).c_str(), &status, 0) == 0;
        };
        return qualifyingRule(layout_, name, std::ref(beside), inside) != nullptr;
    }

    std::optional<Date> enter(DirectoryStream& parent, const EntryStatus& status, const std::filesystem::path& path,
                              int depth, bool aged)
    {
        if (depth > maxArtifactSearchDepth || isClosed(path))
            return std::nullopt;
        auto child = DirectoryStream::openAt(parent.fd(), path.filename().c_str());
        if (!child.isOpen()) {
            logOpenFailure(path, child.error());
            return std::nullopt;
        }
        return walk(child, status, path, depth, aged);
    }

    bool isClosed(const std::filesystem::path& path) const
    {
        return std::any_of(closed_.begin(), closed_.end(), [&](const std::filesystem::path& folder) {
            return path.filename() == folder.filename() && path == folder;
        });
    }

    std::filesystem::path home_;
    const Layout& layout_;
    std::vector<std::filesystem::path> closed_;
    std::vector<FoundArtifact> found_;
    bool anyName_;
};

} // namespace

std::vector<FoundArtifact> findDevArtifactsWithProjects(const Layout& layout)
{
    auto found = ArtifactSearch(layout, homeFolder()).run();
    Logger::debug("JunkScanner: Found " + std::to_string(found.size()) + " developer artifacts");
    return found;
}

std::vector<std::filesystem::path> findDevArtifacts(const Layout& layout)
{
    std::vector<std::filesystem::path> paths;
    for (auto& artifact : findDevArtifactsWithProjects(layout))
        paths.push_back(std::move(artifact.path));
    return paths;
}

} // namespace orvelane::JunkScanner
