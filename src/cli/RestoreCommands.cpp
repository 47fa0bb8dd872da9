#include "RestoreCommands.h"

#include "ByteCount.h"
#include "ByteFormatter.h"
#include "CategoryKind.h"
#include "DisplayText.h"
#include "ExclusionStore.h"
#include "ExitStatus.h"
#include "HomeFolder.h"
#include "PathText.h"
#include "CleanResult.h"
#include "RestoreSession.h"
#include "ScanDocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <ctime>

namespace orvelane::cli {
namespace {

QJsonArray textArray(const std::vector<std::string>& texts)
{
    QJsonArray array;
    for (const std::string& text : texts)
        array.append(QString::fromStdString(text));
    return array;
}

void printJson(const QJsonObject& object)
{
    std::puts(QJsonDocument(object).toJson(QJsonDocument::Indented).constData());
}

void printLines(const std::vector<std::string>& lines, std::FILE* stream = stdout)
{
    std::fflush(stdout); // report lines come before the messages on a shared terminal
    for (const std::string& line : lines)
        std::fprintf(stream, "%s\n", line.c_str());
}

// A path as the user typed it, made absolute against the working folder; ".." is applied as text,
// since an exclusion is matched as text too. Nothing when a relative path has no working folder
// to be relative to (it was removed).
std::optional<std::filesystem::path> absoluteSpelling(const std::filesystem::path& path)
{
    if (path.is_absolute())
        return path.lexically_normal();
    std::error_code noWorkingFolder;
    const std::filesystem::path folder = std::filesystem::current_path(noWorkingFolder);
    if (noWorkingFolder)
        return std::nullopt;
    return (folder / path).lexically_normal();
}

int refuseRelative(const std::filesystem::path& path)
{
    std::fprintf(stderr, "orvelane-cli: %s: a relative path needs a working folder, and there is none\n", path.c_str());
    return ExitStatus::badInput;
}

// The local time of a clean, as the list shows it.
std::string timeText(std::int64_t microseconds)
{
    if (microseconds <= 0)
        return "—";
    const std::time_t seconds = static_cast<std::time_t>(microseconds / 1'000'000);
    std::tm local{};
    char text[32] = {};
    if (!::localtime_r(&seconds, &local) || std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local) == 0)
        return "—";
    return text;
}

int listUndoable(const CliOptions& options)
{
    const auto cleans = RestoreSession::undoable(homeFolder());
    if (!cleans) {
        std::fprintf(stderr, "%s\n", localizedText(DISPLAY_TEXT("Another clean or undo is using the undo journal.")).c_str());
        return ExitStatus::completedWithMessages;
    }
    if (options.json) {
        QJsonArray array;
        for (const UndoableClean& clean : *cleans)
            array.append(QJsonObject{{"id", QString::fromStdString(clean.id)},
                                     {"category", QString::fromLatin1(rawValue(clean.category))},
                                     {"items", static_cast<qint64>(clean.items)},
                                     {"size", static_cast<qint64>(clean.bytes)},
                                     {"when", static_cast<qint64>(clean.when / 1000)}});
        printJson({{"cleans", array}});
    } else if (cleans->empty()) {
        std::printf("%s\n", localizedText(DISPLAY_TEXT("There is no clean to undo.")).c_str());
    } else {
        for (const UndoableClean& clean : *cleans) {
            const std::string count = std::to_string(clean.items);
            std::printf("%s\n", localizedCountedFormat(DISPLAY_TEXT("%@ — %lld items, %@ — cleaned %@"),
                                                       static_cast<std::int64_t>(clean.items),
                                                       {title(clean.category), count, formatBytes(clean.bytes),
                                                        timeText(clean.when)})
                                    .c_str());
        }
    }
    return ExitStatus::done;
}

// The cleans an undo takes back: the newest, or every one in turn (their ids, newest first).
std::vector<UndoOutcome> undoCleans(const RestoreSession& session, UndoScope scope)
{
    const std::filesystem::path home = homeFolder();
    if (scope == UndoScope::latest)
        return {session.undo(home)};
    std::vector<UndoOutcome> outcomes;
    const auto cleans = RestoreSession::undoable(home);
    if (!cleans) {
        UndoOutcome busy;
        busy.errors.push_back(localizedText(DISPLAY_TEXT("Another clean or undo is using the undo journal.")));
        return {busy};
    }
    // By id, so a clean that keeps items in the Trash is not taken again within this run.
    for (const UndoableClean& clean : *cleans)
        outcomes.push_back(session.undo(home, clean.id));
    return outcomes;
}

} // namespace

