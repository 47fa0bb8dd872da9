#pragma once

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

/// A project's own tool, known by the lock file it leaves beside the folder.
struct LockFileHint
{
    std::string lockFile;
    std::string regen;
};

/// One kind of regenerable project folder.
struct DevArtifact
{
    std::string dirName; // exact folder name, case-sensitive
    std::vector<std::string>
        siblings;      // project files of which one must lie beside it; empty: the name suffices
    std::string regen; // what rebuilds it, shown as a hint
    /// Tried in order before `regen`: the first lock file beside the folder names the tool.
    std::vector<LockFileHint> lockFileHints{};
    /// A name common enough to be a plain folder ("build"): without its project file the walk
    /// still searches it, as it would any folder.
    bool searchedWithoutMarker = false;
};

/// The rule for a folder name, if any.
const DevArtifact* devArtifactNamed(const Layout& layout, std::string_view dirName);

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
 * @brief The regenerable project folders under the home folder: a bounded depth-first search
 * in listing order, then the Terraform plugin cache when it exists.
 */
std::vector<std::filesystem::path> findDevArtifacts(const Layout& layout);

/// Whether the folder satisfies the project-file rule for its name (false without a rule).
bool matchesSiblings(const Layout& layout, const std::filesystem::path& folder, std::string_view name);

/// The same rule with the existence test supplied, for callers that hold the parent open.
bool matchesSiblings(const Layout& layout, std::string_view name,
                     const std::function<bool(const std::string&)>& existsBeside);

/// What regenerates the folder: "terraform init" for any "plugin-cache", else the tool whose lock
/// file lies beside it, else the rule's command.
std::optional<std::string> regenCommand(const Layout& layout, const std::filesystem::path& path);

/// Whether the walk could have offered the folder (links resolved, below the resolved home
/// `root`): within its depth, and with no folder on the way that the walk never enters (a
/// skipped name, an artifact, the trash, or a folder in `closedFolders`).
bool walkReaches(const Layout& layout, const std::filesystem::path& item, const std::filesystem::path& root,
                 const std::vector<std::filesystem::path>& closedFolders);

} // namespace orvelane::JunkScanner
