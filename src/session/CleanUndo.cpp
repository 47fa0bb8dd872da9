#include "CleanUndo.h"

#include "ByteCount.h"
#include "ByteFormatter.h"
#include "DisplayText.h"
#include "Logger.h"
#include "PutBack.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <sys/stat.h>

namespace orvelane {
namespace {

using Stack = std::vector<UndoRecord>;

std::int64_t nowInMicroseconds()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string journalFailure(const std::string& why)
{
    if (why == UndoJournal::kBusy)
        return localizedText(DISPLAY_TEXT("Another clean or undo is using the undo journal."));
    return why;
}

/**
 * Reads, changes and writes the journal under its lock; `change` says whether it changed
 * anything. A journal that cannot be trusted counts as an empty one and is replaced. Nothing
 * on success, otherwise why not (in the current language).
 */
std::optional<std::string> changeJournal(const std::filesystem::path& home, const std::function<bool(Stack&)>& change)
{
    const std::filesystem::path journal = UndoJournal::location(home);
    std::string why;
    const auto lock = UndoJournal::Lock::acquire(journal, UndoJournal::kPatience, why);
    if (!lock)
        return journalFailure(why);
    auto stack = UndoJournal::readStack(journal);
    if (!stack) {
        Logger::warning("The undo journal could not be trusted and starts anew");
        stack.emplace();
    }
    if (!change(*stack))
        return std::nullopt;
    if (auto failure = UndoJournal::writeStack(journal, *stack))
        return journalFailure(*failure);
    return std::nullopt;
}

// An entry has left the Trash when its trash's files/ folder is there without it; a trash that
// is not there (a volume not attached just now) says nothing either way.
bool leftTheTrash(const UndoEntry& entry)
{
    struct stat status{};
    if (::lstat(entry.trashedAs.c_str(), &status) == 0 || errno != ENOENT)
        return false;
    return ::stat(entry.trashedAs.parent_path().c_str(), &status) == 0;
}

// Drops what can never be undone any more; whether anything went.
bool prune(Stack& stack)
{
    bool changed = false;
    for (UndoRecord& record : stack)
        changed |= std::erase_if(record.entries, leftTheTrash) > 0;
    changed |= std::erase_if(stack, [](const UndoRecord& record) { return record.entries.empty(); }) > 0;
    return changed;
}

UndoableClean summaryOf(const UndoRecord& record)
{
    UndoableClean clean{record.id, record.entries.front().category, record.entries.size(), 0, record.when};
    for (const UndoEntry& entry : record.entries)
        clean.bytes = addBytes(clean.bytes, entry.size);
    return clean;
}

// Takes the clean to undo out of the journal: the one of `id`, or the newest.
std::optional<UndoRecord> takeOut(const std::filesystem::path& home, const std::optional<std::string>& id,
                                  std::optional<std::string>& failure)
{
    std::optional<UndoRecord> taken;
    failure = changeJournal(home, [&](Stack& stack) {
        bool changed = prune(stack);
        const auto found = id ? std::find_if(stack.begin(), stack.end(), [&](const UndoRecord& r) { return r.id == *id; })
                              : (stack.empty() ? stack.end() : stack.end() - 1);
        if (found == stack.end())
            return changed;
        taken = std::move(*found);
        stack.erase(found);
        return true;
    });
    return failure ? std::nullopt : taken;
}

// Gives the journal back what may still go back, where the clean stood among the others.
void putBackInJournal(const std::filesystem::path& home, UndoRecord left)
{
    const auto failure = changeJournal(home, [&](Stack& stack) {
        const auto later = std::find_if(stack.begin(), stack.end(),
                                        [&](const UndoRecord& r) { return left.when != 0 && r.when > left.when; });
        stack.insert(later, std::move(left));
        return true;
    });
    if (failure)
        Logger::warning("The undo journal could not keep what stays in the Trash: " + *failure);
}

} // namespace

UndoRecording recordCleanForUndo(const CleanOutcome& outcome, const std::filesystem::path& home)
{
    UndoRecording recording;
    if (outcome.trashed.empty())
        return recording; // nothing to take back; the cleans before it stay undoable
    UndoRecord record{UndoJournal::newId(), outcome.trashed, nowInMicroseconds()};
    if (const auto failure = changeJournal(home, [&](Stack& stack) {
            prune(stack);
            stack.push_back(record);
            if (stack.size() > UndoJournal::kMaxRecords)
                stack.erase(stack.begin(), stack.end() - UndoJournal::kMaxRecords);
            return true;
        })) {
        Logger::warning("This clean cannot be undone, its journal could not be written: " + *failure);
        recording.failure =
            localizedFormat(DISPLAY_TEXT("This clean cannot be undone: its record could not be kept (%@)."), {*failure});
        return recording;
    }
    Logger::debug("Undo journal written for " + std::to_string(record.entries.size()) + " items");
    recording.id = record.id;
    return recording;
}

std::optional<std::vector<UndoableClean>> undoableCleans(const std::filesystem::path& home)
{
    std::vector<UndoableClean> cleans;
    if (changeJournal(home, [&](Stack& stack) {
            const bool changed = prune(stack);
            for (auto record = stack.rbegin(); record != stack.rend(); ++record)
                cleans.push_back(summaryOf(*record));
            return changed;
        }))
        return std::nullopt;
    return cleans;
}

UndoOutcome undoClean(const std::filesystem::path& home, const std::optional<std::string>& id)
{
    UndoOutcome outcome;
    std::optional<std::string> failure;
    const auto record = takeOut(home, id, failure);
    if (!record) {
        if (failure)
            outcome.errors.push_back(*failure);
        Logger::warning("Undo attempted with no clean to undo");
        return outcome;
    }
    outcome.started = true;
    Logger::info("Undoing a clean - " + std::to_string(record->entries.size()) + " items");

    UndoRecord left{record->id, {}, record->when};
    for (const UndoEntry& entry : record->entries) {
        if (std::find(outcome.categories.begin(), outcome.categories.end(), entry.category) == outcome.categories.end())
            outcome.categories.push_back(entry.category);
        const PutBack::Result result =
            PutBack::putBack(entry.trashedAs, {entry.device, entry.inode, entry.original, entry.modifiedNs, entry.length}, home);
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
    if (!left.entries.empty())
        putBackInJournal(home, std::move(left));
    Logger::info("Undo completed - put back " + std::to_string(outcome.restoredCount) + " items (" +
                 formatBytes(outcome.restored) + "), " + std::to_string(outcome.errors.size()) +
                 " stay in the Trash");
    return outcome;
}

} // namespace orvelane
