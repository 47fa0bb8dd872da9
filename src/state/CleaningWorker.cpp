#include "CleaningWorker.h"

#include "ByteCount.h"

#include "JunkScanner.h"
#include "Logger.h"

namespace orvelane {

std::vector<ScannedItem> cleanableSelection(CategoryKind kind, const std::vector<ScannedItem>& listed,
                                            const std::set<std::filesystem::path>& selection)
{
    std::vector<ScannedItem> chosen;
    if (isGuidanceOnly(kind))
        return chosen;
    for (const ScannedItem& item : listed)
        if (item.safetyLevel != SafetyLevel::protected_ && selection.contains(item.url))
            chosen.push_back(item);
    return chosen;
}

CleanOutcome runCleaningWorker(const std::vector<ScannedItem>& items, CategoryKind kind,
                               const std::filesystem::path& home, ItemRemover& remover)
{
    const bool permanent = isDeletedPermanently(kind);
    const std::string total = std::to_string(items.size());
    CleanOutcome outcome;
    std::size_t position = 0;
    for (const ScannedItem& item : items) {
        Logger::debug("[" + std::to_string(++position) + "/" + total + "] Processing: " + item.name);
        if (const auto refusal = JunkScanner::validationFailure(item, kind, home)) {
            Logger::warning("Cleanup validation rejected an item: " + *refusal);
            outcome.errors.push_back(item.name + ": " + *refusal);
            continue;
        }
        const auto failure = permanent ? remover.removePermanently(item, home) : remover.moveToTrash(item, home);
        if (failure) {
            outcome.errors.push_back(item.name + ": " + *failure);
            Logger::error("Failed to clean '" + item.name + "': " + *failure);
            continue;
        }
        Logger::debug((permanent ? "Permanently deleted: " : "Moved to trash: ") + item.name);
        outcome.cleaned = addBytes(outcome.cleaned, item.size);
    }
    return outcome;
}

} // namespace orvelane
