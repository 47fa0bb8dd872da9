#pragma once

#include "CategoryKind.h"
#include "ExclusionList.h"
#include "Layout.h"
#include "ScanRecords.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvelane {

/// A scan's results by category, in catalogue order.
using CategoryResults = std::map<CategoryKind, ScanResult>;

/// What the categories found in all: every listed item's size but those of the guidance-only
/// category, whose stores other tools manage.
std::int64_t grandTotal(const CategoryResults& results);

/**
 * @brief A scan of one layout's categories, as the window and the command line run it: the
 * categories all at once, one thread each, each reported as soon as it is done.
 *
 * Holds the layout it was given; the scanner functions it calls are stateless, so one session
 * may run several scans at the same time. Blocking calls; run them off a UI thread.
 */
class ScanSession
{
public:
    /// One category's result, called on the thread that scanned it.
    using CategoryFinished = std::function<void(CategoryKind kind, ScanResult result)>;

    explicit ScanSession(const JunkScanner::Layout& layout) : layout_(layout) {}

    const JunkScanner::Layout& layout() const { return layout_; }

    /// The layout's categories among `asked` (all of them when it is empty), each once, in
    /// catalogue order whatever the order asked for.
    std::vector<CategoryKind> categories(const std::vector<CategoryKind>& asked = {}) const;
    /// The layout's category names, separated by spaces.
    std::string categoryNames() const;
    /// Why the layout refuses the category (it does not offer it), or nothing.
    std::optional<std::string> refusal(CategoryKind kind) const;
    /// Whether the Trash can be listed: without it the Trash shows nothing and says why.
    bool trashReadable() const;

    /// Scans one category, timed in the log.
    ScanResult scanCategory(CategoryKind kind, const ExclusionList& exclusions) const;

    /**
     * @brief Scans the categories at the same time and hands each result to `finished` as it
     * ends; returns when all have ended.
     *
     * Once `cancel` is set, no category that has not started starts and no result that has not
     * been handed over is; a category already being measured runs to its end first.
     */
    void scanEach(const std::vector<CategoryKind>& categories, const ExclusionList& exclusions,
                  const CategoryFinished& finished, const std::atomic<bool>* cancel = nullptr) const;

    /// scanEach, keeping every result; `progress` hears of each category as it ends.
    CategoryResults scanAll(const std::vector<CategoryKind>& categories, const ExclusionList& exclusions,
                            const std::function<void(CategoryKind)>& progress = {}) const;

private:
    const JunkScanner::Layout& layout_;
};

} // namespace orvelane
