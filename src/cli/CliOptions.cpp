#include "CliOptions.h"

#include "ScanSession.h"
#include "TidyChoices.h"

namespace orvelane::cli {
namespace {

std::optional<CategoryKind> category(const std::string& raw, std::string& error)
{
    const auto kind = categoryKindFromRawValue(raw);
    if (!kind)
        error = "unknown category '" + raw + "' (expected one of: caches logs xcode devCaches devArtifacts "
                                             "downloads trash insights)";
    return kind;
}

// The value of `--name VALUE` or `--name=VALUE`; nothing when `argument` is neither.
std::optional<std::string> optionValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
                                       std::string& error, const char* missing)
{
    const std::string& argument = args[i];
    if (argument == name) {
        if (i + 1 >= args.size()) {
            error = missing;
            return std::string();
        }
        return args[++i];
    }
    if (argument.starts_with(name + "="))
        return argument.substr(name.size() + 1);
    return std::nullopt;
}

// Options shared by both commands; returns false when `argument` is not one of them.
bool takeCommonOption(const std::vector<std::string>& args, std::size_t& i, CliOptions& options, std::string& error)
{
    const std::string& argument = args[i];
    if (argument == "--json") {
        options.json = true;
        return true;
    }
    if (const auto layout = optionValue(args, i, "--layout", error, "--layout needs a value: macos or linux")) {
        if (error.empty() && !(options.layout = JunkScanner::layoutNamed(*layout)))
            error = "--layout takes macos or linux, not '" + *layout + "'";
        return true;
    }
    std::string language;
    if (argument == "--lang") {
        if (i + 1 >= args.size()) {
            error = "--lang needs a value: en, tr or system";
            return true;
        }
        language = args[++i];
    } else if (argument.starts_with("--lang=")) {
        language = argument.substr(7);
    } else {
        return false;
    }
    if (language != "en" && language != "tr" && language != "system")
        error = "--lang takes en, tr or system, not '" + language + "'";
    options.language = language;
    return true;
}

void parseScan(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    for (std::size_t i = 1; i < args.size() && error.empty(); ++i) {
        if (takeCommonOption(args, i, options, error))
            continue;
        if (args[i] == "--no-exclusions") {
            options.noExclusions = true;
        } else if (args[i].starts_with("--")) {
            error = "unknown option '" + args[i] + "' for scan";
        } else if (const auto kind = category(args[i], error)) {
            options.categories.push_back(*kind);
        }
    }
}

// The value of a period option, or a message.
std::optional<int> periodOption(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
                                std::string& error)
{
    const auto value = optionValue(args, i, name, error, (name + " needs a period such as 90d").c_str());
    if (!value || !error.empty())
        return std::nullopt;
    const auto days = periodInDays(*value);
    if (!days)
        error = name + " takes a period of 1 to 3650 days such as 30d, 12w, 3m or 1y, not '" + *value + "'";
    return days;
}

void parseClean(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    bool afterSeparator = false;
    for (std::size_t i = 1; i < args.size() && error.empty(); ++i) {
        if (!afterSeparator && args[i] == "--") {
            afterSeparator = true;
        } else if (!afterSeparator && takeCommonOption(args, i, options, error)) {
            continue;
        } else if (!afterSeparator && (args[i] == "--untouched" || args[i].starts_with("--untouched="))) {
            options.untouchedDays = periodOption(args, i, "--untouched", error);
        } else if (!afterSeparator && args[i] == "--from") {
            if (i + 1 >= args.size())
                error = "--from needs the path of a saved scan";
            else
                options.document = args[++i];
        } else if (!afterSeparator && args[i].starts_with("--")) {
            error = "unknown option '" + args[i] + "' for clean";
        } else if (!options.cleanCategory) {
            options.cleanCategory = category(args[i], error);
        } else {
            options.paths.emplace_back(args[i]);
        }
    }
    if (!error.empty())
        return;
    if (options.document.empty())
        error = "clean needs --from SCAN.json";
    else if (!options.cleanCategory)
        error = "clean needs a CATEGORY";
    else if (options.untouchedDays && *options.cleanCategory != CategoryKind::devArtifacts)
        error = "--untouched selects build folders: it takes the devArtifacts category";
    else if (options.paths.empty() && !options.untouchedDays)
        error = "clean needs at least one PATH from the saved scan (or --untouched PERIOD)";
}

void parseTidy(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    const auto setAction = [&](TidyAction action) {
        if (options.tidyAction != TidyAction::run)
            error = "tidy takes one of --enable, --disable and --status";
        options.tidyAction = action;
    };
    for (std::size_t i = 1; i < args.size() && error.empty(); ++i) {
        const std::string& argument = args[i];
        if (takeCommonOption(args, i, options, error))
            continue;
        if (argument == "--enable")
            setAction(TidyAction::enable);
        else if (argument == "--disable")
            setAction(TidyAction::disable);
        else if (argument == "--status")
            setAction(TidyAction::status);
        else if (argument == "--dry-run")
            options.dryRun = true;
        else if (argument == "--scheduled")
            options.scheduled = true;
        else if (argument == "--build-folders")
            options.tidyBuildFolders = true;
        else if (argument == "--no-build-folders")
            options.tidyBuildFolders = false;
        else if (argument == "--days" || argument.starts_with("--days=")) {
            const auto value = optionValue(args, i, "--days", error, "--days needs a number of days");
            if (!error.empty())
                break;
            const auto days = periodInDays(*value);
            if (!days || value->find_first_not_of("0123456789") != std::string::npos)
                error = "--days takes a number of days from 1 to 3650, not '" + *value + "'";
            options.tidyDays = days;
        } else if (argument == "--untouched" || argument.starts_with("--untouched=")) {
            options.tidyUntouchedDays = periodOption(args, i, "--untouched", error);
        } else
            error = argument.starts_with("--") ? "unknown option '" + argument + "' for tidy"
                                               : "tidy takes no arguments";
    }
    if (!error.empty())
        return;
    const bool running = options.tidyAction == TidyAction::run;
    if (!running && (options.dryRun || options.scheduled))
        error = "--dry-run and --scheduled run a tidy; they do not go with --enable, --disable or --status";
    else if (options.tidyAction == TidyAction::status &&
             (options.tidyDays || options.tidyBuildFolders || options.tidyUntouchedDays))
        error = "tidy --status changes nothing: it takes no --days, --untouched or --build-folders";
    else if (options.dryRun && options.scheduled)
        error = "a scheduled tidy is never a dry run";
}

// Options, then paths (all of them after "--"), as `restore` and `exclusions add|remove` take them.
void parsePaths(const std::vector<std::string>& args, std::size_t first, CliOptions& options, std::string& error,
                const std::string& command)
{
    bool afterSeparator = false;
    for (std::size_t i = first; i < args.size() && error.empty(); ++i) {
        if (!afterSeparator && args[i] == "--")
            afterSeparator = true;
        else if (!afterSeparator && takeCommonOption(args, i, options, error))
            continue;
        else if (!afterSeparator && args[i].starts_with("--"))
            error = "unknown option '" + args[i] + "' for " + command;
        else if (args[i].empty())
            error = "an empty PATH names nothing (" + command + ")"; // not the working folder
        else
            options.paths.emplace_back(args[i]);
    }
}

void parseUndo(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    for (std::size_t i = 1; i < args.size() && error.empty(); ++i) {
        if (takeCommonOption(args, i, options, error))
            continue;
        const auto scope = args[i] == "--all" ? std::optional(UndoScope::all)
                           : args[i] == "--list" ? std::optional(UndoScope::list)
                                                 : std::nullopt;
        if (scope && options.undoScope == UndoScope::latest)
            options.undoScope = *scope;
        else if (scope)
            error = "undo takes one of --all and --list";
        else
            error = args[i].starts_with("--") ? "unknown option '" + args[i] + "' for undo"
                                              : "undo takes no arguments (it undoes your last clean)";
    }
}

void parseRestore(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    parsePaths(args, 1, options, error, "restore");
    if (error.empty() && options.paths.empty())
        error = "restore needs at least one PATH of an item in the Trash";
}

void parseExclusions(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    std::size_t first = 1;
    if (args.size() > 1 && !args[1].starts_with("-")) {
        const std::string& action = args[1];
        if (action == "list")
            options.exclusionAction = ExclusionAction::list;
        else if (action == "add")
            options.exclusionAction = ExclusionAction::add;
        else if (action == "remove")
            options.exclusionAction = ExclusionAction::remove;
        else {
            error = "unknown action '" + action + "' for exclusions (expected add, remove or list)";
            return;
        }
        first = 2;
    }
    parsePaths(args, first, options, error, "exclusions");
    if (!error.empty())
        return;
    if (options.exclusionAction == ExclusionAction::list && !options.paths.empty())
        error = "exclusions list takes no paths";
    else if (options.exclusionAction != ExclusionAction::list && options.paths.empty())
        error = std::string("exclusions ") + (options.exclusionAction == ExclusionAction::add ? "add" : "remove") +
                " needs at least one PATH";
}

} // namespace

