#pragma once

#include "CleanResult.h"
#include "CleaningWorker.h"
#include "Layout.h"

#include <atomic>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orvelane {

/// What a clean came to.
struct CleanReport
{
    CleanResult result = CleanResult::notStarted;
    CleanOutcome outcome;
    /// The journal entry that can take this clean back; nothing when it moved nothing to the
    /// Trash, or when its entry could not be kept.
    std::optional<std::string> undoId;
    /// Why this clean cannot be undone though it moved items to the Trash (the journal could
    /// not be written); the front ends say so and count the clean as not wholly done.
    std::optional<std::string> undoFailure;
};

/**
 * @brief A clean as both front ends run it: the ticked, cleanable items of one category are
 * checked against the disk again one by one and removed (see runCleaningWorker), and what went
 * to the Trash is kept in the journal an undo reads (see recordCleanForUndo).
 *
 * Holds the layout whose rules the re-check applies and the remover (the real one unless a
 * test brings its own).
 */
class CleanSession
{
public:
    explicit CleanSession(const JunkScanner::Layout& layout, ItemRemover& remover = platformRemover())
        : layout_(layout), remover_(remover)
    {}

    /// The items a clean of the category takes: listed order, ticked and cleanable (see
    /// isCleanable). When there are none, the log says that a clean was refused.
    static std::vector<ScannedItem> chooseItems(CategoryKind kind, const std::vector<ScannedItem>& listed,
                                                const std::set<std::filesystem::path>& selection);

    /// What shows the clean's effect: the category, then the Trash the items went to; only the
    /// Trash when its own items were deleted.
    static std::vector<CategoryKind> rescansAfter(CategoryKind kind);

    /**
     * @brief Removes the chosen items, keeping those the user has excluded meanwhile, and keeps
     * the record for an undo; the log tells its start and its end. `notStarted` when nothing was chosen. Blocking; `stop` as runCleaningWorker
     * takes it.
     */
    CleanReport run(CategoryKind kind, const std::vector<ScannedItem>& chosen, const std::filesystem::path& home,
                    const ExclusionList& exclusions, const std::atomic<bool>* stop = nullptr) const;

    /// The same, but the clean is not kept for an undo (`undoId` stays empty): for a run of
    /// several categories that keeps all of them as one entry (see recordCleanForUndo).
    CleanReport runUnrecorded(CategoryKind kind, const std::vector<ScannedItem>& chosen,
                              const std::filesystem::path& home, const ExclusionList& exclusions,
                              const std::atomic<bool>* stop = nullptr) const;

private:
    const JunkScanner::Layout& layout_;
    ItemRemover& remover_;
};

} // namespace orvelane
