#include "CleanUndo.h"

#include "ByteCount.h"
#include "ByteFormatter.h"
#include "Logger.h"
#include "PutBack.h"

#include <algorithm>

namespace orvelane {

std::optional<std::string> recordCleanForUndo(const CleanOutcome& outcome, CategoryKind,
                                              const std::filesystem::path& home)
{
    const std::filesystem::path journal = UndoJournal::location(home);
    if (outcome.trashed.empty()) {
        if (const auto failure = UndoJournal::clear(journal))
            Logger::warning("The journal of the previous clean could not be removed: " + *failure);
        return std::nullopt;
    }
    UndoRecord record{UndoJournal::newId(), outcome.trashed};
    if (const auto failure = UndoJournal::write(journal, record)) {
        Logger::warning("This clean cannot be undone, its journal could not be written: " + *failure);
        UndoJournal::clear(journal);
        return std::nullopt;
    }
    Logger::debug("Undo journal written for " + std::to_string(record.entries.size()) + " items");
    return record.id;
}

UndoOutcome undoLastClean(const std::filesystem::path& home, const std::optional<std::string>& expectedId)
{
    UndoOutcome outcome;
    const std::filesystem::path journal = UndoJournal::location(home);
    const auto record = UndoJournal::read(journal);
    if (!record || record->entries.empty() || (expectedId && record->id != *expectedId)) {
        Logger::warning("Undo attempted with no clean to undo");
        return outcome;
    }
    outcome.started = true;
    Logger::info("Undoing the last clean - " + std::to_string(record->entries.size()) + " items");

    UndoRecord left{record->id, {}};
    for (const UndoEntry& entry : record->entries) {
        if (std::find(outcome.categories.begin(), outcome.categories.end(), entry.category) == outcome.categories.end())
            outcome.categories.push_back(entry.category);
        const PutBack::Result result = PutBack::putBack(entry.trashedAs, {entry.device, entry.inode, entry.original}, home);
        if (result.succeeded()) {
            ++outcome.restoredCount;
            outcome.restored = addBytes(outcome.restored, entry.size);
            Logger::debug("Put back: " + entry.name);
            continue;
        }
        outcome.errors.push_back(PutBack::message(entry.name, result));
        Logger::warning("Could not put back '" + entry.name + "': " + *result.failure);
        if (!result.entryLost)
            left.entries.push_back(entry);
    }
    std::sort(outcome.categories.begin(), outcome.categories.end());
    outcome.remaining = left.entries.size();
    const auto failure = left.entries.empty() ? UndoJournal::clear(journal) : UndoJournal::write(journal, left);
    if (failure)
        Logger::warning("The undo journal could not be updated: " + *failure);
    Logger::info("Undo completed - put back " + std::to_string(outcome.restoredCount) + " items (" +
                 formatBytes(outcome.restored) + "), " + std::to_string(outcome.errors.size()) +
                 " stay in the Trash");
    return outcome;
}

} // namespace orvelane