int runUndo(const CliOptions& options, const JunkScanner::Layout& layout)
{
    if (options.undoScope == UndoScope::list)
        return listUndoable(options);
    UndoOutcome total;
    for (const UndoOutcome& outcome : undoCleans(RestoreSession(layout), options.undoScope)) {
        total.started |= outcome.started;
        total.restoredCount += outcome.restoredCount;
        total.restored = addBytes(total.restored, outcome.restored);
        total.errors.insert(total.errors.end(), outcome.errors.begin(), outcome.errors.end());
    }
    if (options.json) {
        const CleanResult result = total.started ? CleanResult::completed : CleanResult::notStarted;
        printJson({{"result", QString::fromLatin1(rawValue(result))},
                   {"restored", static_cast<qint64>(total.restored)},
                   {"restoredItems", static_cast<qint64>(total.restoredCount)},
                   {"errors", textArray(total.errors)}});
    } else {
        if (!total.started && total.errors.empty())
            std::printf("%s\n", localizedText(DISPLAY_TEXT("There is no clean to undo.")).c_str());
        else if (total.started)
            std::printf("%s\n", localizedFormat(DISPLAY_TEXT("Put back from the Trash: %@"), {formatBytes(total.restored)})
                                    .c_str());
        printLines(total.errors, stderr);
    }
    if (!total.errors.empty()) // a busy journal too: the undo was asked for and could not be done
        return ExitStatus::completedWithMessages;
    return total.started ? ExitStatus::done : ExitStatus::notStarted;
}

int runRestore(const CliOptions& options, const JunkScanner::Layout& layout)
{
    const RestoreSession session(layout);
    const std::filesystem::path home = homeFolder();
    QJsonArray restored;
    std::vector<std::string> errors;
    std::vector<std::string> lines;
    std::vector<std::filesystem::path> entries;
    for (const auto& given : options.paths) { // all spelled out before any is put back
        const auto spelled = absoluteSpelling(given);
        if (!spelled)
            return refuseRelative(given);
        entries.push_back(*spelled);
    }
    for (const std::filesystem::path& entry : entries) {
        const PutBackReport report = session.putBack(entry, displayText(entry.filename()), std::nullopt, home);
        if (report.message) {
            errors.push_back(*report.message);
            continue;
        }
        QJsonObject object;
        writePath(object, report.original);
        restored.append(object);
        lines.push_back(localizedFormat(DISPLAY_TEXT("Put back: %@"), {displayText(report.original)}));
    }
    if (options.json) {
        printJson({{"result", QString::fromLatin1(rawValue(CleanResult::completed))}, {"restored", restored}, {"errors", textArray(errors)}});
    } else {
        printLines(lines);
        printLines(errors, stderr);
    }
    return errors.empty() ? ExitStatus::done : ExitStatus::completedWithMessages;
}

int runExclusions(const CliOptions& options)
{
    if (options.exclusionAction == ExclusionAction::list) {
        const ExclusionList list = ExclusionStore::load();
        if (options.json) {
            QJsonArray paths;
            for (const auto& path : list.paths()) {
                QJsonObject object;
                writePath(object, path);
                paths.append(object);
            }
            printJson({{"exclusions", paths}});
        } else {
            for (const auto& path : list.paths()) {
                std::fwrite(path.native().data(), 1, path.native().size(), stdout); // bytes as they are
                std::fputc('\n', stdout);
            }
        }
        return ExitStatus::done;
    }
    const bool adding = options.exclusionAction == ExclusionAction::add;
    for (const auto& given : options.paths) {
        const auto spelled = absoluteSpelling(given);
        if (!spelled)
            return refuseRelative(given);
        const std::filesystem::path& path = *spelled;
        const auto failure = adding ? ExclusionStore::add(path) : ExclusionStore::remove(path);
        if (failure) {
            std::fprintf(stderr, "orvelane-cli: %s: %s\n", path.c_str(), failure->c_str());
            return ExitStatus::badInput;
        }
    }
    return ExitStatus::done;
}

} // namespace orvelane::cli
