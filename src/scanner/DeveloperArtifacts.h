#pragma once

#include "SafetyVocabulary.h"
#include "ScanRecords.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orvelane::JunkScanner {

struct Layout;

/// A project's own tool, known by a file it keeps beside the folder (a lock file, or the
/// project file of one of several tools that share a folder name).
struct LockFileHint
{
    std::string lockFile;
    std::string regen;
};

/// One kind of regenerable project folder.
struct DevArtifact
{
    /// Exact folder name, case-sensitive; empty: a folder of any name, known by `inside`.
    std::string dirName;
    /// Project files of which one must lie beside it; empty: the name suffices. "*.csproj" stands
    /// for any name ending so.
    std::vector<std::string> siblings;
    std::string regen; // what rebuilds it, shown as a hint
    /// Tried in order before `regen`: the first of these files beside the folder names the tool.
    std::vector<LockFileHint> lockFileHints{};
    /// A name common enough to be a plain folder ("build"): without its project file the walk
    /// still searches it, as it would any folder.
    bool searchedWithoutMarker = false;
    /// A file the folder itself must hold (a virtual environment's "pyvenv.cfg"); empty: none.
    std::string inside{};
    /// Why it is offered for review, where that is not the rebuild of a project: installed
    /// dependencies, a tool's cache.
    std::optional<SafetyReason> reason{};
};

/// Whether something matching the pattern (a name, or "*.ext") lies beside the folder.
using BesideTest = std::function<bool(std::string_view pattern)>;
/// Whether the folder holds the named file.
using InsideTest = std::function<bool(std::string_view name)>;

/// The rule for a folder name, if any.
const DevArtifact* devArtifactNamed(const Layout& layout, std::string_view dirName);

/// Whether some rule of the layout takes folders of any name.
bool hasRulesForAnyName(const Layout& layout);

/**
 * @brief The rule a folder of that name satisfies, where it lies: its name's rule with its
 * project file beside it and the file it must hold; or else a rule for folders of any name.
 * Nothing when it is no project folder.
 */
const DevArtifact* qualifyingRule(const Layout& layout, std::string_view name, const BesideTest& beside,
                                  const InsideTest& inside);

/// The same, asked of the disk for a folder given by its path (links on the way followed).
const DevArtifact* qualifyingRule(const Layout& layout, const std::filesystem::path& folder);

/// Folders directly in the home folder that carry an artifact's name but are a tool's own home
/// (Gradle's holds credentials, signing keys, init scripts and wrappers): never offered, even
/// with a project file beside them, and never allowed when an item is validated.
inline constexpr std::array<std::string_view, 1> toolHomesNamedLikeArtifacts{".gradle"};

/// Whether a folder of that name directly in the home folder is a tool's home, not an artifact.
bool isToolHomeNamedLikeArtifact(std::string_view dirName);

/// Terraform's plugin cache, relative to the home folder.
inline constexpr std::string_view terraformPluginCache = ".terraform.d/plugin-cache";

/// How deep below the home folder (depth 0) folders are still listed.
inline constexpr int maxArtifactSearchDepth = 8;

/**
 * @brief Whether the walk stays out of a folder by its name: a tool's home, an install tree, a
 * trash, an application bundle. `parentName` is the folder it lies in; `depth` that folder's
 * depth (0: it lies directly in the home folder).
 */
bool walkSkips(const Layout& layout, std::string_view parentName, std::string_view name, int depth);

/**
 * @brief The regenerable project folders under the home folder: a bounded depth-first search
 * in listing order, then the Terraform plugin cache when it exists.
 */
std::vector<std::filesystem::path> findDevArtifacts(const Layout& layout);

/// A project folder the search found, and when its project was last touched.
struct FoundArtifact
{
    std::filesystem::path path;
    /// The newest modification among the files of the folder it lies in and below, outside
    /// every project folder and every folder the search does not enter; nothing when no such
    /// file was seen.
    std::optional<Date> projectTouched;
};

/// findDevArtifacts with each folder's project date, asked of the files in the same walk.
std::vector<FoundArtifact> findDevArtifactsWithProjects(const Layout& layout);

/// What regenerates the folder: "terraform init" for any "plugin-cache", else the tool a file
/// beside it names, else the rule's command; "%1$@" in a command stands for the folder's name.
std::optional<std::string> regenCommand(const Layout& layout, const std::filesystem::path& path);

/// Whether the walk could have offered the folder (links resolved, below the resolved home
/// `root`): within its depth, and with no folder on the way that the walk never enters (a
/// skipped name, an artifact, the trash, or a folder in `closedFolders`).
bool walkReaches(const Layout& layout, const std::filesystem::path& item, const std::filesystem::path& root,
                 const std::vector<std::filesystem::path>& closedFolders);

} // namespace orvelane::JunkScanner
