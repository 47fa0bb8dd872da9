#include "CleaningWorker.h"

#include "ByteCount.h"
#include "JunkScanner.h"
#include "Logger.h"
#include "SafetyVocabulary.h"
#include "PathResolution.h"

#include <algorithm>
#include <set>

namespace orvelane {
namespace {

// One item however its path is written: doubled or trailing separators and "." components
// name the same entry.
std::filesystem::path spelledPlainly(const std::filesystem::path& url)
{
    std::filesystem::path plain;
    for (const auto& part : url)
        if (!part.empty() && part != ".")
            plain /= part;
    return plain;
}

// The first of each path, in the order given: a path handed in twice is cleaned once.
std::vector<const ScannedItem*> distinctItems(const std::vector<ScannedItem>& items)
{
    std::set<std::filesystem::path> seen;
    std::vector<const ScannedItem*> distinct;
    for (const ScannedItem& item : items)
        if (seen.insert(spelledPlainly(item.path)).second)
            distinct.push_back(&item);
    return distinct;
}

bool wentWithAnEarlierItem(const std::filesystem::path& location, const std::vector<std::filesystem::path>& removed)
{
    return std::any_of(removed.begin(), removed.end(), [&](const std::filesystem::path& earlier) {
        return JunkScanner::isContained(location, earlier);
    });
}

} // namespace

CleanOutcome runCleaningWorker(const JunkScanner::Layout& layout, const std::vector<ScannedItem>& items, CategoryKind kind,
                               const std::filesystem::path& home, ItemRemover& remover, const std::atomic<bool>* stop,
                               const ExclusionList* exclusions)
{
    const ExclusionList excluded = exclusions ? JunkScanner::withRealLocations(*exclusions) : ExclusionList();
    const bool permanent = isDeletedPermanently(kind);
    const std::vector<const ScannedItem*> distinct = distinctItems(items);
    const std::string total = std::to_string(distinct.size());
    CleanOutcome outcome;
    // The same entry reached through another spelling or a linked folder, or an entry inside
    // an item already removed, went with that item: it is neither counted nor reported again.
    std::vector<std::filesystem::path> removed;
    std::size_t position = 0;
    for (const ScannedItem* listed : distinct) {
        if (stop && stop->load()) {
            outcome.skippedByStop = distinct.size() - position;
            Logger::info("Clean stopped after " + std::to_string(position) + " of " + total + " items");
            break;
        }
        const ScannedItem& item = *listed;
        Logger::debug("[" + std::to_string(++position) + "/" + total + "] Processing: " + item.name);
        const std::filesystem::path location = realLocation(item.path);
        if (wentWithAnEarlierItem(location, removed)) {
            Logger::debug("Already removed with an earlier item: " + item.name);
            continue;
        }
        if (JunkScanner::isExcluded(excluded, item.path)) {
            Logger::info("Kept an item the user excluded since it was listed: " + item.name);
            outcome.errors.push_back(item.name + ": " + explanation(SkipReason::excludedByUser));
            continue;
        }
        if (const auto refusal = JunkScanner::validationFailure(layout, item, kind, home)) {
            Logger::warning("Cleanup validation rejected an item: " + *refusal);
            outcome.errors.push_back(item.name + ": " + *refusal);
            continue;
        }
        RemovalResult removal;
        if (permanent)
            removal.failure = remover.removePermanently(item, home);
        else
            removal = remover.trash(item, home);
        const auto& failure = removal.failure;
        if (failure) {
            outcome.errors.push_back(item.name + ": " + *failure);
            Logger::error("Failed to clean '" + item.name + "': " + *failure);
            continue;
        }
        Logger::debug((permanent ? "Permanently deleted: " : "Moved to trash: ") + item.name);
        outcome.cleaned = addBytes(outcome.cleaned, item.size);
        removed.push_back(location);
        if (!removal.trashedAs.empty())
            outcome.trashed.push_back({kind, item.name, item.path, removal.trashedAs, removal.device,
                                       removal.inode, item.size, removal.modifiedNs, removal.length});
    }
    return outcome;
}

} // namespace orvelane
