#include "CliOptions.h"

#include "ScanSession.h"

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

void parseClean(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    bool afterSeparator = false;
    for (std::size_t i = 1; i < args.size() && error.empty(); ++i) {
        if (!afterSeparator && args[i] == "--") {
            afterSeparator = true;
        } else if (!afterSeparator && takeCommonOption(args, i, options, error)) {
            continue;
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
    else if (options.paths.empty())
        error = "clean needs at least one PATH from the saved scan";
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
    } else {
        error = "unknown command '" + args[0] + "' (expected scan, clean, undo, restore or exclusions)";
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

std::string usageText(const JunkScanner::Layout& layout)
{
    return R"(orvelane-cli: find and clean reclaimable data in your home folder

Usage:
  orvelane-cli scan [--json] [--lang en|tr|system] [--layout macos|linux] [--no-exclusions]
                    [CATEGORY...]
  orvelane-cli clean --from SCAN.json [--json] [--lang en|tr|system] [--layout macos|linux]
                     CATEGORY PATH...
  orvelane-cli undo [--all | --list] [--json] [--lang en|tr|system]
  orvelane-cli restore [--json] [--lang en|tr|system] PATH...
  orvelane-cli exclusions [list] [--json]
  orvelane-cli exclusions add|remove PATH...
  orvelane-cli --help

scan     Scans the given categories (default: all of the layout's) at the same time and prints a
         report per category: title, total, every item with its size, safety level, path,
         reason and hint, how many paths were skipped (for guidance: the smaller stores),
         and the free space of the home folder's disk.
         With --json, prints one JSON document:
           {"home", "hasFullDiskAccess", "diskSpace": {"available", "total"} or null,
            "categories": [{"kind", "items": [{"path", "name", "size", "modified",
            "safetyLevel", "safetyReason", "actionHint", "hintForm", "application",
            "deleted", "fileID"}],
            "skipped": [{"path", "name", "size", "reason"}]}]}
         A path that is not valid UTF-8 also carries "pathBytes" (its bytes in hex).
         Paths you excluded are listed as skipped ("excludedByUser"), never as items, unless
         --no-exclusions is given. Progress goes to standard error when it is a terminal.

clean    Takes the items of CATEGORY from a saved `scan --json` document, keeps those whose
         path is listed, and cleans them exactly as the app does: protected and insight items
         are never touched, every item is checked against the disk again right before it
         is removed, and it is moved to the Trash (for the trash category: deleted
         permanently). Prints what was cleaned and one "name: reason" line per item kept.
         With --json: {"result": "completed"|"notStarted", "cleaned": N, "errors": [...]}.
         Use -- before paths that begin with a dash.

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
(nothing cleanable was selected, nothing to undo).
)";
}

} // namespace orvelane::cli
