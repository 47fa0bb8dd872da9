#pragma once

#include "CategoryKind.h"
#include "Layout.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvelane::cli {

enum class Command { scan, clean, undo, restore, exclusions, help };

enum class ExclusionAction { list, add, remove };

/// What `undo` takes back: the newest clean, every clean in turn, or nothing (it lists them).
enum class UndoScope { latest, all, list };

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
};

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