ParseOutcome parseCommandLine(const std::vector<std::string>& args)
{
    CliOptions options;
    std::string error;
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        options.command = Command::help;
    } else if (args[0] == "scan") {
        options.command = Command::scan;
        parseScan(args, options, error);
    } else if (args[0] == "clean") {
        options.command = Command::clean;
        parseClean(args, options, error);
    } else if (args[0] == "undo") {
        options.command = Command::undo;
        parseUndo(args, options, error);
    } else if (args[0] == "restore") {
        options.command = Command::restore;
        parseRestore(args, options, error);
    } else if (args[0] == "exclusions") {
        options.command = Command::exclusions;
        parseExclusions(args, options, error);
    } else if (args[0] == "tidy") {
        options.command = Command::tidy;
        parseTidy(args, options, error);
    } else {
        error = "unknown command '" + args[0] + "' (expected scan, clean, undo, restore, exclusions or tidy)";
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            options.command = Command::help;
            error.clear();
        }
    }
    // The help lists the categories of the layout asked for, wherever it was asked for.
    if (options.command == Command::help && !options.layout) {
        for (std::size_t i = 0; i < args.size(); ++i) {
            std::string ignored;
            if (const auto layout = optionValue(args, i, "--layout", ignored, ""))
                options.layout = JunkScanner::layoutNamed(*layout);
        }
    }
    if (!error.empty())
        return {std::nullopt, error};
    return {options, {}};
}

