#include "RestoreCommands.h"

#include "ByteFormatter.h"
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

void printLines(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
}

// A path as the user typed it, made absolute against the working folder; ".." is applied as text,
// since an exclusion is matched as text too.
std::filesystem::path absoluteSpelling(const std::filesystem::path& path)
{
    return (path.is_absolute() ? path : std::filesystem::current_path() / path).lexically_normal();
}

} // namespace

int runUndo(const CliOptions& options, const JunkScanner::Layout& layout)
{
    const UndoOutcome outcome = RestoreSession(layout).undo(homeFolder());
    if (options.json) {
        const CleanResult result = outcome.started ? CleanResult::completed : CleanResult::notStarted;
        printJson({{"result", QString::fromLatin1(rawValue(result))},
                   {"restored", static_cast<qint64>(outcome.restored)},
                   {"restoredItems", static_cast<qint64>(outcome.restoredCount)},
                   {"errors", textArray(outcome.errors)}});
    } else if (!outcome.started) {
        std::printf("%s\n", localizedText(DISPLAY_TEXT("There is no clean to undo.")).c_str());
    } else {
        std::printf("%s\n",
                    localizedFormat(DISPLAY_TEXT("Put back from the Trash: %@"), {formatBytes(outcome.restored)}).c_str());
        printLines(outcome.errors);
    }
    if (!outcome.started)
        return ExitStatus::notStarted;
    return outcome.errors.empty() ? ExitStatus::done : ExitStatus::completedWithMessages;
}

int runRestore(const CliOptions& options, const JunkScanner::Layout& layout)
{
    const RestoreSession session(layout);
    const std::filesystem::path home = homeFolder();
    QJsonArray restored;
    std::vector<std::string> errors;
    std::vector<std::string> lines;
    for (const auto& given : options.paths) {
        const std::filesystem::path entry = absoluteSpelling(given);
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
        printLines(errors);
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
        const std::filesystem::path path = absoluteSpelling(given);
        const auto failure = adding ? ExclusionStore::add(path) : ExclusionStore::remove(path);
        if (failure) {
            std::fprintf(stderr, "orvelane-cli: %s: %s\n", path.c_str(), failure->c_str());
            return ExitStatus::badInput;
        }
    }
    return ExitStatus::done;
}

} // namespace orvelane::cli
