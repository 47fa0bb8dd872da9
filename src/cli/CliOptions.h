#pragma once

#include "CategoryKind.h"
#include "Layout.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvelane::cli {

enum class Command { scan, clean, undo, restore, exclusions, tidy, help };

enum class ExclusionAction { list, add, remove };

/// What `undo` takes back: the newest clean, every clean in turn, or nothing (it lists them).
enum class UndoScope { latest, all, list };

/// What `tidy` does: tidy up now, or turn the weekly tidy on or off, or tell how it is set.
enum class TidyAction { run, enable, disable, status };

/// A parsed command line of orvelane-cli.
struct CliOptions
{
    Command command = Command::help;
    bool json = false;
    std::optional<std::string> language; ///< "en", "tr" or "system"; absent means the stored choice
    std::optional<JunkScanner::LayoutId> layout; ///< absent: ORVELANE_LAYOUT, else the platform's
    std::vector<CategoryKind> categories; ///< scan: what to scan (all when none given)
    std::filesystem::path document;       ///< clean: the saved scan
    std::optional<CategoryKind> cleanCategory;
    std::vector<std::filesystem::path> paths; ///< clean: the items to remove; restore: the Trash
                                              ///< entries; exclusions: the paths; byte-exact
    bool noExclusions = false;                ///< scan: offer what the user excluded, too
    ExclusionAction exclusionAction = ExclusionAction::list;
    UndoScope undoScope = UndoScope::latest;
    /// clean (devArtifacts): also every item whose project has been untouched this many days.
    std::optional<int> untouchedDays;
    TidyAction tidyAction = TidyAction::run;
    bool dryRun = false;          ///< tidy: list what would go, touch nothing
    bool scheduled = false;       ///< tidy: run by the timer (only when turned on; notifies)
    std::optional<int> tidyDays;  ///< tidy: the day count, instead of the saved one
    std::optional<bool> tidyBuildFolders; ///< tidy: stale build folders too, or not
    std::optional<int> tidyUntouchedDays; ///< tidy: when a project counts as untouched
};

/// A period such as "90d", "12w", "3m" (months of 30 days), "1y" or "90" (days), in days;
/// nothing when it is not one or lies outside 1 to 3650 days.
std::optional<int> periodInDays(const std::string& text);

/// The options, or the reason the command line is unusable.
struct ParseOutcome
{
    std::optional<CliOptions> options;
    std::string error;
};

ParseOutcome parseCommandLine(const std::vector<std::string>& arguments);

/// The text `--help` prints; it lists the layout's categories.
std::string usageText(const JunkScanner::Layout& layout);

} // namespace orvelane::cli
