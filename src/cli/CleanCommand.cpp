#include "CleanCommand.h"

#include "ByteFormatter.h"
#include "CleanSession.h"
#include "DisplayText.h"
#include "ExclusionStore.h"
#include "ExitStatus.h"
#include "HomeFolder.h"
#include "ScanDocument.h"
#include "ScanSession.h"
#include "TidyPolicy.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <set>

namespace orvelane::cli {
namespace {

int refuse(const std::string& message)
{
    std::fprintf(stderr, "orvelane-cli: %s\n", message.c_str());
    return ExitStatus::badInput;
}

// One "name: reason" line per item kept, and why the clean cannot be undone when it cannot.
std::vector<std::string> messagesOf(const CleanReport& report)
{
    std::vector<std::string> messages = report.outcome.errors;
    if (report.undoFailure)
        messages.push_back(*report.undoFailure);
    return messages;
}

void printOutcome(bool json, const CleanReport& report)
{
    const CleanOutcome& outcome = report.outcome;
    const bool started = report.result == CleanResult::completed;
    if (json) {
        QJsonArray errors;
        for (const std::string& message : messagesOf(report))
            errors.append(QString::fromStdString(message));
        const QJsonObject result{{"result", QString::fromLatin1(rawValue(report.result))},
                                 {"cleaned", static_cast<qint64>(outcome.cleaned)},
                                 {"errors", errors}};
        std::puts(QJsonDocument(result).toJson(QJsonDocument::Indented).constData());
        return;
    }
    if (!started) {
        std::puts("Nothing was cleaned: none of the listed items may be cleaned.");
        return;
    }
    std::printf("%s\n", localizedFormat(DISPLAY_TEXT("Cleaned %@"), {formatBytes(outcome.cleaned)}).c_str());
    std::fflush(stdout); // the report line comes before the messages on a shared terminal
    for (const std::string& message : messagesOf(report))
        std::fprintf(stderr, "%s\n", message.c_str());
}

// The saved scan, or nothing after telling why. Memory running out while reading a document
// is bad input like any other: nothing has been touched yet.
std::optional<SavedScan> loadSavedScan(const std::filesystem::path& document)
{
    std::string error;
    try {
        const auto bytes = readScanDocumentFile(document, error);
        if (!bytes) {
            refuse(error);
            return std::nullopt;
        }
        if (auto saved = readScanDocument(*bytes, error))
            return saved;
    } catch (const std::bad_alloc&) {
        error = "not enough memory to read it";
    }
    refuse(document.string() + ": " + error);
    return std::nullopt;
}

// "…/node_modules/" from a shell's completion names the same item as "…/node_modules".
std::filesystem::path withoutTrailingSeparators(std::filesystem::path path)
{
    std::string text = path.native();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

} // namespace

int runClean(const CliOptions& options, const JunkScanner::Layout& layout)
{
    const auto saved = loadSavedScan(options.document);
    if (!saved)
        return ExitStatus::badInput;

    const CategoryKind kind = *options.cleanCategory;
    if (const auto refusal = ScanSession(layout).refusal(kind))
        return refuse(*refusal);
    const auto found = saved->items.find(kind);
    const std::vector<ScannedItem> listed = found == saved->items.end() ? std::vector<ScannedItem>{} : found->second;
    std::set<std::filesystem::path> known;
    for (const ScannedItem& item : listed)
        known.insert(item.path);
    std::set<std::filesystem::path> selection;
    for (const auto& path : options.paths)
        selection.insert(withoutTrailingSeparators(path));
    for (const auto& path : selection) {
        if (known.contains(path))
            continue;
        std::string message = path.string();
        message.insert(0, 1, '\'').append("' is not an item of ").append(rawValue(kind));
        return refuse(message.append(" in ").append(options.document.string()));
    }
    // Listed paths and untouched projects add up: "these two, and whatever has lain idle".
    if (options.untouchedDays)
        for (const ScannedItem& item : untouchedItems(listed, *options.untouchedDays, Clock::now()))
            selection.insert(item.path);

    const std::vector<ScannedItem> chosen = CleanSession::chooseItems(kind, listed, selection);
    // The journal it leaves is what `undo` and the window's Undo take back.
    // Exclusions are read now, not from the document: one added since the scan still holds.
    const CleanReport report = CleanSession(layout).run(kind, chosen, homeFolder(), ExclusionStore::load());
    printOutcome(options.json, report);
    if (report.result == CleanResult::notStarted)
        return ExitStatus::notStarted;
    return messagesOf(report).empty() ? ExitStatus::done : ExitStatus::completedWithMessages;
}

} // namespace orvelane::cli
