#include "CleanSession.h"

#include "ByteCount.h"
#include "ByteFormatter.h"
#include "CleanSelection.h"
#include "CleanUndo.h"
#include "Logger.h"

namespace orvelane {

std::vector<ScannedItem> CleanSession::chooseItems(CategoryKind kind, const std::vector<ScannedItem>& listed,
                                                   const std::set<std::filesystem::path>& selection)
{
    std::vector<ScannedItem> chosen = cleanableSelection(kind, listed, selection);
    if (chosen.empty())
        Logger::warning("Clean attempted with no items selected");
    return chosen;
}

std::vector<CategoryKind> CleanSession::rescansAfter(CategoryKind kind)
{
    if (kind == CategoryKind::trash)
        return {kind};
    return {kind, CategoryKind::trash};
}

CleanReport CleanSession::run(CategoryKind kind, const std::vector<ScannedItem>& chosen,
                              const std::filesystem::path& home, const ExclusionList& exclusions,
                              const std::atomic<bool>* stop) const
{
    CleanReport report = runUnrecorded(kind, chosen, home, exclusions, stop);
    if (report.result == CleanResult::completed) {
        UndoRecording recording = recordCleanForUndo(report.outcome, home);
        report.undoId = std::move(recording.id);
        report.undoFailure = std::move(recording.failure);
    }
    return report;
}

CleanReport CleanSession::runUnrecorded(CategoryKind kind, const std::vector<ScannedItem>& chosen,
                                        const std::filesystem::path& home, const ExclusionList& exclusions,
                                        const std::atomic<bool>* stop) const
{
    CleanReport report;
    if (chosen.empty())
        return report;
    const bool permanent = isDeletedPermanently(kind);
    Logger::info("Starting " + std::string(permanent ? "permanent delete" : "move to trash") + " for " +
                 std::to_string(chosen.size()) + " items in '" + title(kind) + "' (" +
                 formatBytes(sumOfSizes(chosen)) + ")");
    report.result = CleanResult::completed;
    report.outcome = runCleaningWorker(layout_, chosen, kind, home, remover_, stop, &exclusions);
    const CleanOutcome& outcome = report.outcome;
    if (!outcome.errors.empty())
        Logger::warning("Clean completed with " + std::to_string(outcome.errors.size()) + " errors - cleaned " +
                        formatBytes(outcome.cleaned));
    else
        Logger::info("Clean completed successfully - cleaned " + formatBytes(outcome.cleaned));
    return report;
}

} // namespace orvelane