std::optional<int> periodInDays(const std::string& text)
{
    if (text.empty() || text.size() > 6)
        return std::nullopt;
    int unit = 1;
    std::string digits = text;
    switch (text.back()) {
    case 'd':
        digits.pop_back();
        break;
    case 'w':
        unit = 7, digits.pop_back();
        break;
    case 'm':
        unit = 30, digits.pop_back();
        break;
    case 'y':
        unit = 365, digits.pop_back();
        break;
    default:
        break;
    }
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const long days = std::stol(digits) * unit;
    if (days < kMinTidyDays || days > kMaxTidyDays)
        return std::nullopt;
    return static_cast<int>(days);
}

std::string usageText(const JunkScanner::Layout& layout)
{
    return R"(orvelane-cli: find and clean reclaimable data in your home folder

Usage:
  orvelane-cli scan [--json] [--lang en|tr|system] [--layout macos|linux] [--no-exclusions]
                    [CATEGORY...]
  orvelane-cli clean --from SCAN.json [--json] [--lang en|tr|system] [--layout macos|linux]
                     CATEGORY PATH...
  orvelane-cli clean --from SCAN.json [--json] devArtifacts --untouched PERIOD [PATH...]
  orvelane-cli undo [--all | --list] [--json] [--lang en|tr|system]
  orvelane-cli restore [--json] [--lang en|tr|system] PATH...
  orvelane-cli exclusions [list] [--json]
  orvelane-cli exclusions add|remove PATH...
  orvelane-cli tidy [--dry-run | --scheduled] [--json] [--days N] [--build-folders |
                    --no-build-folders] [--untouched PERIOD] [--lang en|tr|system]
  orvelane-cli tidy --enable [--days N] [--build-folders | --no-build-folders]
                    [--untouched PERIOD]
  orvelane-cli tidy --disable | --status [--json]
  orvelane-cli --help

scan     Scans the given categories (default: all of the layout's) at the same time and prints a
         report per category: title, total, every item with its size, safety level, path,
         reason and hint, how many paths were skipped (for guidance: the smaller stores),
         and the free space of the home folder's disk.
         With --json, prints one JSON document:
           {"home", "hasFullDiskAccess", "diskSpace": {"available", "total"} or null,
            "categories": [{"kind", "items": [{"path", "name", "size", "modified",
            "safetyLevel", "safetyReason", "actionHint", "hintForm", "application",
            "deleted", "projectTouched", "fileID", "files", "folders"}],
            "skipped": [{"path", "name", "size", "reason"}]}]}
         A path that is not valid UTF-8 also carries "pathBytes" (its bytes in hex).
         "projectTouched": for a build folder, when its project was last touched (the
         newest of the project's own files beside and below it, outside build folders);
         a project touched this week makes its build folders "projectActive" (review).
         "files", "folders": how many of each removing the item takes away (the item
         itself included; 0 and 0 when they could not be counted).
         Paths you excluded are listed as skipped ("excludedByUser"), never as items, unless
         --no-exclusions is given. Progress goes to standard error when it is a terminal.

clean    Takes the items of CATEGORY from a saved `scan --json` document, keeps those whose
         path is listed, and cleans them exactly as the app does: protected and insight items
         are never touched, every item is checked against the disk again right before it
         is removed, and it is moved to the Trash (for the trash category: deleted
         permanently). Prints what was cleaned and one "name: reason" line per item kept.
         With --json: {"result": "completed"|"notStarted", "cleaned": N, "errors": [...]}.
         Use -- before paths that begin with a dash.
         --untouched PERIOD (devArtifacts only) also takes every build folder whose project
         has been untouched for PERIOD: 90d, 12w, 3m (months of 30 days), 1y, or days.
         With paths as well, both are taken.

undo     Puts the items of your last clean back from the Trash, each to the exact place it
         came from. The window and this tool share the journal of the last 20 cleans that
         moved items to the Trash; undo again to take back the one before. Nothing is ever
         overwritten: an item whose place is taken again stays in the Trash, with a message,
         and a later undo tries it again. A clean whose items all left the Trash (emptied,
         put back) drops out. A permanent deletion cannot be undone.
         --all takes back every clean in turn, newest first; --list only lists them.
         With --json: {"result", "restored": N, "restoredItems": N, "errors": [...]};
         with --list: {"cleans": [{"id", "category", "items", "size", "when"}]}, newest first.

restore  Puts items back from the Trash (PATH: the item in the Trash's files folder, as a
         scan of the trash category lists it) to the place its .trashinfo record names, also
         for items other tools trashed; records naming a place outside your home folder are
         refused. With --json: {"result", "restored": [{"path"}], "errors": [...]}.

tidy     Tidies up without asking, under a fixed, cautious rule: items rated safe in caches,
         logs and devCaches unchanged for N days (--days, default 30) go to the Trash;
         Trash entries deleted over N days ago are deleted for good. Never anything rated
         review or protected, nothing in Downloads, nothing you excluded; build folders only
         with --build-folders, and then only those of projects untouched for --untouched
         (default 90d) that were not built in those N days. Every item is checked again
         right before it goes, as in clean; one undo puts back all a tidy moved to the Trash.
         --dry-run lists what would go and touches nothing. --scheduled is the weekly
         timer's run: only while the weekly tidy is on, and it then tells the desktop.
         Options given with a run hold for that run; the saved choices are used otherwise.
         With --json: {"result", "dryRun", "trashed": N, "deleted": N, "items":
         [{"category", "path", "name", "size", "action": "trashed"|"deleted"}], "errors"}.
         --enable turns the weekly tidy on (saving --days, --build-folders and --untouched
         given with it) and enables the systemd user timer orvelane-tidy.timer; --disable
         turns both off; --status tells the choices and the timer ({"enabled", "timer",
         "days", "includeBuildFolders", "untouchedDays"}). Without a systemd user instance
         the timer cannot be enabled: it says so and exits with status 1.

exclusions  Lists (the default), adds or removes the paths that are never offered again.
         A path excludes itself, byte for byte, and everything below it. The window's
         "Never Offer This Again" adds to the same list.

Categories: )" + ScanSession(layout).categoryNames() + R"(

--lang   Language of the readable report (default: the one chosen in the app's settings).
--layout Where to look: the folders of macOS or of a freedesktop (Linux) desktop (default:
         $ORVELANE_LAYOUT, else the platform's own). Validation before a clean uses the same.

A scan document larger than 256 MiB is refused. An item listed twice is cleaned once.

Exclusions are checked again when cleaning: an item excluded after its scan stays.
Messages about single items go to standard error, the report to standard output.

Exit status: 0 done without messages; 1 completed with messages (also: the undo journal
could not be written or was busy); 2 bad usage or an unreadable, invalid or oversized
scan document (nothing touched), or exclusions that could not be saved; 3 not started
(nothing cleanable was selected, nothing to undo or tidy).
)";
}

} // namespace orvelane::cli
