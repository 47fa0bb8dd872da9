#include "CleanCommand.h"

#include "ByteFormatter.h"
#include "CleaningWorker.h"
#include "DisplayText.h"
#include "HomeFolder.h"
#include "Logger.h"
#include "ScanDocument.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <set>

namespace orvelane::cli {
namespace {

constexpr int kDone = 0;
constexpr int kCompletedWithMessages = 1;
constexpr int kBadInput = 2;
constexpr int kNotStarted = 3;

int refuse(const std::string& message)
{
    std::fprintf(stderr, "orvelane-cli: %s\n", message.c_str());
    return kBadInput;
}

void printOutcome(bool json, bool started, const CleanOutcome& outcome)
{
    if (json) {
        QJsonArray errors;
        for (const std::string& message : outcome.errors)
            errors.append(QString::fromStdString(message));
        const QJsonObject result{{"result", started ? "completed" : "notStarted"},
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
    for (const std::string& message : outcome.errors)
        std::printf("%s\n", message.c_str());
}

} // namespace

int runClean(const CliOptions& options)
{
    QFile file(QString::fromStdString(options.document.string()));
    if (!file.open(QIODevice::ReadOnly))
        return refuse("cannot read " + options.document.string() + ": " + file.errorString().toStdString());
    std::string error;
    const auto saved = readScanDocument(file.readAll(), error);
    if (!saved)
        return refuse(options.document.string() + ": " + error);

    const CategoryKind kind = *options.cleanCategory;
    const auto found = saved->items.find(kind);
    const std::vector<ScannedItem> listed = found == saved->items.end() ? std::vector<ScannedItem>{} : found->second;
    std::set<std::filesystem::path> known;
    for (const ScannedItem& item : listed)
        known.insert(item.url);
    const std::set<std::filesystem::path> selection(options.paths.begin(), options.paths.end());
    for (const auto& path : selection) {
        if (known.contains(path))
            continue;
        std::string message = path.string();
        message.insert(0, 1, '\'').append("' is not an item of ").append(rawValue(kind));
        return refuse(message.append(" in ").append(options.document.string()));
    }

    const std::vector<ScannedItem> chosen = cleanableSelection(kind, listed, selection);
    if (chosen.empty()) {
        Logger::warning("Clean attempted with no items selected");
        printOutcome(options.json, false, {});
        return kNotStarted;
    }
    const CleanOutcome outcome = runCleaningWorker(chosen, kind, homeFolder());
    printOutcome(options.json, true, outcome);
    return outcome.errors.empty() ? kDone : kCompletedWithMessages;
}

} // namespace orvelane::cli
